#include "app/hot_key_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace velpiners {
namespace {

struct Rgb {
    int r, g, b;
};

constexpr double kPi = 3.14159265358979323846;

Rgb Mix(Rgb top, Rgb bottom, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b)};
}

double Distance(double x, double y, double cx, double cy) { return std::hypot(x - cx, y - cy); }

double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(x, y, ax + t * dx, ay + t * dy);
}

// Vertical shading of a picture's body: `top` at row 1, `bottom` at row 15.
Rgb Vertical(Rgb top, Rgb bottom, double y) { return Mix(top, bottom, (y - 1.0) / 14.0); }

// A round green button with a white arrow; `left` points it to the left (Back).
std::optional<Rgb> ArrowButton(double x, double y, bool left) {
    constexpr double kRadius = 7.6;
    constexpr double kRim = 6.4;
    const double d = Distance(x, y, 8.0, 8.0);
    if (d > kRadius) return std::nullopt;
    if (d > kRim) return Rgb{0x1B, 0x5E, 0x20};
    const double ax = left ? x : 16.0 - x;  // the arrow drawn pointing left, mirrored for Forward
    constexpr double kTip = 3.2;
    constexpr double kHeadBase = 8.2;
    constexpr double kHeadHalf = 4.4;
    constexpr double kShaftEnd = 12.6;
    constexpr double kShaftHalf = 1.7;
    const bool head =
        ax >= kTip && ax <= kHeadBase && std::abs(y - 8.0) <= (ax - kTip) * kHeadHalf / (kHeadBase - kTip);
    const bool shaft = ax >= kHeadBase && ax <= kShaftEnd && std::abs(y - 8.0) <= kShaftHalf;
    if (head || shaft) return Rgb{0xFF, 0xFF, 0xFF};
    return Vertical(Rgb{0x81, 0xC7, 0x84}, Rgb{0x2E, 0x7D, 0x32}, y);
}

// A magnifying glass: a dark ring round light glass with a glint, a brown handle to the lower right.
std::optional<Rgb> MagnifyingGlass(double x, double y) {
    constexpr double kCentre = 6.5;
    constexpr double kOuter = 5.6;
    constexpr double kInner = 3.9;
    const double d = Distance(x, y, kCentre, kCentre);
    if (d <= kOuter) {
        if (d >= kInner) return Rgb{0x37, 0x47, 0x4F};
        if (Distance(x, y, 5.0, 5.0) < 1.4) return Rgb{0xFF, 0xFF, 0xFF};
        return Rgb{0xB3, 0xE5, 0xFC};
    }
    const double handle = DistanceToSegment(x, y, 10.3, 10.3, 14.3, 14.3);
    if (handle > 1.7) return std::nullopt;
    return handle > 1.0 ? Rgb{0x4E, 0x34, 0x2E} : Rgb{0x8D, 0x6E, 0x63};
}

// A five-pointed yellow star with an orange edge.
std::optional<Rgb> Star(double x, double y) {
    constexpr int kCorners = 10;
    constexpr double kOuter = 7.8;
    constexpr double kInner = 3.2;
    constexpr double kCx = 8.0;
    constexpr double kCy = 8.6;
    std::array<double, kCorners> px{};
    std::array<double, kCorners> py{};
    for (int i = 0; i < kCorners; ++i) {
        const double angle = -kPi / 2 + i * kPi / 5;
        const double radius = i % 2 == 0 ? kOuter : kInner;
        px[i] = kCx + radius * std::cos(angle);
        py[i] = kCy + radius * std::sin(angle);
    }
    bool inside = false;
    double edge = 1e9;
    for (int i = 0, j = kCorners - 1; i < kCorners; j = i++) {
        if ((py[i] > y) != (py[j] > y) && x < (px[j] - px[i]) * (y - py[i]) / (py[j] - py[i]) + px[i]) inside = !inside;
        edge = std::min(edge, DistanceToSegment(x, y, px[i], py[i], px[j], py[j]));
    }
    if (!inside) return std::nullopt;
    if (edge < 1.0) return Rgb{0xB2, 0x6A, 0x00};
    return Vertical(Rgb{0xFF, 0xEB, 0x3B}, Rgb{0xFF, 0xB3, 0x00}, y);
}

std::optional<Rgb> PixelOf(int picture, double x, double y) {
    switch (picture) {
        case 0:
            return ArrowButton(x, y, true);
        case 1:
            return ArrowButton(x, y, false);
        case 2:
            return MagnifyingGlass(x, y);
        default:
            return Star(x, y);
    }
}

void Put(graphics::Picture& picture, int x, int y, Rgb colour) {
    std::uint8_t* p = picture.Pixel(x, y);
    p[0] = static_cast<std::uint8_t>(colour.b);
    p[1] = static_cast<std::uint8_t>(colour.g);
    p[2] = static_cast<std::uint8_t>(colour.r);
}

}  // namespace

HotKeyPictures DrawHotKeyPictures() {
    constexpr int kWidth = kHotKeyPictureSize * kHotKeyPictureCount;
    HotKeyPictures out{graphics::Picture(kWidth, kHotKeyPictureSize, 24),
                       graphics::Picture(kWidth, kHotKeyPictureSize, 24)};
    for (int picture = 0; picture < kHotKeyPictureCount; ++picture) {
        for (int y = 0; y < kHotKeyPictureSize; ++y) {
            for (int x = 0; x < kHotKeyPictureSize; ++x) {
                const std::optional<Rgb> colour = PixelOf(picture, x + 0.5, y + 0.5);
                const int column = picture * kHotKeyPictureSize + x;
                Put(out.image, column, y, colour.value_or(Rgb{0, 0, 0}));
                Put(out.mask, column, y, colour ? Rgb{0, 0, 0} : Rgb{0xFF, 0xFF, 0xFF});
            }
        }
    }
    return out;
}

}  // namespace velpiners
