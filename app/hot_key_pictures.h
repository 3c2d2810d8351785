// The four 16 x 16 pictures of the hot-key submenu, drawn from plain geometry at pixel centres (crisp, no
// blended edges, so a 1-bit mask cuts them cleanly): 0 Back (a green button with an arrow to the left),
// 1 Forward (the same to the right), 2 Find (a magnifying glass), 3 Favourite (a yellow star).
#pragma once

#include "graphics/picture.h"

namespace velpiners {

inline constexpr int kHotKeyPictureSize = 16;
inline constexpr int kHotKeyPictureCount = 4;

struct HotKeyPictures {
    graphics::Picture image;  // 64 x 16, 24-bit, the four pictures side by side
    graphics::Picture mask;   // 64 x 16, 24-bit: white where the picture is transparent, black where it shows
};

[[nodiscard]] HotKeyPictures DrawHotKeyPictures();

}  // namespace velpiners
