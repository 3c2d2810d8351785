// Per-pixel effects; see effects.h. Positions and sizes are combined in 64-bit integers so that no
// caller-supplied offset can overflow into a bad address.
#include "graphics/effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "graphics/resample.h"

namespace velpiners::graphics {

namespace {

void Require(bool ok) {
    if (!ok) throw GraphicsError("Unsupported picture format");
}

// The part of a w x h source drawn at (x, y) that lies inside a target of tw x th, as source
// coordinates; empty when they do not overlap.
struct Overlap {
    int sourceX = 0;
    int sourceY = 0;
    int targetX = 0;
    int targetY = 0;
    int width = 0;
    int height = 0;
};

Overlap Clip(int w, int h, int tw, int th, int x, int y) {
    const long long left = std::max<long long>(0, x);
    const long long top = std::max<long long>(0, y);
    const long long right = std::min<long long>(tw, static_cast<long long>(x) + w);
    const long long bottom = std::min<long long>(th, static_cast<long long>(y) + h);
    Overlap o;
    if (right <= left || bottom <= top) return o;
    o.targetX = static_cast<int>(left);
    o.targetY = static_cast<int>(top);
    o.sourceX = static_cast<int>(left - x);
    o.sourceY = static_cast<int>(top - y);
    o.width = static_cast<int>(right - left);
    o.height = static_cast<int>(bottom - top);
    return o;
}

int SizeAfterOffset(int size, int offset) {
    return static_cast<int>(
        std::clamp<long long>(static_cast<long long>(size) + offset, 0, kMaxPictureDimension + 1LL));
}

int MaskLevel(const std::uint8_t* mask) { return (mask[0] + mask[1] + mask[2]) / 3; }

std::uint8_t Blend(int source, int target, double f) {
    const double value = std::trunc((source - target) * f + target);
    return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

// Blends a straight-alpha 32-bit picture onto a 24- or 32-bit target at (x, y); a 32-bit target's
// alpha is raised to the source's alpha - 4.
void BlendOver(const Picture& source, Picture& target, int x, int y) noexcept {
    const int step = target.BytesPerPixel();
    const Overlap o = Clip(source.Width(), source.Height(), target.Width(), target.Height(), x, y);
    for (int row = 0; row < o.height; ++row) {
        const std::uint8_t* in = source.Pixel(o.sourceX, o.sourceY + row);
        std::uint8_t* out = target.Pixel(o.targetX, o.targetY + row);
        for (int col = 0; col < o.width; ++col, in += 4, out += step) {
            const double f = in[3] / 255.0;
            for (int c = 0; c < 3; ++c) out[c] = Blend(in[c], out[c], f);
            if (step == 4 && in[3] - 4 > out[3]) out[3] = static_cast<std::uint8_t>(in[3] - 4);
        }
    }
}

bool IsColour(const Picture& p) { return p.BitsPerPixel() == 24 || p.BitsPerPixel() == 32; }

}  // namespace

void PlaceBitmap(const Picture& source, Picture& target, int x, int y) {
    Require(source.BitsPerPixel() == 32);
    if (&source == &target) {
        const Picture copy = source;
        PlaceBitmap(copy, target, x, y);
        return;
    }
    target.Reset(SizeAfterOffset(source.Width(), x), SizeAfterOffset(source.Height(), y), 32);
    const Overlap o = Clip(source.Width(), source.Height(), target.Width(), target.Height(), x, y);
    for (int row = 0; row < o.height; ++row)
        std::memcpy(target.Pixel(o.targetX, o.targetY + row), source.Pixel(o.sourceX, o.sourceY + row),
                    static_cast<std::size_t>(o.width) * 4);
}

void PadBitmap(Picture& bitmap, int x, int y) {
    Picture padded;
    PlaceBitmap(bitmap, padded, x, y);
    PlaceBitmap(padded, bitmap, 0, 0);
}

void CopyRgbTo32(const Picture& source, Picture& target) {
    Require(IsColour(source) && target.BitsPerPixel() == 32);
    const int step = source.BytesPerPixel();
    const int width = std::min(source.Width(), target.Width());
    const int height = std::min(source.Height(), target.Height());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = source.Row(y);
        std::uint8_t* out = target.Row(y);
        for (int x = 0; x < width; ++x, in += step, out += 4) std::memcpy(out, in, 3);
    }
}

void MergeSkinMask(const Picture& skin, const Picture& mask, Picture& target) {
    Require(IsColour(skin) && IsColour(mask));
    if (mask.Width() < skin.Width() || mask.Height() < skin.Height())
        throw GraphicsError("The mask is smaller than the skin");
    if (target.BitsPerPixel() != 32 || target.Width() < skin.Width() || target.Height() < skin.Height())
        target.Reset(skin.Width(), skin.Height(), 32);
    const int skinStep = skin.BytesPerPixel();
    const int maskStep = mask.BytesPerPixel();
    for (int y = 0; y < skin.Height(); ++y) {
        const std::uint8_t* s = skin.Row(y);
        const std::uint8_t* m = mask.Row(y);
        std::uint8_t* out = target.Row(y);
        for (int x = 0; x < skin.Width(); ++x, s += skinStep, m += maskStep, out += 4) {
            std::memcpy(out, s, 3);
            out[3] = static_cast<std::uint8_t>(MaskLevel(m));
        }
    }
}

void ClearBitmap(Picture& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) std::memset(bitmap.Row(y), 0, bitmap.RowBytes());
}

void ResampleMitchell(const Picture& source, Picture& target) {
    Resample(source, target, MitchellFilter, kMitchellSupport);
}

void DrawKeyed(const Picture& source, Picture& target, int x, int y, Color key) {
    Require(IsColour(source) && target.BitsPerPixel() == 32);
    const int step = source.BytesPerPixel();
    const Overlap o = Clip(source.Width(), source.Height(), target.Width(), target.Height(), x, y);
    for (int row = 0; row < o.height; ++row) {
        const std::uint8_t* in = source.Pixel(o.sourceX, o.sourceY + row);
        std::uint8_t* out = target.Pixel(o.targetX, o.targetY + row);
        for (int col = 0; col < o.width; ++col, in += step, out += 4) {
            if (in[2] == RedOf(key) && in[1] == GreenOf(key) && in[0] == BlueOf(key)) continue;
            std::memcpy(out, in, 3);
            out[3] = 255;
        }
    }
}

void DrawSkinMasked(const Picture& skin, const Picture& mask, Picture& target) {
    Require(IsColour(skin) && IsColour(mask) && target.BitsPerPixel() == 32);
    if (mask.Width() < skin.Width() || mask.Height() < skin.Height())
        throw GraphicsError("The mask is smaller than the skin");
    const int skinStep = skin.BytesPerPixel();
    const int maskStep = mask.BytesPerPixel();
    const Overlap o = Clip(skin.Width(), skin.Height(), target.Width(), target.Height(), 0, 0);
    for (int y = 0; y < o.height; ++y) {
        const std::uint8_t* s = skin.Row(y);
        const std::uint8_t* m = mask.Row(y);
        std::uint8_t* out = target.Row(y);
        for (int x = 0; x < o.width; ++x, s += skinStep, m += maskStep, out += 4) {
            std::memcpy(out, s, 3);
            out[3] = static_cast<std::uint8_t>(std::max<int>(out[3], MaskLevel(m)));
        }
    }
}

void DrawAlphaOver32(const Picture& source, Picture& target, int x, int y) noexcept {
    if (source.BitsPerPixel() != 32 || target.BitsPerPixel() != 32) return;
    BlendOver(source, target, x, y);
}

void DrawAlphaOver24(const Picture& source, Picture& target, int x, int y) {
    Require(source.BitsPerPixel() == 32 && target.BitsPerPixel() == 24);
    BlendOver(source, target, x, y);
}

void PremultiplyAlpha(Picture& bitmap) {
    Require(bitmap.BitsPerPixel() == 32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
            const int alpha = p[3];
            for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(p[c] * alpha / 255);
        }
    }
}

void TintBitmap(Picture& bitmap, Color color) {
    Require(IsColour(bitmap));
    // One table per channel (B, G, R byte order): the double-precision formula for every byte value.
    std::array<std::array<std::uint8_t, 256>, 3> table{};
    const int channel[3] = {BlueOf(color), GreenOf(color), RedOf(color)};
    for (int c = 0; c < 3; ++c) {
        const int k = channel[c];
        for (int x = 0; x < 256; ++x) {
            const double value = std::trunc(x * (k / 255.0) + static_cast<double>(x * k) / 255.0);
            table[static_cast<std::size_t>(c)][static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(std::min(value, 255.0));
        }
    }
    const int step = bitmap.BytesPerPixel();
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += step) {
            p[0] = table[0][p[0]];
            p[1] = table[1][p[1]];
            p[2] = table[2][p[2]];
        }
    }
}

namespace {

bool AllWhite(const std::uint8_t* bytes, std::size_t count) {
    constexpr std::uint64_t kWhiteWord = ~std::uint64_t{0};
    std::size_t i = 0;
    for (; i + sizeof kWhiteWord <= count; i += sizeof kWhiteWord) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        if (word != kWhiteWord) return false;
    }
    for (; i < count; ++i)
        if (bytes[i] != 0xFF) return false;
    return true;
}

}  // namespace

Rect InkBounds(const Picture& bitmap) {
    Require(IsColour(bitmap));
    Rect bounds{0, bitmap.Height(), 0, bitmap.Height() - 1};
    bool any = false;
    const int step = bitmap.BytesPerPixel();
    // Measuring scans a text's whole scratch, mostly white: a white row is passed eight bytes at a time, and
    // a row with ink is read from its right end only up to its last ink, all the extent asks of it.
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* row = bitmap.Row(y);
        if (AllWhite(row, bitmap.RowBytes())) continue;
        for (int x = bitmap.Width() - 1; x >= 0; --x) {
            const std::uint8_t* p = row + static_cast<std::ptrdiff_t>(step) * x;
            if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
            if (!any) bounds.top = y;
            any = true;
            bounds.bottom = y;
            bounds.right = std::max(bounds.right, x);
            break;
        }
    }
    return bounds;
}

}  // namespace velpiners::graphics
