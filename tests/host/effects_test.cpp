// Effect helpers and colour arithmetic: the figures worked out by hand, clipping at the target's edges,
// and the alpha and tint formulas against a direct per-pixel evaluation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "graphics/color.h"
#include "graphics/effects.h"

namespace velpiners::graphics {
namespace {

void SetPixel(Picture& p, int x, int y, int b, int g, int r, int a = -1) {
    std::uint8_t* px = p.Pixel(x, y);
    px[0] = static_cast<std::uint8_t>(b);
    px[1] = static_cast<std::uint8_t>(g);
    px[2] = static_cast<std::uint8_t>(r);
    if (a >= 0) px[3] = static_cast<std::uint8_t>(a);
}

void Fill(Picture& p, int b, int g, int r, int a = -1) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) SetPixel(p, x, y, b, g, r, a);
}

std::vector<int> Bytes(const Picture& p, int x, int y) {
    return std::vector<int>(p.Pixel(x, y), p.Pixel(x, y) + p.BytesPerPixel());
}

TEST(ColorHelpers, LightenDarkenSubtractFigures) {
    EXPECT_EQ(LightenColor(0x000000, 15, nullptr), MakeColor(38, 38, 38));  // 15 * 255 / 100 = 38
    EXPECT_EQ(LightenColor(MakeColor(100, 200, 255), 30, nullptr), MakeColor(146, 216, 255));
    EXPECT_EQ(DarkenColor(0xFFFFFF, 50, nullptr), MakeColor(205, 205, 205));
    // 128 - 128 / 255 * 50 = 102.9...; 3 - 3 / 255 * 255 comes out a hair above or below 0: never negative.
    EXPECT_EQ(DarkenColor(MakeColor(128, 3, 0), 50, nullptr), MakeColor(102, 2, 0));
    EXPECT_EQ(DarkenColor(MakeColor(200, 3, 17), 255, nullptr), MakeColor(0, 0, 0));
    EXPECT_EQ(SubtractColor(MakeColor(10, 20, 200), 15, nullptr), MakeColor(0, 5, 185));
    EXPECT_EQ(LightenColor(MakeColor(250, 0, 0), 200, nullptr), MakeColor(255, 255, 255));
}

TEST(ColorHelpers, DarkenIsDoublePrecisionTruncated) {
    for (int c = 0; c < 256; c += 5)
        for (int d = 0; d < 256; d += 7) {
            const double expected = std::trunc(c - c / 255.0 * d);
            EXPECT_EQ(RedOf(DarkenColor(MakeColor(c, 0, 0), d, nullptr)), expected < 0 ? 0 : static_cast<int>(expected))
                << c << " " << d;
        }
}

Color FakeSystemColor(int index) { return index == 15 ? MakeColor(212, 208, 200) : 0xFF00FFu; }

TEST(ColorHelpers, SystemColoursAreLookedUpFirst) {
    const Color buttonFace = 0xFF00000Fu;
    EXPECT_EQ(ColorToRgb(buttonFace, FakeSystemColor), MakeColor(212, 208, 200));
    EXPECT_EQ(SubtractColor(buttonFace, 60, FakeSystemColor), MakeColor(152, 148, 140));
    EXPECT_EQ(LightenColor(buttonFace, 60, FakeSystemColor), MakeColor(237, 236, 233));
    EXPECT_EQ(ColorToRgb(0x00123456u, FakeSystemColor), 0x00123456u);
}

TEST(PlaceBitmap, PadsAndCopiesAllFourBytes) {
    Picture source(2, 2, 32);
    SetPixel(source, 1, 1, 1, 2, 3, 4);
    Picture target(9, 9, 32);
    Fill(target, 9, 9, 9, 9);
    PlaceBitmap(source, target, 3, 1);
    ASSERT_EQ(target.Width(), 5);
    ASSERT_EQ(target.Height(), 3);
    EXPECT_EQ(Bytes(target, 4, 2), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(target, 2, 2), (std::vector<int>{0, 0, 0, 0}));
}

TEST(PadBitmap, ZeroLeavesThePictureAndRowsGoOnTop) {
    Picture picture(3, 2, 32);
    Fill(picture, 10, 20, 30, 40);
    const Picture before = picture;
    PadBitmap(picture, 0, 0);
    ASSERT_EQ(picture.Width(), 3);
    ASSERT_EQ(picture.Height(), 2);
    EXPECT_EQ(std::memcmp(picture.Row(1), before.Row(1), 12), 0);

    PadBitmap(picture, 0, 5);
    ASSERT_EQ(picture.Height(), 7);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(Bytes(picture, 2, y), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(picture, 2, 5), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(Bytes(picture, 0, 6), (std::vector<int>{10, 20, 30, 40}));
}

TEST(CopyRgbTo32, KeepsTheTargetAlpha) {
    Picture source(2, 1, 24);
    SetPixel(source, 1, 0, 7, 8, 9);
    Picture target(3, 2, 32);
    Fill(target, 1, 1, 1, 66);
    CopyRgbTo32(source, target);
    EXPECT_EQ(Bytes(target, 1, 0), (std::vector<int>{7, 8, 9, 66}));
    EXPECT_EQ(Bytes(target, 2, 0), (std::vector<int>{1, 1, 1, 66}));
}

TEST(MergeSkinMask, MeanOfTheMaskIsAlphaWithoutPremultiplying) {
    Picture skin(2, 1, 24);
    Picture mask(2, 1, 24);
    SetPixel(skin, 0, 0, 100, 150, 200);
    SetPixel(mask, 0, 0, 10, 20, 32);  // 62 / 3 = 20
    SetPixel(skin, 1, 0, 1, 2, 3);
    SetPixel(mask, 1, 0, 255, 255, 255);
    Picture target;
    MergeSkinMask(skin, mask, target);
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{100, 150, 200, 20}));
    EXPECT_EQ(Bytes(target, 1, 0), (std::vector<int>{1, 2, 3, 255}));
}

TEST(ClearBitmap, EveryByteZero) {
    Picture picture(3, 3, 32);
    Fill(picture, 1, 2, 3, 4);
    ClearBitmap(picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(Bytes(picture, x, y), (std::vector<int>{0, 0, 0, 0}));
}

TEST(PremultiplyAlpha, ScalesTheColoursByAlphaTruncating) {
    Picture picture(3, 1, 32);
    SetPixel(picture, 0, 0, 200, 100, 255, 128);  // 200 * 128 / 255 = 100.4, 100 * 128 / 255 = 50.2
    SetPixel(picture, 1, 0, 9, 8, 7, 0);
    SetPixel(picture, 2, 0, 9, 8, 7, 255);
    PremultiplyAlpha(picture);
    EXPECT_EQ(Bytes(picture, 0, 0), (std::vector<int>{100, 50, 128, 128}));
    EXPECT_EQ(Bytes(picture, 1, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(picture, 2, 0), (std::vector<int>{9, 8, 7, 255}));
}

TEST(DrawKeyed, SkipsTheKeyAndClipsAtTheLeftEdge) {
    Picture source(3, 1, 24);
    SetPixel(source, 0, 0, 1, 1, 1);
    SetPixel(source, 1, 0, 255, 0, 255);  // magenta: B = 255, G = 0, R = 255
    SetPixel(source, 2, 0, 5, 6, 7);
    Picture target(4, 1, 32);
    Fill(target, 50, 50, 50, 9);
    DrawKeyed(source, target, -1, 0, 0xFF00FF);
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{50, 50, 50, 9}));  // the key pixel lands here
    EXPECT_EQ(Bytes(target, 1, 0), (std::vector<int>{5, 6, 7, 255}));
    EXPECT_EQ(Bytes(target, 2, 0), (std::vector<int>{50, 50, 50, 9}));

    DrawKeyed(source, target, 4, 0, 0xFF00FF);  // wholly outside
    DrawKeyed(source, target, -3, 0, 0xFF00FF);
    EXPECT_EQ(Bytes(target, 3, 0), (std::vector<int>{50, 50, 50, 9}));
}

TEST(DrawSkinMasked, KeepsTheLargerAlpha) {
    Picture skin(2, 1, 24);
    Picture mask(2, 1, 24);
    SetPixel(skin, 0, 0, 1, 2, 3);
    SetPixel(skin, 1, 0, 4, 5, 6);
    SetPixel(mask, 0, 0, 30, 30, 30);
    SetPixel(mask, 1, 0, 200, 200, 201);
    Picture target(3, 1, 32);
    Fill(target, 9, 9, 9, 100);
    DrawSkinMasked(skin, mask, target);
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{1, 2, 3, 100}));
    EXPECT_EQ(Bytes(target, 1, 0), (std::vector<int>{4, 5, 6, 200}));
    EXPECT_EQ(Bytes(target, 2, 0), (std::vector<int>{9, 9, 9, 100}));
}

TEST(DrawAlphaOver32, AlphaRules) {
    Picture icon(1, 1, 32);
    Picture target(1, 1, 32);
    // Source alpha 4 or less never changes the target's alpha.
    SetPixel(icon, 0, 0, 255, 255, 255, 4);
    SetPixel(target, 0, 0, 0, 0, 0, 0);
    DrawAlphaOver32(icon, target, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0)[3], 0);
    EXPECT_EQ(target.Pixel(0, 0)[0], 4);
    // Opaque source: colour copied, alpha raised to 251 but never lowered.
    SetPixel(icon, 0, 0, 10, 20, 30, 255);
    SetPixel(target, 0, 0, 200, 200, 200, 100);
    DrawAlphaOver32(icon, target, 0, 0);
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{10, 20, 30, 251}));
    target.Pixel(0, 0)[3] = 253;
    DrawAlphaOver32(icon, target, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0)[3], 253);
    // A 24-bit picture is not drawn and raises nothing.
    DrawAlphaOver32(Picture(1, 1, 24), target, 0, 0);
    EXPECT_EQ(Bytes(target, 0, 0), (std::vector<int>{10, 20, 30, 253}));
}

TEST(DrawAlphaOver, BlendIsTruncatedDoubleInterpolation) {
    Picture icon(16, 16, 32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) SetPixel(icon, x, y, x * 17, y * 16, 255 - x * 3, x * 16 + y);
    Picture target32(18, 18, 32);
    Picture target24(18, 18, 24);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            SetPixel(target32, x, y, 255 - y * 11, x * 13, 77, 60);
            SetPixel(target24, x, y, 255 - y * 11, x * 13, 77);
        }
    const Picture before = target24;
    DrawAlphaOver32(icon, target32, 1, 2);
    DrawAlphaOver24(icon, target24, 1, 2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t* s = icon.Pixel(x, y);
            const std::uint8_t* t = before.Pixel(x + 1, y + 2);
            const double f = s[3] / 255.0;
            for (int c = 0; c < 3; ++c) {
                const int expected = static_cast<int>(std::trunc((s[c] - t[c]) * f + t[c]));
                ASSERT_EQ(target24.Pixel(x + 1, y + 2)[c], expected) << x << "," << y << " channel " << c;
                ASSERT_EQ(target32.Pixel(x + 1, y + 2)[c], expected) << x << "," << y << " channel " << c;
            }
            ASSERT_EQ(target32.Pixel(x + 1, y + 2)[3], std::max(60, s[3] - 4));
        }
    EXPECT_EQ(Bytes(target24, 0, 0), Bytes(before, 0, 0));
}

TEST(TintBitmap, WhiteDoublesBlackBlackensMidGreyTakesTheColour) {
    Picture picture(3, 1, 32);
    SetPixel(picture, 0, 0, 10, 100, 200, 77);
    SetPixel(picture, 1, 0, 128, 128, 128, 5);
    SetPixel(picture, 2, 0, 0, 255, 1, 0);
    Picture white = picture;
    TintBitmap(white, 0xFFFFFF);
    EXPECT_EQ(Bytes(white, 0, 0), (std::vector<int>{20, 200, 255, 77}));
    EXPECT_EQ(Bytes(white, 1, 0), (std::vector<int>{255, 255, 255, 5}));
    Picture black = picture;
    TintBitmap(black, 0x000000);
    EXPECT_EQ(Bytes(black, 0, 0), (std::vector<int>{0, 0, 0, 77}));
    Picture tinted = picture;
    TintBitmap(tinted, MakeColor(200, 90, 30));  // R 200, G 90, B 30
    // 2 * 128 * c / 255: B 30.1, G 90.3, R 200.7.
    EXPECT_EQ(Bytes(tinted, 1, 0), (std::vector<int>{30, 90, 200, 5}));
    // 2 * 10 * 30 / 255 = 2.35, 2 * 100 * 90 / 255 = 70.6, 2 * 200 * 200 / 255 = 313 -> 255.
    EXPECT_EQ(Bytes(tinted, 0, 0), (std::vector<int>{2, 70, 255, 77}));
    // Exact integers stay exact: 2 * 255 * 30 / 255 = 60.
    EXPECT_EQ(Bytes(tinted, 2, 0), (std::vector<int>{0, 180, 1, 0}));
}

TEST(InkBounds, WhiteAndInkedPictures) {
    Picture white(5, 4, 24);
    Fill(white, 255, 255, 255);
    EXPECT_EQ(InkBounds(white), (Rect{0, 4, 0, 3}));
    SetPixel(white, 3, 1, 255, 254, 255);
    SetPixel(white, 1, 2, 0, 0, 0);
    EXPECT_EQ(InkBounds(white), (Rect{0, 1, 3, 2}));
    SetPixel(white, 4, 3, 255, 255, 250);
    EXPECT_EQ(InkBounds(white), (Rect{0, 1, 4, 3}));
}

TEST(InkBounds, InkInARowsLastBytesAndBeforeLaterInk) {
    // 7 pixels are 21 bytes a row: two whole 8-byte words and 5 bytes after them.
    Picture white(7, 3, 24);
    Fill(white, 255, 255, 255);
    SetPixel(white, 6, 0, 254, 255, 255);  // byte 18 of row 0
    SetPixel(white, 0, 2, 0, 0, 0);
    SetPixel(white, 2, 2, 0, 0, 0);
    EXPECT_EQ(InkBounds(white), (Rect{0, 0, 6, 2}));
    // White colours with any alpha are no ink.
    Picture clear(3, 2, 32);
    Fill(clear, 255, 255, 255, 0);
    EXPECT_EQ(InkBounds(clear), (Rect{0, 2, 0, 1}));
    SetPixel(clear, 1, 1, 255, 255, 0, 0);
    EXPECT_EQ(InkBounds(clear), (Rect{0, 1, 1, 1}));
}

TEST(Effects, WrongDepthsAreRefused) {
    Picture p24(2, 2, 24);
    Picture p32(2, 2, 32);
    EXPECT_THROW(PlaceBitmap(p24, p32, 0, 0), GraphicsError);
    EXPECT_THROW(DrawKeyed(p24, p24, 0, 0, 0), GraphicsError);
    EXPECT_THROW(DrawAlphaOver24(p24, p24, 0, 0), GraphicsError);
    EXPECT_THROW(MergeSkinMask(p24, Picture(1, 2, 24), p32), GraphicsError);
}

}  // namespace
}  // namespace velpiners::graphics
