// The trash list, the names and keeping of base.db's copies, and what the tray's "Deleted notes" and
// "Restore notes" entries say.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/keeping_captions.h"
#include "lang/cp1251.h"
#include "store/snapshots.h"
#include "store/trash.h"

namespace velpiners {
namespace {

StickerRecord Note(std::uint32_t mark) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    r.window = mark;
    return r;
}

StickerRecord Texts(const std::string& caption, const std::string& body) {
    StickerRecord r = Note(0);
    r.caption.text.Set(caption);
    r.body.text.Set(body);
    return r;
}

std::vector<std::string> Names(std::initializer_list<const char*> names) { return {names.begin(), names.end()}; }

std::vector<std::string> DailyNames(int firstDay, int lastDay) {
    std::vector<std::string> names;
    for (int day = firstDay; day <= lastDay; ++day) names.push_back(SnapshotFileName({true, {2026, 12, day}}));
    return names;
}

TEST(TrashList, NewestFirstRemoveAndOldestDroppedPastCapacity) {
    TrashList trash;
    EXPECT_EQ(trash.Newest(0), nullptr);
    trash.Append(Note(1));
    trash.Append(Note(2));
    trash.Append(Note(3));
    EXPECT_EQ(trash.Newest(0)->window, 3u);
    EXPECT_EQ(trash.Newest(2)->window, 1u);
    EXPECT_EQ(trash.Newest(3), nullptr);
    EXPECT_TRUE(trash.RemoveNewest(1));  // the middle one
    EXPECT_FALSE(trash.RemoveNewest(2));
    ASSERT_EQ(trash.Size(), 2u);
    EXPECT_EQ(trash.Newest(0)->window, 3u);
    EXPECT_EQ(trash.Newest(1)->window, 1u);

    // The file: the records oldest first, 1076 bytes each.
    const std::vector<std::uint8_t> image = trash.Image();
    ASSERT_EQ(image.size(), 2152u);
    EXPECT_EQ(image[0], 1);
    EXPECT_EQ(image[1076], 3);

    // 257 deletions keep the newest 256: the first one is gone.
    TrashList full;
    for (std::uint32_t i = 0; i <= 256; ++i) full.Append(Note(i));
    EXPECT_EQ(full.Size(), 256u);
    EXPECT_EQ(full.Newest(0)->window, 256u);
    EXPECT_EQ(full.Newest(255)->window, 1u);
}

TEST(SnapshotNames, WrittenAndReadBackOnlyInTheirOwnForm) {
    EXPECT_EQ(SnapshotFileName({true, {2026, 12, 8}}), "base-20261208.db");
    EXPECT_EQ(SnapshotFileName({false, {2026, 12, 8, 23, 5, 9}}), "base-20261208-230509.db");

    const auto daily = ParseSnapshotFileName("base-20240229.db");  // a leap day
    ASSERT_TRUE(daily);
    EXPECT_TRUE(daily->daily);
    EXPECT_EQ(daily->when.year * 10000 + daily->when.month * 100 + daily->when.day, 20240229);
    const auto timed = ParseSnapshotFileName("base-20261208-230509.db");
    ASSERT_TRUE(timed);
    EXPECT_FALSE(timed->daily);
    EXPECT_EQ(timed->when.hour * 10000 + timed->when.minute * 100 + timed->when.second, 230509);

    for (const char* other : {"base-20230229.db", "base-20261308.db", "base-20261200.db", "base-20261208-240000.db",
                              "base-20261208-236000.db", "Base-20261208.db", "base-2026128.db", "base-20261208.db.new",
                              "base-20261208-2305.db", "base-2026120x.db", "base-20261208_230509.db", "base.db", ""})
        EXPECT_FALSE(ParseSnapshotFileName(other)) << other;

    // A copy taken in the first second of a day is newer than that day's own; the next day's is newer still.
    EXPECT_TRUE(TakenLater({false, {2026, 12, 8, 0, 0, 1}}, {true, {2026, 12, 8}}));
    EXPECT_TRUE(TakenLater({true, {2026, 12, 9}}, {false, {2026, 12, 8, 23, 59, 59}}));
    const std::vector<SnapshotName> sorted =
        SnapshotsNewestFirst(Names({"base-20261207.db", "readme.txt", "base-20261208-120000.db", "base-20261208.db"}));
    ASSERT_EQ(sorted.size(), 3u);
    EXPECT_EQ(SnapshotFileName(sorted[0]), "base-20261208-120000.db");
    EXPECT_EQ(SnapshotFileName(sorted[2]), "base-20261207.db");
}

TEST(SnapshotPlan, KeepsTheNewestOfEachKindAndNeverFillsTheFolderPastFifty) {
    // 14 days kept and another file: the 15th day takes the place of the oldest.
    std::vector<std::string> folder = DailyNames(1, 14);
    folder.push_back("notes.txt");
    SnapshotPlan plan = PlanSnapshot(folder, {true, {2026, 12, 15}});
    EXPECT_TRUE(plan.add);
    EXPECT_EQ(plan.remove, Names({"base-20261201.db"}));

    // Today's copy exists: it is not made again. One older than every kept copy is not made at all.
    plan = PlanSnapshot(folder, {true, {2026, 12, 14}});
    EXPECT_FALSE(plan.add);
    EXPECT_TRUE(plan.remove.empty());
    plan = PlanSnapshot(folder, {true, {2026, 11, 30}});
    EXPECT_FALSE(plan.add);
    EXPECT_TRUE(plan.remove.empty());

    // Ten copies of moments and a new one: the oldest moment goes; the daily copies are not counted with them.
    std::vector<std::string> moments = DailyNames(1, 3);
    for (int minute = 0; minute < 10; ++minute)
        moments.push_back(SnapshotFileName({false, {2026, 12, 8, 10, minute, 0}}));
    plan = PlanSnapshot(moments, {false, {2026, 12, 8, 11, 0, 0}});
    EXPECT_TRUE(plan.add);
    EXPECT_EQ(plan.remove, Names({"base-20261208-100000.db"}));

    // Other files count toward the 50: 47 of them and 2 copies leave room for one more, 48 do not.
    std::vector<std::string> crowded = DailyNames(1, 2);
    for (int i = 0; i < 47; ++i) crowded.push_back("photo" + std::to_string(i) + ".jpg");
    EXPECT_TRUE(PlanSnapshot(crowded, {true, {2026, 12, 3}}).add);
    crowded.push_back("one-more.jpg");
    EXPECT_FALSE(PlanSnapshot(crowded, {true, {2026, 12, 3}}).add);

    // A folder already past the limit still loses the copies no longer kept, and gains none.
    std::vector<std::string> over = DailyNames(1, 14);
    for (int i = 0; i < 45; ++i) over.push_back("x" + std::to_string(i));
    plan = PlanSnapshot(over, {true, {2026, 12, 15}});
    EXPECT_FALSE(plan.add);
    EXPECT_EQ(plan.remove, Names({"base-20261201.db"}));
}

TEST(KeepingCaptions, DeletedNoteEntries) {
    TrashItemText text = TrashItemCaption(Texts("Shopping & more", "Buy milk\r\nand bread"));
    EXPECT_EQ(text.caption, "Shopping && more");
    EXPECT_EQ(text.words, "Buy milk...");

    // Caption cut at 24; the text cut after the last whole word within 40 characters.
    text =
        TrashItemCaption(Texts("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "The quick brown fox jumps over the lazy dog again"));
    EXPECT_EQ(text.caption, "ABCDEFGHIJKLMNOPQRSTUVWX...");
    EXPECT_EQ(text.words, "The quick brown fox jumps over the lazy...");

    // One word longer than the limit is cut inside; a lone line break after the text cuts nothing; 40 fit.
    EXPECT_EQ(TrashItemCaption(Texts("", std::string(50, 'w'))).words, std::string(40, 'w') + "...");
    EXPECT_EQ(TrashItemCaption(Texts("", "Buy milk\r\n")).words, "Buy milk");
    EXPECT_EQ(TrashItemCaption(Texts("", std::string(40, 'a'))).words, std::string(40, 'a'));
}

TEST(KeepingCaptions, SnapshotEntriesInTheInterfaceLanguage) {
    TextTable texts;
    SnapshotItemText text = SnapshotItemCaption(texts, {true, {2026, 12, 8}}, 23 * 1076);
    EXPECT_EQ(text.date, "8 December 2026");
    EXPECT_EQ(text.notes, "23 notes");

    texts.LoadRussianTexts();
    text = SnapshotItemCaption(texts, {false, {2026, 3, 1, 9, 5, 7}}, 2 * 1076 + 10);
    EXPECT_EQ(text.date, Utf8ToCp1251("1 марта 2026, 09:05"));
    EXPECT_EQ(text.notes, Utf8ToCp1251("стикеров: 2"));

    EXPECT_EQ(FillPlaceholder("%1 of %1%", "x"), "x of x%");
}

}  // namespace
}  // namespace velpiners
