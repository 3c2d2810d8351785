// The dialogs' previews: where the scaled skin, the composites, the icons and the text go (against numbers
// worked by hand from the rules), the line the pattern preview shows, and what the pixel work leaves
// untouched. Skins here are flat grey with opaque white masks, so a drawn pixel is the tint colour.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/preview.h"

namespace velpiners::dialogs {
namespace {

using namespace graphics;

Picture Flat(int w, int h, int bits, std::uint8_t level) {
    Picture picture(w, h, bits);
    for (int y = 0; y < h; ++y) std::memset(picture.Row(y), level, picture.RowBytes());
    return picture;
}

bool IsBackground(const Picture& target, int x, int y) {
    const std::uint8_t* p = target.Pixel(x, y);
    return p[0] == 200 && p[1] == 200 && p[2] == 200;
}

constexpr Color kRed = MakeColor(255, 0, 0);

TEST(PreviewTest, StyleSkinScaledToFitTheControlAndCentred) {
    // 129 * 141 / 239 = 76.1: a 239 x 141 skin in a 145 x 121 control is drawn 129 x 76 at (8, 22).
    const Rect wide = FramedStylePreviewRect(145, 121, 239, 141);
    EXPECT_EQ(wide, (Rect{8, 22, 137, 98}));
    // Too high at the full width (129 * 2 = 258 > 105): 105 high, 52 wide, centred.
    EXPECT_EQ(FramedStylePreviewRect(145, 121, 100, 200), (Rect{46, 8, 98, 113}));

    Picture target = Flat(145, 121, 24, 200);
    const Picture skin = Flat(239, 141, 24, 128);
    const Picture mask = Flat(239, 141, 24, 255);
    const PreviewText text = DrawStylePreview(5, skin, mask, Picture(), kRed, 13, target);
    EXPECT_FALSE(text.shadow);
    EXPECT_TRUE(IsBackground(target, 7, 60));
    EXPECT_TRUE(IsBackground(target, 137, 60));
    EXPECT_TRUE(IsBackground(target, 70, 21));
    EXPECT_TRUE(IsBackground(target, 70, 98));
    EXPECT_FALSE(IsBackground(target, 8, 60));
    EXPECT_FALSE(IsBackground(target, 136, 97));
    const std::uint8_t* centre = target.Pixel(72, 60);
    EXPECT_EQ(centre[0], 0);  // grey 128 tinted red: 2 * 128 * 255 / 255 -> 255, 0, 0
    EXPECT_EQ(centre[1], 0);
    EXPECT_GE(centre[2], 253);
}

TEST(PreviewTest, IconStyleCompositeIs104By64WithTheSampleAndTheWordText) {
    Picture target = Flat(145, 121, 24, 200);
    const Picture skin = Flat(48, 48, 24, 128);
    const Picture mask = Flat(48, 48, 24, 255);
    Picture sample = Flat(32, 32, 32, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) sample.Pixel(x, y)[3] = 255;  // opaque black
    const PreviewText text = DrawStylePreview(11, skin, mask, sample, kRed, 13, target);
    // (145 - 104) / 2 = 20, (121 - 64) / 2 = 28; "Text" at 20 + 56 and 28 + (64 - 13) / 2 = 53.
    EXPECT_TRUE(text.shadow);
    EXPECT_EQ(text.textAt, (Point{76, 53}));
    EXPECT_EQ(text.shadowAt, (Point{77, 54}));
    EXPECT_TRUE(IsBackground(target, 19, 60));
    EXPECT_FALSE(IsBackground(target, 20, 28));
    EXPECT_TRUE(IsBackground(target, 124, 60));
    const std::uint8_t* icon = target.Pixel(20 + 16 + 5, 28 + 16 + 5);
    EXPECT_EQ(icon[0] + icon[1] + icon[2], 0);  // the sample icon

    // Style 16 clears the skin: only the sample shows on the background.
    Picture cleared = Flat(145, 121, 24, 200);
    DrawStylePreview(16, skin, mask, sample, kRed, 13, cleared);
    EXPECT_TRUE(IsBackground(cleared, 20, 28));
    EXPECT_TRUE(IsBackground(cleared, 20 + 100, 28 + 60));
    EXPECT_FALSE(IsBackground(cleared, 20 + 16, 28 + 16));
}

TEST(PreviewTest, PatternLineIsTheFirstLineCutAt16Characters) {
    EXPECT_EQ(PatternPreviewLine("Buy milk and bread today"), "Buy milk and bre...");
    EXPECT_EQ(PatternPreviewLine("exactly 16 chars"), "exactly 16 chars");
    EXPECT_EQ(PatternPreviewLine("abc\r\ndef"), "abc...");
    EXPECT_EQ(PatternPreviewLine(""), "");
}

TEST(PreviewTest, FramedPatternIconsArePlacedByTheirHeight) {
    const Point composite{10, 20};
    Point at;
    ASSERT_TRUE(FramedPatternIconAt(composite, 16, false, &at));
    EXPECT_EQ(at, (Point{22, 24}));
    ASSERT_TRUE(FramedPatternIconAt(composite, 16, true, &at));
    EXPECT_EQ(at, (Point{24, 22}));
    ASSERT_TRUE(FramedPatternIconAt(composite, 17, false, &at));
    EXPECT_EQ(at, (Point{22, 21}));
    ASSERT_TRUE(FramedPatternIconAt(composite, 32, true, &at));
    EXPECT_EQ(at, (Point{24, 6}));
    ASSERT_TRUE(FramedPatternIconAt(composite, 33, false, &at));
    EXPECT_EQ(at, (Point{22, 6}));  // 20 - 16 + 2
    ASSERT_TRUE(FramedPatternIconAt(composite, 99, true, &at));
    EXPECT_EQ(at, (Point{24, -29}));
    EXPECT_FALSE(FramedPatternIconAt(composite, 100, false, &at));
}

TEST(PreviewTest, PatternPreviewPlacesCompositeAndTextAsTheRulesSay) {
    const Picture skin = Flat(239, 141, 24, 128);
    const Picture mask = Flat(239, 141, 24, 255);
    Picture target = Flat(305, 129, 24, 200);
    // Content (14, 26, 64, 39): 239 x 55, at ((305 - 239) / 2, (129 - 55) / 2) = (33, 37).
    PreviewText text = DrawPatternPreview(5, skin, mask, Picture(), kRed, true, 50, 13, target);
    EXPECT_EQ(text.textAt, (Point{49, 63}));
    EXPECT_EQ(text.shadowAt, (Point{50, 64}));
    EXPECT_TRUE(text.shadow);
    EXPECT_TRUE(IsBackground(target, 32, 60));
    EXPECT_FALSE(IsBackground(target, 33, 60));
    EXPECT_TRUE(IsBackground(target, 150, 36));
    EXPECT_FALSE(IsBackground(target, 150, 37));

    // A frame style narrower than 77: 95 wide, text 20 below the top.
    target = Flat(305, 129, 24, 200);
    text = DrawPatternPreview(9, skin, mask, Picture(), kRed, false, 50, 13, target);
    EXPECT_FALSE(text.shadow);
    EXPECT_EQ(text.textAt, (Point{105 + 16, 37 + 20}));

    // An icon style with a 32 x 32 icon: 118 x 64 at (93, 32); text after the icon and an 8-pixel gap.
    const Picture iconSkin = Flat(48, 48, 24, 128);
    const Picture iconMask = Flat(48, 48, 24, 255);
    Picture icon = Flat(32, 32, 32, 0);
    target = Flat(305, 129, 24, 200);
    text = DrawPatternPreview(14, iconSkin, iconMask, icon, kRed, true, 50, 13, target);
    EXPECT_EQ(text.textAt, (Point{93 + 32 + 8 + 16, 32 + 25}));
    // No icon: 82 x 45 at (111, 42), no gap.
    text = DrawPatternPreview(14, iconSkin, iconMask, Picture(), kRed, true, 50, 13, target);
    EXPECT_EQ(text.textAt, (Point{111 + 16, 42 + 16}));

    // A style byte above 16 draws as style 0.
    Picture fromDamaged = Flat(305, 129, 24, 200);
    text = DrawPatternPreview(200, skin, mask, Picture(), kRed, false, 50, 13, fromDamaged);
    EXPECT_EQ(text.textAt, (Point{49, 63}));
}

TEST(PreviewTest, PatternIconOnAFramedStyleAndTheTooHighOne) {
    const Picture skin = Flat(239, 141, 24, 128);
    const Picture mask = Flat(239, 141, 24, 255);
    Picture icon = Flat(20, 20, 32, 255);  // opaque white, 20 high: y = 37 - 20 + 18 = 35
    Picture target = Flat(305, 129, 24, 200);
    DrawPatternPreview(5, skin, mask, icon, kRed, false, 50, 13, target);
    const std::uint8_t* p = target.Pixel(33 + 12, 35);
    EXPECT_EQ(p[0] + p[1] + p[2], 3 * 255);
    EXPECT_TRUE(IsBackground(target, 33 + 12, 34));

    Picture tall = Flat(20, 100, 32, 255);
    Picture without = Flat(305, 129, 24, 200);
    Picture with = Flat(305, 129, 24, 200);
    DrawPatternPreview(5, skin, mask, Picture(), kRed, false, 50, 13, without);
    DrawPatternPreview(5, skin, mask, tall, kRed, false, 50, 13, with);
    for (int y = 0; y < with.Height(); ++y)
        ASSERT_EQ(std::memcmp(with.Row(y), without.Row(y), with.RowBytes()), 0) << "row " << y;
}

}  // namespace
}  // namespace velpiners::dialogs
