// Resampling: hand-computed figures for the edge cases, and byte-for-byte agreement with the plain
// reference resampler over every filter and the awkward sizes (1 pixel, 2 pixels, strong reduction).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "graphics/resample.h"
#include "tests/host/reference_resample.h"

namespace velpiners::graphics {
namespace {

using test::ReferenceResample;
using test::RgbImage;

Picture ToPicture(const RgbImage& image, int bits = 24) {
    Picture picture(image.width, image.height, bits);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) picture.Pixel(x, y)[c] = image.At(x, y, c);
    return picture;
}

RgbImage ToImage(const Picture& picture) {
    RgbImage image(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            for (int c = 0; c < 3; ++c) image.At(x, y, c) = picture.Pixel(x, y)[c];
    return image;
}

RgbImage Noise(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    RgbImage image(w, h);
    for (auto& b : image.bytes) b = static_cast<std::uint8_t>(random() & 0xFF);
    return image;
}

// One grey row: every channel of pixel x is values[x].
Picture GreyRow(const std::vector<int>& values) {
    Picture picture(static_cast<int>(values.size()), 1, 24);
    for (std::size_t x = 0; x < values.size(); ++x)
        for (int c = 0; c < 3; ++c) picture.Pixel(static_cast<int>(x), 0)[c] = static_cast<std::uint8_t>(values[x]);
    return picture;
}

std::vector<int> RedRow(const Picture& picture) {
    std::vector<int> row;
    for (int x = 0; x < picture.Width(); ++x) row.push_back(picture.Pixel(x, 0)[2]);
    return row;
}

TEST(ResampleFilters, ValuesAtTheKnots) {
    EXPECT_EQ(MitchellFilter(0.0f), static_cast<float>(8.0 / 9.0));
    EXPECT_EQ(MitchellFilter(1.0f), static_cast<float>(1.0 / 18.0));
    EXPECT_EQ(MitchellFilter(-1.0f), static_cast<float>(1.0 / 18.0));
    EXPECT_EQ(MitchellFilter(0.5f), static_cast<float>(77.0 / 144.0));
    EXPECT_EQ(MitchellFilter(1.5f), static_cast<float>(-5.0 / 144.0));
    EXPECT_EQ(MitchellFilter(2.0f), 0.0f);
    EXPECT_EQ(SplineFilter(0.0f), static_cast<float>(2.0 / 3.0));
    EXPECT_EQ(SplineFilter(1.0f), static_cast<float>(1.0 / 6.0));
    EXPECT_EQ(BoxFilter(-0.5f), 0.0f);
    EXPECT_EQ(BoxFilter(0.5f), 1.0f);
    EXPECT_EQ(TriangleFilter(-0.25f), 0.75f);
    EXPECT_EQ(HermiteFilter(0.5f), 0.5f);
    EXPECT_EQ(BellFilter(0.0f), 0.75f);
    EXPECT_EQ(BellFilter(1.0f), 0.125f);
    EXPECT_EQ(BellFilter(1.5f), 0.0f);
    EXPECT_EQ(Lanczos3Filter(0.0f), 1.0f);
    EXPECT_EQ(Lanczos3Filter(3.0f), 0.0f);
    EXPECT_NEAR(Lanczos3Filter(1.5f), -0.1350949, 1e-6);
}

TEST(ResampleFilters, TableOrderSupportsAndLookup) {
    const char* names[] = {"Box", "Triangle", "Hermite", "Bell", "B-Spline", "Lanczos3", "Mitchell"};
    const float supports[] = {0.5f, 1.0f, 1.0f, 1.5f, 2.0f, 3.0f, 2.0f};
    for (int i = 0; i < kFilterCount; ++i) {
        EXPECT_STREQ(FilterTable[static_cast<std::size_t>(i)].name, names[i]);
        EXPECT_EQ(FilterTable[static_cast<std::size_t>(i)].support, supports[i]);
    }
    EXPECT_EQ(FindFilter("b-spline"), &FilterTable[4]);
    EXPECT_EQ(FindFilter("MITCHELL"), &FilterTable[6]);
    EXPECT_EQ(FindFilter("Mitchel"), nullptr);
}

TEST(Resample, SameSizeMitchellBlursWithMirroredNeighbours) {
    // Each output is 1/18 left + 8/9 own + 1/18 right; index -1 reads column 1, index 4 reads column 3.
    const Picture source = GreyRow({0, 180, 0, 90});
    Picture target(4, 1, 24);
    Resample(source, target, MitchellFilter, 2.0f);
    EXPECT_EQ(RedRow(target), (std::vector<int>{20, 160, 15, 85}));
}

TEST(Resample, EnlargingClampsOvershootAndNegativeSums) {
    // 4 -> 7 columns: scale 2, centres 0, 0.5, 1, ..., 3; the negative lobe at 1.5 makes column 1 negative
    // (-5/144 * 255) and column 5 above 255 (149/144 * 255).
    const Picture source = GreyRow({0, 0, 255, 255});
    Picture target(7, 1, 24);
    Resample(source, target, MitchellFilter, 2.0f);
    const std::vector<int> row = RedRow(target);
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 0);
    EXPECT_EQ(row[2], 14);   // 255 / 18
    EXPECT_EQ(row[4], 241);  // 255 * 17 / 18
    EXPECT_EQ(row[5], 255);
    EXPECT_EQ(row[6], 255);
}

TEST(Resample, OnePixelWideSourceUsesTheTargetWidthAsScale) {
    Picture source(1, 3, 24);
    for (int y = 0; y < 3; ++y) source.Pixel(0, y)[0] = source.Pixel(0, y)[1] = source.Pixel(0, y)[2] = 77;
    Picture target(5, 3, 24);
    Resample(source, target, MitchellFilter, 2.0f);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(target.Pixel(x, y)[1], 77) << x << "," << y;
}

TEST(Resample, EmptySourceLeavesTheTargetUntouched) {
    Picture target(3, 2, 32);
    target.Pixel(1, 1)[3] = 9;
    Resample(Picture(0, 5, 24), target, MitchellFilter, 2.0f);
    Resample(Picture(5, 0, 24), target, MitchellFilter, 2.0f);
    EXPECT_EQ(target.BitsPerPixel(), 32);
    EXPECT_EQ(target.Pixel(1, 1)[3], 9);
}

TEST(Resample, TargetBecomes24BitAndSourceAlphaIsIgnored) {
    const RgbImage image = Noise(5, 4, 1);
    Picture source = ToPicture(image, 32);
    source.Pixel(2, 2)[3] = 200;
    Picture target(7, 6, 32);
    Resample(source, target, MitchellFilter, 2.0f);
    EXPECT_EQ(target.BitsPerPixel(), 24);
    EXPECT_EQ(ToImage(target).bytes, ReferenceResample(image, 7, 6, "Mitchell").bytes);
}

TEST(Resample, SourceAndTargetMayBeOnePicture) {
    const RgbImage image = Noise(6, 6, 2);
    Picture picture = ToPicture(image);
    Resample(picture, picture, MitchellFilter, 2.0f);
    EXPECT_EQ(ToImage(picture).bytes, ReferenceResample(image, 6, 6, "Mitchell").bytes);
}

TEST(Resample, SupportOutOfRangeIsRefused) {
    Picture target(2, 2, 24);
    EXPECT_THROW(Resample(Picture(2, 2, 24), target, MitchellFilter, -1.0f), GraphicsError);
    EXPECT_THROW(Resample(Picture(2, 2, 24), target, MitchellFilter, 1e9f), GraphicsError);
}

struct SizeCase {
    int sw, sh, tw, th;
};

// Enlarging, reducing, same size, 1- and 2-pixel sources and targets, and reductions strong enough that
// a mirrored index lands outside the picture again (it must be clamped, not read out of bounds).
const SizeCase kSizes[] = {
    {239, 101, 241, 140}, {48, 48, 90, 90}, {17, 9, 17, 9}, {1, 1, 4, 3},   {1, 6, 5, 6},    {6, 1, 1, 1},
    {2, 2, 7, 5},         {3, 2, 1, 9},     {40, 30, 3, 2}, {100, 7, 1, 1}, {25, 25, 2, 40}, {9, 13, 31, 4},
};

class ResampleAgreesWithReference : public ::testing::TestWithParam<int> {};

TEST_P(ResampleAgreesWithReference, ForEverySizeCase) {
    const ResampleFilter& filter = FilterTable[static_cast<std::size_t>(GetParam())];
    unsigned seed = 10;
    for (const SizeCase& size : kSizes) {
        const RgbImage image = Noise(size.sw, size.sh, ++seed);
        Picture target(size.tw, size.th, 24);
        Resample(ToPicture(image), target, filter.function, filter.support);
        EXPECT_EQ(ToImage(target).bytes, ReferenceResample(image, size.tw, size.th, filter.name).bytes)
            << filter.name << " " << size.sw << "x" << size.sh << " -> " << size.tw << "x" << size.th;
    }
}

TEST_P(ResampleAgreesWithReference, ForRandomSizes) {
    const ResampleFilter& filter = FilterTable[static_cast<std::size_t>(GetParam())];
    std::mt19937 random(500 + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int> extent(1, 40);
    for (int n = 0; n < 80; ++n) {
        const SizeCase size{extent(random), extent(random), extent(random), extent(random)};
        const RgbImage image = Noise(size.sw, size.sh, static_cast<unsigned>(n));
        Picture target(size.tw, size.th, 24);
        Resample(ToPicture(image), target, filter.function, filter.support);
        ASSERT_EQ(ToImage(target).bytes, ReferenceResample(image, size.tw, size.th, filter.name).bytes)
            << filter.name << " " << size.sw << "x" << size.sh << " -> " << size.tw << "x" << size.th;
    }
}

INSTANTIATE_TEST_SUITE_P(AllFilters, ResampleAgreesWithReference, ::testing::Range(0, kFilterCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = FilterTable[static_cast<std::size_t>(info.param)].name;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

}  // namespace
}  // namespace velpiners::graphics
