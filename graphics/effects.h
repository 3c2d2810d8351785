// Per-pixel operations on pictures used by the sticker painter, the compositor and the previews:
// placing and padding, copying between 24- and 32-bit pictures, colour-keyed and alpha drawing, tinting
// and measuring the inked area.
//
// Pixel arithmetic is integer with truncating division unless noted; the floating-point steps of the
// alpha drawing and tinting are double precision, truncated toward zero and kept within 0..255.
// Drawing at a position touches only the part of the target that the source overlaps. A picture of the
// wrong depth is refused with GraphicsError (DrawAlphaOver32 instead draws nothing and says nothing).
// Where a picture is "sized", it becomes an owned picture of that size and depth.
#pragma once

#include "graphics/color.h"
#include "graphics/picture.h"
#include "graphics/rect.h"

namespace velpiners::graphics {

// Sizes the 32-bit target to (source width + x) x (source height + y), zeroes it and copies every
// source pixel (all four bytes) to (x + column, y + row). The source must be 32-bit.
void PlaceBitmap(const Picture& source, Picture& target, int x, int y);

// Grows a 32-bit picture by x columns on the left and y rows on top; the new area is transparent
// black. With 0, 0 the picture is unchanged.
void PadBitmap(Picture& bitmap, int x, int y);

// Copies B, G, R of every source pixel (24- or 32-bit) to the same place in the 32-bit target; the
// target's alpha bytes stay as they were.
void CopyRgbTo32(const Picture& source, Picture& target);

// Over the skin's area: target B, G, R = skin; target A = (mask B + G + R) / 3. Not premultiplied. The
// target is sized to the skin when it is not a 32-bit picture at least that large; the mask must be at
// least as large as the skin.
void MergeSkinMask(const Picture& skin, const Picture& mask, Picture& target);

// Every byte of every pixel becomes 0.
void ClearBitmap(Picture& bitmap);

// Resample with the Mitchell filter, support 2, to the target's current size (see resample.h).
void ResampleMitchell(const Picture& source, Picture& target);

// Copies the source (24- or 32-bit) onto the 32-bit target at (x, y) with alpha 255, skipping every
// pixel whose R, G and B equal the key colour's.
void DrawKeyed(const Picture& source, Picture& target, int x, int y, Color key);

// At (0, 0) of the 32-bit target: B, G, R = skin; A = max(A, (mask B + G + R) / 3). The mask must be
// at least as large as the skin.
void DrawSkinMasked(const Picture& skin, const Picture& mask, Picture& target);

// Draws a 32-bit straight-alpha picture onto a 32-bit target at (x, y): with f = A / 255, each colour
// channel becomes trunc((source - target) * f + target); the target's alpha becomes A - 4 where that is
// larger. Never throws: pictures of other depths leave the target as it is.
void DrawAlphaOver32(const Picture& source, Picture& target, int x, int y) noexcept;

// The same blend of a 32-bit straight-alpha picture onto a 24-bit target; no alpha is written.
void DrawAlphaOver24(const Picture& source, Picture& target, int x, int y);

// Each colour channel x of a 24- or 32-bit picture becomes trunc(x * (c / 255) + x * c / 255), at most
// 255, with c the colour's matching channel; alpha is left alone.
void TintBitmap(Picture& bitmap, Color color);

// Turns a 32-bit straight-alpha picture into the premultiplied form a per-pixel-alpha layered window
// shows: each colour channel c becomes c * A / 255 (integer, truncating); alpha stays.
void PremultiplyAlpha(Picture& bitmap);

// The extent of the pixels that are not pure white: left 0; top = first such row (the height when there
// is none); right = last such column (0 when none); bottom = last such row (height - 1 when none).
// Right and bottom are inclusive.
[[nodiscard]] Rect InkBounds(const Picture& bitmap);

}  // namespace velpiners::graphics
