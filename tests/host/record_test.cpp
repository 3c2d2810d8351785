// The stored layout against golden bytes, and the short-string rules.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "store/record.h"

namespace velpiners {
namespace {

std::vector<std::uint8_t> Bytes(const StickerRecord& record) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
    return std::vector<std::uint8_t>(p, p + sizeof record);
}

StickerRecord Zeroed() {
    StickerRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(StickerRecord, FieldsLandAtTheirStoredOffsetsLittleEndian) {
    StickerRecord r = Zeroed();
    r.window = 0x11223344;
    r.caption.color = 0x00AABBCC;
    r.caption.shadow = 1;
    r.caption.x = 14;
    r.caption.y = -2;
    r.caption.width = 255;
    r.caption.fontSize = 10;
    r.caption.fontName.Set("Tahoma");
    r.caption.text.Set("Note");
    r.date.text.Set("8.12.26");
    r.date.SetShowDate(1);
    r.body.text.Set("Body");
    r.placement.left = -500;
    r.placement.top = 0x01020304;
    r.placement.opacity = 200;
    r.placement.style = 16;
    r.placement.color = 0x0000FF;
    r.placement.SetPictureNumber(0x0165);
    r.placement.layer = 1;
    r.placement.hideDelayStep = 30;
    r.placement.shadowColor = 0x00123456;
    r.inUse = 1;
    r.reported = 1;

    const auto b = Bytes(r);
    ASSERT_EQ(b.size(), 1076u);
    EXPECT_EQ(ReadU32(b, 0), 0x11223344u);
    EXPECT_EQ(ReadU32(b, 4), 0x00AABBCCu);
    EXPECT_EQ(b[8], 1);
    EXPECT_EQ(ReadU32(b, 12), 14u);
    EXPECT_EQ(ReadU32(b, 16), 0xFFFFFFFEu);
    EXPECT_EQ(ReadU32(b, 20), 255u);
    EXPECT_EQ(b[24], 10);
    EXPECT_EQ(b[25], 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[26]), 6), "Tahoma");
    EXPECT_EQ(b[89], 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[90]), 4), "Note");
    EXPECT_EQ(b[433], 7);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[434]), 7), "8.12.26");
    EXPECT_EQ(b[690], 1);
    EXPECT_EQ(b[777], 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[778]), 4), "Body");
    EXPECT_EQ(ReadU32(b, 1036), static_cast<std::uint32_t>(-500));
    EXPECT_EQ(ReadU32(b, 1040), 0x01020304u);
    EXPECT_EQ(b[1044], 200);
    EXPECT_EQ(b[1046], 16);
    EXPECT_EQ(ReadU32(b, 1048), 0x0000FFu);
    EXPECT_EQ(b[1054], 0x65);
    EXPECT_EQ(b[1055], 1);
    EXPECT_EQ(b[1060], 30);
    EXPECT_EQ(b[1061], 0x01);
    EXPECT_EQ(ReadU32(b, 1068), 0x00123456u);
    EXPECT_EQ(b[1072], 1);
    EXPECT_EQ(b[1073], 1);
}

TEST(StickerRecord, PictureNumberSplitsIntoTwoBytes) {
    PlacementBlock p{};
    p.SetPictureNumber(357);
    EXPECT_EQ(p.pictureLow, 0x65);
    EXPECT_EQ(p.pictureHigh, 0x01);
    EXPECT_EQ(p.PictureNumber(), 357);
    p.SetPictureNumber(0x12345);  // only 16 bits are kept
    EXPECT_EQ(p.PictureNumber(), 0x2345);
}

TEST(ShortString, CutsAtItsCapacity) {
    ShortString63 font{};
    font.Set(std::string(70, 'x'));
    EXPECT_EQ(font.length, 63);
    EXPECT_EQ(font.Get(), std::string(63, 'x'));

    ShortString255 text{};
    text.Set(std::string(300, 'y'));
    EXPECT_EQ(text.length, 255);
    EXPECT_EQ(text.Get().size(), 255u);

    text.Set("");
    EXPECT_EQ(text.length, 0);
    EXPECT_EQ(text.Get(), "");
}

TEST(ShortString, ShorterTextLeavesTheRestOfTheFieldAlone) {
    ShortString63 s{};
    s.Set("abcdef");
    s.Set("xy");
    EXPECT_EQ(s.Get(), "xy");
    EXPECT_EQ(s.chars[2], 'c');  // bytes past the length are not cleared, as in stored files
}

TEST(ShortString, OversizedLengthByteIsReadAsTheWholeFieldOnly) {
    // A damaged file can say 255 in a 63-character field: reading must stay inside the field.
    ShortString63 s;
    std::memset(&s, 'z', sizeof s);
    s.length = 255;
    EXPECT_EQ(s.Length(), 63u);
    EXPECT_EQ(s.Get(), std::string(63, 'z'));
}

TEST(ShortString, KeepsBytesOfTheAnsiCodePage) {
    ShortString255 s{};
    const std::string cyrillic = "\xcf\xf0\xe8\xe2\xe5\xf2";  // a word in Windows-1251
    s.Set(cyrillic);
    EXPECT_EQ(s.Get(), cyrillic);
}

}  // namespace
}  // namespace velpiners
