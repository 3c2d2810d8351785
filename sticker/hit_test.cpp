#include "sticker/hit_test.h"

#include "sticker/layout.h"

namespace velpiners {
namespace {

bool Between(std::int32_t value, std::int32_t low, std::int32_t high) { return low < value && value < high; }

}  // namespace

PinOffsets PinOffsetsOf(std::uint8_t style, bool unrolled, bool* valid) {
    const std::int32_t base = unrolled ? 0 : layout::kRolledPinShift;
    if (valid != nullptr) *valid = style <= 16;
    switch (style) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 5:
            return {base + 26, 25};
        case 4:
        case 8:
            return {base + 26, 26};
        case 6:
        case 7:
            return {base + 26, 28};
        case 9:
        case 10:
            return {base + 29, 30};
        default:
            if (style <= 16) return {18, 19};
            return {0, 0};
    }
}

PinKind PinAt(std::uint8_t style, bool unrolled, bool clickedSinceFocus, std::int32_t width, std::int32_t height,
              std::int32_t x, std::int32_t y, int dpi) {
    bool valid = false;
    const PinOffsets o = PinOffsetsOf(style, unrolled, &valid);
    if (!clickedSinceFocus || !valid) return kNoPin;
    const std::int32_t right = width - Scale(o.dx, dpi);
    const std::int32_t top = height - Scale(o.dy, dpi);
    const std::int32_t step = Scale(layout::kPinStep, dpi);
    if (!Between(y, top, top + Scale(layout::kPinHeight, dpi))) return kNoPin;
    if (Between(x, right - 3 * step, right - 2 * step)) return kRollPin;
    if (Between(x, right, right + step)) return kClosePin;
    if (Between(x, right - step, right)) return kDuplicatePin;
    if (Between(x, right - 2 * step, right - step)) return kEditPin;
    return kNoPin;
}

bool PushpinAt(std::uint8_t style, std::int32_t width, std::int32_t pictureWidth, std::int32_t x, std::int32_t y,
               int dpi) {
    const std::int32_t a = Scale(pictureWidth > 0 ? pictureWidth / 2 - 2 : 0, dpi);
    const auto s = [dpi](std::int32_t n) { return Scale(n, dpi); };
    if (style <= 8) return Between(x, width - s(24), width - s(10)) && Between(y, a + s(5), a + s(19));
    if (style <= 10) return Between(x, width - s(26), width - s(12)) && Between(y, a + s(9), a + s(23));
    if (style <= 16) return Between(x, width - s(26), width - s(12)) && Between(y, s(9), s(23));
    return false;
}

}  // namespace velpiners
