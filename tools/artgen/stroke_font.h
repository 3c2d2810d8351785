// Our own stroke lettering for the pictures that carry words (the about picture): each glyph is a few
// centre lines on a grid where capitals are 10 units high, the x-height is 7 and descenders reach 13;
// the text becomes an outline by stroking those lines.
#pragma once

#include <string>

#include "tools/artgen/raster.h"

namespace velpiners::artgen {

struct Lettering {
    float capHeight = 10;  // pixels
    float weight = 1.5f;   // stroke width in pixels
    float tracking = 0;    // extra space between letters, in pixels
    float slant = 0;       // horizontal shear (0.2 gives a light italic)
};

// Outline of `text` with its baseline's left end at (x, y). Characters without a glyph are skipped.
Path TextOutline(const std::string& text, float x, float y, const Lettering& style);
float TextWidth(const std::string& text, const Lettering& style);

}  // namespace velpiners::artgen
