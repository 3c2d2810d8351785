// Dots per inch and the one rounding rule every scaled number goes through. The skins, the sticker's
// geometry and the dialogs' bounds are drawn for 96 dots per inch; on a scaled monitor each of those
// numbers becomes Scale(n, dpi), rounded half away from zero, so that a number and its negative scale
// alike and 96 leaves every number as it is; a result past the int range is held at its end.
#pragma once

#include <cstdint>
#include <limits>

namespace velpiners {

inline constexpr int kBaseDpi = 96;
// The resolutions a window may report; anything outside is taken as the base (a broken report must not
// make a sticker vanish or fill a screen).
inline constexpr int kLeastDpi = 48;
inline constexpr int kMostDpi = 960;

[[nodiscard]] constexpr int SaneDpi(int dpi) { return dpi >= kLeastDpi && dpi <= kMostDpi ? dpi : kBaseDpi; }

[[nodiscard]] constexpr int Scale(int n, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(n) * SaneDpi(dpi);
    const std::int64_t half = kBaseDpi / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi);
    if (rounded > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (rounded < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

// The inverse for a pixel of a scaled picture: which base pixel it falls in (floors, so every scaled pixel
// maps into the base picture's range).
[[nodiscard]] constexpr int Unscale(int n, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(n) * kBaseDpi;
    const int d = SaneDpi(dpi);
    return static_cast<int>(product >= 0 ? product / d : -((-product + d - 1) / d));
}

}  // namespace velpiners
