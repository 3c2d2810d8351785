#include "sticker/desktop_host_win.h"

#include <cstring>

namespace velpiners {
namespace {

constexpr char kShellClass[] = "Progman";
constexpr char kShellTitle[] = "Program Manager";
constexpr char kWorkerClass[] = "WorkerW";
constexpr char kIconViewClass[] = "SHELLDLL_DefView";
// Longer than any class name compared here.
constexpr int kClassNameLength = 32;
// A shell never has more top-level WorkerW windows than this; the search stops there.
constexpr int kWorkerLimit = 256;

HWND g_replacedShell = nullptr;
DesktopWatch* g_watch = nullptr;

bool HasClass(HWND window, const char* className) {
    char name[kClassNameLength] = {};
    return ::GetClassNameA(window, name, kClassNameLength) > 0 && std::strcmp(name, className) == 0;
}

HWND IconViewIn(HWND parent) { return ::FindWindowExA(parent, nullptr, kIconViewClass, nullptr); }

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

constexpr LONG_PTR kTopLevelStyle = WS_POPUP;
constexpr LONG_PTR kChildStyle = WS_CHILD;

void SetStyleBits(HWND window, int index, LONG_PTR set, LONG_PTR clear) {
    const LONG_PTR now = ::GetWindowLongPtrW(window, index);
    const LONG_PTR wanted = (now & ~clear) | set;
    if (wanted != now) ::SetWindowLongPtrW(window, index, wanted);
}

}  // namespace

HWND ShellWindow() {
    if (g_replacedShell != nullptr) return g_replacedShell;
    HWND shell = ::GetShellWindow();
    // Under Wine (and with a shell of another make) the shell window is no Progman: it holds no icon view.
    if (shell != nullptr && HasClass(shell, kShellClass)) return shell;
    return ::FindWindowA(kShellClass, kShellTitle);
}

void ReplaceShellWindow(HWND shell) { g_replacedShell = shell; }

DesktopHost FindDesktopHost(HWND shell) {
    DesktopHost host;
    if (shell == nullptr || !::IsWindow(shell)) return host;
    host.window = shell;
    host.iconView = IconViewIn(shell);
    if (host.iconView != nullptr) return host;
    const DWORD process = ProcessOf(shell);
    HWND worker = nullptr;
    for (int i = 0; i < kWorkerLimit; ++i) {
        worker = ::FindWindowExA(nullptr, worker, kWorkerClass, nullptr);
        if (worker == nullptr) break;
        if (ProcessOf(worker) != process) continue;
        HWND iconView = IconViewIn(worker);
        if (iconView != nullptr) return DesktopHost{worker, iconView};
    }
    // No icon view anywhere (the shell is starting, or shows no icons): the shell's window itself.
    return host;
}

bool EnterDesktopHost(HWND window, const DesktopHost& host, HWND owner) {
    // A popup cannot be a child: the child style goes on before the parent changes. The layered style is
    // dropped around the change, as a layered child is made afresh under its new parent.
    const bool layered = (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (layered) SetStyleBits(window, GWL_EXSTYLE, 0, WS_EX_LAYERED);
    SetStyleBits(window, GWL_STYLE, kChildStyle, kTopLevelStyle);
    ::SetParent(window, host.window);
    if (layered) SetStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED, 0);
    const bool held = ::GetAncestor(window, GA_PARENT) == host.window &&
                      (::GetWindowLongPtrW(window, GWL_STYLE) & kChildStyle) != 0 &&
                      (!layered || (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0);
    if (!held) {
        LeaveDesktopHost(window, owner);
        return false;
    }
    KeepAboveIconView(window, host);
    return true;
}

void LeaveDesktopHost(HWND window, HWND owner) {
    const bool layered = (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (layered) SetStyleBits(window, GWL_EXSTYLE, 0, WS_EX_LAYERED);
    const bool wasChild = ::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow();
    if (wasChild) ::SetParent(window, nullptr);
    // A top-level window takes the popup style back only once it has no parent.
    SetStyleBits(window, GWL_STYLE, kTopLevelStyle, kChildStyle);
    // The parent took the owner's place; without an owner the window would get a taskbar button.
    if (wasChild && owner != nullptr) ::SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    if (layered) SetStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED, 0);
}

void KeepAboveIconView(HWND window, const DesktopHost& host) {
    // The first child is the top of the host's children; moving there costs a round of position messages.
    if (::GetWindow(host.window, GW_CHILD) != window)
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

DesktopWatch::DesktopWatch(std::function<void()> onChange) : m_onChange(std::move(onChange)) {
    g_watch = this;
    // Out of context: the shell's process is not entered, and the calls come through this thread's loop.
    m_foreground = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &EventProc, 0, 0,
                                     WINEVENT_OUTOFCONTEXT);
    m_parentChange = ::SetWinEventHook(EVENT_OBJECT_PARENTCHANGE, EVENT_OBJECT_PARENTCHANGE, nullptr, &EventProc, 0, 0,
                                       WINEVENT_OUTOFCONTEXT);
}

DesktopWatch::~DesktopWatch() {
    if (m_foreground != nullptr) ::UnhookWinEvent(m_foreground);
    if (m_parentChange != nullptr) ::UnhookWinEvent(m_parentChange);
    if (g_watch == this) g_watch = nullptr;
}

void CALLBACK DesktopWatch::EventProc(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (g_watch == nullptr || window == nullptr || object != OBJID_WINDOW) return;
    // Only the icon view's moves matter; every other window's parent change is passed by.
    if (event == EVENT_OBJECT_PARENTCHANGE && !HasClass(window, kIconViewClass)) return;
    g_watch->WindowEvent(window);
}

void DesktopWatch::WindowEvent(HWND window) {
    const bool desktop = window == ShellWindow() || HasClass(window, kShellClass) || HasClass(window, kWorkerClass) ||
                         HasClass(window, kIconViewClass);
    if (desktop && m_onChange) m_onChange();
}

}  // namespace velpiners
