// RESS resources compiled into this test program (tests/win32/ress_test.rc): pictures of every stored
// depth, the errors for a missing resource and a broken stream, and image lists cut from a strip and its
// wider mask, among them the 230 language flags.
#include <windows.h>

#include <commctrl.h>  // needs windows.h first
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/inflate.h"
#include "graphics/ress_loader_win.h"
#include "base/app_error.h"
#include "graphics/gdi_surface_win.h"
#include "base/unique_handle_win.h"

namespace velpiners::graphics {
namespace {

std::uint8_t Formula(int x, int y, int c) { return static_cast<std::uint8_t>((x * 37 + y * 101 + c * 53) & 0xFF); }

TEST(RessLoaderTest, PicturesKeepTheirStoredSizeAndDepth) {
    for (const auto& [name, width, bits] : {std::tuple{"TESTPICTURE24", 5, 24}, std::tuple{"TESTPICTURE32", 4, 32}}) {
        SCOPED_TRACE(name);
        const Picture p = LoadRessBitmap(name);
        ASSERT_EQ(p.Width(), width);
        ASSERT_EQ(p.Height(), 3);
        ASSERT_EQ(p.BitsPerPixel(), bits);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < bits / 8; ++c) ASSERT_EQ(p.Pixel(x, y)[c], Formula(x, y, c)) << x << "," << y;
    }
    const Picture grey = LoadRessBitmap("TESTGREY8");
    ASSERT_EQ(grey.BitsPerPixel(), 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(grey.Pixel(x, y)[c], x * 40 + y * 100);
}

TEST(RessLoaderTest, MissingResourceAndBrokenStreamGiveTheFrameworkTexts) {
    try {
        (void)LoadRessBitmap("TESTMISSING");
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Resource TESTMISSING not found");
    }
    try {
        (void)LoadRessBitmap("TESTBROKEN");
        ADD_FAILURE() << "no error";
    } catch (const GraphicsError& e) {
        EXPECT_STREQ(e.what(), "Error");
    }
    HIMAGELIST list = ::ImageList_Create(25, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
    ASSERT_NE(list, nullptr);
    // The image exists, its mask does not: nothing is added.
    EXPECT_THROW(LoadRessImageList("TESTPICTURE24", list), AppError);
    EXPECT_EQ(::ImageList_GetImageCount(list), 0);
    ::ImageList_Destroy(list);
}

// Frame `index` of the list drawn on a 24-bit surface filled with `background`.
void DrawFrame(GdiSurface& surface, HIMAGELIST list, int index, COLORREF background) {
    const UniqueBrush brush(::CreateSolidBrush(background));
    RECT all{0, 0, surface.Width(), surface.Height()};
    ::FillRect(surface.Dc(), &all, brush.get());
    ASSERT_TRUE(::ImageList_Draw(list, index, surface.Dc(), 0, 0, ILD_NORMAL));
}

// 0x00RRGGBB of pixel (x, y).
std::uint32_t ColorAt(GdiSurface& surface, int x, int y) {
    const std::uint8_t* p = surface.Pixels().Pixel(x, y);
    return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
}

constexpr COLORREF kBackground = RGB(0x12, 0x34, 0x56);
constexpr std::uint32_t kBackgroundRgb = 0x123456;

TEST(RessLoaderTest, StripResourceWithWiderMaskGivesItsFrames) {
    HIMAGELIST list = ::ImageList_Create(25, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(LoadRessImageList("TESTSTRIP", list), 2);
    ASSERT_EQ(::ImageList_GetImageCount(list), 2);
    GdiSurface surface(24);
    surface.Resize(25, 4);
    DrawFrame(surface, list, 0, kBackground);
    EXPECT_EQ(ColorAt(surface, 0, 2), kBackgroundRgb);
    EXPECT_EQ(ColorAt(surface, 1, 2), 0xFF0000u);
    EXPECT_EQ(ColorAt(surface, 24, 3), 0xFF0000u);
    DrawFrame(surface, list, 1, kBackground);
    EXPECT_EQ(ColorAt(surface, 0, 0), kBackgroundRgb);
    EXPECT_EQ(ColorAt(surface, 13, 1), 0x00FF00u);
    ::ImageList_Destroy(list);
}

// The language flags: a 5750x15 8-bit strip of 230 frames and a 1-bit mask one frame wider.
TEST(RessLoaderTest, FlagStripGives230FramesNot231) {
    constexpr int kFrames = 230, kWidth = 25, kHeight = 15;
    std::vector<std::uint32_t> palette(256);
    for (std::uint32_t f = 0; f < 256; ++f) palette[f] = (f << 16) | ((255 - f) << 8) | 77;
    std::vector<std::uint8_t> image(kFrames * kWidth * kHeight);
    std::vector<std::uint8_t> mask((kFrames + 1) * kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kFrames * kWidth; ++x)
            image[y * kFrames * kWidth + x] = static_cast<std::uint8_t>(x / kWidth);
        // Transparent: the frame's first column and the whole surplus frame.
        for (int x = 0; x < (kFrames + 1) * kWidth; ++x)
            mask[y * (kFrames + 1) * kWidth + x] = (x % kWidth == 0 || x >= kFrames * kWidth) ? 1 : 0;
    }
    const std::vector<std::uint8_t> imageBmp = EncodeIndexedBmp(kFrames * kWidth, kHeight, 8, palette, image);
    const std::vector<std::uint8_t> maskBmp = EncodeIndexedBmp((kFrames + 1) * kWidth, kHeight, 1, {0, 0xFFFFFF}, mask);

    HIMAGELIST list = ::ImageList_Create(kWidth, kHeight, ILC_COLOR24 | ILC_MASK, kFrames, 10);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(AddRessToImageList(list, DeflateBytes(imageBmp.data(), imageBmp.size()),
                                 DeflateBytes(maskBmp.data(), maskBmp.size())),
              kFrames);
    EXPECT_EQ(::ImageList_GetImageCount(list), kFrames);

    GdiSurface surface(24);
    surface.Resize(kWidth, kHeight);
    for (int frame : {0, 117, kFrames - 1}) {
        SCOPED_TRACE(frame);
        DrawFrame(surface, list, frame, kBackground);
        EXPECT_EQ(ColorAt(surface, 0, 7), kBackgroundRgb);
        EXPECT_EQ(ColorAt(surface, 1, 0), palette[static_cast<std::size_t>(frame)]);
        EXPECT_EQ(ColorAt(surface, kWidth - 1, kHeight - 1), palette[static_cast<std::size_t>(frame)]);
    }
    ::ImageList_Destroy(list);
}

}  // namespace
}  // namespace velpiners::graphics
