// The controls both sticker dialogs are built from, on a real hidden dialog: the font box with the fonts
// installed here, the icon box filled by the controller (built-in icons and a user pack), the colour box's
// custom colour, the memo's wrap switch, grouped speed buttons, track bars and pages. Owner-drawn items are
// drawn through the dialog (WM_DRAWITEM reflected to the box) and compared with the same text and image
// drawn directly.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "graphics/bmp.h"
#include "dialogs/icon_items.h"
#include "graphics/picture_pack.h"
#include "tests/win32/test_support.h"
#include "dialogs/look_page_win.h"
#include "ui/combo_box_win.h"
#include "ui/dialog_form_win.h"
#include "graphics/gdi_surface_win.h"
#include "ui/memo_win.h"
#include "ui/panel_win.h"
#include "ui/speed_button_win.h"
#include "ui/track_bar_win.h"

namespace velpiners {
namespace {

class CountingDialog : public DialogForm {
public:
    int closes = 0;

protected:
    void FormClose() override { ++closes; }
};

struct ModalProbe {
    HWND owner = nullptr;
    HWND dialog = nullptr;
    bool ownerEnabled = true;
    bool dialogShown = false;
};
ModalProbe g_probe;

void CALLBACK ProbeModal(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    g_probe.ownerEnabled = ::IsWindowEnabled(g_probe.owner) != FALSE;
    g_probe.dialogShown = ::IsWindowVisible(g_probe.dialog) != FALSE;
    // Esc: the dialog manager sends IDCANCEL.
    ::PostMessageA(g_probe.dialog, WM_COMMAND, IDCANCEL, 0);
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { host.CreateDialogForm("ControlsTestHost", 361, 281, DialogBorder::kSingle, true); }

    // Item `index` of an owner-drawn box as the box draws it, width x height.
    graphics::Picture DrawnItem(const ComboBox& box, int index, int width, int height) {
        drawn.Resize(width, height);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = static_cast<UINT>(box.Id());
        draw.itemID = static_cast<UINT>(index);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = box.Handle();
        draw.hDC = drawn.Dc();
        draw.rcItem = RECT{0, 0, width, height};
        ::SendMessageA(::GetParent(box.Handle()), WM_DRAWITEM, static_cast<WPARAM>(box.Id()),
                       reinterpret_cast<LPARAM>(&draw));
        return drawn.Pixels();
    }

    // A white item with `text` in `font` at `left`, centred in the height.
    graphics::Picture ExpectedText(HFONT font, std::string_view text, int left, int width, int height) {
        expected.Resize(width, height);
        HDC dc = expected.Dc();
        RECT all{0, 0, width, height};
        ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_WINDOW));
        SelectGuard select(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        const int free = height - size.cy;
        const int top = free / 2 + ((free % 2 != 0 && (free / 2) % 2 != 0) ? 1 : 0);  // half, ties to even
        ::TextOutA(dc, left, top, text.data(), static_cast<int>(text.size()));
        return expected.Pixels();
    }

    static bool Same(const graphics::Picture& a, const graphics::Picture& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
        for (int y = 0; y < a.Height(); ++y)
            if (std::memcmp(a.Row(y), b.Row(y), a.RowBytes()) != 0) return false;
        return true;
    }

    DialogForm host;
    GdiSurface drawn{24};
    GdiSurface expected{24};
};

TEST_F(ControlsTest, DialogsHaveTheirClientSizeAndShowModallyUntilEscClosesThem) {
    RECT client{};
    ::GetClientRect(host.Handle(), &client);
    EXPECT_EQ(client.right, 361);
    EXPECT_EQ(client.bottom, 281);

    CountingDialog dialog;
    dialog.CreateDialogForm("ControlsTestModal", 401, 281, DialogBorder::kToolWindow);
    ::GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 401);
    EXPECT_EQ(client.bottom, 281);
    EXPECT_TRUE(::GetWindowLongPtrA(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    // A controller destroyed by an earlier test leaves its quit message, which would end any modal loop.
    MSG quit;
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    ::ShowWindow(host.Handle(), SW_SHOWNOACTIVATE);
    g_probe = ModalProbe{host.Handle(), dialog.Handle()};
    ::SetTimer(nullptr, 0, 50, &ProbeModal);
    dialog.ShowModalDialog();
    EXPECT_TRUE(g_probe.dialogShown);
    EXPECT_FALSE(g_probe.ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(host.Handle()));
    EXPECT_FALSE(dialog.Showing());
    EXPECT_EQ(dialog.closes, 1);
    ::ShowWindow(host.Handle(), SW_HIDE);
}

TEST_F(ControlsTest, FontBoxListsTheInstalledFontsEachDrawnInItself) {
    FontBox box;
    box.Create(host.Handle(), Bounds{8, 8, 200, 26}, host.DialogFont());
    box.FillInstalledFonts();
    const std::vector<std::string> fonts = InstalledScreenFonts();
    ASSERT_GT(fonts.size(), 3u);
    ASSERT_EQ(box.Count(), static_cast<int>(fonts.size()));
    for (int i = 1; i < box.Count(); ++i)
        EXPECT_LE(::lstrcmpiA(box.Item(i - 1).c_str(), box.Item(i).c_str()), 0) << box.Item(i);
    EXPECT_EQ(::SendMessageA(box.Handle(), CB_GETITEMHEIGHT, 0, 0), FontBox::kItemHeight);

    // Any installed face, asked for in other letter case.
    const std::string face = fonts.back();
    std::string asked = face;
    for (char& c : asked) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    ASSERT_NE(asked, face);
    EXPECT_TRUE(box.SelectFont(asked));
    EXPECT_EQ(box.SelectedFont(), face);
    EXPECT_FALSE(box.SelectFont("No Such Font Here"));
    EXPECT_EQ(box.Selected(), -1);
    EXPECT_EQ(box.SelectedFont(), "");

    // Two different faces, each in itself at the box font's height.
    for (const int index : {0, box.Count() - 1}) {
        const std::string face = box.Item(index);
        UniqueFont font(CreatePixelFont(face, kDialogFontHeight));
        EXPECT_TRUE(Same(DrawnItem(box, index, 200, 20), ExpectedText(font.get(), face, 2, 200, 20))) << face;
    }
}

TEST_F(ControlsTest, IconBoxShowsTheControllersIconListWithSizeLabels) {
    test::TempFolder folder;
    graphics::Picture userIcon(16, 16, 32);
    ::CreateDirectoryA(folder.File("pic").c_str(), nullptr);
    test::WriteAll(folder.File("pic\\mine.vpi"), graphics::BuildPack({{300, graphics::EncodeBmp(userIcon)}}, false));
    test::ErrorCapture errors;
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));

    IconBox box;
    box.Create(host.Handle(), Bounds{8, 8, 150, 40}, host.DialogFont());
    std::vector<std::string> items;
    controller.FillIconList(box.Images(), items);
    box.SetItems(items);
    ASSERT_EQ(box.Count(), 36);
    EXPECT_EQ(ImageList_GetImageCount(box.Images()), 35);
    EXPECT_EQ(::SendMessageA(box.Handle(), CB_GETITEMHEIGHT, 0, 0), IconBox::kItemHeight);

    graphics::Picture first;
    controller.PictureByNumber(first, 1);
    EXPECT_EQ(box.Item(1), dialogs::IconSizeLabel(first.Width(), first.Height()));
    EXPECT_EQ(box.Item(35), "|300|| (16x16)");

    HFONT font = host.DialogFont();
    EXPECT_TRUE(Same(DrawnItem(box, 0, 150, 34), ExpectedText(font, "--/--", 6, 150, 34)));
    for (const int index : {1, 35}) {
        const std::string label = index == 1 ? box.Item(1) : " (16x16)";
        ExpectedText(font, label, 44, 150, 34);
        ImageList_Draw(box.Images(), index - 1, expected.Dc(), 4, (34 - 36) / 2, ILD_NORMAL);
        EXPECT_TRUE(Same(DrawnItem(box, index, 150, 34), expected.Pixels())) << index;
    }

    box.SelectPicture(300);
    EXPECT_EQ(box.Selected(), 35);
    EXPECT_EQ(box.PictureNumber(), 300);
    box.SelectPicture(7);
    EXPECT_EQ(box.PictureNumber(), 7);
    box.SelectPicture(301);  // a user icon that is gone
    EXPECT_EQ(box.Selected(), 0);
    controller.DestroyFormWindow();
}

TEST_F(ControlsTest, ColorBoxKeepsAColourThatIsNotStandardAsTheCustomOne) {
    ColorBox box;
    box.Create(host.Handle(), Bounds{8, 8, 120, 22}, host.DialogFont());
    EXPECT_EQ(box.Count(), 17);
    box.SetSelected(0x0000FF);
    EXPECT_EQ(box.SelectedText(), "Red");
    EXPECT_EQ(box.Selected(), 0x0000FF);
    box.SetSelected(0x123456);
    EXPECT_EQ(box.ComboBox::Selected(), 0);
    EXPECT_EQ(box.Selected(), 0x123456);

    // Choosing "Custom..." asks for a colour starting from the custom one.
    ColorValue asked = -1;
    box.pickColor = [&asked](HWND, ColorValue& color) {
        asked = color;
        color = 0x654321;
        return true;
    };
    int changes = 0;
    box.onChange = [&changes] { ++changes; };
    box.SetSelected(0xFFFFFF);
    box.Select(0);
    ::SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(box.Id(), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box.Handle()));
    EXPECT_EQ(asked, 0x123456);
    EXPECT_EQ(box.Selected(), 0x654321);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, MemoSwitchesWrappingInPlaceAndCountsItsText) {
    Memo memo;
    memo.Create(host.Handle(), Bounds{8, 8, 200, 100}, host.DialogFont());
    EXPECT_EQ(::SendMessageA(memo.Handle(), EM_GETLIMITTEXT, 0, 0), 255);
    int changes = 0;
    memo.onChange = [&changes] { ++changes; };
    memo.SetText("Hello\r\nworld");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(memo.CounterText(), "12/255");
    const int id = memo.Id();
    HWND before = memo.Handle();

    memo.SetWordWrap(false);
    EXPECT_NE(memo.Handle(), before);
    EXPECT_FALSE(::IsWindow(before));
    EXPECT_EQ(memo.Id(), id);
    EXPECT_EQ(memo.Text(), "Hello\r\nworld");
    EXPECT_TRUE(::GetWindowLongPtrA(memo.Handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(::SendMessageA(memo.Handle(), EM_GETLIMITTEXT, 0, 0), 255);
    memo.SetWordWrap(true);
    EXPECT_FALSE(::GetWindowLongPtrA(memo.Handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(changes, 1);
    memo.SetText("x");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, GroupedSpeedButtonsKeepOneDown) {
    SpeedButtonGroup group;
    SpeedButton left, centre, right;
    int clicks = 0;
    for (SpeedButton* button : {&left, &centre, &right}) {
        button->Create(host.Handle(), Bounds{8, 8, 23, 22}, host.DialogFont());
        group.Add(*button);
        button->onClick = [&clicks] { ++clicks; };
    }
    graphics::Picture glyph(16, 16, 24);
    centre.SetGlyph(glyph);
    group.SetDownIndex(0);
    EXPECT_TRUE(left.Down());

    ::SendMessageA(right.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(right.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(group.DownIndex(), 2);
    EXPECT_FALSE(left.Down());
    right.Click();  // the button that is down stays down
    EXPECT_EQ(group.DownIndex(), 2);
    // A release away from the button is no click.
    ::SendMessageA(centre.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(centre.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
    EXPECT_EQ(group.DownIndex(), 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_NE(::GetFocus(), right.Handle());
}

// Up and away from the pointer a speed button is flat on its page: it shows the page's background, not a
// square of the button face.
TEST_F(ControlsTest, AFlatSpeedButtonShowsItsPagesBackground) {
    PageControl pages;
    pages.Create(host.Handle(), Bounds{8, 8, 345, 233}, host.DialogFont());
    Panel& page = pages.AddPage(L"Patterns");
    SpeedButton button;
    const Bounds place{262, 160, 31, 31};
    button.Create(page.Handle(), place, host.DialogFont());
    const Bounds area = page.GetBounds();
    drawn.Resize(area.width, area.height);
    ::SendMessageA(page.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(drawn.Dc()), PRF_CLIENT);
    expected.Resize(place.width, place.height);
    ::SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(expected.Dc()), PRF_CLIENT);
    ::GdiFlush();
    for (int y = 0; y < place.height; ++y)
        ASSERT_EQ(std::memcmp(expected.Pixels().Row(y), drawn.Pixels().Pixel(place.x, place.y + y),
                              static_cast<std::size_t>(place.width) * 3),
                  0)
            << "row " << y;
}

TEST_F(ControlsTest, TrackBarsTakeTheDialogsRangesAndReportMoves) {
    TrackBar alpha;
    alpha.Create(host.Handle(), Bounds{8, 8, 150, 45}, kTransparencyTrackBar);
    EXPECT_EQ(alpha.Position(), 255);
    EXPECT_EQ(::SendMessageA(alpha.Handle(), TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(alpha.Handle(), TBM_GETTHUMBLENGTH, 0, 0), 14);
    alpha.SetPosition(0);
    EXPECT_EQ(alpha.Position(), 1);

    TrackBar delay;
    delay.Create(host.Handle(), Bounds{8, 60, 150, 30}, kHideDelayTrackBar);
    EXPECT_EQ(::SendMessageA(delay.Handle(), TBM_GETPAGESIZE, 0, 0), 20);
    EXPECT_EQ(::SendMessageA(delay.Handle(), TBM_GETLINESIZE, 0, 0), 20);
    int changes = 0;
    delay.onChange = [&changes] { ++changes; };
    ::SendMessageA(delay.Handle(), TBM_SETPOS, TRUE, 30);
    ::SendMessageA(host.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 30), reinterpret_cast<LPARAM>(delay.Handle()));
    ::SendMessageA(host.Handle(), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(delay.Handle()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(delay.Position(), 30);
}

TEST_F(ControlsTest, PagesShowOneAtATimeAndTheirControlsReportThroughThem) {
    PageControl pages;
    pages.Create(host.Handle(), Bounds{8, 8, 345, 233}, host.DialogFont());
    for (const wchar_t* caption : {L"Caption", L"Text", L"Look", L"Place", L"Patterns"}) pages.AddPage(caption);
    int changes = 0;
    pages.onChange = [&changes] { ++changes; };
    pages.SelectPage(2);
    EXPECT_EQ(pages.ActivePage(), 2);
    for (int i = 0; i < pages.PageCount(); ++i) EXPECT_EQ(pages.Page(i).Visible(), i == 2) << i;

    TabCtrl_SetCurSel(pages.Handle(), 4);
    NMHDR notice{pages.Handle(), static_cast<UINT_PTR>(pages.Id()), static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(host.Handle(), WM_NOTIFY, static_cast<WPARAM>(pages.Id()), reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(pages.Page(4).Visible());
    EXPECT_FALSE(pages.Page(2).Visible());

    // A check box on a page reports its clicks to its object through the page.
    CheckBox box;
    box.Create(pages.Page(4).Handle(), Bounds{8, 8, 150, 17}, host.DialogFont(), L"Lock");
    int clicks = 0;
    box.onClick = [&clicks] { ++clicks; };
    ::SendMessageA(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.Checked());
}

}  // namespace
}  // namespace velpiners
