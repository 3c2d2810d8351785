// A sticker's pictures at a scaled resolution: alpha and colour resampled together, a colour key turned into
// transparency, and scaled backgrounds kept per look and resolution.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/background_cache.h"
#include "graphics/compositor.h"
#include "graphics/scaled_picture.h"
#include "tests/noisy_picture.h"

namespace velpiners::graphics {
namespace {

bool SameBytes(const Picture& a, const Picture& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitsPerPixel() != b.BitsPerPixel()) return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), static_cast<std::size_t>(a.RowBytes())) != 0) return false;
    return true;
}

void Set(Picture& picture, int x, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
    std::uint8_t* p = picture.Pixel(x, 0);
    p[0] = b;
    p[1] = g;
    p[2] = r;
    p[3] = a;
}

TEST(ScaleWithAlpha, TheColourOfATransparentPixelDoesNotBleedIntoTheEdge) {
    // Opaque red beside a transparent pixel that holds green, doubled with the Hermite filter (2|t|^3 - 3t^2
    // + 1), corners on corners: the middle pixels lie a third from a source pixel, weights 20/27 and 7/27, so
    // alpha 188.9 and 66.1 and, unpremultiplied, pure red again.
    Picture source(2, 1, 32);
    Set(source, 0, 0, 0, 255, 255);
    Set(source, 1, 0, 255, 0, 0);
    const Picture scaled = ScaleWithAlpha(source, 4, 1, /*premultiplied=*/false);
    ASSERT_EQ(scaled.Width(), 4);
    const std::uint8_t expected1[4] = {0, 0, 255, 189};
    const std::uint8_t expected2[4] = {0, 0, 255, 66};
    EXPECT_EQ(std::memcmp(scaled.Pixel(1, 0), expected1, 4), 0);
    EXPECT_EQ(std::memcmp(scaled.Pixel(2, 0), expected2, 4), 0);

    // Premultiplied, the colour is weighed like the alpha: 200 * 20/27 = 148.1 and 200 * 7/27 = 51.9.
    Set(source, 0, 0, 0, 200, 200);
    Set(source, 1, 0, 0, 0, 0);
    const Picture premultiplied = ScaleWithAlpha(source, 4, 1, /*premultiplied=*/true);
    const std::uint8_t expectedP1[4] = {0, 0, 148, 148};
    const std::uint8_t expectedP2[4] = {0, 0, 52, 52};
    EXPECT_EQ(std::memcmp(premultiplied.Pixel(1, 0), expectedP1, 4), 0);
    EXPECT_EQ(std::memcmp(premultiplied.Pixel(2, 0), expectedP2, 4), 0);

    // The same size is a copy; nothing to scale, or to nothing, is an empty picture.
    EXPECT_TRUE(SameBytes(ScaleWithAlpha(source, 2, 1, true), source));
    EXPECT_TRUE(ScaleWithAlpha(Picture(0, 0, 32), 4, 4, true).Empty());
    EXPECT_TRUE(ScaleWithAlpha(source, 0, 4, true).Empty());
    EXPECT_TRUE(ScaleWithAlpha(Picture(2, 2, 24), 4, 4, true).Empty());
}

TEST(KeyedToAlpha, TheKeyColourBecomesTransparentAndEveryOtherOpaque) {
    Picture keyed(3, 1, 24);
    const std::uint8_t pixels[9] = {0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30, 0xFE, 0x00, 0xFF};
    std::memcpy(keyed.Row(0), pixels, sizeof pixels);
    const Picture alpha = KeyedToAlpha(keyed, MakeColor(0xFF, 0x00, 0xFF));
    ASSERT_EQ(alpha.BitsPerPixel(), 32);
    const std::uint8_t expected[12] = {0, 0, 0, 0, 0x10, 0x20, 0x30, 255, 0xFE, 0x00, 0xFF, 255};
    EXPECT_EQ(std::memcmp(alpha.Row(0), expected, sizeof expected), 0);
}

TEST(BackgroundCache, AScaledResolutionGetsThe96DpiPictureResampledAndKeepsItApart) {
    const Picture skin = test::NoisyPicture(239, 141, 24, 1);
    const Picture mask = test::NoisyPicture(239, 141, 24, 2);
    const Rect content{3, 7, 100, 50};
    const Rect noIcon{0, 0, 0, 0};
    BackgroundCache cache;
    // Scaled pictures are kept on their own: the 96-dpi one is not among them.
    EXPECT_EQ(cache.Get(0, skin, mask, content, true, noIcon, 144)->Width(), 359);
    EXPECT_EQ(cache.Size(), 1u);
    const auto base = cache.Get(0, skin, mask, content, true, noIcon);
    // 239 x 66 (the content's 50 rows and 16) at 1.5 and 2 times, halves rounded up.
    for (const auto& [dpi, width, height] : {std::tuple{144, 359, 99}, std::tuple{192, 478, 132}}) {
        SCOPED_TRACE(dpi);
        const auto scaled = cache.Get(0, skin, mask, content, true, noIcon, dpi);
        EXPECT_EQ(scaled->Width(), width);
        EXPECT_EQ(scaled->Height(), height);
        EXPECT_TRUE(SameBytes(*scaled, ScaleWithAlpha(*base, width, height, true)));
        EXPECT_EQ(cache.Get(0, skin, mask, content, true, noIcon, dpi), scaled);
        EXPECT_TRUE(SameBytes(*MakeBackground(0, skin, mask, content, true, noIcon, dpi), *scaled));
    }
    EXPECT_EQ(cache.Get(0, skin, mask, content, true, noIcon), base);
    EXPECT_EQ(cache.Size(), 3u);
    // A resolution no window reports is taken as 96.
    EXPECT_EQ(cache.Get(0, skin, mask, content, true, noIcon, 5000), base);
}

}  // namespace
}  // namespace velpiners::graphics
