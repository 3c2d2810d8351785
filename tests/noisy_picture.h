// Test and benchmark input: a picture of smooth gradients with noise on top, so that both flat areas and
// sharp steps are resampled; the same bytes for the same arguments on every machine.
#pragma once

#include <cstdint>
#include <random>

#include "graphics/picture.h"

namespace velpiners::test {

inline graphics::Picture NoisyPicture(int width, int height, int bits, unsigned seed) {
    std::mt19937 random(seed);
    graphics::Picture picture(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = picture.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / width + (random() % 40));
            p[1] = static_cast<std::uint8_t>(y * 255 / height + (random() % 60));
            p[2] = static_cast<std::uint8_t>(random());
            if (bits == 32) p[3] = static_cast<std::uint8_t>(random());
        }
    return picture;
}

}  // namespace velpiners::test
