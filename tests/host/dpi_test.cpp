#include "base/dpi.h"

#include <gtest/gtest.h>

namespace velpiners {
namespace {

TEST(DpiTest, ScaledNumbersRoundHalfAwayFromZeroAndBadResolutionsCountAsTheBase) {
    EXPECT_EQ(Scale(240, 144), 360);
    EXPECT_EQ(Scale(15, 120), 19);   // 18.75
    EXPECT_EQ(Scale(18, 120), 23);   // 22.5
    EXPECT_EQ(Scale(-7, 144), -11);  // -10.5
    EXPECT_EQ(Scale(2000000000, 192), 2147483647);
    EXPECT_EQ(Scale(-2000000000, 144), -2147483647 - 1);
    EXPECT_EQ(Scale(13, 0), 13);
    EXPECT_EQ(Scale(13, 5000), 13);
    EXPECT_EQ(Scale(13, 96), 13);
}

TEST(DpiTest, UnscaledPixelsFallInTheBasePixelUnderThem) {
    EXPECT_EQ(Unscale(359, 144), 239);  // 239.33
    EXPECT_EQ(Unscale(360, 144), 240);
    EXPECT_EQ(Unscale(-1, 144), -1);
    EXPECT_EQ(Unscale(-3, 144), -2);
    EXPECT_EQ(Unscale(17, 0), 17);
}

}  // namespace
}  // namespace velpiners
