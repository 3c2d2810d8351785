// Where the pins and the pushpin of a sticker are and what a click at a point of its picture hits. Points
// are in the picture's pixels; bounds are excluded on both axes. A sticker painted at another resolution
// than 96 dots per inch is hit in the same scaled geometry the painter draws: every distance of the 96-dpi
// picture scaled alone, so a pin is hit where it is painted.
#pragma once

#include <cstdint>

#include "base/dpi.h"

namespace velpiners {

struct PinOffsets {
    std::int32_t dx;
    std::int32_t dy;
};

// The pin row's distance from the right and bottom edges, by style and rolled-up state. Styles above 16
// have no pins: {0, 0} with `valid` false.
PinOffsets PinOffsetsOf(std::uint8_t style, bool unrolled, bool* valid = nullptr);

enum PinKind : int { kNoPin = -1, kClosePin = 0, kDuplicatePin = 1, kEditPin = 2, kRollPin = 3 };

// The pin under (x, y) of a W x H picture; kNoPin unless a button went down since the focus came.
PinKind PinAt(std::uint8_t style, bool unrolled, bool clickedSinceFocus, std::int32_t width, std::int32_t height,
              std::int32_t x, std::int32_t y, int dpi = kBaseDpi);

// Whether (x, y) is on the pushpin. `pictureWidth` is the shown picture's width (0 when none is shown);
// its extra rows push the pushpin down. Never for styles above 16. `pictureWidth` is the picture's width at 96
// dots per inch; `width` and the point are the painted picture's.
bool PushpinAt(std::uint8_t style, std::int32_t width, std::int32_t pictureWidth, std::int32_t x, std::int32_t y,
               int dpi = kBaseDpi);

}  // namespace velpiners
