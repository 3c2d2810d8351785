// HotKey.dll: the program's optional global hot keys, a low-level keyboard hook (WH_KEYBOARD_LL) in the
// thread that calls Hook(1, window), which must run a message loop (the system calls the hook from it).
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
// Exports, undecorated (hot_key.def), both taking two 32-bit integers in the system's calling convention:
//   Hook(mode, window)              mode 1 starts watching and names the window, mode 0 stops
//   HookTablenum(enabled, index)    enabled (low byte) 0 or 1 for key index 0..4; other indices are ignored
#include <windows.h>

#include <array>
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

HHOOK g_hook = nullptr;
HWND g_window = nullptr;
std::array<bool, kKeyCount> g_enabled{};
std::array<bool, kKeyCount> g_pressed{};  // a taken press whose release is taken too
bool g_winPressLast = false;              // the event before this one was a Win press passed on
DWORD g_winPressTime = 0;                 // its time stamp
bool g_winComboTaken = false;             // Win with "+" was taken during the current hold of Win

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
    const bool winJustPressed = std::exchange(g_winPressLast, false) && time - g_winPressTime <= kWinPressLastsMs;
    if (vk == VK_LWIN || vk == VK_RWIN) {
        g_winPressLast = down;
        g_winPressTime = time;
        if (!down && g_winComboTaken) {
            g_winComboTaken = false;
            PressMenuMaskKey();
        }
        return false;
    }
    const int index = KeyIndexOf(vk);
    if (index == kNoKey) return false;
    if (!down) {
        // The release of a taken press is taken too, whatever happened meanwhile (Win released first).
        const bool taken = g_pressed[index];
        g_pressed[index] = false;
        return taken;
    }
    if (g_pressed[index]) return true;  // auto-repeat of a taken press
    if (!g_enabled[index] || (index == kWinPlus && !WinHeld(winJustPressed))) return false;
    g_pressed[index] = true;
    if (index == kWinPlus) g_winComboTaken = true;
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
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

void Unhook() {
    if (g_hook != nullptr) ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_pressed.fill(false);
    g_winPressLast = false;
    g_winComboTaken = false;
}

HINSTANCE g_instance = nullptr;

}  // namespace

extern "C" {

void WINAPI Hook(int mode, int window) {
    if (mode != kHookStart) {
        Unhook();
        return;
    }
    // The window comes as its 32-bit handle value, sign-extended as the system keeps handles.
    g_window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
    if (g_hook == nullptr) g_hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, g_instance, 0);
}

void WINAPI HookTablenum(int enabled, int index) {
    if (index < 0 || index >= kKeyCount) return;
    g_enabled[static_cast<std::size_t>(index)] = (enabled & 0xFF) != 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    // Freed while still hooked: the hook must not outlive its code.
    if (reason == DLL_PROCESS_DETACH) Unhook();
    return TRUE;
}

}  // extern "C"
