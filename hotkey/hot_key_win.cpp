// HotKey.dll: the program's optional global hot keys, a low-level keyboard hook (WH_KEYBOARD_LL) on a thread of
// the library's own. Every keystroke of the desktop waits for this hook, so it must not wait for the program:
// a reload of every sticker or a large file on the window's thread would delay all typing, and a hook that
// answers late is removed by the system without a word. Notifications are posted and handled whenever the
// window's thread gets to them.
//
// Keys by index: 0 Win held with "+" (VK_OEM_PLUS on the main keyboard or VK_ADD on the keypad), 1 Search,
// 2 Back, 3 Forward, 4 Favorites (the browser keys of multimedia keyboards). A press of a key whose index
// HookTablenum has enabled posts WM_USER with wParam 201 + index and lParam 12 to the window, once per press
// (auto-repeat posts nothing more), and the key's press and release are kept from every other program. When
// Win with "+" was taken, an unassigned key is pressed and released before Win goes up, so the Win key's
// release alone does not open the Start menu.
//
// Win counts as held when the system's key state says so, or when the key event just before, and not long
// before, was a Win press this hook passed on: inside the hook the key state may not show that press yet
// (another hook after this one may even keep it from the system while the user does hold Win). Nothing about
// Win is remembered longer: a release this hook never sees (the secure desktop of Win+L or Ctrl+Alt+Del, a
// window of higher integrity) would otherwise leave every "=" typed anywhere taken for a hot key.
//
// Hook(1) starts the hook's thread and returns once its hook is in place; when it cannot be placed the thread
// is gone again and GetLastError says why. A second Hook(1) only names the window. Hook(0) posts WM_QUIT to the
// thread and waits for it to end. The thread holds the library by a reference of its own and leaves through
// FreeLibraryAndExitThread, so a library freed without Hook(0) stays loaded while its hook runs, and nothing
// has to wait for the thread in DllMain, where the loader lock would deadlock. Neither export may be called
// from a DllMain. The window and the enabled keys are atomics: the program's thread writes them while the
// hook reads them.
//
// Exports, undecorated (hot_key.def), both taking two 32-bit integers in the system's calling convention:
//   Hook(mode, window)              mode 1 starts watching and names the window, mode 0 stops
//   HookTablenum(enabled, index)    enabled (low byte) 0 or 1 for key index 0..4; other indices are ignored
#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <utility>

#include "protocol/protocol.h"

namespace {

constexpr int kKeyCount = static_cast<int>(velpiners::protocol::kHotKeyCount);
constexpr int kWinPlus = 0;
constexpr int kNoKey = -1;
constexpr int kHookStart = 1;
constexpr int kKeyStateDown = 0x8000;
// The longest auto-repeat delay Windows offers is 1 s: a Win key still held has pressed again by then (the
// rest is room for an event handled late).
constexpr DWORD kWinPressLastsMs = 1250;
// Unassigned by Windows: pressing it changes nothing but keeps Win's release from opening the Start menu.
constexpr WORD kMenuMaskKey = 0xE8;

HINSTANCE g_instance = nullptr;

// Written by the program's thread, read by the hook's.
std::atomic<HWND> g_window{nullptr};
std::array<std::atomic<bool>, kKeyCount> g_enabled{};

// The hook's thread, started and stopped by Hook under g_control.
SRWLOCK g_control = SRWLOCK_INIT;
HANDLE g_thread = nullptr;
DWORD g_threadId = 0;

// Touched by the hook's thread alone, which starts it afresh.
struct KeyState {
    std::array<bool, kKeyCount> pressed{};  // a taken press whose release is taken too
    bool winPressLast = false;              // the event before this one was a Win press passed on
    DWORD winPressTime = 0;                 // its time stamp
    bool winComboTaken = false;             // Win with "+" was taken during the current hold of Win
};
KeyState g_keys;

bool IsPlus(DWORD vk) { return vk == VK_OEM_PLUS || vk == VK_ADD; }

bool KeyStateDown(int vk) { return (::GetAsyncKeyState(vk) & kKeyStateDown) != 0; }

bool WinHeld(bool winJustPressed) { return winJustPressed || KeyStateDown(VK_LWIN) || KeyStateDown(VK_RWIN); }

int KeyIndexOf(DWORD vk) {
    switch (vk) {
        case VK_BROWSER_SEARCH:
            return 1;
        case VK_BROWSER_BACK:
            return 2;
        case VK_BROWSER_FORWARD:
            return 3;
        case VK_BROWSER_FAVORITES:
            return 4;
        default:
            return IsPlus(vk) ? kWinPlus : kNoKey;
    }
}

void PressMenuMaskKey() {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = kMenuMaskKey;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// True when the event is taken (kept from everyone else).
bool Take(DWORD vk, bool down, DWORD time) {
    const bool winJustPressed =
        std::exchange(g_keys.winPressLast, false) && time - g_keys.winPressTime <= kWinPressLastsMs;
    if (vk == VK_LWIN || vk == VK_RWIN) {
        g_keys.winPressLast = down;
        g_keys.winPressTime = time;
        if (!down && g_keys.winComboTaken) {
            g_keys.winComboTaken = false;
            PressMenuMaskKey();
        }
        return false;
    }
    const int index = KeyIndexOf(vk);
    if (index == kNoKey) return false;
    if (!down) {
        // The release of a taken press is taken too, whatever happened meanwhile (Win released first).
        const bool taken = g_keys.pressed[index];
        g_keys.pressed[index] = false;
        return taken;
    }
    if (g_keys.pressed[index]) return true;  // auto-repeat of a taken press
    if (!g_enabled[index] || (index == kWinPlus && !WinHeld(winJustPressed))) return false;
    g_keys.pressed[index] = true;
    if (index == kWinPlus) g_keys.winComboTaken = true;
    ::PostMessageW(g_window, velpiners::protocol::kWmUser,
                   static_cast<WPARAM>(velpiners::protocol::kHotKeyFirstNotification + index),
                   static_cast<LPARAM>(velpiners::protocol::kUserHotKey));
    return true;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        if ((down || up) && Take(key->vkCode, down, key->time)) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Handed to the hook's thread; lives on the starter's stack until `ready` is set.
struct ThreadStart {
    HMODULE library = nullptr;  // the thread's own reference
    HANDLE ready = nullptr;
    DWORD error = ERROR_GEN_FAILURE;
};

DWORD WINAPI HookThread(LPVOID parameter) {
    auto* start = static_cast<ThreadStart*>(parameter);
    HMODULE library = start->library;
    g_keys = KeyState{};
    MSG message;
    // The queue exists before anyone learns of the thread, so Hook(0)'s WM_QUIT cannot get lost.
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, g_instance, 0);
    start->error = hook != nullptr ? ERROR_SUCCESS : ::GetLastError();
    ::SetEvent(start->ready);
    if (hook != nullptr) {
        // The system calls the hook from inside GetMessage.
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
        ::UnhookWindowsHookEx(hook);
    }
    ::FreeLibraryAndExitThread(library, 0);
}

bool Watching() { return g_thread != nullptr && ::WaitForSingleObject(g_thread, 0) == WAIT_TIMEOUT; }

void ForgetThread() {
    if (g_thread != nullptr) ::CloseHandle(g_thread);
    g_thread = nullptr;
    g_threadId = 0;
}

void StartWatching() {
    if (Watching()) return;
    ForgetThread();  // one that ended on its own
    ThreadStart start;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(g_instance),
                              &start.library))
        return;
    start.ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD id = 0;
    HANDLE thread = start.ready == nullptr ? nullptr : ::CreateThread(nullptr, 0, &HookThread, &start, 0, &id);
    if (thread == nullptr) {
        const DWORD error = ::GetLastError();
        if (start.ready != nullptr) ::CloseHandle(start.ready);
        ::FreeLibrary(start.library);
        ::SetLastError(error);
        return;
    }
    const HANDLE waits[] = {start.ready, thread};
    ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    ::CloseHandle(start.ready);
    if (start.error != ERROR_SUCCESS) {
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
        ::SetLastError(start.error);
        return;
    }
    g_thread = thread;
    g_threadId = id;
}

void StopWatching() {
    if (g_thread == nullptr) return;
    ::PostThreadMessageW(g_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(g_thread, INFINITE);
    ForgetThread();
}

}  // namespace

extern "C" {

void WINAPI Hook(int mode, int window) {
    ::AcquireSRWLockExclusive(&g_control);
    if (mode != kHookStart) {
        StopWatching();
    } else {
        // The window comes as its 32-bit handle value, sign-extended as the system keeps handles.
        g_window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
        StartWatching();
    }
    ::ReleaseSRWLockExclusive(&g_control);
}

void WINAPI HookTablenum(int enabled, int index) {
    if (index < 0 || index >= kKeyCount) return;
    g_enabled[static_cast<std::size_t>(index)] = (enabled & 0xFF) != 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    // Nothing to undo at DLL_PROCESS_DETACH: while the hook's thread runs it holds the library, so an unload
    // comes only after it has left, and at the end of the process it is gone already.
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}

}  // extern "C"
