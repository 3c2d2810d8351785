// Colour values 0x00BBGGRR (red in the low byte) and the per-channel colour arithmetic of the painter,
// the compositor and the menus.
//
// A value whose high byte is set names a system colour. The portable core cannot look those up, so every
// helper takes the platform's lookup, and must be given one: nullptr says the colour is known to be plain
// RGB (the low three bytes are used as they stand). The Win32 layer calls the helpers of graphics::screen
// (gdi_effects_win.h), which always look system colours up.
#pragma once

#include <cstdint>
#include <random>

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

// A random skin colour: red, green and blue each 32 + a number below 224, drawn independently.
inline constexpr int kRandomChannelLowest = 32;
inline constexpr int kRandomChannelSpread = 224;
template <typename Generator>
[[nodiscard]] Color RandomSkinColor(Generator& generator) {
    std::uniform_int_distribution<int> channel(0, kRandomChannelSpread - 1);
    const int red = kRandomChannelLowest + channel(generator);
    const int green = kRandomChannelLowest + channel(generator);
    const int blue = kRandomChannelLowest + channel(generator);
    return MakeColor(red, green, blue);
}

// A plain RGB value: system colours are looked up, anything else keeps its low three bytes.
[[nodiscard]] Color ColorToRgb(Color color, SystemColorLookup lookup);

// Each channel c becomes trunc(c - c / 255 * amount) in double precision, at least 0 (at most 255).
[[nodiscard]] Color DarkenColor(Color color, int amount, SystemColorLookup lookup);

// Each channel c becomes c + percent * (255 - c) / 100 in integers, kept within 0..255.
[[nodiscard]] Color LightenColor(Color color, int percent, SystemColorLookup lookup);

// Each channel c becomes c - amount, kept within 0..255.
[[nodiscard]] Color SubtractColor(Color color, int amount, SystemColorLookup lookup);

}  // namespace velpiners::graphics
