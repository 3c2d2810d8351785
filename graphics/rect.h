// A rectangle of picture coordinates (left, top, right, bottom), as the painter and the compositor pass
// content and icon areas. Whether right and bottom are inclusive is each user's contract.
#pragma once

namespace velpiners::graphics {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

}  // namespace velpiners::graphics
