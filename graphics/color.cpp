// Per-channel colour arithmetic; see color.h.
#include "graphics/color.h"

#include <algorithm>
#include <cmath>

namespace velpiners::graphics {

namespace {

// Applies `channel` (int -> long long) to red, green and blue, keeping each result within 0..255.
template <typename Channel>
Color MapChannels(Color color, SystemColorLookup lookup, Channel channel) {
    const Color rgb = ColorToRgb(color, lookup);
    const auto apply = [&channel](int value) {
        return static_cast<int>(std::clamp<long long>(channel(value), 0, 255));
    };
    return MakeColor(apply(RedOf(rgb)), apply(GreenOf(rgb)), apply(BlueOf(rgb)));
}

}  // namespace

Color ColorToRgb(Color color, SystemColorLookup lookup) {
    if ((color & 0xFF000000u) != 0 && lookup != nullptr) return lookup(static_cast<int>(color & 0xFF)) & 0x00FFFFFFu;
    return color & 0x00FFFFFFu;
}

Color DarkenColor(Color color, int amount, SystemColorLookup lookup) {
    return MapChannels(color, lookup, [amount](int c) {
        const double value = c - c / 255.0 * amount;
        return static_cast<long long>(std::trunc(std::clamp(value, 0.0, 255.0)));
    });
}

Color LightenColor(Color color, int percent, SystemColorLookup lookup) {
    return MapChannels(color, lookup,
                       [percent](int c) { return c + static_cast<long long>(percent) * (255 - c) / 100; });
}

Color SubtractColor(Color color, int amount, SystemColorLookup lookup) {
    return MapChannels(color, lookup, [amount](int c) { return static_cast<long long>(c) - amount; });
}

}  // namespace velpiners::graphics
