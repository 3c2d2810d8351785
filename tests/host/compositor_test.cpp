// Skin compositor: output sizes for every case, where each piece of the skin lands, the resampled bands
// against the plain reference resampler, the title separator lines and the premultiplied merge.
//
// The skins are noise with columns 119 and 120 made equal, so that a stretched centre is the same
// whichever of the two columns a nearest-neighbour mapping picks.
#include <gtest/gtest.h>

#include <random>

#include "graphics/color.h"
#include "graphics/compositor.h"
#include "tests/host/reference_resample.h"

namespace velpiners::graphics {
namespace {

using test::ReferenceResample;
using test::RgbImage;

RgbImage NoiseImage(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    RgbImage image(w, h);
    for (auto& b : image.bytes) b = static_cast<std::uint8_t>(random() & 0xFF);
    if (w > 120)
        for (int y = 0; y < h; ++y)
            for (int c = 0; c < 3; ++c) image.At(120, y, c) = image.At(119, y, c);
    return image;
}

Picture ToPicture(const RgbImage& image) {
    Picture picture(image.width, image.height, 24);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) picture.Pixel(x, y)[c] = image.At(x, y, c);
    return picture;
}

Picture Grey(int w, int h, int level) {
    Picture picture(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < picture.RowBytes(); ++i) picture.Row(y)[i] = static_cast<std::uint8_t>(level);
    return picture;
}

// Rows [y0, y1) of the image (all columns).
RgbImage Rows(const RgbImage& image, int y0, int y1) {
    RgbImage part(image.width, y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) part.At(x, y - y0, c) = image.At(x, y, c);
    return part;
}

// Source column of each column of a wide target w columns wide: the sides unscaled, the centre from
// column 119 (= 120).
int WideSourceColumn(int x, int w) { return x < 119 ? x : x >= w - 119 ? x - (w - 239) : 119; }

// The intermediate band of the wide cases: source rows [y0, y0 + rows) widened to w columns.
RgbImage Widened(const RgbImage& image, int w, int y0, int rows) {
    RgbImage band(w, rows);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) band.At(x, y, c) = image.At(WideSourceColumn(x, w), y + y0, c);
    return band;
}

// With a white mask the output's colour is the colour composite itself.
void ExpectPixel(const Picture& out, int x, int y, const RgbImage& image, int sx, int sy) {
    for (int c = 0; c < 3; ++c)
        ASSERT_EQ(out.Pixel(x, y)[c], image.At(sx, sy, c)) << "output " << x << "," << y << " from " << sx << "," << sy;
    ASSERT_EQ(out.Pixel(x, y)[3], 255);
}

class FramedSkin : public ::testing::Test {
protected:
    const RgbImage image = NoiseImage(239, 141, 7);
    const Picture skin = ToPicture(image);
    const Picture white = Grey(239, 141, 255);

    Picture Compose(int cw, int ch, int styleIndex, int kind, bool unrolled, const Picture* mask = nullptr) {
        Picture out;
        ComposeFramedSkin(skin, mask ? *mask : white, Rect{0, 0, cw, ch}, styleIndex, kind, unrolled, out);
        EXPECT_EQ(out.BitsPerPixel(), 32);
        return out;
    }
};

TEST_F(FramedSkin, WidthsAndHeights) {
    EXPECT_EQ(Compose(224, 100, 0, kSkinPlain, true).Width(), 239);
    EXPECT_EQ(Compose(225, 100, 0, kSkinPlain, true).Width(), 241);
    EXPECT_EQ(Compose(100, 10, 0, kSkinPlain, true).Height(), 55);
    EXPECT_EQ(Compose(100, 100, 0, kSkinPlain, true).Height(), 116);
    const Picture frameNarrow = Compose(76, 50, kFrameStyleIndex, kSkinFrame, true);
    EXPECT_EQ(frameNarrow.Width(), 95);
    EXPECT_EQ(Compose(76, 50, kFrameStyleIndex, kSkinFrame, false).Width(), 115);
    EXPECT_EQ(Compose(77, 50, kFrameStyleIndex, kSkinFrame, true).Width(), 95);
    EXPECT_EQ(Compose(77, 50, kFrameStyleIndex, kSkinFrame, false).Width(), 95);
    EXPECT_EQ(Compose(150, 50, kFrameStyleIndex, kSkinFrame, true).Width(), 168);
    EXPECT_EQ(Compose(100, 90, 0, kSkinTitled, false).Height(), 32);
    EXPECT_EQ(Compose(100, 90, 0, kSkinPlain, false).Height(), 32);
    EXPECT_EQ(Compose(100, 90, 7, kSkinStrip, false).Height(), 38);
    EXPECT_EQ(Compose(300, 90, 7, kSkinStrip, false).Height(), 38);
    EXPECT_EQ(Compose(100, 90, kFrameStyleIndex, kSkinFrame, false).Height(), 36);
    EXPECT_EQ(Compose(300, 90, kFrameStyleIndex, kSkinFrame, false).Height(), 32);
}

TEST_F(FramedSkin, PlainUnrolledCopiesBandsAndResamplesTheMiddle) {
    const Picture out = Compose(200, 100, 0, kSkinPlain, true);  // 239 x 116
    for (int x = 0; x < 239; x += 17) {
        ExpectPixel(out, x, 0, image, x, 0);
        ExpectPixel(out, x, 23, image, x, 23);
        ExpectPixel(out, x, 100, image, x, 125);
        ExpectPixel(out, x, 115, image, x, 140);
    }
    const RgbImage middle = ReferenceResample(Rows(image, 24, 125), 239, 76, "Mitchell");
    for (int y = 24; y < 100; ++y)
        for (int x = 0; x < 239; ++x) ExpectPixel(out, x, y, middle, x, y - 24);
}

TEST_F(FramedSkin, WideUnrolledKeepsTheSidesAndWidensTheCentre) {
    const int w = 300 + 16;
    const Picture out = Compose(300, 60, 1, kSkinPlain, true);  // 316 x 76
    const RgbImage middle = ReferenceResample(Widened(image, w, 24, 101), w, 36, "Mitchell");
    for (int y = 24; y < 60; ++y)
        for (int x = 0; x < w; ++x) ExpectPixel(out, x, y, middle, x, y - 24);
    for (int x = 0; x < w; ++x) {
        ExpectPixel(out, x, 5, image, WideSourceColumn(x, w), 5);
        ExpectPixel(out, x, 75, image, WideSourceColumn(x, w), 140);
    }
}

TEST_F(FramedSkin, FrameStyleUnrolledStretchesEdgesAroundCopiedCorners) {
    const Picture out = Compose(100, 60, kFrameStyleIndex, kSkinFrame, true);  // 118 x 76
    ASSERT_EQ(out.Width(), 118);
    ExpectPixel(out, 0, 0, image, 0, 0);
    ExpectPixel(out, 17, 19, image, 17, 19);
    ExpectPixel(out, 100, 3, image, 221, 3);     // top-right corner
    ExpectPixel(out, 50, 7, image, 119, 7);      // top edge from the centre columns
    ExpectPixel(out, 5, 40, image, 5, 70);       // left edge: the single row 70 stretched
    ExpectPixel(out, 110, 55, image, 231, 70);   // right edge
    ExpectPixel(out, 60, 30, image, 119, 70);    // centre
    ExpectPixel(out, 3, 56, image, 3, 121);      // bottom-left corner
    ExpectPixel(out, 117, 75, image, 238, 140);  // bottom-right corner
    ExpectPixel(out, 40, 70, image, 119, 135);   // bottom edge
}

TEST_F(FramedSkin, RolledUpCases) {
    // Kinds 0 and 1 (32 rows): resampled rows 20 and 21 survive between the top and bottom copies.
    const Picture plain = Compose(100, 90, 0, kSkinPlain, false);
    const RgbImage band = ReferenceResample(Rows(image, 18, 131), 239, 4, "Mitchell");
    for (int x = 0; x < 239; ++x) {
        ExpectPixel(plain, x, 19, image, x, 19);
        ExpectPixel(plain, x, 20, band, x, 2);
        ExpectPixel(plain, x, 21, band, x, 3);
        ExpectPixel(plain, x, 22, image, x, 131);
        ExpectPixel(plain, x, 31, image, x, 140);
    }
    // Strip kind: the top 38 rows as they are.
    const Picture strip = Compose(100, 90, 7, kSkinStrip, false);
    ExpectPixel(strip, 200, 37, image, 200, 37);
    // Frame kind, not wide: top pieces, then the bottom pieces from row 16 on.
    const Picture frame = Compose(100, 90, kFrameStyleIndex, kSkinFrame, false);  // 115 x 36
    ExpectPixel(frame, 2, 15, image, 2, 15);
    ExpectPixel(frame, 2, 16, image, 2, 121);
    ExpectPixel(frame, 117, 35, image, 238, 140);
    ExpectPixel(frame, 50, 18, image, 119, 123);
    // Wide strip: column 118 spread between the unscaled sides.
    const Picture wideStrip = Compose(300, 90, 7, kSkinStrip, false);
    ExpectPixel(wideStrip, 118, 30, image, 118, 30);
    ExpectPixel(wideStrip, 150, 30, image, 118, 30);
    ExpectPixel(wideStrip, 196, 30, image, 118, 30);
    ExpectPixel(wideStrip, 197, 30, image, 120, 30);
    // Wide, other kinds: the rolled-up band of the widened intermediate.
    const Picture wide = Compose(300, 90, 1, kSkinPlain, false);
    const int w = 316;
    const RgbImage wideBand = ReferenceResample(Widened(image, w, 18, 113), w, 4, "Mitchell");
    for (int x = 0; x < w; ++x) {
        ExpectPixel(wide, x, 0, image, WideSourceColumn(x, w), 0);
        ExpectPixel(wide, x, 21, wideBand, x, 3);
        ExpectPixel(wide, x, 31, image, WideSourceColumn(x, w), 140);
    }
}

TEST_F(FramedSkin, SeparatorLinesOnlyForTheTitledKindUnrolled) {
    const Picture titled = Compose(100, 60, 2, kSkinTitled, true);
    const Color base = MakeColor(image.At(14, 14, 2), image.At(14, 14, 1), image.At(14, 14, 0));
    const Color dark = DarkenColor(base, 50, nullptr);
    const Color light = LightenColor(base, 30, nullptr);
    for (int x = 10; x < 229; ++x) {
        EXPECT_EQ(titled.Pixel(x, 22)[2], RedOf(dark));
        EXPECT_EQ(titled.Pixel(x, 22)[0], BlueOf(dark));
        EXPECT_EQ(titled.Pixel(x, 23)[1], GreenOf(light));
    }
    ExpectPixel(titled, 9, 22, image, 9, 22);
    ExpectPixel(titled, 229, 23, image, 229, 23);
    ExpectPixel(Compose(100, 60, 2, kSkinPlain, true), 50, 22, image, 50, 22);
    ExpectPixel(Compose(100, 60, 2, kSkinTitled, false), 50, 22, image, 50, 22 + 141 - 32);
}

TEST_F(FramedSkin, MergeIsPremultipliedByTheMaskMean) {
    RgbImage maskImage = NoiseImage(239, 141, 99);
    const Picture mask = ToPicture(maskImage);
    const Picture out = Compose(100, 60, 0, kSkinPlain, true, &mask);
    for (int x = 0; x < 239; x += 3) {
        const int a = (maskImage.At(x, 3, 0) + maskImage.At(x, 3, 1) + maskImage.At(x, 3, 2)) / 3;
        ASSERT_EQ(out.Pixel(x, 3)[3], a);
        for (int c = 0; c < 3; ++c) ASSERT_EQ(out.Pixel(x, 3)[c], image.At(x, 3, c) * a / 255);
    }
    const Picture black = Grey(239, 141, 0);
    const Picture clear = Compose(100, 60, 0, kSkinPlain, true, &black);
    for (int y = 0; y < clear.Height(); y += 5)
        for (int x = 0; x < clear.Width(); x += 5)
            for (int c = 0; c < 4; ++c) ASSERT_EQ(clear.Pixel(x, y)[c], 0);
}

class IconSkin : public ::testing::Test {
protected:
    const RgbImage image = NoiseImage(63, 63, 11);
    const Picture skin = ToPicture(image);
    const Picture white = Grey(63, 63, 255);

    Picture Compose(Rect content, bool unrolled, int iw, int ih) {
        Picture out;
        ComposeIconSkin(skin, white, content, unrolled, out, Rect{0, 0, iw, ih});
        return out;
    }
};

TEST_F(IconSkin, SixteenPixelIconRolledUpLeavesTransparentColumns) {
    const Picture out = Compose(Rect{0, 0, 120, 40}, false, 16, 16);
    ASSERT_EQ(out.Width(), 74);
    ASSERT_EQ(out.Height(), 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 48; x < 74; ++x)
            for (int c = 0; c < 4; ++c) ASSERT_EQ(out.Pixel(x, y)[c], 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            ExpectPixel(out, x, y, image, x, y);
            ExpectPixel(out, x + 32, y + 32, image, x + 47, y + 47);
        }
    RgbImage topEdge(31, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 31; ++x)
            for (int c = 0; c < 3; ++c) topEdge.At(x, y, c) = image.At(x + 16, y, c);
    const RgbImage top = ReferenceResample(topEdge, 16, 16, "Mitchell");
    RgbImage centrePart(31, 31);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x)
            for (int c = 0; c < 3; ++c) centrePart.At(x, y, c) = image.At(x + 16, y + 16, c);
    const RgbImage centre = ReferenceResample(centrePart, 16, 16, "Mitchell");
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            ExpectPixel(out, x + 16, y, top, x, y);
            ExpectPixel(out, x + 16, y + 16, centre, x, y);
        }
}

TEST_F(IconSkin, SizesForIconAndContent) {
    const auto size = [](const Picture& p) { return std::make_pair(p.Width(), p.Height()); };
    EXPECT_EQ(size(Compose(Rect{0, 0, 100, 50}, true, 48, 48)), std::make_pair(184, 82));
    EXPECT_EQ(size(Compose(Rect{0, 0, 100, 50}, true, 48, 60)), std::make_pair(184, 92));
    EXPECT_EQ(size(Compose(Rect{0, 0, 0, 0}, true, 48, 60)), std::make_pair(80, 92));
    EXPECT_EQ(size(Compose(Rect{10, 5, 110, 55}, true, 0, 1)), std::make_pair(132, 82));
    EXPECT_EQ(size(Compose(Rect{10, 5, 110, 55}, false, 0, 1)), std::make_pair(132, 82));
    EXPECT_EQ(size(Compose(Rect{0, 0, 100, 50}, false, 20, 30)), std::make_pair(74, 62));
}

TEST_F(IconSkin, TinyTargetsStillGiveTheMinimumOutput) {
    for (const Rect content : {Rect{0, 0, 0, 0}, Rect{0, 0, -50, -80}, Rect{0, 0, 5, 0}}) {
        const Picture out = Compose(content, true, 0, 0);
        ASSERT_EQ(out.Width(), 74);
        ASSERT_EQ(out.Height(), 45);
    }
    const Picture empty = Compose(Rect{0, 0, 0, 0}, true, 0, 0);  // 32 x 32: the corners only
    ExpectPixel(empty, 0, 0, image, 0, 0);
    ExpectPixel(empty, 31, 31, image, 62, 62);
    EXPECT_EQ(empty.Pixel(32, 0)[3], 0);
}

TEST(Compositor, OddSkinsAndBadInputs) {
    Picture out;
    // Skins far smaller than the pieces expect are clipped, never read outside.
    for (int size : {1, 10, 30, 100}) {
        const Picture tiny = Grey(size, size, 200);
        ComposeFramedSkin(tiny, tiny, Rect{0, 0, 300, 60}, 0, kSkinPlain, true, out);
        ComposeFramedSkin(tiny, tiny, Rect{0, 0, 50, 60}, kFrameStyleIndex, kSkinFrame, false, out);
        ComposeFramedSkin(tiny, tiny, Rect{0, 0, 50, 60}, 0, kSkinTitled, true, out);
        ComposeIconSkin(tiny, tiny, Rect{0, 0, 40, 40}, true, out, Rect{0, 0, 20, 20});
    }
    EXPECT_THROW(ComposeFramedSkin(Grey(239, 141, 0), Grey(239, 140, 0), Rect{}, 0, 1, true, out), GraphicsError);
    EXPECT_THROW(ComposeFramedSkin(Grey(239, 141, 0), Grey(239, 141, 0), Rect{0, 0, 2000000000, 10}, 0, 1, true, out),
                 GraphicsError);
    EXPECT_THROW(ComposeIconSkin(Grey(63, 63, 0), Grey(63, 63, 0), Rect{0, 0, 10, 2000000000}, true, out, Rect{}),
                 GraphicsError);
}

TEST(Compositor, StyleTableMatchesTheStyles) {
    EXPECT_STREQ(kStyleSkins[0].skin, "BITMAP_DARKGLASS");
    EXPECT_EQ(kStyleSkins[2].skinKind, kSkinTitled);
    EXPECT_EQ(kStyleSkins[7].skinKind, kSkinStrip);
    EXPECT_EQ(kStyleSkins[10].styleIndex, kFrameStyleIndex);
    EXPECT_STREQ(kStyleSkins[10].mask, "BITMAP_LIST_MASK");
    EXPECT_FALSE(kStyleSkins[11].framed);
    EXPECT_TRUE(kStyleSkins[16].clearedAfter);
    EXPECT_FALSE(kStyleSkins[15].clearedAfter);
}

}  // namespace
}  // namespace velpiners::graphics
