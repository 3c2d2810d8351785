// The previews with the program's own skins and icons, drawn by the controller's pictures into real image
// controls: every style preview keeps the skin inside its fitted rectangle (framed styles) or writes "Text"
// beside the sample icon (icon styles); pattern previews use the body's font, cut the line at 16
// characters and show the icon. All of them go into one sheet, preview-gallery.bmp beside the test
// program, for a person to look at (docs/preview-gallery.png is that sheet).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "graphics/gdi_surface_win.h"
#include "graphics/bmp.h"
#include "graphics/gdi_effects_win.h"
#include "dialogs/preview_win.h"
#include "sticker/sticker_state.h"
#include "tests/win32/test_support.h"
#include "ui/dialog_form_win.h"
#include "ui/image_control_win.h"

namespace velpiners {
namespace {

using graphics::Picture;

class ControllerPictures : public dialogs::PreviewPictures {
public:
    explicit ControllerPictures(TVelpin& controller) : m_controller(controller) {}
    const Picture& SharedPicture(std::string_view name) const override { return m_controller.SharedPicture(name); }
    void PictureByNumber(Picture& target, int number) override { m_controller.PictureByNumber(target, number); }

private:
    TVelpin& m_controller;
};

constexpr int kGap = 8;
constexpr int kStyleColumns = 6;
constexpr ColorValue kStickerColors[] = {0x30A0E0, 0xE09040, 0x60C060, 0x4060E0, 0xC050C0, 0x40C0C0};

graphics::Color At(const Picture& picture, int x, int y) {
    const std::uint8_t* p = picture.Pixel(x, y);
    return graphics::MakeColor(p[2], p[1], p[0]);
}

void Paste(const Picture& from, Picture& sheet, int left, int top) {
    for (int y = 0; y < from.Height(); ++y) std::memcpy(sheet.Pixel(left, top + y), from.Row(y), from.RowBytes());
}

// Magenta, or magenta blended with what lies beneath (the text colour of the pattern samples).
bool LooksLikeText(graphics::Color color) {
    const int r = graphics::RedOf(color);
    const int g = graphics::GreenOf(color);
    const int b = graphics::BlueOf(color);
    return r >= 90 && b >= 90 && g + 60 <= std::min(r, b);
}

// The right end of the pixels of `color` in the rows [top, bottom), -1 when there are none.
int RightmostOf(const Picture& picture, graphics::Color color, int top, int bottom) {
    int right = -1;
    for (int y = std::max(top, 0); y < std::min(bottom, picture.Height()); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (At(picture, x, y) == color) right = std::max(right, x);
    return right;
}

class PreviewGalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(controller.FormCreate(false));
        host.CreateDialogForm("PreviewGalleryTestHost", 700, 300, DialogBorder::kSingle);
        styleImage.Create(host.Handle(), Bounds{8, 8, 145, 121});
        patternImage.Create(host.Handle(), Bounds{8, 140, 305, 129});
    }
    void TearDown() override { controller.DestroyFormWindow(); }

    test::TempFolder folder;
    test::ErrorCapture errors;
    TVelpin controller{folder.Path(), test::ProgramResources()};
    ControllerPictures pictures{controller};
    DialogForm host;
    ImageControl styleImage;
    ImageControl patternImage;
};

TEST_F(PreviewGalleryTest, EveryStyleAndThreePatternsIntoOneSheet) {
    const graphics::Color face = graphics::SystemColorToRgb(COLOR_BTNFACE);
    const graphics::Color shadow = graphics::SystemColorToRgb(COLOR_BTNSHADOW);
    const int styleRows = (graphics::kStyleCount + kStyleColumns - 1) / kStyleColumns;
    const int sheetWidth = kGap + kStyleColumns * (145 + kGap);
    const int patternTop = kGap + styleRows * (121 + kGap);
    Picture sheet(sheetWidth, patternTop + 2 * (129 + kGap), 24);
    for (int y = 0; y < sheet.Height(); ++y) std::memset(sheet.Row(y), 0xFF, sheet.RowBytes());

    for (int style = 0; style < graphics::kStyleCount; ++style) {
        dialogs::RenderStylePreview(styleImage, style, kStickerColors[style % 6], pictures);
        const Picture& shot = styleImage.Picture();
        EXPECT_EQ(At(shot, 0, 0), shadow) << style;
        EXPECT_EQ(At(shot, 3, 60), face) << style;
        if (graphics::kStyleSkins[static_cast<std::size_t>(style)].framed) {
            // Every framed skin is 239 x 141: drawn 129 x 76 at (8, 22), nothing around it.
            int inside = 0;
            for (int y = 0; y < shot.Height(); ++y)
                for (int x = 1; x < shot.Width() - 1; ++x) {
                    const bool in = x >= 8 && x < 137 && y >= 22 && y < 98;
                    if (!in && y > 0 && y < shot.Height() - 1) {
                        ASSERT_EQ(At(shot, x, y), face) << style << " " << x << "," << y;
                    }
                    inside += in && At(shot, x, y) != face ? 1 : 0;
                }
            EXPECT_GT(inside, 129 * 76 / 2) << style;
        } else {
            // "Text" in white, 56 pixels right of the 104 x 64 composite centred at (20, 28).
            const int white = RightmostOf(shot, graphics::MakeColor(255, 255, 255), 28, 28 + 64);
            EXPECT_GT(white, 20 + 56) << style;
            EXPECT_LT(white, 20 + 104) << style;
        }
        Paste(shot, sheet, kGap + (style % kStyleColumns) * (145 + kGap),
              kGap + (style / kStyleColumns) * (121 + kGap));
    }

    struct Sample {
        int style;
        int picture;
        ColorValue color;
        const char* text;
        const char* shown;
    };
    const Sample samples[] = {
        {5, 3, 0x40A0F0, "Shopping list for the weekend", "Shopping list fo..."},
        {9, 12, 0x50B050, "Call Anna\r\nat five", "Call Anna..."},
        {13, 20, 0xD08040, "Meeting at 10", "Meeting at 10"},
        {16, 7, 0x8080FF, "Only the icon", "Only the icon"},
    };
    const graphics::Color textColor = graphics::MakeColor(255, 0, 255);
    int index = 0;
    for (const Sample& sample : samples) {
        StickerRecord record{};
        FillStickerDefaults(record, "caption", sample.text, "", 0, 0);
        record.placement.style = static_cast<std::uint8_t>(sample.style);
        record.placement.color = sample.color;
        record.placement.SetPictureNumber(static_cast<std::uint32_t>(sample.picture));
        record.placement.shadowColor = 0;
        record.body.color = static_cast<ColorValue>(textColor);
        record.body.shadow = 1;
        record.body.fontName.Set("Tahoma");
        record.body.fontSize = 10;
        dialogs::RenderPatternPreview(record, patternImage, sample.text, pictures);
        EXPECT_EQ(patternImage.CanvasFace(), "Tahoma");
        EXPECT_EQ(patternImage.CanvasPoints(), 10);

        // The text is as wide as the cut line's ink (TextOut in the canvas font on white): from the first
        // letter's stem (pure text colour) to the last pixel with the text colour's mark (smoothed edges
        // blend it with what lies beneath).
        SIZE cut{};
        ::GetTextExtentPoint32A(patternImage.Canvas(), sample.shown, static_cast<int>(std::strlen(sample.shown)), &cut);
        GdiSurface typed(24);
        typed.Resize(2 * cut.cx, 2 * cut.cy);
        ::PatBlt(typed.Dc(), 0, 0, typed.Width(), typed.Height(), WHITENESS);
        ::SelectObject(typed.Dc(), ::GetCurrentObject(patternImage.Canvas(), OBJ_FONT));
        ::TextOutA(typed.Dc(), 0, 0, sample.shown, static_cast<int>(std::strlen(sample.shown)));
        int inkLeft = typed.Width();
        int inkRight = -1;
        for (int y = 0; y < typed.Height(); ++y)
            for (int x = 0; x < typed.Width(); ++x)
                if (typed.Pixels().Pixel(x, y)[0] < 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
        const Picture& shot = patternImage.Picture();
        int textLeft = shot.Width();
        int textTop = shot.Height();
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (At(shot, x, y) == textColor) {
                    textLeft = std::min(textLeft, x);
                    textTop = std::min(textTop, y);
                }
        ASSERT_LT(textLeft, shot.Width()) << sample.style;
        int right = -1;
        for (int y = textTop; y < std::min(textTop + static_cast<int>(cut.cy), shot.Height()); ++y)
            for (int x = textLeft; x < shot.Width(); ++x)
                if (LooksLikeText(At(shot, x, y))) right = std::max(right, x);
        EXPECT_NEAR(right - textLeft + 1, inkRight - inkLeft + 1, 3) << sample.style;

        Paste(shot, sheet, kGap + (index % 2) * (305 + kGap), patternTop + (index / 2) * (129 + kGap));
        ++index;
    }

    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path);
    file.resize(file.find_last_of("\\/") + 1);
    test::WriteAll(file + "preview-gallery.bmp", graphics::EncodeBmp(sheet));
    EXPECT_TRUE(errors.Errors().empty());
}

}  // namespace
}  // namespace velpiners
