// Where a desktop-layer sticker lives: the shell window that holds the desktop's icon view. On Windows 7 to
// 10 that is "Progman" until the desktop is shown once (Show Desktop, a wallpaper slideshow); from then on the
// icon view (SHELLDLL_DefView) lives in a top-level "WorkerW" of the shell's process that covers Progman, and
// a sticker left in Progman is hidden behind it. On Windows 11 24H2 Progman holds the icon view and the
// wallpaper's WorkerW as children. Without any shell window there is no host, and a desktop sticker stays a
// top-level window at the bottom of the stack.
//
// The shell window can be replaced (tests stand in windows of their own for the shell, which Wine lacks).
#pragma once

#include <windows.h>

#include <functional>

namespace velpiners {

struct DesktopHost {
    HWND window = nullptr;    // the parent a desktop sticker takes; none when there is no shell
    HWND iconView = nullptr;  // the icon view among the host's children; none when the shell shows none
};

// The shell's desktop window: GetShellWindow when that is a "Progman" window, else the top-level "Progman"
// titled "Program Manager"; the replacement while one is set.
[[nodiscard]] HWND ShellWindow();
// Makes ShellWindow() answer `shell` (nullptr: the system's again).
void ReplaceShellWindow(HWND shell);

// The host under `shell`: the shell itself when the icon view is its child (or when no icon view is found
// at all), else the top-level WorkerW of the shell's process that holds the icon view.
[[nodiscard]] DesktopHost FindDesktopHost(HWND shell);

// Makes `window` a child of the host, above the icon view. A layered window loses its picture on the way
// (the layered style is dropped around the re-parenting) and must present it again. False, with `window`
// left a top-level popup owned by `owner`, when the parent or the child style did not hold.
bool EnterDesktopHost(HWND window, const DesktopHost& host, HWND owner);
// Makes `window` a top-level popup owned by `owner` again (the owner keeps it off the taskbar); the same note
// on its picture as above.
void LeaveDesktopHost(HWND window, HWND owner);
// Puts a child of the host above the icon view when it is not there yet.
void KeepAboveIconView(HWND window, const DesktopHost& host);

// One watch for the whole program: calls `onChange` when the desktop may have got a new host, i.e. when the
// shell's desktop window or a WorkerW comes to the front (Show Desktop) or the icon view changes its parent.
// The system calls it through the thread's message loop.
class DesktopWatch {
public:
    explicit DesktopWatch(std::function<void()> onChange);
    ~DesktopWatch();
    DesktopWatch(const DesktopWatch&) = delete;
    DesktopWatch& operator=(const DesktopWatch&) = delete;

    // What the hooks call for a window that came to the front or changed its parent.
    void WindowEvent(HWND window);

private:
    static void CALLBACK EventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                                   DWORD time);
    std::function<void()> m_onChange;
    HWINEVENTHOOK m_foreground = nullptr;
    HWINEVENTHOOK m_parentChange = nullptr;
};

}  // namespace velpiners
