// The controller's pictures: user packs from "pic\" (any case of ".vpi", damaged packs skipped), picture
// lookup by number, and the icon list of the sticker dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "graphics/bmp.h"
#include "graphics/picture_pack.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::TempFolder;
using test::WriteAll;

std::vector<std::uint8_t> IconFile(int width, int height, std::uint8_t shade) {
    graphics::Picture picture(width, height, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = picture.Pixel(x, y);
            p[0] = p[1] = p[2] = shade;
            p[3] = 255;
        }
    return graphics::EncodeBmp(picture);
}

std::vector<std::uint8_t> IconFile(int size, std::uint8_t shade) { return IconFile(size, size, shade); }

// The grey level at (x, y) of an image of the list, drawn on black.
int ShadeAt(HIMAGELIST list, int image, int x, int y) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 32, 32);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    RECT all{0, 0, 32, 32};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ImageList_Draw(list, image, dc, 0, 0, ILD_NORMAL);
    const int shade = GetGValue(::GetPixel(dc, x, y));
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return shade;
}

class PicturesTest : public ::testing::Test {
protected:
    void Start() {
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        ASSERT_TRUE(controller->FormCreate(false));
    }
    void TearDown() override {
        if (controller) controller->DestroyFormWindow();
    }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
};

TEST_F(PicturesTest, PacksLoadFromPicWhateverTheCaseAndADamagedOneIsSkipped) {
    ASSERT_TRUE(::CreateDirectoryA(folder.File("pic").c_str(), nullptr));
    WriteAll(folder.File("pic\\one.VPI"),
             graphics::BuildPack({{101, IconFile(20, 10)}, {102, IconFile(40, 20)}}, true));
    std::vector<std::uint8_t> damaged = graphics::BuildPack({{103, IconFile(24, 30)}, {104, IconFile(24, 40)}}, false);
    damaged.resize(damaged.size() - 100);  // the second entry runs past the end
    WriteAll(folder.File("pic\\two.vpi"), damaged);
    WriteAll(folder.File("pic\\three.vpix"), graphics::BuildPack({{105, IconFile(16, 50)}}, false));
    Start();

    const graphics::TATBitmap& pictures = controller->UserPictures();
    EXPECT_GE(pictures.IndexOf(101), 0);
    EXPECT_GE(pictures.IndexOf(102), 0);
    EXPECT_GE(pictures.IndexOf(103), 0);  // read before the damage
    EXPECT_EQ(pictures.IndexOf(104), -1);
    EXPECT_EQ(pictures.IndexOf(105), -1);  // not a pack by its extension
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_NE(errors.Errors()[0].find("Stream read error"), std::string::npos) << errors.Errors()[0];

    graphics::Picture target;
    controller->PictureByNumber(target, 102);
    EXPECT_EQ(target.Width(), 40);
    EXPECT_EQ(target.BitsPerPixel(), 32);
    EXPECT_EQ(target.Pixel(3, 3)[0], 20);
    controller->PictureByNumber(target, 999);  // not found: unchanged
    EXPECT_EQ(target.Width(), 40);
}

TEST_F(PicturesTest, BuiltInNumbersOutsideTheRangeGiveTheFirstIcon) {
    Start();
    graphics::Picture first, picture;
    controller->PictureByNumber(first, 1);
    ASSERT_FALSE(first.Empty());
    EXPECT_EQ(first.BitsPerPixel(), 32);
    for (int number : {0, 35, 100, -7}) {
        controller->PictureByNumber(picture, number);
        EXPECT_EQ(picture.Width(), first.Width()) << number;
        EXPECT_EQ(picture.Height(), first.Height()) << number;
        EXPECT_EQ(std::memcmp(picture.Row(first.Height() / 2), first.Row(first.Height() / 2), first.RowBytes()), 0);
    }
    controller->PictureByNumber(picture, 34);
    EXPECT_FALSE(picture.Empty());
    EXPECT_TRUE(errors.Errors().empty());
}

// Each entry adds exactly one 32 x 32 image, whatever its picture's size: the image of entry i is image
// i - 1, and shows that entry's picture.
TEST_F(PicturesTest, IconListHasAnEmptyEntryTheBuiltInsAndTheUserPicturesOneImageEach) {
    ASSERT_TRUE(::CreateDirectoryA(folder.File("pic").c_str(), nullptr));
    WriteAll(folder.File("pic\\mine.vpi"), graphics::BuildPack({{150, IconFile(64, 90)},
                                                                {151, IconFile(64, 32, 40)},
                                                                {152, IconFile(32, 32, 120)},
                                                                {153, IconFile(16, 32, 60)}},
                                                               false));
    Start();
    HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 40, 0);
    std::vector<std::string> items;
    controller->FillIconList(list, items);
    ASSERT_EQ(items.size(), 39u);
    EXPECT_EQ(items[0], "");
    graphics::Picture first;
    controller->PictureByNumber(first, 1);
    EXPECT_EQ(items[1], " (" + std::to_string(first.Width()) + "x" + std::to_string(first.Height()) + ")");
    EXPECT_EQ(items[35], "|150|| (64x64)");
    EXPECT_EQ(items[36], "|151|| (64x32)");
    EXPECT_EQ(items[38], "|153|| (16x32)");
    EXPECT_EQ(ImageList_GetImageCount(list), 38);
    // Scaled down (64 x 64, 64 x 32), as it is, and padded with white at its sides (16 x 32).
    EXPECT_EQ(ShadeAt(list, 34, 16, 16), 90);
    EXPECT_EQ(ShadeAt(list, 35, 16, 16), 40);
    EXPECT_EQ(ShadeAt(list, 36, 16, 16), 120);
    EXPECT_EQ(ShadeAt(list, 37, 16, 16), 60);
    EXPECT_NE(ShadeAt(list, 37, 4, 16), 60);
    ImageList_Destroy(list);
}

TEST_F(PicturesTest, TheFlagStripHas230Images) {
    Start();
    ASSERT_NE(controller->FlagImages(), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(controller->FlagImages()), 230);
}

}  // namespace
}  // namespace velpiners
