#include "ui/modal_win.h"

#include <vector>

namespace velpiners {
namespace {

struct DisableState {
    HWND dialog;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM lParam) {
    auto* state = reinterpret_cast<DisableState*>(lParam);
    if (hwnd != state->dialog && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
        ::EnableWindow(hwnd, FALSE);
        state->disabled.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

void ShowModal(HWND dialog) {
    DisableState state{dialog, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&state));
    ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);

    MSG message;
    bool quit = false;
    int exitCode = 0;
    while (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (::IsDialogMessageA(dialog, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    for (HWND hwnd : state.disabled)
        if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
    if (::IsWindow(dialog)) ::ShowWindow(dialog, SW_HIDE);
    if (quit) ::PostQuitMessage(exitCode);
}

void CentreOnWorkArea(HWND window) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velpiners
