// Benchmarks of the pixel routines, and side by side on the same input and filter the Mitchell resize of
// ImageMagick (Magick++) and of libvips. After the run a table gives our time over each peer's.
//
// The peers produce their own (different) pixels; only the time is compared. libvips enlarges through
// its affine transform with the interpolator that its Mitchell kernel selects, and reduces with the
// Mitchell kernel itself; ImageMagick uses its Mitchell filter in both directions.
#include <Magick++.h>
#include <benchmark/benchmark.h>
#include <vips/vips.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "graphics/resample.h"
#include "tests/noisy_picture.h"

namespace {

using velpiners::graphics::Picture;
using velpiners::graphics::Rect;
using velpiners::test::NoisyPicture;

// Tightly packed B, G, R bytes of a 24-bit picture, as the peers take them.
std::vector<std::uint8_t> Packed(const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < picture.Height(); ++y)
        bytes.insert(bytes.end(), picture.Row(y), picture.Row(y) + picture.RowBytes());
    return bytes;
}

struct ResizeCase {
    const char* label;
    int sw, sh, tw, th;
};

const ResizeCase kCases[] = {
    {"239x101_to_241x140", 239, 101, 241, 140},
    {"48x48_to_90x90", 48, 48, 90, 90},
    {"239x141_to_120x70", 239, 141, 120, 70},
};

void Ours(benchmark::State& state, ResizeCase c) {
    const Picture source = NoisyPicture(c.sw, c.sh, 24, 1);
    for (auto _ : state) {
        Picture target(c.tw, c.th, 24);
        velpiners::graphics::ResampleMitchell(source, target);
        benchmark::DoNotOptimize(target.Row(0));
    }
}

void ImageMagick(benchmark::State& state, ResizeCase c) {
    const std::vector<std::uint8_t> bytes = Packed(NoisyPicture(c.sw, c.sh, 24, 1));
    Magick::Image source(static_cast<std::size_t>(c.sw), static_cast<std::size_t>(c.sh), "BGR", Magick::CharPixel,
                         bytes.data());
    source.filterType(Magick::MitchellFilter);
    Magick::Geometry size(static_cast<std::size_t>(c.tw), static_cast<std::size_t>(c.th));
    size.aspect(true);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(c.tw) * c.th * 3);
    for (auto _ : state) {
        Magick::Image image(source);
        image.resize(size);
        image.write(0, 0, static_cast<std::size_t>(c.tw), static_cast<std::size_t>(c.th), "BGR", Magick::CharPixel,
                    out.data());
        benchmark::DoNotOptimize(out.data());
    }
}

void Vips(benchmark::State& state, ResizeCase c) {
    const std::vector<std::uint8_t> bytes = Packed(NoisyPicture(c.sw, c.sh, 24, 1));
    VipsImage* source = vips_image_new_from_memory(bytes.data(), bytes.size(), c.sw, c.sh, 3, VIPS_FORMAT_UCHAR);
    const double hscale = static_cast<double>(c.tw) / c.sw;
    const double vscale = static_cast<double>(c.th) / c.sh;
    for (auto _ : state) {
        VipsImage* resized = nullptr;
        if (vips_resize(source, &resized, hscale, "vscale", vscale, "kernel", VIPS_KERNEL_MITCHELL, nullptr) != 0) {
            state.SkipWithError(vips_error_buffer());
            break;
        }
        std::size_t length = 0;
        void* pixels = vips_image_write_to_memory(resized, &length);
        benchmark::DoNotOptimize(pixels);
        g_free(pixels);
        g_object_unref(resized);
    }
    g_object_unref(source);
}

void ComposeFramed(benchmark::State& state) {
    const Picture skin = NoisyPicture(239, 141, 24, 2);
    const Picture mask = NoisyPicture(239, 141, 24, 3);
    const Rect content{0, 0, static_cast<int>(state.range(0)), 150};
    Picture output;  // the painter keeps its background picture between repaints
    for (auto _ : state) {
        velpiners::graphics::ComposeFramedSkin(skin, mask, content, 2, velpiners::graphics::kSkinTitled, true, output);
        benchmark::DoNotOptimize(output.Row(0));
    }
}

void ComposeIcon(benchmark::State& state) {
    const Picture skin = NoisyPicture(63, 63, 24, 4);
    const Picture mask = NoisyPicture(63, 63, 24, 5);
    Picture output;
    for (auto _ : state) {
        velpiners::graphics::ComposeIconSkin(skin, mask, Rect{0, 0, 150, 60}, true, output, Rect{0, 0, 48, 48});
        benchmark::DoNotOptimize(output.Row(0));
    }
}

void Tint(benchmark::State& state) {
    Picture picture = NoisyPicture(241, 166, 32, 6);
    for (auto _ : state) {
        velpiners::graphics::TintBitmap(picture, 0x3080C0);
        benchmark::DoNotOptimize(picture.Row(0));
    }
}

// Console output as usual, and each benchmark's time per iteration kept for the ratio table: the median
// when repetitions give one, else the (last) run.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[name] = run.GetAdjustedRealTime();
            } else if (run.run_type == Run::RT_Iteration) {
                last[name] = run.GetAdjustedRealTime();
            }
        }
    }
    [[nodiscard]] double Time(const std::string& name) const {
        const auto median = medians.find(name);
        if (median != medians.end()) return median->second;
        const auto run = last.find(name);
        return run != last.end() ? run->second : 0.0;
    }

private:
    std::map<std::string, double> medians;
    std::map<std::string, double> last;
};

}  // namespace

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]) != 0) return 1;
    Magick::InitializeMagick(argv[0]);
    for (const ResizeCase& c : kCases) {
        benchmark::RegisterBenchmark((std::string("Resample/ours/") + c.label).c_str(), Ours, c);
        benchmark::RegisterBenchmark((std::string("Resample/imagemagick/") + c.label).c_str(), ImageMagick, c);
        benchmark::RegisterBenchmark((std::string("Resample/libvips/") + c.label).c_str(), Vips, c);
    }
    benchmark::RegisterBenchmark("ComposeFramedSkin/plain", ComposeFramed)->Arg(200);
    benchmark::RegisterBenchmark("ComposeFramedSkin/wide", ComposeFramed)->Arg(400);
    benchmark::RegisterBenchmark("ComposeIconSkin", ComposeIcon);
    benchmark::RegisterBenchmark("TintBitmap/241x166", Tint);

    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nMitchell resize, our time over the peer's (below 1 means we are faster):\n");
    for (const ResizeCase& c : kCases) {
        const double ours = reporter.Time(std::string("Resample/ours/") + c.label);
        for (const char* peer : {"imagemagick", "libvips"}) {
            const double theirs = reporter.Time(std::string("Resample/") + peer + "/" + c.label);
            if (ours > 0.0 && theirs > 0.0) std::printf("  %-20s %-12s %.3f\n", c.label, peer, ours / theirs);
        }
    }
    benchmark::Shutdown();
    vips_shutdown();
    return 0;
}
