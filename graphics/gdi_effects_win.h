// The effects that need GDI and image lists (Win32 shell only): the system colour lookup for the colour
// helpers, the banded gradient of the owner-drawn menus and the panel caption, and the translucent and
// shaded image-list drawing of menu items.
//
// The two image-list effects share two work surfaces, made on first use and resized on every call: they
// are for the user-interface thread only and must not be called reentrantly.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "graphics/color.h"

namespace velpiners::graphics {

// GetSysColor as a SystemColorLookup.
Color SystemColorToRgb(int index);

// The colour helpers of color.h as the Win32 layer uses them: a system colour (the button face, a menu
// colour) is always looked up first.
namespace screen {
[[nodiscard]] inline Color Rgb(Color color) { return ColorToRgb(color, &SystemColorToRgb); }
[[nodiscard]] inline Color Darken(Color color, int amount) { return DarkenColor(color, amount, &SystemColorToRgb); }
[[nodiscard]] inline Color Lighten(Color color, int percent) { return LightenColor(color, percent, &SystemColorToRgb); }
[[nodiscard]] inline Color Subtract(Color color, int amount) { return SubtractColor(color, amount, &SystemColorToRgb); }
}  // namespace screen

// Vertical banded gradient over rows rect.top through rect.bottom inclusive (one row more than the
// rectangle): with D = bottom - top, row y shows C1 + (C2 - C1) * (bottom - y) / D per channel (integer,
// truncating), so the top row has `top` and the bottom row `bottom`. D < 0 draws nothing; D = 0 fills
// the single row with `bottom`. System colours are converted first.
void FillGradient(HDC dc, const RECT& rect, Color bottom, Color top);

// Draws image `index` over what the canvas shows at the rectangle's top-left (clipped to the smaller of
// the rectangle and the image): every pixel the image touches becomes (b * (255 - a) + m * a) >> 8 per
// channel, b the background and m the drawn image; `opacity` a is kept within 0..255.
void DrawImageBlended(HDC canvas, const RECT& rect, HIMAGELIST images, int index, int opacity);

// Like DrawImageBlended, but every touched pixel becomes a shading of the background: with
// L = (76 R + 150 G + 29 B) >> 8 of the drawn pixel and d = L / 3 + 170, each background channel b
// becomes (b * d) >> 8.
void DrawImageShaded(HDC canvas, const RECT& rect, HIMAGELIST images, int index);

}  // namespace velpiners::graphics
