// Desktop stickers opened by the real controller in stand-in shells (windows of the shell's classes made in
// this process, arranged as each Windows arranges them), a shell that refuses a layered child, and monitors
// that go and come back.
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

using test::PumpMessages;

template <typename Condition>
bool WaitFor(Condition done) {
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 5000; ::Sleep(5)) {
        PumpMessages();
        if (done()) return true;
    }
    return false;
}

HWND MakeWindow(const char* className, HWND parent) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    HWND window = ::CreateWindowExA(0, className, std::strcmp(className, "Progman") == 0 ? "Program Manager" : "",
                                    parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP, 0, 0, 500, 400, parent,
                                    nullptr, nullptr, nullptr);
    // Not activated: under Wine an active window goes to the X window manager, and hiding it then waits for
    // one that a virtual display does not have.
    if (parent == nullptr) ::ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// The shell's windows: Progman holding the icon view (Windows 7 to 10), and the wallpaper's WorkerW besides
// (Windows 11 24H2).
struct StandInShell {
    explicit StandInShell(bool windows11 = false) {
        iconView = MakeWindow("SHELLDLL_DefView", progman);
        if (windows11) worker = MakeWindow("WorkerW", progman);
        ReplaceShellWindow(progman);
    }
    ~StandInShell() {
        ReplaceShellWindow(nullptr);
        ::DestroyWindow(worker);
        ::DestroyWindow(progman);
    }
    // Show Desktop on Windows 10: the icon view moves into a new top-level WorkerW.
    void ShowDesktop() {
        worker = MakeWindow("WorkerW", nullptr);
        ::SetParent(iconView, worker);
    }
    HWND progman = MakeWindow("Progman", nullptr);
    HWND worker = nullptr;
    HWND iconView = nullptr;
};

class DesktopHostTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(controller->FormCreate(false)); }
    void TearDown() override { controller->DestroyFormWindow(); }
    TStickForm* Open(std::int32_t left, std::int32_t top, std::uint8_t layer = 1) {
        StickerRecord r{};
        FillStickerDefaults(r, "Desk", "Still here", "1.02.26", left, top);
        r.placement.style = 5;
        r.placement.layer = layer;
        TStickForm* sticker = controller->MakeStickerFromRecord(r.caption, r.date, r.placement, r.body);
        PumpMessages();
        return sticker;
    }
    HWND WindowOfSlot(int i) const { return HandleFromValue(controller->Table().Slot(i).window); }
    StickerRecord Saved() {
        test::SaveCycle(controller->Handle());
        const std::vector<std::uint8_t> bytes = test::ReadAll(folder.File("base.db"));
        StickerRecord r{};
        if (bytes.size() >= kStickerRecordSize) std::memcpy(&r, bytes.data(), kStickerRecordSize);
        return r;
    }

    // A desktop child (child style, not a popup, still layered) first among the host's children, above the
    // icon view and the wallpaper, with its picture on the screen.
    static void ExpectPaintedChildOnTop(TStickForm& sticker, HWND host) {
        HWND window = sticker.Handle();
        EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_CHILD);
        EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        EXPECT_EQ(::GetWindow(host, GW_CHILD), window);
        ExpectOnScreen(sticker);
    }
    // The middle pixel of the composed picture (fully opaque there) read back from the screen.
    static void ExpectOnScreen(TStickForm& sticker) {
        const graphics::Picture& picture = sticker.Composed();
        const int x = picture.Width() / 2;
        const int y = picture.Height() / 2;
        const std::uint8_t* pixel = picture.Row(y) + x * 4;
        ASSERT_EQ(pixel[3], 255);
        RECT rect{};
        ::GetWindowRect(sticker.Handle(), &rect);
        HDC screen = ::GetDC(nullptr);
        EXPECT_TRUE(WaitFor(
            [&] { return ::GetPixel(screen, rect.left + x, rect.top + y) == RGB(pixel[2], pixel[1], pixel[0]); }));
        ::ReleaseDC(nullptr, screen);
    }

    test::TempFolder folder;
    test::ErrorCapture errors;
    std::unique_ptr<TVelpin> controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
};

// Windows 7 to 10: Progman holds the icon view until Show Desktop moves it into a top-level WorkerW; the shell
// later takes it back and destroys the WorkerW, and the sticker in it with it.
TEST_F(DesktopHostTest, TheStickerFollowsTheIconViewAndOutlivesItsHost) {
    StandInShell shell;
    TStickForm* sticker = Open(100, 120);
    ASSERT_NE(sticker, nullptr);
    ExpectPaintedChildOnTop(*sticker, shell.progman);

    shell.ShowDesktop();
    // What the system tells the watch when the desktop comes to the front.
    ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, shell.worker, OBJID_WINDOW, CHILDID_SELF);
    ASSERT_TRUE(WaitFor([&] { return ::GetAncestor(sticker->Handle(), GA_PARENT) == shell.worker; }));
    ExpectPaintedChildOnTop(*sticker, shell.worker);
    // Opened now, a sticker goes to the WorkerW at once.
    TStickForm* second = Open(300, 120);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(::GetAncestor(second->Handle(), GA_PARENT), shell.worker);

    HWND first = sticker->Handle();
    ::SetWindowPos(first, nullptr, 130, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetParent(shell.iconView, shell.progman);
    ::DestroyWindow(shell.worker);
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_TRUE(WaitFor([&] { return ::IsWindow(WindowOfSlot(0)) && ::IsWindow(WindowOfSlot(1)); }));
    EXPECT_EQ(controller->Table().Count(), 2);
    EXPECT_EQ(::GetAncestor(WindowOfSlot(0), GA_PARENT), shell.progman);
    const StickerRecord saved = Saved();
    EXPECT_EQ(saved.body.text.Get(), "Still here");
    EXPECT_EQ(saved.placement.left, 130);
    EXPECT_EQ(saved.placement.top, 140);
    EXPECT_EQ(saved.placement.parented, 1);
}

TEST_F(DesktopHostTest, OnWindows11TheStickerStandsAboveTheIconsAndTheWallpaper) {
    StandInShell shell(true);
    TStickForm* sticker = Open(100, 120);
    ASSERT_NE(sticker, nullptr);
    ExpectPaintedChildOnTop(*sticker, shell.progman);
    // The icon view brought forward: the next check puts the sticker above it again.
    ::SetWindowPos(shell.iconView, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::PostMessageA(sticker->Handle(), TStickForm::kCheckDesktopHostMessage, 0, 0);
    PumpMessages();
    EXPECT_EQ(::GetWindow(shell.progman, GW_CHILD), sticker->Handle());
    // Back to the top: a popup again, owned by the controller (no taskbar button), painted.
    ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 0, protocol::kStkLayer);
    PumpMessages();
    EXPECT_EQ(::GetWindow(sticker->Handle(), GW_OWNER), controller->Handle());
    ExpectOnScreen(*sticker);
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
    TStickForm* sticker = Open(900, 120);  // right of the stand-in shell, which would cover it
    ASSERT_NE(sticker, nullptr);
    HWND window = sticker->Handle();
    g_stickerProcedure = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefuseLayeredChild)));
    StandInShell shell;
    ::PostMessageA(window, TStickForm::kCheckDesktopHostMessage, 0, 0);
    PumpMessages();
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & (WS_CHILD | WS_POPUP), WS_POPUP);
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOPMOST), WS_EX_LAYERED);
    // None of this program's windows shows below it.
    for (HWND below = ::GetWindow(window, GW_HWNDNEXT); below != nullptr; below = ::GetWindow(below, GW_HWNDNEXT)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(below, &process);
        EXPECT_FALSE(::IsWindowVisible(below) && process == ::GetCurrentProcessId());
    }
    ExpectOnScreen(*sticker);
    EXPECT_EQ(Saved().placement.parented, 0);
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_stickerProcedure));
}

// A topmost note on a monitor left of the primary one: unplugged, it shows on the primary one while the
// record keeps its own place; plugged in again, it goes back; moved by the user, its new place is its own.
TEST_F(DesktopHostTest, AStrandedStickerIsShownOnAMonitorThereAndKeepsItsOwnPlace) {
    TStickForm* sticker = Open(-1000, 300, 0);
    ASSERT_NE(sticker, nullptr);
    const ScreenRect primary{0, 0, 1920, 1040};
    sticker->FitToMonitors({primary});
    EXPECT_GE(sticker->Position().x, 0);
    EXPECT_EQ(Saved().placement.left, -1000);
    sticker->FitToMonitors({primary, {-1280, 0, 0, 1024}});
    EXPECT_EQ(sticker->Position().x, -1000);
    sticker->FitToMonitors({primary});
    ::SetWindowPos(sticker->Handle(), nullptr, 200, 210, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(sticker->Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(Saved().placement.left, 200);
    sticker->FitToMonitors({primary, {-1280, 0, 0, 1024}});
    EXPECT_EQ(sticker->Position().x, 200);
}

}  // namespace
}  // namespace velpiners
