// Two-pass separable resampling of 24-bit pictures with a table of seven named filters.
//
// The arithmetic is fixed so that every build gives the same pixels: each filter value is computed in
// double precision from a 32-bit float distance and rounded once to float; every other step (scale
// factors, centres, distances, bounds, products and sums) is one IEEE single-precision operation in the
// order written in resample.cpp. Weights are not normalised, contributors are summed in ascending source
// order, and each sum is clamped to 0..255 and rounded to nearest, ties to even.
#pragma once

#include <array>
#include <string_view>

#include "graphics/picture.h"

namespace velpiners::graphics {

// A filter: value at a signed distance, zero outside its support.
using FilterFunction = float (*)(float x);

float BoxFilter(float x);
float TriangleFilter(float x);
float HermiteFilter(float x);
float BellFilter(float x);
float SplineFilter(float x);  // "B-Spline"
float Lanczos3Filter(float x);
float MitchellFilter(float x);  // Mitchell-Netravali, B = C = 1/3

struct ResampleFilter {
    const char* name;  // display name, e.g. "B-Spline"
    FilterFunction function;
    float support;
};

inline constexpr int kFilterCount = 7;
inline constexpr float kMitchellSupport = 2.0f;

// Box, Triangle, Hermite, Bell, B-Spline, Lanczos3, Mitchell, in that order.
extern const std::array<ResampleFilter, kFilterCount> FilterTable;

// The table entry whose display name equals `name` ignoring case, or nullptr.
const ResampleFilter* FindFilter(std::string_view name);

// Scales `source` (24- or 32-bit; a fourth byte is ignored) to the size `target` already has.
// Nothing happens when the source has no pixels. Otherwise the target is written as a 24-bit picture:
// a 32-bit target is first replaced by an owned 24-bit picture of the same size. `support` must be a
// finite number from 0 to 64 (GraphicsError otherwise). Source and target may be the same object.
void Resample(const Picture& source, Picture& target, FilterFunction filter, float support);

}  // namespace velpiners::graphics
