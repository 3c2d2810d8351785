// The modal loop hands typed characters on in UTF-16: every window of the program is a Unicode window, so a
// character the system's ANSI code page lacks reaches a dialog's control as itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/modal_win.h"

namespace velpiners {
namespace {

constexpr UINT kHideDialog = WM_APP + 1;
constexpr wchar_t kDialogClass[] = L"ModalLoopTestDialog";

LRESULT CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHideDialog) {
        ::ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(ModalLoop, TypedCharactersReachTheDialogsControlAsThemselves) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DialogProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kDialogClass;
    ASSERT_NE(::RegisterClassW(&windowClass), 0);
    HWND dialog = ::CreateWindowExW(0, kDialogClass, L"", WS_POPUP | WS_CAPTION, 0, 0, 200, 80, nullptr, nullptr,
                                    instance, nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 8, 150, 20, dialog, nullptr,
                                  instance, nullptr);
    ASSERT_NE(edit, nullptr);

    // Cyrillic Zhe, Greek Omega and the euro sign: no ANSI code page holds all three.
    const std::wstring typed = L"\u0416\u03A9\u20AC";
    for (const wchar_t c : typed) ::PostMessageW(edit, WM_CHAR, c, 1);
    ::PostMessageW(dialog, kHideDialog, 0, 0);
    ShowModal(dialog);

    wchar_t shown[16]{};
    ::GetWindowTextW(edit, shown, 16);
    EXPECT_EQ(std::wstring(shown), typed);
    ::DestroyWindow(dialog);
    ::UnregisterClassW(kDialogClass, instance);
}

}  // namespace
}  // namespace velpiners
