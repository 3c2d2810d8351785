#include "ui/modal_win.h"

#include <algorithm>
#include <vector>

namespace velpiners {
namespace {

// The windows in ShowModal's loops, outermost first. The program's windows live on its one UI thread.
std::vector<HWND>& ModalStack() {
    static std::vector<HWND> stack;
    return stack;
}

// Keeps a window on the stack for the length of its loop, whatever ends the loop.
class ModalEntry {
public:
    explicit ModalEntry(HWND dialog) { ModalStack().push_back(dialog); }
    ~ModalEntry() { ModalStack().pop_back(); }
    ModalEntry(const ModalEntry&) = delete;
    ModalEntry& operator=(const ModalEntry&) = delete;
};

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

// Centres a window on a work area.
void CentreOn(HWND window, const RECT& work) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowModal(HWND dialog) {
    const std::vector<HWND>& stack = ModalStack();
    if (std::find(stack.begin(), stack.end(), dialog) != stack.end()) {
        BringModalToFront();
        return;
    }
    const ModalEntry entry(dialog);
    DisableState state{dialog, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&state));
    ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);

    MSG message;
    bool quit = false;
    int exitCode = 0;
    while (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
        if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (::IsDialogMessageW(dialog, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    for (HWND hwnd : state.disabled)
        if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
    if (::IsWindow(dialog)) ::ShowWindow(dialog, SW_HIDE);
    if (quit) ::PostQuitMessage(exitCode);
}

HWND ShowingModal() {
    const std::vector<HWND>& stack = ModalStack();
    // A window that hid itself is on the stack until its loop sees it, after the handler that hid it.
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (::IsWindow(*it) && ::IsWindowVisible(*it)) return *it;
    return nullptr;
}

void KeepModalOnTop() {
    HWND modal = ShowingModal();
    if (modal != nullptr) ::SetWindowPos(modal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool BringModalToFront() {
    HWND modal = ShowingModal();
    if (modal == nullptr) return false;
    if (::IsIconic(modal)) ::ShowWindow(modal, SW_RESTORE);
    // Raised even where the system refuses the activation (a request from another program).
    ::SetWindowPos(modal, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetForegroundWindow(modal);
    return true;
}

void CentreOnWorkArea(HWND window) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CentreOn(window, work);
}

void CentreOnWorkArea(HWND window, HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !::GetMonitorInfoA(monitor, &info)) {
        CentreOnWorkArea(window);
        return;
    }
    CentreOn(window, info.rcWork);
}

}  // namespace velpiners
