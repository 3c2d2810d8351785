// TTaskPanel on a real (hidden) dialog: folding and unfolding with the height kept, the events, clicks on
// and beside the strip, the bottom alignment, and what its strip shows folded and unfolded.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialogs/task_panel_win.h"
#include "graphics/gdi_effects_win.h"
#include "ui/dialog_form_win.h"
#include "graphics/gdi_surface_win.h"

namespace velpiners {
namespace {

class TaskPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.CreateDialogForm("TaskPanelTestHost", 300, 300, DialogBorder::kSingle);
        panel.Create(host.Handle(), 10, 10, host.DialogFont());
        panel.onChange = [this] { ++changes; };
        panel.onClick = [this] { ++clicks; };
    }

    void MouseUp(int x, int y) { ::SendMessageA(panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    // The panel as it paints itself.
    graphics::Picture& Snapshot() {
        const Bounds bounds = panel.GetBounds();
        surface.Resize(bounds.width, bounds.height);
        ::SendMessageA(panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
        return surface.Pixels();
    }

    static graphics::Color At(graphics::Picture& picture, int x, int y) {
        const std::uint8_t* p = picture.Pixel(x, y);
        return graphics::MakeColor(p[2], p[1], p[0]);
    }

    DialogForm host;
    TTaskPanel panel;
    GdiSurface surface{24};
    int changes = 0;
    int clicks = 0;
};

TEST_F(TaskPanelTest, FoldsToTheStripAndUnfoldsToTheHeightItHad) {
    EXPECT_EQ(panel.Height(), 200);
    EXPECT_EQ(panel.GetBounds().width, 220);
    panel.SetCollapsed(true);
    EXPECT_EQ(panel.Height(), 24);
    EXPECT_EQ(panel.ExpandedHeight(), 200);
    panel.SetHeight(97);  // resized while folded: unfolding keeps this height
    panel.SetCollapsed(false);
    EXPECT_EQ(panel.Height(), 97);
    panel.SetCollapsed(true);
    EXPECT_EQ(panel.ExpandedHeight(), 97);
    // Folding again changes nothing but still reports, and the panel still unfolds to 97.
    panel.SetCollapsed(true);
    EXPECT_EQ(panel.Height(), 24);
    panel.SetCollapsed(false);
    EXPECT_EQ(panel.Height(), 97);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(clicks, 0);
}

TEST_F(TaskPanelTest, OnlyAClickStrictlyInsideTheStripToggles) {
    panel.SetCaptionHeight(21);
    for (const POINT point : {POINT{0, 5}, POINT{5, 0}, POINT{5, 21}, POINT{220, 5}, POINT{100, 150}}) {
        MouseUp(point.x, point.y);
        EXPECT_FALSE(panel.Collapsed()) << point.x << "," << point.y;
    }
    EXPECT_EQ(clicks, 0);
    MouseUp(1, 1);
    EXPECT_TRUE(panel.Collapsed());
    EXPECT_EQ(panel.Height(), 21);
    MouseUp(219, 20);
    EXPECT_FALSE(panel.Collapsed());
    EXPECT_EQ(panel.Height(), 200);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 2);
}

TEST_F(TaskPanelTest, AlignedToTheBottomItUnfoldsUpward) {
    panel.SetAlign(TTaskPanel::Align::kBottom);
    panel.SetHeight(97);
    panel.SetCollapsed(true);
    const Bounds folded = panel.GetBounds();
    EXPECT_EQ(folded.y, 300 - 24);
    EXPECT_EQ(folded.x, 0);
    EXPECT_EQ(folded.width, 300);
    panel.SetCollapsed(false);
    const Bounds open = panel.GetBounds();
    EXPECT_EQ(open.y, 300 - 97);
    EXPECT_EQ(open.height, 97);
}

TEST_F(TaskPanelTest, StripShowsTheGlyphTheLineAndTheCaption) {
    using graphics::screen::Darken;
    const graphics::Color text = graphics::SystemColorToRgb(COLOR_WINDOWTEXT);
    const graphics::Color face = graphics::SystemColorToRgb(COLOR_BTNFACE);
    panel.SetCaption(L"Format");

    // Unfolded (h = (24 - 4) / 2 = 10, right end 220 - 10 = 210): pointing down, base on row 10.
    graphics::Picture* shot = &Snapshot();
    EXPECT_EQ(At(*shot, 202, 10), text);
    EXPECT_EQ(At(*shot, 210, 10), text);
    EXPECT_EQ(At(*shot, 206, 14), text);
    EXPECT_NE(At(*shot, 202, 14), text);
    EXPECT_EQ(At(*shot, 100, 23), Darken(graphics::screen::Rgb(TTaskPanel::kButtonFace), 80));
    EXPECT_EQ(At(*shot, 100, 120), face);
    // Lighter at the top of the strip than at its bottom.
    const graphics::Color top = At(*shot, 100, 3);
    const graphics::Color bottom = At(*shot, 100, 21);
    EXPECT_GT(graphics::GreenOf(top), graphics::GreenOf(bottom));
    int captionPixels = 0;
    for (int y = 2; y < 22; ++y)
        for (int x = 10; x < 60; ++x) captionPixels += At(*shot, x, y) == text ? 1 : 0;
    EXPECT_GT(captionPixels, 20);

    // Folded: pointing up, base on row 14 (the strip's last row is then the etched edge's).
    panel.SetCollapsed(true);
    shot = &Snapshot();
    EXPECT_EQ(shot->Height(), 24);
    EXPECT_EQ(At(*shot, 206, 10), text);
    EXPECT_EQ(At(*shot, 202, 14), text);
    EXPECT_NE(At(*shot, 202, 10), text);
}

}  // namespace
}  // namespace velpiners
