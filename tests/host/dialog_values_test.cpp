// Values both sticker dialogs show: the hide delay in seconds with a decimal comma and the random skin
// colour of the random colour button.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/display_text.h"
#include "graphics/color.h"

namespace velpiners {
namespace {

TEST(DialogValuesTest, SecondsWithTwoDecimalsAndAComma) {
    EXPECT_EQ(FormatSeconds(30 * 20 / 1000.0), "0,60");
    EXPECT_EQ(FormatSeconds(1 * 20 / 1000.0), "0,02");
    EXPECT_EQ(FormatSeconds(255 * 20 / 1000.0), "5,10");
    EXPECT_EQ(FormatSeconds(0.00499), "0,01");  // 4 decimals first (0.0050), then 2
    EXPECT_EQ(FormatSeconds(12.3456), "12,35");
}

TEST(DialogValuesTest, RandomSkinColourChannelsSpan32To255) {
    std::mt19937 generator(7);
    int lowest = 255;
    int highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const graphics::Color color = graphics::RandomSkinColor(generator);
        EXPECT_EQ(color >> 24, 0u);
        for (const int channel : {graphics::RedOf(color), graphics::GreenOf(color), graphics::BlueOf(color)}) {
            lowest = std::min(lowest, channel);
            highest = std::max(highest, channel);
        }
    }
    EXPECT_EQ(lowest, 32);
    EXPECT_EQ(highest, 255);
}

}  // namespace
}  // namespace velpiners
