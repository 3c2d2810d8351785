// A deliberately plain resampler for the tests: per pixel, straight from the two-pass definition, with
// its own filter formulas (the cubic filters from the general Mitchell-Netravali form), std::nearbyint
// for rounding and no shortcuts. The product code must match it byte for byte.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace velpiners::test {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;  // B, G, R; row 0 first; no padding

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 3) {}
    std::uint8_t& At(int x, int y, int c) { return bytes[(static_cast<std::size_t>(y) * width + x) * 3 + c]; }
    std::uint8_t At(int x, int y, int c) const { return bytes[(static_cast<std::size_t>(y) * width + x) * 3 + c]; }
};

inline double ReferenceCubic(double t, double b, double c) {
    if (t < 1.0)
        return ((12.0 - 9.0 * b - 6.0 * c) * t * t * t + (-18.0 + 12.0 * b + 6.0 * c) * t * t + (6.0 - 2.0 * b)) / 6.0;
    if (t < 2.0)
        return ((-b - 6.0 * c) * t * t * t + (6.0 * b + 30.0 * c) * t * t + (-12.0 * b - 48.0 * c) * t +
                (8.0 * b + 24.0 * c)) /
               6.0;
    return 0.0;
}

inline double ReferenceSinc(double x) {
    const double pi = std::acos(-1.0);
    return x == 0.0 ? 1.0 : std::sin(pi * x) / (pi * x);
}

// Filter `name` at float distance x: the value in double, rounded once to float.
inline float ReferenceFilter(const std::string& name, float x) {
    const double t = std::fabs(static_cast<double>(x));
    double v = 0.0;
    if (name == "Box") v = (x > -0.5f && x <= 0.5f) ? 1.0 : 0.0;
    if (name == "Triangle") v = t < 1.0 ? 1.0 - t : 0.0;
    if (name == "Hermite") v = t < 1.0 ? 2.0 * t * t * t - 3.0 * t * t + 1.0 : 0.0;
    if (name == "Bell") v = t < 0.5 ? 0.75 - t * t : t < 1.5 ? 0.5 * (t - 1.5) * (t - 1.5) : 0.0;
    if (name == "B-Spline") v = ReferenceCubic(t, 1.0, 0.0);
    if (name == "Lanczos3") v = t < 3.0 ? ReferenceSinc(t) * ReferenceSinc(t / 3.0) : 0.0;
    if (name == "Mitchell") v = ReferenceCubic(t, 1.0 / 3.0, 1.0 / 3.0);
    return static_cast<float>(v);
}

inline float ReferenceSupport(const std::string& name) {
    if (name == "Box") return 0.5f;
    if (name == "Triangle" || name == "Hermite") return 1.0f;
    if (name == "Bell") return 1.5f;
    if (name == "Lanczos3") return 3.0f;
    return 2.0f;
}

struct ReferencePair {
    int index;
    float weight;
};

inline std::vector<std::vector<ReferencePair>> ReferenceContributors(const std::string& filter, int from, int to) {
    const float support = ReferenceSupport(filter);
    float scale;
    if (from == 1 || to == 1) {
        scale = static_cast<float>(to) / static_cast<float>(from);
    } else {
        scale = static_cast<float>(to - 1) / static_cast<float>(from - 1);
    }
    std::vector<std::vector<ReferencePair>> lists(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        float center = static_cast<float>(i) / scale;
        float width = support;
        float f = 1.0f;
        if (scale < 1.0f) {
            width = support / scale;
            f = 1.0f / scale;
        }
        float lowF = std::floor(center - width);
        float highF = std::ceil(center + width);
        for (int j = static_cast<int>(lowF); j <= static_cast<int>(highF); ++j) {
            float weight;
            if (scale < 1.0f) {
                float d = center - static_cast<float>(j);
                float scaled = d / f;
                weight = ReferenceFilter(filter, scaled);
                weight = weight / f;
            } else {
                weight = ReferenceFilter(filter, center - static_cast<float>(j));
            }
            if (weight == 0.0f) continue;
            int n = j;
            if (j < 0) n = -j;
            if (j >= from) n = 2 * from - 1 - j;
            if (n < 0) n = 0;
            if (n > from - 1) n = from - 1;
            lists[static_cast<std::size_t>(i)].push_back({n, weight});
        }
    }
    return lists;
}

inline std::uint8_t ReferenceByte(float sum) {
    if (sum > 255.0f) return 255;
    if (sum < 0.0f) return 0;
    return static_cast<std::uint8_t>(std::nearbyint(sum));
}

inline RgbImage ReferenceResample(const RgbImage& source, int tw, int th, const std::string& filter) {
    const auto columns = ReferenceContributors(filter, source.width, tw);
    const auto rows = ReferenceContributors(filter, source.height, th);
    RgbImage work(tw, source.height);
    for (int y = 0; y < source.height; ++y) {
        for (int i = 0; i < tw; ++i) {
            for (int c = 0; c < 3; ++c) {
                float sum = 0.0f;
                for (const ReferencePair& p : columns[static_cast<std::size_t>(i)]) {
                    const float product = p.weight * static_cast<float>(source.At(p.index, y, c));
                    sum = sum + product;
                }
                work.At(i, y, c) = ReferenceByte(sum);
            }
        }
    }
    RgbImage target(tw, th);
    for (int x = 0; x < tw; ++x) {
        for (int r = 0; r < th; ++r) {
            for (int c = 0; c < 3; ++c) {
                float sum = 0.0f;
                for (const ReferencePair& p : rows[static_cast<std::size_t>(r)]) {
                    const float product = p.weight * static_cast<float>(work.At(x, p.index, c));
                    sum = sum + product;
                }
                target.At(x, r, c) = ReferenceByte(sum);
            }
        }
    }
    return target;
}

}  // namespace velpiners::test
