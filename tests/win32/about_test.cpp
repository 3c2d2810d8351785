// The about box: where it shows, its close button's three looks and the close, the drag by any button but
// the right one, and the premultiplied picture a layered window needs.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "dialogs/about_form_win.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using test::PumpMessages;

// The system commands the about box sends itself while a test runs.
std::vector<WPARAM> g_systemCommands;

LRESULT CALLBACK WatchSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SYSCOMMAND) g_systemCommands.push_back(message->wParam);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(0, 0);  // away from the box: the real pointer would light the button
        ASSERT_TRUE(about.FormCreate(test::ProgramResources()));
        about.FormShow();
        PumpMessages();
    }
    void TearDown() override {
        ::ShowWindow(about.Handle(), SW_HIDE);
        PumpMessages();
    }
    void ToButton(UINT message) { ::SendMessageA(about.CloseButton(), message, 0, MAKELPARAM(10, 10)); }

    TAboutForm about;
};

TEST_F(AboutTest, ShowsCentredOnTheWorkAreaAtThePicturesSize) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    ::GetWindowRect(about.Handle(), &rect);
    EXPECT_TRUE(::IsWindowVisible(about.Handle()));
    EXPECT_EQ(rect.right - rect.left, 347);
    EXPECT_EQ(rect.bottom - rect.top, 273);
    EXPECT_EQ(rect.left, work.left + (work.right - work.left - 347) / 2);
    EXPECT_EQ(rect.top, work.top + (work.bottom - work.top - 273) / 2);
    RECT button{};
    ::GetWindowRect(about.CloseButton(), &button);
    EXPECT_EQ(button.left - rect.left, 347 - 61);
    EXPECT_EQ(button.top - rect.top, -1);
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kNormal);
}

TEST_F(AboutTest, TheCloseButtonLightsPressesAndCloses) {
    const graphics::Picture normal = about.Presented();
    ToButton(WM_MOUSEMOVE);
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kLit);
    const graphics::Picture lit = about.Presented();
    ToButton(WM_LBUTTONDOWN);
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kPressed);
    ToButton(WM_MOUSELEAVE);  // still pressed while the pointer is away
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kPressed);
    ::SendMessageA(about.CloseButton(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));  // released elsewhere: no click
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kNormal);
    EXPECT_TRUE(::IsWindowVisible(about.Handle()));
    // The three looks differ inside the button and nowhere else.
    const int x = 347 - 61 + 8;
    EXPECT_NE(std::vector<std::uint8_t>(normal.Pixel(x, 20), normal.Pixel(x, 20) + 4),
              std::vector<std::uint8_t>(lit.Pixel(x, 20), lit.Pixel(x, 20) + 4));
    EXPECT_EQ(std::vector<std::uint8_t>(normal.Pixel(100, 100), normal.Pixel(100, 100) + 4),
              std::vector<std::uint8_t>(lit.Pixel(100, 100), lit.Pixel(100, 100) + 4));

    ToButton(WM_MOUSEMOVE);
    ToButton(WM_LBUTTONDOWN);
    ToButton(WM_LBUTTONUP);
    EXPECT_FALSE(::IsWindowVisible(about.Handle()));
    about.FormShow();  // shown again, normal
    EXPECT_TRUE(::IsWindowVisible(about.Handle()));
    EXPECT_EQ(about.Shown(), TAboutForm::ButtonState::kNormal);
}

TEST_F(AboutTest, AnyButtonButTheRightOneDragsTheBox) {
    g_systemCommands.clear();
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchSystemCommands, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    ::SendMessageA(about.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(g_systemCommands.empty());
    // The move loop ends at the button's release, queued before it starts.
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_LBUTTONUP, 0, 0);
    ::SendMessageA(about.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    ::UnhookWindowsHookEx(hook);
    ASSERT_FALSE(g_systemCommands.empty());
    EXPECT_EQ(g_systemCommands[0], static_cast<WPARAM>(SC_MOVE | HTCAPTION));
}

TEST_F(AboutTest, ThePresentedPictureIsPremultiplied) {
    const graphics::Picture& shown = about.Presented();
    int translucent = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            const std::uint8_t* p = shown.Pixel(x, y);
            ASSERT_LE(p[0], p[3]);
            ASSERT_LE(p[1], p[3]);
            ASSERT_LE(p[2], p[3]);
            if (p[3] > 0 && p[3] < 255) ++translucent;
        }
    EXPECT_GT(translucent, 0);  // the shadow and the rounded edges
}

// On a monitor at 144 dots per inch the box is its picture half as large again (347 x 273 -> 521 x 410), the
// close button 89 x 51 at 521 - 92 and -2, the presented picture that size and still premultiplied; back at
// 96 it is the picture's own size again.
TEST_F(AboutTest, AtHalfAgainTheResolutionTheBoxAndItsButtonAreHalfAgainAsLarge) {
    about.SetDpi(144);
    PumpMessages();
    RECT rect{};
    ::GetWindowRect(about.Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 521);
    EXPECT_EQ(rect.bottom - rect.top, 410);
    RECT button{};
    ::GetWindowRect(about.CloseButton(), &button);
    EXPECT_EQ(button.left - rect.left, 429);
    EXPECT_EQ(button.top - rect.top, -2);
    EXPECT_EQ(button.right - button.left, 89);
    EXPECT_EQ(button.bottom - button.top, 51);
    const graphics::Picture& shown = about.Presented();
    ASSERT_EQ(shown.Width(), 521);
    ASSERT_EQ(shown.Height(), 410);
    int opaque = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            const std::uint8_t* p = shown.Pixel(x, y);
            ASSERT_LE(std::max({p[0], p[1], p[2]}), p[3]) << x << "," << y;
            if (p[3] == 255) ++opaque;
        }
    EXPECT_GT(opaque, 521 * 410 / 2);  // the card itself, not only its shadow

    about.SetDpi(96);
    PumpMessages();
    ::GetWindowRect(about.Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 347);
    EXPECT_EQ(about.Presented().Width(), 347);
}

}  // namespace
}  // namespace velpiners
