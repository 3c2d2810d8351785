// Two-pass resampler. The results must not depend on the compiler or the target: this file is built with
// floating-point contraction off (and SSE arithmetic on i686), each float expression below is one IEEE
// operation per step, and every accumulator adds its products in the order of its contributor list.
// The loops are arranged for speed (contiguous inner loops over many independent accumulators, weights
// computed once per target column and row) without changing any single accumulator's order.
#include "graphics/resample.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VELPINERS_SSE2 1
#else
#define VELPINERS_SSE2 0
#endif

namespace velpiners::graphics {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Sinc(double u) {
    if (u == 0.0) return 1.0;
    const double a = kPi * u;
    return std::sin(a) / a;
}

// The contributors of every target index of one pass: for target index i, the pairs
// [first[i], first[i + 1]) of `source` and `weight`, in ascending order of the unmirrored index.
struct Contributions {
    std::vector<int> first;
    std::vector<int> source;
    std::vector<float> weight;
};

int MirrorIndex(int j, int size) {
    int index = j;
    if (j < 0) {
        index = -j;
    } else if (j >= size) {
        index = 2 * size - 1 - j;
    }
    // A strong reduction reaches further than one picture width beyond an edge; the mirror alone would
    // still be outside.
    return std::clamp(index, 0, size - 1);
}

float ScaleFactor(int sourceSize, int targetSize) {
    // Both a 1-pixel source and a 1-pixel target would otherwise divide by zero or give a zero scale.
    if (sourceSize == 1 || targetSize == 1) return static_cast<float>(targetSize) / static_cast<float>(sourceSize);
    return static_cast<float>(targetSize - 1) / static_cast<float>(sourceSize - 1);
}

Contributions BuildContributions(int sourceSize, int targetSize, FilterFunction filter, float support) {
    Contributions list;
    list.first.reserve(static_cast<std::size_t>(targetSize) + 1);
    const float scale = ScaleFactor(sourceSize, targetSize);
    const bool enlarging = scale >= 1.0f;
    const float width = enlarging ? support : support / scale;
    const float factor = 1.0f / scale;
    const std::size_t perTarget = static_cast<std::size_t>(2.0f * width + 1.0f) + 1;
    list.source.reserve(perTarget * static_cast<std::size_t>(targetSize));
    list.weight.reserve(perTarget * static_cast<std::size_t>(targetSize));

    for (int i = 0; i < targetSize; ++i) {
        list.first.push_back(static_cast<int>(list.source.size()));
        const float centre = static_cast<float>(i) / scale;
        const int low = static_cast<int>(std::floor(centre - width));
        const int high = static_cast<int>(std::ceil(centre + width));
        for (int j = low; j <= high; ++j) {
            const float distance = centre - static_cast<float>(j);
            const float weight = enlarging ? filter(distance) : filter(distance / factor) / factor;
            if (weight == 0.0f) continue;
            list.source.push_back(MirrorIndex(j, sourceSize));
            list.weight.push_back(weight);
        }
    }
    list.first.push_back(static_cast<int>(list.source.size()));
    return list;
}

// Lines of bytes are stored with their length rounded up to a whole block, so that a block can always
// be read whole; only the first `count` results of a line are written out.
constexpr std::size_t kBlock = 16;

std::size_t RoundToBlock(std::size_t size) { return (size + kBlock - 1) / kBlock * kBlock; }

// Each result is the sum, in contributor order, of weight * value over the contributor list (starting
// from 0), then: above 255 gives 255, below 0 gives 0, otherwise the nearest integer, ties to even.
// Adding and taking away 2^23 rounds a float in [0, 2^23) to an integer in the default (nearest)
// rounding mode. The SSE2 form keeps sixteen sums in registers and does the same operations on each of
// them (maxps and minps keep a sum that lies within the bounds).
void WeighLines(const Contributions& list, int target, const std::uint8_t* lines, std::size_t lineStride,
                std::size_t count, std::uint8_t* out) {
    constexpr float kRounding = 8388608.0f;
    const std::size_t begin = static_cast<std::size_t>(list.first[static_cast<std::size_t>(target)]);
    const std::size_t end = static_cast<std::size_t>(list.first[static_cast<std::size_t>(target) + 1]);
    const int* source = list.source.data();
    const float* weight = list.weight.data();
#if VELPINERS_SSE2
    const __m128i zeroBytes = _mm_setzero_si128();
    const __m128 zero = _mm_setzero_ps();
    const __m128 top = _mm_set1_ps(255.0f);
    const __m128 rounding = _mm_set1_ps(kRounding);
    for (std::size_t m = 0; m < count; m += kBlock) {
        __m128 sum[4] = {zero, zero, zero, zero};
        for (std::size_t k = begin; k < end; ++k) {
            const std::uint8_t* values = lines + static_cast<std::size_t>(source[k]) * lineStride + m;
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
            const __m128i low = _mm_unpacklo_epi8(bytes, zeroBytes);
            const __m128i high = _mm_unpackhi_epi8(bytes, zeroBytes);
            const __m128 value[4] = {_mm_cvtepi32_ps(_mm_unpacklo_epi16(low, zeroBytes)),
                                     _mm_cvtepi32_ps(_mm_unpackhi_epi16(low, zeroBytes)),
                                     _mm_cvtepi32_ps(_mm_unpacklo_epi16(high, zeroBytes)),
                                     _mm_cvtepi32_ps(_mm_unpackhi_epi16(high, zeroBytes))};
            const __m128 w = _mm_set1_ps(weight[k]);
            for (int q = 0; q < 4; ++q) sum[q] = _mm_add_ps(sum[q], _mm_mul_ps(w, value[q]));
        }
        __m128i whole[4];
        for (int q = 0; q < 4; ++q) {
            const __m128 v = _mm_min_ps(_mm_max_ps(sum[q], zero), top);
            whole[q] = _mm_cvttps_epi32(_mm_sub_ps(_mm_add_ps(v, rounding), rounding));
        }
        const __m128i bytes =
            _mm_packus_epi16(_mm_packs_epi32(whole[0], whole[1]), _mm_packs_epi32(whole[2], whole[3]));
        if (m + kBlock <= count) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + m), bytes);
        } else {
            alignas(16) std::uint8_t last[kBlock];
            _mm_store_si128(reinterpret_cast<__m128i*>(last), bytes);
            std::memcpy(out + m, last, count - m);
        }
    }
#else
    for (std::size_t m = 0; m < count; ++m) {
        float sum = 0.0f;
        for (std::size_t k = begin; k < end; ++k)
            sum = sum + weight[k] * static_cast<float>(lines[static_cast<std::size_t>(source[k]) * lineStride + m]);
        if (!(sum > 0.0f)) sum = 0.0f;  // as maxps does, a NaN from a caller's filter gives 0
        if (sum > 255.0f) sum = 255.0f;
        sum = (sum + kRounding) - kRounding;
        out[m] = static_cast<std::uint8_t>(static_cast<int>(sum));
    }
#endif
}

// Working memory kept per thread between calls: a fresh allocation of this size on every call costs
// more (page faults) than the arithmetic of a sticker-sized picture.
struct Scratch {
    std::vector<std::uint8_t> transposed;
    std::vector<std::uint8_t> work;
    std::vector<std::uint8_t> column;
};

std::uint8_t* Room(std::vector<std::uint8_t>& buffer, std::size_t size) {
    if (buffer.size() < size) buffer.resize(size);
    return buffer.data();
}

}  // namespace

float BoxFilter(float x) {
    const double v = x;
    return (v > -0.5 && v <= 0.5) ? 1.0f : 0.0f;
}

float TriangleFilter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    return t < 1.0 ? static_cast<float>(1.0 - t) : 0.0f;
}

float HermiteFilter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    return t < 1.0 ? static_cast<float>((2.0 * t - 3.0) * (t * t) + 1.0) : 0.0f;
}

float BellFilter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    if (t < 0.5) return static_cast<float>(0.75 - t * t);
    if (t < 1.5) {
        const double u = t - 1.5;
        return static_cast<float>(0.5 * (u * u));
    }
    return 0.0f;
}

float SplineFilter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    if (t < 1.0) return static_cast<float>(0.5 * (t * t * t) - t * t + 2.0 / 3.0);
    if (t < 2.0) {
        const double u = 2.0 - t;
        return static_cast<float>((u * u * u) / 6.0);
    }
    return 0.0f;
}

float Lanczos3Filter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    return t < 3.0 ? static_cast<float>(Sinc(t) * Sinc(t / 3.0)) : 0.0f;
}

float MitchellFilter(float x) {
    const double t = std::fabs(static_cast<double>(x));
    if (t < 1.0) return static_cast<float>((7.0 * (t * t * t) - 12.0 * (t * t) + 16.0 / 3.0) / 6.0);
    if (t < 2.0) return static_cast<float>((-(7.0 / 3.0) * (t * t * t) + 12.0 * (t * t) - 20.0 * t + 32.0 / 3.0) / 6.0);
    return 0.0f;
}

const std::array<ResampleFilter, kFilterCount> FilterTable = {{
    {"Box", BoxFilter, 0.5f},
    {"Triangle", TriangleFilter, 1.0f},
    {"Hermite", HermiteFilter, 1.0f},
    {"Bell", BellFilter, 1.5f},
    {"B-Spline", SplineFilter, 2.0f},
    {"Lanczos3", Lanczos3Filter, 3.0f},
    {"Mitchell", MitchellFilter, kMitchellSupport},
}};

const ResampleFilter* FindFilter(std::string_view name) {
    for (const ResampleFilter& filter : FilterTable) {
        const std::string_view own = filter.name;
        if (own.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < own.size() && same; ++i)
            same =
                std::tolower(static_cast<unsigned char>(own[i])) == std::tolower(static_cast<unsigned char>(name[i]));
        if (same) return &filter;
    }
    return nullptr;
}

void Resample(const Picture& source, Picture& target, FilterFunction filter, float support) {
    if (!(support >= 0.0f && support <= 64.0f)) throw GraphicsError("Resampling support out of range");
    const int sw = source.Width();
    const int sh = source.Height();
    if (sw <= 0 || sh <= 0) return;
    if (&source == &target) {
        const Picture copy = source;
        Resample(copy, target, filter, support);
        return;
    }
    if (target.BitsPerPixel() != 24) target.Reset(target.Width(), target.Height(), 24);
    const int tw = target.Width();
    const int th = target.Height();
    if (tw <= 0 || th <= 0) return;

    const Contributions columns = BuildContributions(sw, tw, filter, support);
    const Contributions rows = BuildContributions(sh, th, filter, support);

    // The first pass is defined row by row; it runs here column by column over a transposed copy of the
    // source, so that one contributor list serves every source row at once. Each sum still adds exactly
    // its own contributors in their order, which is all that decides the result.
    thread_local Scratch scratch;
    const std::size_t columnBytes = static_cast<std::size_t>(sh) * 3;
    const std::size_t columnStride = RoundToBlock(columnBytes);
    const int sourceStep = source.BytesPerPixel();
    std::uint8_t* const transposed = Room(scratch.transposed, static_cast<std::size_t>(sw) * columnStride);
    for (int y = 0; y < sh; ++y) {
        const std::uint8_t* in = source.Row(y);
        std::uint8_t* out = transposed + static_cast<std::size_t>(y) * 3;
        for (int x = 0; x < sw; ++x, in += sourceStep, out += columnStride) std::memcpy(out, in, 3);
    }

    const std::size_t workRowBytes = static_cast<std::size_t>(tw) * 3;
    const std::size_t workStride = RoundToBlock(workRowBytes);
    std::uint8_t* const work = Room(scratch.work, workStride * static_cast<std::size_t>(sh));
    std::uint8_t* const column = Room(scratch.column, columnStride);
    for (int i = 0; i < tw; ++i) {
        WeighLines(columns, i, transposed, columnStride, columnBytes, column);
        std::uint8_t* out = work + static_cast<std::size_t>(i) * 3;
        for (std::size_t m = 0; m < columnBytes; m += 3, out += workStride) std::memcpy(out, column + m, 3);
    }

    // Second pass: one target row at a time over all its columns.
    for (int r = 0; r < th; ++r) WeighLines(rows, r, work, workStride, workRowBytes, target.Row(r));

    constexpr std::size_t kKeptBytes = 16u << 20;
    for (std::vector<std::uint8_t>* buffer : {&scratch.transposed, &scratch.work, &scratch.column})
        if (buffer->size() > kKeptBytes) std::vector<std::uint8_t>().swap(*buffer);
}

}  // namespace velpiners::graphics
