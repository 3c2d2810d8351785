// GDI bitmaps made from pictures: a top-down DIB section with the picture's own depth and pixels, and a
// monochrome mask bitmap as image lists take it.
#pragma once

#include <windows.h>

#include "graphics/picture.h"
#include "base/unique_handle_win.h"

namespace velpiners {

// A top-down DIB section of the picture's size and depth (24 or 32 bits) holding a copy of its pixels.
// A 24-bit picture stays 24-bit so that an image list never mistakes it for one with an alpha channel.
// Throws graphics::GraphicsError when GDI cannot make it.
[[nodiscard]] UniqueBitmap CreateDibFromPicture(const graphics::Picture& picture);

// A monochrome bitmap with bit 1 (white: transparent in an image list mask) wherever the picture's grey
// level, (B + G + R) / 3, is 128 or more.
[[nodiscard]] UniqueBitmap CreateMaskFromPicture(const graphics::Picture& mask);

}  // namespace velpiners
