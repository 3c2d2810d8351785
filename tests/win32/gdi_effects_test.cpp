// GDI effects on real device contexts: the gradient's bands (truncation toward zero, one row more than
// the rectangle, the flat rectangle) and the blended and shaded image-list drawing of touched pixels.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/color.h"
#include "graphics/gdi_effects_win.h"
#include "graphics/gdi_surface_win.h"
#include "base/unique_handle_win.h"

namespace velpiners::graphics {
namespace {

std::vector<int> Rgb(GdiSurface& surface, int x, int y) {
    const std::uint8_t* p = surface.Pixels().Pixel(x, y);
    return {p[2], p[1], p[0]};
}

void FillSurface(GdiSurface& surface, Color colour) {
    UniqueBrush brush(::CreateSolidBrush(colour));
    const RECT all{0, 0, surface.Width(), surface.Height()};
    ::FillRect(surface.Dc(), &all, brush.get());
}

TEST(FillGradient, BandsFromTopColourToBottomColourInclusive) {
    GdiSurface surface(32);
    surface.Resize(4, 12);
    FillSurface(surface, MakeColor(1, 2, 3));
    const Color bottom = MakeColor(0, 60, 200);
    const Color top = MakeColor(100, 0, 0);
    FillGradient(surface.Dc(), RECT{0, 2, 3, 8}, bottom, top);  // D = 6
    for (int y = 2; y <= 8; ++y) {
        const int i = 8 - y;
        // 200 + (0 - 200) * i / 6 truncates toward zero: i = 1 gives 167, not 166.
        const std::vector<int> expected{100 * i / 6, 60 - 10 * i, 200 - 200 * i / 6};
        EXPECT_EQ(Rgb(surface, 0, y), expected) << "row " << y;
        EXPECT_EQ(Rgb(surface, 2, y), expected) << "row " << y;
    }
    EXPECT_EQ(Rgb(surface, 0, 7), (std::vector<int>{16, 50, 167}));
    EXPECT_EQ(Rgb(surface, 0, 1), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Rgb(surface, 0, 9), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Rgb(surface, 3, 5), (std::vector<int>{1, 2, 3}));
}

TEST(FillGradient, FlatAndInvertedRectangles) {
    GdiSurface surface(32);
    surface.Resize(3, 6);
    FillSurface(surface, MakeColor(1, 2, 3));
    FillGradient(surface.Dc(), RECT{0, 3, 3, 3}, MakeColor(10, 20, 30), MakeColor(200, 200, 200));
    EXPECT_EQ(Rgb(surface, 1, 3), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Rgb(surface, 1, 2), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Rgb(surface, 1, 4), (std::vector<int>{1, 2, 3}));
    FillGradient(surface.Dc(), RECT{0, 5, 3, 1}, MakeColor(10, 20, 30), MakeColor(200, 200, 200));
    EXPECT_EQ(Rgb(surface, 1, 2), (std::vector<int>{1, 2, 3}));
}

TEST(SystemColorToRgb, IsTheSystemColourTable) {
    EXPECT_EQ(SystemColorToRgb(COLOR_BTNFACE), static_cast<Color>(::GetSysColor(COLOR_BTNFACE)));
    const Color face = static_cast<Color>(::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SubtractColor(0xFF000000u | COLOR_BTNFACE, 0, SystemColorToRgb), face);
}

// A 4 x 4 image list whose one image is white except its top-left pixel, which has the canvas colour
// (so the drawing leaves that pixel as it was) and the pixel right of it, which is black.
class ImageListEffects : public ::testing::Test {
protected:
    void SetUp() override {
        images = ::ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
        ASSERT_NE(images, nullptr);
        GdiSurface picture(24);
        picture.Resize(4, 4);
        FillSurface(picture, 0xFFFFFF);
        ::SetPixel(picture.Dc(), 0, 0, kCanvas);
        ::SetPixel(picture.Dc(), 1, 0, 0x000000);
        ::GdiFlush();
        // The list copies the bitmap, which must not be selected into a DC meanwhile: copy it out first.
        UniqueBitmap bitmap(::CreateCompatibleBitmap(picture.Dc(), 4, 4));
        {
            UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
            SelectGuard select(dc.get(), bitmap.get());
            ::BitBlt(dc.get(), 0, 0, 4, 4, picture.Dc(), 0, 0, SRCCOPY);
        }
        ASSERT_EQ(::ImageList_Add(images, bitmap.get(), nullptr), 0);
        canvas.Resize(8, 8);
        FillSurface(canvas, kCanvas);
    }
    void TearDown() override { ::ImageList_Destroy(images); }

    static constexpr Color kCanvas = MakeColor(120, 80, 40);  // R, G, B
    HIMAGELIST images = nullptr;
    GdiSurface canvas{32};
};

TEST_F(ImageListEffects, BlendedAtFullOpacityIsOneStepDarker) {
    DrawImageBlended(canvas.Dc(), RECT{2, 2, 8, 8}, images, 0, 255);
    EXPECT_EQ(Rgb(canvas, 3, 3), (std::vector<int>{254, 254, 254}));  // 255 * 255 >> 8
    EXPECT_EQ(Rgb(canvas, 3, 2), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(Rgb(canvas, 2, 2), (std::vector<int>{120, 80, 40}));  // untouched
    EXPECT_EQ(Rgb(canvas, 6, 6), (std::vector<int>{120, 80, 40}));  // beyond the image
    EXPECT_EQ(Rgb(canvas, 1, 3), (std::vector<int>{120, 80, 40}));
}

TEST_F(ImageListEffects, BlendedTranslucentAndClippedToTheRectangle) {
    DrawImageBlended(canvas.Dc(), RECT{2, 2, 4, 8}, images, 0, 96);
    // (b * 159 + 255 * 96) >> 8 for b = 120, 80, 40.
    EXPECT_EQ(Rgb(canvas, 3, 3),
              (std::vector<int>{(120 * 159 + 255 * 96) >> 8, (80 * 159 + 255 * 96) >> 8, (40 * 159 + 255 * 96) >> 8}));
    EXPECT_EQ(Rgb(canvas, 3, 2), (std::vector<int>{(120 * 159) >> 8, (80 * 159) >> 8, (40 * 159) >> 8}));
    EXPECT_EQ(Rgb(canvas, 4, 3), (std::vector<int>{120, 80, 40}));  // the rectangle is two columns wide
}

TEST_F(ImageListEffects, ShadedDarkensTheBackgroundByTheImageLevel) {
    DrawImageShaded(canvas.Dc(), RECT{0, 0, 8, 8}, images, 0);
    // White: L = 254, d = 254. Black: L = 0, d = 170.
    EXPECT_EQ(Rgb(canvas, 2, 2), (std::vector<int>{120 * 254 >> 8, 80 * 254 >> 8, 40 * 254 >> 8}));
    EXPECT_EQ(Rgb(canvas, 1, 0), (std::vector<int>{120 * 170 >> 8, 80 * 170 >> 8, 40 * 170 >> 8}));
    EXPECT_EQ(Rgb(canvas, 0, 0), (std::vector<int>{120, 80, 40}));
}

}  // namespace
}  // namespace velpiners::graphics
