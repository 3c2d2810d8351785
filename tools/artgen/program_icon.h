// The program's icon (window, tray and file): the program's mark at 16, 32 and 48 pixels, as the
// bytes of an .ico file whose images are 32-bit DIBs with an AND mask.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/raster.h"

namespace velpiners::artgen {

// The mark: a yellow note over a tilted blue one, held by a red pin, in a `size` square at (x, y).
void DrawMark(Canvas& canvas, float x, float y, float size);

Canvas ProgramIconImage(int size);
std::vector<std::uint8_t> ProgramIconFile();

}  // namespace velpiners::artgen
