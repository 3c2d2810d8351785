// Notes that cannot be lost: telling another writer's base.db from our own, the name it is kept under,
// which notes of a file become new stickers, the find dialog's match and the export's bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/note_search.h"
#include "lang/cp1251.h"
#include "store/database_aside.h"
#include "store/database_watch.h"
#include "store/note_export.h"
#include "store/note_merge.h"
#include "store/table.h"

namespace velpiners {
namespace {

std::uint64_t HashOf(const char* text) {
    return Fnv1a64(reinterpret_cast<const std::uint8_t*>(text), std::strlen(text));
}

StickerRecord Note(const char* caption, const char* date, const char* body) {
    StickerRecord record{};
    record.caption.text.Set(caption);
    record.date.text.Set(date);
    record.body.text.Set(body);
    return record;
}

void Put(Tmassiv& table, std::uint32_t window, const StickerRecord& note) {
    const int slot = table.Occupy(window);
    ASSERT_GE(slot, 0);
    StickerRecord& r = table.Slot(slot);
    r.caption = note.caption;
    r.date = note.date;
    r.body = note.body;
}

TEST(DatabaseWatchTest, HashAndTheChangeCheck) {
    // The published FNV-1a 64 test vectors.
    EXPECT_EQ(HashOf(""), 0xCBF29CE484222325ULL);
    EXPECT_EQ(HashOf("a"), 0xAF63DC4C8601EC8CULL);
    EXPECT_EQ(HashOf("foobar"), 0x85944171F73967E8ULL);

    const DatabaseState ours{true, 2152, 0x1234};
    const DatabaseState none{};
    EXPECT_FALSE(ChangedByAnotherWriter(ours, ours));
    EXPECT_TRUE(ChangedByAnotherWriter(ours, {true, 2152, 0x1235}));  // a note edited elsewhere: same size
    EXPECT_TRUE(ChangedByAnotherWriter(ours, {true, 1076, 0x1234}));
    EXPECT_TRUE(ChangedByAnotherWriter(none, {true, 0, HashOf("")}));  // made where we left no file
    EXPECT_FALSE(ChangedByAnotherWriter(ours, none));                  // gone: nothing to keep
    EXPECT_FALSE(ChangedByAnotherWriter(none, none));

    const StampTime when{2026, 12, 9, 4, 5, 6};
    EXPECT_EQ(AsideDatabasePath("C:\\n\\base.db", when, 1, AsideReason::kChanged),
              "C:\\n\\base.db.changed-20261209-040506");
    EXPECT_EQ(AsideDatabasePath("C:\\n\\base.db", when, 3, AsideReason::kChanged),
              "C:\\n\\base.db.changed-20261209-040506-3");
}

TEST(NoteMergeTest, DuplicatesSkippedAndTheRestUpToTheFreeSlots) {
    Tmassiv table;
    Put(table, 1, Note("Milk", "5.01.26", "Two litres"));
    for (std::uint32_t w = 2; w <= 254; ++w) Put(table, w, Note("Filler", "", std::to_string(w).c_str()));
    ASSERT_EQ(table.Count(), 254);

    const std::vector<StickerRecord> records = {
        Note("Milk", "5.01.26", "Two litres"),  // open already
        Note("Milk", "5.01.26", "One litre"),   // new
        Note("Milk", "5.01.26", "One litre"),   // the same as the one just added
        Note("Milk", "6.01.26", "Two litres"),  // another date: new
        Note("Bread", "", ""),                  // no slot left
    };
    const MergePlan plan = PlanMerge(records, table, 5);
    EXPECT_EQ(plan.add, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(plan.duplicates, 2);
    EXPECT_EQ(plan.noRoom, 6);
}

std::string AsciiAndCyrillicUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') c = static_cast<char>(b - 0x20);
        if (b >= 0xE0) c = static_cast<char>(b - 0x20);  // а..я in code page 1251
    }
    return out;
}

TEST(NoteSearchTest, EveryWordSomewhereInCaptionDateOrText) {
    // "Купить молоко" / "5.01.26" / "у Ивана" in code page 1251.
    const StickerRecord note =
        Note("\xCA\xF3\xEF\xE8\xF2\xFC \xEC\xEE\xEB\xEE\xEA\xEE", "5.01.26", "\xF3 \xC8\xE2\xE0\xED\xE0");
    const auto matches = [&](const char* query) {
        return NoteMatches(note, QueryWords(query, AsciiAndCyrillicUpper), AsciiAndCyrillicUpper);
    };
    EXPECT_TRUE(matches(""));
    EXPECT_TRUE(matches("  \xCC\xCE\xCB   \xE8\xE2\xE0\xED "));  // "МОЛ иван": caption and text, any case
    EXPECT_TRUE(matches("\xE8\xF2\xFC 01.2"));                   // "ить" and a piece of the date
    EXPECT_FALSE(matches("\xEC\xEE\xEB\xEE\xEA\xEE \xEF\xE5\xF2\xF0"));  // "молоко петр": one word missing
    EXPECT_FALSE(matches("\xEA\xEE\x35"));  // "ко5": never across the caption's end and the date
}

TEST(NoteExportTest, Utf8SectionsWithCrLfLines) {
    Tmassiv table;
    // "Дом & 1" / "5.01.26" / "да\n2\r3" in code page 1251, then a note without date or text.
    Put(table, 7, Note("\xC4\xEE\xEC & 1", "5.01.26", "\xE4\xE0\n2\r3"));
    Put(table, 8, Note("B", "", ""));
    const std::string text = ExportNotesText(table, [](std::string_view s) { return Cp1251ToUtf8(s); });
    EXPECT_EQ(text,
              "\xEF\xBB\xBF"
              "\xD0\x94\xD0\xBE\xD0\xBC & 1 \xE2\x80\x94 5.01.26\r\n"
              "\r\n"
              "\xD0\xB4\xD0\xB0\r\n2\r\n3\r\n"
              "\r\n"
              "B\r\n"
              "\r\n"
              "\r\n");
}

}  // namespace
}  // namespace velpiners
