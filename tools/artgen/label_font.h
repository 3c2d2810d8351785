// Pixel labels for the gallery sheet (5 × 7 glyphs on a 6-pixel advance, optionally scaled).
#pragma once

#include <string>

#include "tools/artgen/raster.h"

namespace velpiners::artgen {

int LabelWidth(const std::string& text, int scale = 1);
// Lower-case letters are drawn as capitals; characters without a glyph leave a gap.
void DrawLabel(Canvas& canvas, int x, int y, const std::string& text, const Color& color, int scale = 1);

}  // namespace velpiners::artgen
