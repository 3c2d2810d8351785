// The random skin colour both sticker dialogs' random colour button proposes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "graphics/color.h"

namespace velpiners {
namespace {

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
