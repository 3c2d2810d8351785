#include "graphics/scaled_picture.h"

#include <algorithm>
#include <cstdint>

namespace velpiners::graphics {
namespace {

constexpr int kOpaque = 255;
constexpr int kAlphaByte = 3;
constexpr int kChannels = 3;
// Index of the chosen filter in FilterTable (Box, Triangle, Hermite, Bell, B-Spline, Lanczos3, Mitchell).
constexpr std::size_t kChosenFilter = 2;

}  // namespace

const ResampleFilter& StickerScaleFilter() { return FilterTable[kChosenFilter]; }

Picture ScaleWithAlpha(const Picture& source, int width, int height, bool premultiplied, const ResampleFilter& filter) {
    if (source.Empty() || width <= 0 || height <= 0 || source.BitsPerPixel() != 32) return Picture(0, 0, 32);
    if (source.Width() == width && source.Height() == height) return source;
    const int w = source.Width();
    const int h = source.Height();
    // The premultiplied colours (the source itself when it holds them: the resampler skips a fourth byte) and
    // the alpha, as 24-bit pictures for the resampler.
    Picture colour(premultiplied ? 0 : w, premultiplied ? 0 : h, 24);
    Picture alpha(w, h, 24);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* s = source.Row(y);
        std::uint8_t* c = premultiplied ? nullptr : colour.Row(y);
        std::uint8_t* a = alpha.Row(y);
        for (int x = 0; x < w; ++x) {
            const int opacity = s[4 * x + kAlphaByte];
            for (int k = 0; k < kChannels; ++k) {
                if (c != nullptr) c[3 * x + k] = static_cast<std::uint8_t>(s[4 * x + k] * opacity / kOpaque);
                a[3 * x + k] = static_cast<std::uint8_t>(opacity);
            }
        }
    }
    Picture scaledColour(width, height, 24);
    Picture scaledAlpha(width, height, 24);
    Resample(premultiplied ? source : colour, scaledColour, filter.function, filter.support);
    Resample(alpha, scaledAlpha, filter.function, filter.support);

    Picture result(width, height, 32);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* c = scaledColour.Row(y);
        const std::uint8_t* a = scaledAlpha.Row(y);
        std::uint8_t* r = result.Row(y);
        for (int x = 0; x < width; ++x) {
            const int opacity = a[3 * x];
            r[4 * x + kAlphaByte] = static_cast<std::uint8_t>(opacity);
            for (int k = 0; k < kChannels; ++k) {
                // A filter with negative lobes may leave a colour above its alpha beside an edge.
                const int value = std::min<int>(c[3 * x + k], opacity);
                if (premultiplied)
                    r[4 * x + k] = static_cast<std::uint8_t>(value);
                else
                    r[4 * x + k] =
                        opacity == 0 ? 0 : static_cast<std::uint8_t>((value * kOpaque + opacity / 2) / opacity);
            }
        }
    }
    return result;
}

Picture KeyedToAlpha(const Picture& source, Color key) {
    Picture result(source.Width(), source.Height(), 32);
    const int step = source.BytesPerPixel();
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint8_t* s = source.Row(y);
        std::uint8_t* r = result.Row(y);
        for (int x = 0; x < source.Width(); ++x) {
            const std::uint8_t* p = s + step * x;
            if (p[2] == RedOf(key) && p[1] == GreenOf(key) && p[0] == BlueOf(key)) continue;  // transparent black
            r[4 * x] = p[0];
            r[4 * x + 1] = p[1];
            r[4 * x + 2] = p[2];
            r[4 * x + kAlphaByte] = kOpaque;
        }
    }
    return result;
}

}  // namespace velpiners::graphics
