// The new-sticker dialog shown modally and driven through its windows while it shows, with the controller's
// texts, pictures and icon list: what every opening proposes, OK making the look the defaults and exactly one
// sticker (on the desktop layer when asked), requests to open it again while it shows, and a pattern loaded
// and cancelled, which must leave every default as it was.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "dialogs/form_dialog_win.h"
#include "dialogs/new_sticker_form_win.h"
#include "dialogs/settings_form_win.h"
#include "protocol/protocol.h"
#include "store/pattern_files_win.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

using test::PumpMessages;

// The controller's texts, pictures and icons, but defaults of its own and a record of every make.
class Host final : public NewStickerHost {
public:
    struct Made {
        std::string caption;
        std::string date;
        bool onTop;
        bool showDate;
        std::string body;
    };
    explicit Host(TVelpin& controller) : m_controller(controller) {}
    std::wstring ShownText(TextKey key) const override { return m_controller.ShownText(key); }
    std::string Text(TextKey key) const override { return m_controller.Text(key); }
    StickerDefaults& Defaults() override { return defaults; }
    const std::string& ProgramFolder() const override { return m_controller.ProgramFolder(); }
    void FillIconList(HIMAGELIST list, std::vector<std::string>& items) override {
        m_controller.FillIconList(list, items);
    }
    void MakeNewSticker(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                        const std::string& body) override {
        made.push_back({caption, date, onTop, showDate, body});
        m_controller.Defaults() = defaults;
        m_controller.MakeStickerFromDialog(caption, date, onTop, showDate, body);
    }
    const graphics::Picture& SharedPicture(std::string_view name) const override {
        return m_controller.SharedPicture(name);
    }
    void PictureByNumber(graphics::Picture& target, int number) override {
        m_controller.PictureByNumber(target, number);
    }

    StickerDefaults defaults;
    std::vector<Made> made;

private:
    TVelpin& m_controller;
};

// A stand-in for the shell's desktop window, which Wine does not have.
class ShellDesktop {
public:
    ShellDesktop() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "Progman";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    }
    ~ShellDesktop() { ::DestroyWindow(m_hwnd); }
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

std::function<void()> g_whileShown;
// The dialogs a test may leave showing.
std::vector<HWND> g_dialogs;

// Ends, every few seconds, a showing that the test's action did not end (a failed expectation, or a dialog
// opened once more, which runs a loop of its own).
void CALLBACK CloseLeftOpen(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND dialog : g_dialogs)
        if (::IsWindowVisible(dialog)) ::PostMessageA(dialog, WM_CLOSE, 0, 0);
}

void CALLBACK RunWhileShown(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    std::function<void()> action = std::move(g_whileShown);
    if (action) action();
}

std::string Today() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return std::to_string(now.wDay) + "." + (now.wMonth < 10 ? "0" : "") + std::to_string(now.wMonth) + "." +
           (now.wYear % 100 < 10 ? "0" : "") + std::to_string(now.wYear % 100);
}

// True when `upper` lies above `lower` in the z-order.
bool Above(HWND upper, HWND lower) {
    for (HWND above = ::GetWindow(lower, GW_HWNDPREV); above != nullptr; above = ::GetWindow(above, GW_HWNDPREV))
        if (above == upper) return true;
    return false;
}

// Every field, so two sets of defaults compare in one line that shows what differs.
std::string Dump(const StickerDefaults& d) {
    std::ostringstream out;
    out << int{d.style} << ' ' << int{d.opacity} << ' ' << d.useOwnColor << d.onTop << d.wordWrap << ' ' << d.textColor
        << ' ' << d.captionColor << ' ' << d.textFont << '/' << d.captionFont << ' ' << int{d.textSize} << ' '
        << d.showPicture << ' ' << d.pictureNumber << ' ' << d.hideAtPointer << ' ' << int{d.hideDelayStep} << ' '
        << d.captionShadow << d.textShadow << ' ' << d.shadowColor << ' ' << int{d.alignment} << ' ' << d.stickerColor;
    return out.str();
}

class NewStickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        ASSERT_TRUE(controller->FormCreate(false));
        host = std::make_unique<Host>(*controller);
        dialog = std::make_unique<TFormStickerMess>(*host);
        dialog->FormCreate();
        controller->SetNewStickerDialog({[this] { dialog->ShowNewSticker(); }});
        fonts = InstalledScreenFonts();
        ASSERT_GE(fonts.size(), 2u);
    }
    void TearDown() override {
        dialog.reset();
        controller->DestroyFormWindow();
        PumpMessages();
    }

    // Opens the dialog and runs `action` once it shows; the action ends by pressing a button. A failed
    // expectation that leaves it (or any of `others`) open is ended by a watchdog.
    void ShowAnd(std::function<void()> action, std::vector<HWND> others = {}) {
        // A controller destroyed by an earlier test leaves its quit message, which would end the modal loop.
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        g_dialogs = std::move(others);
        g_dialogs.push_back(dialog->Handle());
        g_whileShown = std::move(action);
        ::SetTimer(nullptr, 0, 50, &RunWhileShown);
        const UINT_PTR watchdog = ::SetTimer(nullptr, 0, 3000, &CloseLeftOpen);
        dialog->ShowNewSticker();
        ::KillTimer(nullptr, watchdog);
        EXPECT_FALSE(dialog->Showing());
    }

    std::string TextOf(const Control& part) const { return WindowTextOf(part.Handle()); }
    bool Checked(const Control& part) const { return ::SendMessageA(part.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int Selected(const Control& part) const {
        return static_cast<int>(::SendMessageA(part.Handle(), CB_GETCURSEL, 0, 0));
    }
    int Position(const Control& part) const {
        return static_cast<int>(::SendMessageA(part.Handle(), TBM_GETPOS, 0, 0));
    }
    ColorValue ColorOf(const ColorBox& box) const { return box.Selected(); }
    void Click(const Control& part) const { ::SendMessageA(part.Handle(), BM_CLICK, 0, 0); }
    void SetText(const Control& part, const char* text) const { ::SetWindowTextA(part.Handle(), text); }
    // The user's choice of an item, as the box reports it to its page.
    void Choose(const Control& part, int index) const {
        HWND box = part.Handle();
        ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
    }

    test::TempFolder folder;
    test::ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
    std::unique_ptr<Host> host;
    std::unique_ptr<TFormStickerMess> dialog;
    std::vector<std::string> fonts;
};

TEST_F(NewStickerTest, EveryOpeningProposesTheDefaultsTodaysDateShownAndAFreshColour) {
    StickerDefaults& d = host->defaults;
    d.style = 12;
    d.opacity = 200;
    d.useOwnColor = false;
    d.onTop = false;
    d.wordWrap = false;
    d.textColor = 0x00FF00;
    d.captionColor = 0x123456;
    d.textFont = fonts.back();
    d.captionFont = "No Such Font";
    d.textSize = 9;  // between "8" and "10": ties go to the even index, "10"
    d.showPicture = true;
    d.pictureNumber = 7;
    d.hideAtPointer = true;
    d.hideDelayStep = 30;
    d.stickerColor = 0x000010;  // a channel below 32: no random colour is this one
    const std::string before = Dump(d);

    HWND topmost = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr,
                                     nullptr, nullptr, nullptr);
    ::ShowWindow(topmost, SW_SHOWNOACTIVATE);
    ColorValue first = 0;
    ShowAnd([&] {
        EXPECT_EQ(TextOf(dialog->ECaption), controller->Text(TextKey::dfNapom));
        EXPECT_EQ(TextOf(dialog->Edate), Today());
        EXPECT_EQ(TextOf(dialog->memo), controller->Text(TextKey::dfText));
        EXPECT_TRUE(Checked(dialog->CB_date));
        EXPECT_EQ(Selected(dialog->look.CB_style), 12);
        EXPECT_EQ(Position(dialog->look.trackBar), 200);
        EXPECT_FALSE(Checked(dialog->look.CBuseColor));
        EXPECT_FALSE(Checked(dialog->CBPos));
        EXPECT_FALSE(Checked(dialog->CB_autoPer));
        EXPECT_TRUE(::GetWindowLongPtrA(dialog->memo.Handle(), GWL_STYLE) & WS_HSCROLL);
        EXPECT_EQ(ColorOf(dialog->CB_color_text), 0x00FF00);
        EXPECT_EQ(ColorOf(dialog->CB_color_capt), 0x123456);
        EXPECT_EQ(WindowTextOf(dialog->CBFontNameText.Handle()), fonts.back());
        EXPECT_EQ(Selected(dialog->CBFontNameCapt), -1);
        EXPECT_EQ(Selected(dialog->CBsizetext), 2);
        EXPECT_EQ(Selected(dialog->look.CB_icons), 7);
        EXPECT_TRUE(Checked(dialog->look.CB_pic_use));
        EXPECT_TRUE(Checked(dialog->CB_mouse_atas));
        EXPECT_EQ(Position(dialog->TB_Ma), 30);
        wchar_t seconds[64] = {};
        ::GetWindowTextW(dialog->L_sec.Handle(), seconds, 64);
        EXPECT_EQ(std::wstring(seconds), L"0,60 " + controller->ShownText(TextKey::vidIntSec));
        EXPECT_EQ(TextOf(dialog->LCount), std::to_string(controller->Text(TextKey::dfText).size()) + "/255");
        first = ColorOf(dialog->look.CBColorMask);
        EXPECT_GE(first & 0xFF, 32);
        EXPECT_GE((first >> 8) & 0xFF, 32);
        EXPECT_GE((first >> 16) & 0xFF, 32);
        EXPECT_EQ(dialog->PC.ActivePage(), 0);
        DWORD start = 1;
        DWORD end = 0;
        ::SendMessageA(dialog->memo.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(static_cast<int>(end), ::GetWindowTextLengthA(dialog->memo.Handle()));

        // Above a topmost window that was there first. (Wine does not set WS_EX_TOPMOST on a window that
        // owns a topmost one, its tooltip, but places it at the top all the same.)
        EXPECT_TRUE(Above(dialog->Handle(), topmost));
        EXPECT_TRUE(::GetWindowLongPtrA(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        RECT work{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        RECT rect{};
        ::GetWindowRect(dialog->Handle(), &rect);
        EXPECT_EQ(rect.left, work.left + (work.right - work.left - (rect.right - rect.left)) / 2);
        EXPECT_EQ(rect.top, work.top + (work.bottom - work.top - (rect.bottom - rect.top)) / 2);

        // What the user changes here, the next opening does not keep.
        Click(dialog->CB_date);
        SetText(dialog->Edate, "1.01.99");
        Choose(dialog->look.CB_style, 3);
        Click(dialog->BNO);
    });
    EXPECT_TRUE(host->made.empty());
    EXPECT_EQ(Dump(host->defaults), before);

    ShowAnd([&] {
        EXPECT_TRUE(Checked(dialog->CB_date));
        EXPECT_EQ(TextOf(dialog->Edate), Today());
        EXPECT_EQ(Selected(dialog->look.CB_style), 12);
        EXPECT_NE(ColorOf(dialog->look.CBColorMask), first);
        // Esc in the text box, which hands it to its page as WM_CLOSE: the dialog closes, the page stays.
        ::PostMessageA(dialog->memo.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_TRUE(host->made.empty());
    EXPECT_TRUE(::IsWindow(dialog->memo.Handle()));
    ::DestroyWindow(topmost);
}

// The boxes of one row stand at one top and are 22 pixels high.
TEST_F(NewStickerTest, TheBoxesOfOneRowAreOfOneHeight) {
    test::ExpectRowsOfOneHeight(
        {{dialog->CBFontNameCapt.Handle(), dialog->CB_color_capt.Handle()},
         {dialog->CBFontNameText.Handle(), dialog->CBsizetext.Handle(), dialog->CB_color_text.Handle()}},
        22);
}

TEST_F(NewStickerTest, OkMakesTheLookTheDefaultsAndOneStickerOnTheDesktopWhenNotTopmost) {
    ShellDesktop desktop;
    host->defaults.textFont = "No Such Font";
    host->defaults.onTop = true;
    host->defaults.hideDelayStep = 0;  // 3 s, no position of the bar
    ColorValue colour = 0;
    ShowAnd([&] {
        SetText(dialog->ECaption, "Buy milk");
        SetText(dialog->Edate, "9.12.26");
        SetText(dialog->memo, "Two litres\r\nand bread");
        Choose(dialog->look.CB_style, 3);
        Choose(dialog->CBsizetext, 4);
        Click(dialog->CBPos);
        colour = ColorOf(dialog->look.CBColorMask);

        // Asked again while it shows, by every way there is: nothing is filled anew, no second dialog runs.
        dialog->ShowNewSticker();
        ::SendMessageA(controller->Handle(), WM_USER, protocol::kUserMakeDialog, protocol::kUserMake);
        ::SendMessageA(controller->Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kNewst1), 0);
        EXPECT_EQ(TextOf(dialog->ECaption), "Buy milk");
        Click(dialog->BOK);
    });
    ASSERT_EQ(host->made.size(), 1u);
    const Host::Made& made = host->made[0];
    EXPECT_EQ(made.caption, "Buy milk");
    EXPECT_EQ(made.date, "9.12.26");
    EXPECT_FALSE(made.onTop);
    EXPECT_TRUE(made.showDate);
    EXPECT_EQ(made.body, "Two litres\r\nand bread");

    const StickerDefaults& d = host->defaults;
    EXPECT_EQ(d.style, 3);
    EXPECT_EQ(d.textSize, 14);
    EXPECT_FALSE(d.onTop);
    EXPECT_EQ(d.stickerColor, colour);
    EXPECT_EQ(d.textFont, "No Such Font");  // no installed font matched: the default stays
    EXPECT_EQ(d.hideDelayStep, 0);          // the bar was not moved

    PumpMessages();
    ASSERT_EQ(controller->Table().Slot(0).inUse, 1);
    EXPECT_EQ(controller->Table().Slot(1).inUse, 0);
    const StickerRecord& sticker = controller->Table().Slot(0);
    EXPECT_EQ(sticker.caption.text.Get(), "Buy milk");
    EXPECT_EQ(sticker.placement.layer, 1);
    EXPECT_EQ(sticker.placement.style, 3);
    EXPECT_EQ(::GetAncestor(HandleFromValue(sticker.window), GA_PARENT), desktop.Handle());
}

TEST_F(NewStickerTest, APatternLoadedAndCancelledLeavesEveryDefaultAndWithOkBringsItsShadows) {
    PatternLook look;
    look.style = 9;
    look.color = 0x204060;
    look.transparent = 120;
    look.textFont = fonts[0];
    look.textSize = 16;
    look.textColor = 0x0000FF;
    look.captionFont = fonts[1];
    look.captionColor = 0x00FFFF;
    look.pictureNumber = 5;
    const std::string file = WritePatternFile(folder.Path(), "Night", look, PatternTimeNow());
    test::WriteAll(folder.File("config.txt"), [&file] {
        const std::string text = "[Settings]\r\npattern=Night||" + file + "\r\n";
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }());
    const std::string before = Dump(host->defaults);
    ASSERT_FALSE(host->defaults.captionShadow);

    ShowAnd([&] {
        // The remembered pattern is selected and previewed, so it can be loaded.
        EXPECT_EQ(PatternNameOf(WindowTextOf(dialog->patterns.CB_press.Handle())), "Night");
        EXPECT_TRUE(::IsWindowEnabled(dialog->patterns.B_press_prim.Handle()));
        Click(dialog->patterns.B_press_prim);
        EXPECT_EQ(Selected(dialog->look.CB_style), 9);
        EXPECT_EQ(ColorOf(dialog->look.CBColorMask), 0x204060);
        EXPECT_EQ(Position(dialog->look.trackBar), 120);
        EXPECT_EQ(WindowTextOf(dialog->CBFontNameText.Handle()), fonts[0]);
        EXPECT_EQ(WindowTextOf(dialog->CBFontNameCapt.Handle()), fonts[1]);
        EXPECT_EQ(Selected(dialog->CBsizetext), 5);
        EXPECT_EQ(ColorOf(dialog->CB_color_text), 0x0000FF);
        EXPECT_EQ(ColorOf(dialog->CB_color_capt), 0x00FFFF);
        EXPECT_EQ(Selected(dialog->look.CB_icons), 5);
        EXPECT_FALSE(::IsWindowEnabled(dialog->patterns.B_press_prim.Handle()));
        Click(dialog->BNO);
    });
    EXPECT_EQ(Dump(host->defaults), before);
    EXPECT_TRUE(host->made.empty());

    ShowAnd([&] {
        Click(dialog->patterns.B_press_prim);
        Click(dialog->BOK);
    });
    EXPECT_EQ(host->made.size(), 1u);
    EXPECT_EQ(host->defaults.style, 9);
    EXPECT_TRUE(host->defaults.captionShadow);
    EXPECT_TRUE(host->defaults.textShadow);
}

// The controller and the tray are hidden, so the dialog does not disable them: every way to another dialog
// (or to this one again) brings this one to the front instead and opens nothing. A plain new sticker is no
// dialog and is made.
TEST_F(NewStickerTest, WhileItShowsEveryRequestForADialogBringsItForwardAndOpensNothing) {
    TFormDialog question;
    ASSERT_TRUE(question.FormCreate([this](TextKey key) { return controller->ShownText(key); }));
    controller->SetFormDialog(&question);
    TSettingsForm properties;
    properties.FormCreate(*controller);
    controller->SetSettingsForm(&properties);
    HWND window = controller->Handle();
    const auto command = [window](TVelpin::MenuId id) { ::SendMessageA(window, WM_COMMAND, MenuCommand(id), 0); };
    command(TVelpin::MenuId::kNWin);  // the hot key Win with "+"
    HWND elsewhere =
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);

    ShowAnd(
        [&] {
            SetText(dialog->ECaption, "Typed");
            const auto expectBroughtForward = [&](const char* request, const std::function<void()>& ask) {
                ::SetForegroundWindow(elsewhere);
                ASSERT_EQ(::GetForegroundWindow(), elsewhere);
                ask();
                EXPECT_EQ(::GetForegroundWindow(), dialog->Handle()) << request;
                EXPECT_EQ(TextOf(dialog->ECaption), "Typed") << request;
            };
            expectBroughtForward("delete all", [&] { command(TVelpin::MenuId::kNdeleteall); });
            expectBroughtForward("new sticker (properties)", [&] { command(TVelpin::MenuId::kNewst1); });
            expectBroughtForward("WM_USER 11/102", [&] {
                ::SendMessageA(window, WM_USER, protocol::kUserMakeDialog, protocol::kUserMake);
            });
            expectBroughtForward("hot key", [&] { ::SendMessageA(window, WM_USER, 201, protocol::kUserHotKey); });
            command(TVelpin::MenuId::kN1);
            ASSERT_EQ(controller->Table().Count(), 1);
            const StickerRecord& made = controller->Table().Slot(0);
            expectBroughtForward("a sticker's properties", [&] {
                controller->OpenProperties(HandleFromValue(made.window), made, TSettingsForm::kTextPage);
            });
            // Neither of the others was ever filled to be shown.
            EXPECT_EQ(WindowTextOf(question.Control(TFormDialog::kLText)), "");
            EXPECT_EQ(WindowTextOf(properties.Handle()), "");
            Click(dialog->BNO);
        },
        {question.Handle(), properties.Handle()});
    EXPECT_TRUE(host->made.empty());
    controller->SetFormDialog(nullptr);
    controller->SetSettingsForm(nullptr);
    ::DestroyWindow(elsewhere);
}

}  // namespace
}  // namespace velpiners
