// Colour values 0x00BBGGRR (red in the low byte) and the per-channel colour arithmetic of the painter,
// the compositor and the menus.
//
// A value whose high byte is set names a system colour. The portable core cannot look those up, so the
// helpers take the platform's lookup (on Windows SystemColorToRgb from gdi_effects.h); without one they
// use the low three bytes as they stand.
#pragma once

#include <cstdint>

namespace velpiners::graphics {

using Color = std::uint32_t;

// Returns the plain RGB value of system colour `index` (the low byte of a system colour value).
using SystemColorLookup = Color (*)(int index);

[[nodiscard]] constexpr Color MakeColor(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
           (static_cast<Color>(blue & 0xFF) << 16);
}
[[nodiscard]] constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
[[nodiscard]] constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
[[nodiscard]] constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

// A plain RGB value: system colours are looked up, anything else keeps its low three bytes.
[[nodiscard]] Color ColorToRgb(Color color, SystemColorLookup lookup = nullptr);

// Each channel c becomes trunc(c - c / 255 * amount) in double precision, at least 0 (at most 255).
[[nodiscard]] Color DarkenColor(Color color, int amount, SystemColorLookup lookup = nullptr);

// Each channel c becomes c + percent * (255 - c) / 100 in integers, kept within 0..255.
[[nodiscard]] Color LightenColor(Color color, int percent, SystemColorLookup lookup = nullptr);

// Each channel c becomes c - amount, kept within 0..255.
[[nodiscard]] Color SubtractColor(Color color, int amount, SystemColorLookup lookup = nullptr);

}  // namespace velpiners::graphics
