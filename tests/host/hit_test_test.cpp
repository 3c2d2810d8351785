// Pin offsets, pin and pushpin hit tests of a sticker picture.
#include <gtest/gtest.h>

#include "sticker/hit_test.h"

namespace velpiners {
namespace {

TEST(PinOffsetsTest, ByStyleAndRollUp) {
    EXPECT_EQ(PinOffsetsOf(0, true).dx, 26);
    EXPECT_EQ(PinOffsetsOf(0, false).dx, 44);
    EXPECT_EQ(PinOffsetsOf(5, true).dy, 25);
    EXPECT_EQ(PinOffsetsOf(4, true).dy, 26);
    EXPECT_EQ(PinOffsetsOf(8, false).dx, 44);
    EXPECT_EQ(PinOffsetsOf(7, true).dy, 28);
    EXPECT_EQ(PinOffsetsOf(10, false).dx, 47);
    EXPECT_EQ(PinOffsetsOf(9, true).dy, 30);
    EXPECT_EQ(PinOffsetsOf(13, false).dx, 18);  // icon styles do not move
    EXPECT_EQ(PinOffsetsOf(16, true).dy, 19);
    bool valid = true;
    PinOffsetsOf(17, true, &valid);
    EXPECT_FALSE(valid);
}

TEST(PinAtTest, PinsAreOnlyLiveAfterAClickAndBoundsAreExcluded) {
    // Style 0 unrolled, 240 x 100: pins start at x = 214 - 54, y = 75.
    EXPECT_EQ(PinAt(0, true, false, 240, 100, 220, 80), kNoPin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 220, 80), kClosePin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 214, 80), kNoPin);  // on the bound between close and duplicate
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 213, 80), kDuplicatePin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 190, 80), kEditPin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 170, 80), kRollPin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 220, 75), kNoPin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 220, 90), kNoPin);  // H - dy + 15 excluded
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 220, 89), kClosePin);
    EXPECT_EQ(PinAt(0, true, true, 240, 100, 232, 80), kNoPin);
    // Rolled up the row moves 18 to the left.
    EXPECT_EQ(PinAt(0, false, true, 240, 24, 202, 5), kClosePin);
    EXPECT_EQ(PinAt(20, true, true, 240, 100, 220, 80), kNoPin);
}

TEST(PushpinAtTest, ByStyleGroupAndPicture) {
    EXPECT_TRUE(PushpinAt(0, 240, 0, 220, 10));
    EXPECT_FALSE(PushpinAt(0, 240, 0, 216, 10));  // W - 24 excluded
    EXPECT_FALSE(PushpinAt(0, 240, 0, 220, 5));
    // A 32-pixel picture moves the hit area 14 rows down.
    EXPECT_FALSE(PushpinAt(0, 240, 32, 220, 10));
    EXPECT_TRUE(PushpinAt(0, 240, 32, 220, 24));
    EXPECT_TRUE(PushpinAt(9, 240, 0, 220, 15));
    EXPECT_FALSE(PushpinAt(9, 240, 0, 220, 9));
    EXPECT_TRUE(PushpinAt(12, 100, 48, 80, 15));  // icon styles ignore the picture
    EXPECT_FALSE(PushpinAt(17, 240, 0, 220, 10));
}

TEST(PinAtTest, AtAScaledResolutionEveryDistanceIsScaled) {
    // 144 dpi, style 0 unrolled, 360 x 150: right edge 360 - 39 = 321, top 150 - 38 = 112 (37.5 rounds up),
    // 27 apart, 23 high (22.5 rounds up).
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 330, 120, 144), kClosePin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 321, 120, 144), kNoPin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 320, 120, 144), kDuplicatePin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 280, 120, 144), kEditPin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 250, 120, 144), kRollPin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 240, 120, 144), kNoPin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 330, 134, 144), kClosePin);
    EXPECT_EQ(PinAt(0, true, true, 360, 150, 330, 135, 144), kNoPin);
    // 192 dpi, the frame style rolled up, 480 x 72: right edge 480 - 94 = 386, rows 12..42, 36 apart.
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 400, 20, 192), kClosePin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 386, 20, 192), kNoPin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 368, 20, 192), kDuplicatePin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 330, 20, 192), kEditPin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 290, 20, 192), kRollPin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 400, 41, 192), kClosePin);
    EXPECT_EQ(PinAt(10, false, true, 480, 72, 400, 42, 192), kNoPin);
}

TEST(PushpinAtTest, AtAScaledResolutionEveryDistanceIsScaled) {
    // 144 dpi, 360 wide: columns 324..345 and rows 8..29, both excluded.
    EXPECT_TRUE(PushpinAt(0, 360, 0, 330, 10, 144));
    EXPECT_TRUE(PushpinAt(0, 360, 0, 344, 28, 144));
    EXPECT_FALSE(PushpinAt(0, 360, 0, 324, 10, 144));
    EXPECT_FALSE(PushpinAt(0, 360, 0, 330, 8, 144));
    // The 32-pixel picture's 14 extra rows are 21 at 144.
    EXPECT_FALSE(PushpinAt(0, 360, 32, 330, 10, 144));
    EXPECT_TRUE(PushpinAt(0, 360, 32, 330, 40, 144));
    EXPECT_FALSE(PushpinAt(0, 360, 32, 330, 50, 144));
    // An icon style at 192: columns 148..176, rows 18..46.
    EXPECT_TRUE(PushpinAt(12, 200, 0, 160, 20, 192));
    EXPECT_FALSE(PushpinAt(12, 200, 0, 160, 18, 192));
    EXPECT_FALSE(PushpinAt(12, 200, 0, 176, 20, 192));
}

}  // namespace
}  // namespace velpiners
