// Pattern files through the INI interfaces: what is written and in which order, the round trip into a
// sticker record, the defaults of missing or broken keys, the size box index, the icon number's two
// bytes, names holding the item separator, and file names that never overwrite another save.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "store/pattern.h"
#include "tests/common/fake_ini.h"

namespace velpiners {
namespace {

using Key = std::pair<std::string, std::string>;

PatternLook SampleLook() {
    PatternLook look;
    look.style = 12;
    look.useColor = false;
    look.color = 0x123456;
    look.transparent = 200;
    look.shadowColor = 0x0000FF;
    look.textFont = "Verdana";
    look.textSize = 14;
    look.textColor = 0x00FF00;
    look.textShadow = false;
    look.captionFont = "Arial";
    look.captionColor = static_cast<ColorValue>(0xFF00000F);  // a system colour: written as it stands
    look.captionShadow = false;
    look.alignment = 2;
    look.pictureNumber = 300;
    return look;
}

StickerRecord Junk() {
    StickerRecord record{};
    std::memset(&record, 0xAB, sizeof record);
    record.caption.text.Set("caption stays");
    record.placement.left = 77;
    return record;
}

TEST(PatternTest, WritesEveryKeyInOrderAndReadsItBack) {
    test::FakeIni file;
    ASSERT_TRUE(WritePattern(file, "Blue notes", "07.12.2026 03:45", SampleLook()));
    const std::vector<Key> order = {
        {"Info", "name"},    {"Info", "Date"},          {"Window", "Style"},     {"Window", "UColor"},
        {"Window", "Color"}, {"Window", "Transparent"}, {"Text", "ColorShadow"}, {"Text", "font"},
        {"Text", "Size"},    {"Text", "Color"},         {"Text", "UShadow"},     {"TextC", "font"},
        {"TextC", "Color"},  {"TextC", "UShadow"},      {"Text", "Align"},       {"Window", "Ico"},
    };
    EXPECT_EQ(file.writes, order);
    EXPECT_EQ(file.Read("Window", "UColor", ""), "0");
    EXPECT_EQ(file.Read("TextC", "Color", ""), "-16777201");
    EXPECT_EQ(ReadPatternName(file), "Blue notes");

    StickerRecord record = Junk();
    ReadPattern(file, record);
    const PlacementBlock& p = record.placement;
    EXPECT_EQ(p.style, 12);
    EXPECT_EQ(p.useOwnColor, 0);
    EXPECT_EQ(p.color, 0x123456);
    EXPECT_EQ(p.opacity, 200);
    EXPECT_EQ(p.shadowColor, 0x0000FF);
    EXPECT_EQ(p.alignment, 2);
    EXPECT_EQ(p.pictureLow, 44);  // 300 = 1 * 256 + 44
    EXPECT_EQ(p.pictureHigh, 1);
    EXPECT_EQ(record.body.fontName.Get(), "Verdana");
    EXPECT_EQ(record.body.fontSize, 14);
    EXPECT_EQ(record.body.color, 0x00FF00);
    EXPECT_EQ(record.body.shadow, 0);
    EXPECT_EQ(record.caption.fontName.Get(), "Arial");
    EXPECT_EQ(record.caption.color, static_cast<ColorValue>(0xFF00000F));
    EXPECT_EQ(record.caption.shadow, 0);
    // What a pattern does not hold stays as it was.
    EXPECT_EQ(record.caption.text.Get(), "caption stays");
    EXPECT_EQ(p.left, 77);
    EXPECT_EQ(p.locked, 0xAB);
}

TEST(PatternTest, NoAlignmentWritesNoAlignKeyAndAFailedWriteIsReported) {
    test::FakeIni file;
    PatternLook look = SampleLook();
    look.alignment = kNoAlignment;
    ASSERT_TRUE(WritePattern(file, "n", "d", look));
    EXPECT_FALSE(file.Has("Text", "Align"));
    EXPECT_TRUE(file.Has("Window", "Ico"));

    test::FakeIni readOnly;
    readOnly.failWrites = true;
    EXPECT_FALSE(WritePattern(readOnly, "n", "d", look));
}

TEST(PatternTest, MissingAndBrokenKeysTakeTheDefaults) {
    test::FakeIni empty;
    StickerRecord record = Junk();
    ReadPattern(empty, record);
    EXPECT_EQ(record.placement.style, 0);
    EXPECT_EQ(record.placement.useOwnColor, 1);
    EXPECT_EQ(record.placement.color, 8421504);
    EXPECT_EQ(record.placement.opacity, 255);
    EXPECT_EQ(record.placement.PictureNumber(), 0);
    EXPECT_EQ(record.placement.shadowColor, 0);
    EXPECT_EQ(record.placement.alignment, 0);
    EXPECT_EQ(record.body.color, 16777215);
    EXPECT_EQ(record.body.shadow, 1);
    EXPECT_EQ(record.body.fontSize, 8);
    EXPECT_EQ(record.body.fontName.Get(), "Tahoma");
    EXPECT_EQ(record.caption.color, 16777215);
    EXPECT_EQ(record.caption.fontName.Get(), "Tahoma");
    EXPECT_EQ(record.caption.shadow, 1);
    EXPECT_EQ(ReadPatternName(empty), "unknown pattern");

    test::FakeIni broken;
    broken.Set("Window", "Style", "five");
    broken.Set("Window", "Transparent", "0");  // an invisible sticker is no look
    broken.Set("Window", "Color", "12abc");
    broken.Set("Text", "Size", "99999999999");
    broken.Set("Text", "Align", "7");
    broken.Set("Text", "UShadow", "2");  // any non-zero number is true
    broken.Set("TextC", "Color", "$FF");
    broken.Set("Info", "name", "");
    broken.Set("Text", "font", std::string(100, 'F'));
    ReadPattern(broken, record);
    EXPECT_EQ(record.placement.style, 0);
    EXPECT_EQ(record.placement.opacity, 1);
    EXPECT_EQ(record.placement.color, 8421504);
    EXPECT_EQ(record.body.fontSize, 8);
    EXPECT_EQ(record.placement.alignment, 0);
    EXPECT_EQ(record.body.shadow, 1);
    EXPECT_EQ(record.caption.color, 255);
    EXPECT_EQ(record.body.fontName.Get(), std::string(63, 'F'));
    EXPECT_EQ(ReadPatternName(broken), "");  // an empty name is listed empty
}

TEST(PatternTest, SizeBoxIndexRoundsToNearestWithTiesToEven) {
    EXPECT_EQ(TextSizeIndex(6), 0);
    EXPECT_EQ(TextSizeIndex(7), 0);  // 0.5 -> 0, the box shows "6"
    EXPECT_EQ(TextSizeIndex(8), 1);
    EXPECT_EQ(TextSizeIndex(9), 2);   // 1.5 -> 2, "10"
    EXPECT_EQ(TextSizeIndex(11), 2);  // 2.5 -> 2, "10"
    EXPECT_EQ(TextSizeIndex(13), 4);  // 3.5 -> 4, "14"
    EXPECT_EQ(TextSizeIndex(20), 7);
    EXPECT_EQ(TextSizeIndex(5), -1);
    EXPECT_EQ(TextSizeIndex(21), -1);
    EXPECT_EQ(TextSizeOfIndex(2), 10);
}

TEST(PatternTest, NamesNeverHoldTheItemSeparator) {
    EXPECT_EQ(StoredPatternName("a||b"), "a|b");
    EXPECT_EQ(StoredPatternName("|||x||||"), "|x|");
    EXPECT_EQ(StoredPatternName("plain | name"), "plain | name");
    EXPECT_EQ(StoredPatternName("two\r\nlines"), "two  lines");

    test::FakeIni file;
    ASSERT_TRUE(WritePattern(file, "Work||home", "d", SampleLook()));
    const std::string item = PatternItem(ReadPatternName(file), "071226_034512.pat");
    EXPECT_EQ(item, "Work|home||071226_034512.pat");
    EXPECT_EQ(PatternNameOf(item), "Work|home");
    EXPECT_EQ(PatternFileOf(item), "071226_034512.pat");

    // A name ending in "|", and an item written before names were cleaned, still name their files.
    EXPECT_EQ(PatternFileOf("note|||a.pat"), "a.pat");
    EXPECT_EQ(PatternNameOf("note|||a.pat"), "note|");
    EXPECT_EQ(PatternFileOf("a||b||old.pat"), "old.pat");
    EXPECT_EQ(PatternNameOf("a||b||old.pat"), "a||b");
    EXPECT_EQ(PatternNameOf("||x.pat"), "");
    EXPECT_EQ(PatternFileOf("no separator"), "");
}

TEST(PatternTest, FileNamesFromTheTimeAndTwoSavesInOneSecondKeepBothFiles) {
    const PatternTime time{2026, 12, 7, 3, 45, 12};
    EXPECT_EQ(PatternFileName(time), "071226_034512.pat");
    EXPECT_EQ(PatternDateText(time), "07.12.2026 03:45");

    std::set<std::string> folder;
    const auto taken = [&folder](const std::string& name) { return folder.count(name) != 0; };
    for (int save = 0; save < 3; ++save) folder.insert(FreePatternFileName(time, taken));
    EXPECT_EQ(folder, (std::set<std::string>{"071226_034512.pat", "071226_034512_1.pat", "071226_034512_2.pat"}));

    EXPECT_EQ(FreePatternFileName(time, [](const std::string&) { return true; }), "");
}

}  // namespace
}  // namespace velpiners
