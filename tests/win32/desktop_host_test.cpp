// Desktop stickers in the shells they meet: stand-in windows of the shell's classes, made in this process, in
// the hierarchies of Windows 7 to 10 (Progman holds the icon view), Windows 10 after Show Desktop (a top-level
// WorkerW holds it) and Windows 11 24H2 (Progman holds the icon view and the wallpaper's WorkerW). The real
// controller opens the stickers. Also: a shell that refuses a layered child, Show Desktop moving the icon
// view, a host destroyed under its stickers, and monitors that go and come back.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "app/velpin_win.h"
#include "protocol/protocol.h"
#include "sticker/desktop_host_win.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::PumpMessages;
using test::ReadAll;
using test::TempFolder;

constexpr DWORD kPatience = 5000;

// Pumps messages until `done` holds or kPatience has passed; says whether it held.
template <typename Condition>
bool WaitFor(Condition done) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (::GetTickCount() - start > kPatience) return false;
        ::Sleep(5);
    }
}

HWND MakeWindow(const char* className, HWND parent, DWORD style) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    const char* title = std::strcmp(className, "Progman") == 0 ? "Program Manager" : "";
    HWND window = ::CreateWindowExA(0, className, title, style | (parent != nullptr ? WS_VISIBLE : 0), 0, 0, 500, 400,
                                    parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    // Not activated: under Wine an active window is handed to the X window manager, and hiding it then
    // waits for one that a virtual display does not have.
    if (parent == nullptr) ::ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// The shell's windows as each system arranges them.
struct StandInShell {
    enum class Kind { kPlain, kAfterShowDesktop, kWindows11 };
    explicit StandInShell(Kind kind) {
        progman = MakeWindow("Progman", nullptr, WS_POPUP);
        if (kind == Kind::kAfterShowDesktop) {
            worker = MakeWindow("WorkerW", nullptr, WS_POPUP);
            iconView = MakeWindow("SHELLDLL_DefView", worker, WS_CHILD);
        } else {
            iconView = MakeWindow("SHELLDLL_DefView", progman, WS_CHILD);
            if (kind == Kind::kWindows11) worker = MakeWindow("WorkerW", progman, WS_CHILD);
        }
        ReplaceShellWindow(progman);
    }
    ~StandInShell() {
        ReplaceShellWindow(nullptr);
        if (::IsWindow(worker)) ::DestroyWindow(worker);
        ::DestroyWindow(progman);
    }
    // Show Desktop on Windows 10: the icon view moves into a new top-level WorkerW above Progman.
    void ShowDesktop() {
        worker = MakeWindow("WorkerW", nullptr, WS_POPUP);
        ::SetParent(iconView, worker);
    }
    HWND progman = nullptr;
    HWND worker = nullptr;
    HWND iconView = nullptr;
};

StickerRecord DesktopNote(std::int32_t left, std::int32_t top, std::uint8_t layer = 1) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    FillStickerDefaults(r, "Desk", "A note on the desktop", "1.02.26", left, top);
    r.placement.style = 5;
    r.placement.useOwnColor = 1;
    r.placement.color = 0x2080E0;
    r.placement.layer = layer;
    return r;
}

// Whether the window is among the ones below `above` in its parent's stack.
bool Below(HWND window, HWND above) {
    for (HWND next = ::GetWindow(above, GW_HWNDNEXT); next != nullptr; next = ::GetWindow(next, GW_HWNDNEXT))
        if (next == window) return true;
    return false;
}

class DesktopHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        ASSERT_TRUE(controller->FormCreate(false));
        PumpMessages();
    }
    void TearDown() override {
        if (controller) controller->DestroyFormWindow();
        controller.reset();
        PumpMessages();
    }
    TStickForm* Open(const StickerRecord& r) {
        TStickForm* sticker = controller->MakeStickerFromRecord(r.caption, r.date, r.placement, r.body);
        PumpMessages();
        return sticker;
    }
    HWND WindowOfSlot(int i) const { return HandleFromValue(controller->Table().Slot(i).window); }
    StickerRecord Saved() {
        ::PostMessageA(controller->Handle(), protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                       protocol::kCtlSaveRequest);
        PumpMessages();
        const std::vector<std::uint8_t> bytes = ReadAll(folder.File("base.db"));
        StickerRecord r{};
        if (bytes.size() >= kStickerRecordSize) std::memcpy(&r, bytes.data(), kStickerRecordSize);
        return r;
    }

    // A desktop child: child style, no popup style, still layered, above the icon view among the host's
    // children, and its picture on the screen (the middle pixel, fully opaque in the composed picture).
    static void ExpectPaintedChildAboveIcons(TStickForm& sticker, HWND host, HWND iconView) {
        HWND window = sticker.Handle();
        EXPECT_EQ(::GetAncestor(window, GA_PARENT), host);
        const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_NE(style & WS_CHILD, 0);
        EXPECT_EQ(style & WS_POPUP, 0);
        EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        EXPECT_EQ(::GetWindow(host, GW_CHILD), window);
        EXPECT_TRUE(Below(iconView, window));
        ExpectOnScreen(sticker);
    }

    static void ExpectOnScreen(TStickForm& sticker) {
        const graphics::Picture& picture = sticker.Composed();
        const int x = picture.Width() / 2;
        const int y = picture.Height() / 2;
        const std::uint8_t* pixel = picture.Row(y) + x * 4;
        ASSERT_EQ(pixel[3], 255);
        const COLORREF wanted = RGB(pixel[2], pixel[1], pixel[0]);
        RECT rect{};
        ::GetWindowRect(sticker.Handle(), &rect);
        HDC screen = ::GetDC(nullptr);
        COLORREF seen = CLR_INVALID;
        EXPECT_TRUE(WaitFor([&] {
            seen = ::GetPixel(screen, rect.left + x, rect.top + y);
            return seen == wanted;
        })) << std::hex
            << seen << " instead of " << wanted;
        ::ReleaseDC(nullptr, screen);
    }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
};

TEST_F(DesktopHostTest, TheHostIsTheWindowThatHoldsTheIconView) {
    {
        StandInShell shell(StandInShell::Kind::kPlain);
        TStickForm* sticker = Open(DesktopNote(100, 120));
        ASSERT_NE(sticker, nullptr);
        ExpectPaintedChildAboveIcons(*sticker, shell.progman, shell.iconView);
        EXPECT_EQ(Saved().placement.parented, 1);
        ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 0, protocol::kStkClose);
        PumpMessages();
    }
    {
        StandInShell shell(StandInShell::Kind::kAfterShowDesktop);
        TStickForm* sticker = Open(DesktopNote(100, 120));
        ASSERT_NE(sticker, nullptr);
        ExpectPaintedChildAboveIcons(*sticker, shell.worker, shell.iconView);
        ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 0, protocol::kStkClose);
        PumpMessages();
    }
    {
        StandInShell shell(StandInShell::Kind::kWindows11);
        TStickForm* sticker = Open(DesktopNote(100, 120));
        ASSERT_NE(sticker, nullptr);
        ExpectPaintedChildAboveIcons(*sticker, shell.progman, shell.iconView);
        EXPECT_TRUE(Below(shell.worker, sticker->Handle()));
        // The icon view brought forward: the next check puts the sticker above it again.
        ::SetWindowPos(shell.iconView, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::PostMessageA(sticker->Handle(), TStickForm::kCheckDesktopHostMessage, 0, 0);
        PumpMessages();
        EXPECT_EQ(::GetWindow(shell.progman, GW_CHILD), sticker->Handle());
        // Back to the top: a popup again, owned by the controller, painted.
        ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 0, protocol::kStkLayer);
        PumpMessages();
        EXPECT_EQ(::GetAncestor(sticker->Handle(), GA_PARENT), ::GetDesktopWindow());
        EXPECT_EQ(::GetWindowLongPtrW(sticker->Handle(), GWL_STYLE) & WS_CHILD, 0);
        EXPECT_EQ(::GetWindow(sticker->Handle(), GW_OWNER), controller->Handle());
        ExpectOnScreen(*sticker);
    }
}

// Windows 7 has no layered child windows: the layered style does not hold on a child.
WNDPROC g_stickerProcedure = nullptr;
LRESULT CALLBACK RefuseLayeredChild(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_STYLECHANGING && wParam == static_cast<WPARAM>(GWL_EXSTYLE) &&
        (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0)
        reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew &= ~static_cast<DWORD>(WS_EX_LAYERED);
    return ::CallWindowProcW(g_stickerProcedure, hwnd, message, wParam, lParam);
}

TEST_F(DesktopHostTest, AShellThatRefusesALayeredChildLeavesThePopupAtTheBottom) {
    // Right of the stand-in shell's window, which would cover it.
    TStickForm* sticker = Open(DesktopNote(900, 120));
    ASSERT_NE(sticker, nullptr);
    HWND window = sticker->Handle();
    g_stickerProcedure = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefuseLayeredChild)));
    StandInShell shell(StandInShell::Kind::kPlain);
    ::PostMessageA(window, TStickForm::kCheckDesktopHostMessage, 0, 0);
    PumpMessages();

    EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CHILD, 0);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // No window shows below it.
    for (HWND below = ::GetWindow(window, GW_HWNDNEXT); below != nullptr; below = ::GetWindow(below, GW_HWNDNEXT))
        EXPECT_FALSE(::IsWindowVisible(below));
    EXPECT_TRUE(Below(window, shell.progman));
    ExpectOnScreen(*sticker);
    const StickerRecord saved = Saved();
    EXPECT_EQ(saved.placement.layer, 1);
    EXPECT_EQ(saved.placement.parented, 0);
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_stickerProcedure));
}

TEST_F(DesktopHostTest, ShowDesktopTakesTheStickersAlongToTheIconView) {
    StandInShell shell(StandInShell::Kind::kPlain);
    TStickForm* sticker = Open(DesktopNote(100, 120));
    ASSERT_NE(sticker, nullptr);
    ASSERT_EQ(::GetAncestor(sticker->Handle(), GA_PARENT), shell.progman);
    shell.ShowDesktop();
    // What the system tells the watch when the desktop comes to the front.
    ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, shell.worker, OBJID_WINDOW, CHILDID_SELF);
    if (!WaitFor([&] { return ::GetAncestor(sticker->Handle(), GA_PARENT) == shell.worker; })) {
        ADD_FAILURE() << "the watch heard nothing";
        return;
    }
    ExpectPaintedChildAboveIcons(*sticker, shell.worker, shell.iconView);
}

TEST_F(DesktopHostTest, AStickerOutlivesItsHostAndFindsTheNextOne) {
    StandInShell shell(StandInShell::Kind::kAfterShowDesktop);
    StickerRecord note = DesktopNote(100, 120);
    note.body.text.Set("Still here");
    TStickForm* sticker = Open(note);
    ASSERT_NE(sticker, nullptr);
    HWND first = sticker->Handle();
    ASSERT_EQ(::GetAncestor(first, GA_PARENT), shell.worker);
    ::SetWindowPos(first, nullptr, 130, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The shell takes its icon view back into Progman and destroys the WorkerW, and the sticker with it.
    ::SetParent(shell.iconView, shell.progman);
    ::DestroyWindow(shell.worker);
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_TRUE(WaitFor([&] { return ::IsWindow(WindowOfSlot(0)); }));
    HWND again = WindowOfSlot(0);
    EXPECT_EQ(controller->Table().Count(), 1);
    EXPECT_EQ(::GetAncestor(again, GA_PARENT), shell.progman);
    EXPECT_EQ(::GetWindow(shell.progman, GW_CHILD), again);
    const StickerRecord saved = Saved();
    EXPECT_EQ(saved.body.text.Get(), "Still here");
    EXPECT_EQ(saved.placement.left, 130);
    EXPECT_EQ(saved.placement.top, 140);
    EXPECT_EQ(saved.placement.parented, 1);
}

TEST_F(DesktopHostTest, AStrandedStickerIsShownOnAMonitorThereAndKeepsItsOwnPlace) {
    // A topmost note on a monitor left of the primary one.
    TStickForm* sticker = Open(DesktopNote(-1000, 300, 0));
    ASSERT_NE(sticker, nullptr);
    RECT rect{};
    ::GetWindowRect(sticker->Handle(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const ScreenRect primary{0, 0, 1920, 1040};
    const ScreenRect left{-1280, 0, 0, 1024};
    sticker->FitToMonitors({primary, left});
    EXPECT_EQ(sticker->Position().x, -1000);
    EXPECT_FALSE(sticker->Rescued());

    // Unplugged: shown centred on the primary monitor, the record keeps the own place.
    sticker->FitToMonitors({primary});
    EXPECT_EQ(sticker->Position().x, (1920 - width) / 2);
    EXPECT_EQ(sticker->Position().y, (1040 - height) / 2);
    StickerRecord saved = Saved();
    EXPECT_EQ(saved.placement.left, -1000);
    EXPECT_EQ(saved.placement.top, 300);

    // Plugged in again: back at its own place.
    sticker->FitToMonitors({primary, left});
    EXPECT_EQ(sticker->Position().x, -1000);
    EXPECT_EQ(sticker->Position().y, 300);
    EXPECT_FALSE(sticker->Rescued());

    // Moved by the user while rescued: the new place is its own.
    sticker->FitToMonitors({primary});
    ::SetWindowPos(sticker->Handle(), nullptr, 200, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(sticker->Handle(), WM_EXITSIZEMOVE, 0, 0);
    saved = Saved();
    EXPECT_EQ(saved.placement.left, 200);
    EXPECT_EQ(saved.placement.top, 210);
    sticker->FitToMonitors({primary, left});
    EXPECT_EQ(sticker->Position().x, 200);
}

}  // namespace
}  // namespace velpiners
