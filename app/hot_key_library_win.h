// The optional hot-key library "HotKey.dll" beside the program, as the program uses it: loaded by its full
// path when the file exists, started with Hook(1, window), told the wanted keys with HookTablenum(enabled,
// index), stopped with Hook(0, window) and freed at close. Both entry points take two 32-bit integers (the
// window as its 32-bit handle value) in the system's calling convention and are looked up by name at every
// call; a missing one is skipped. The library answers a press of a wanted key with WM_USER, lParam 12,
// wParam 201 + the key's index, posted to the window.
#pragma once

#include <windows.h>

#include <string>

namespace velpiners {

inline constexpr char kHotKeyLibraryName[] = "HotKey.dll";

class HotKeyLibrary {
public:
    HotKeyLibrary() = default;
    ~HotKeyLibrary() { Unload(); }
    HotKeyLibrary(const HotKeyLibrary&) = delete;
    HotKeyLibrary& operator=(const HotKeyLibrary&) = delete;

    // Loads the library at `path` when that file exists and calls Hook(1, window); nothing when it does not.
    // Returns whether the library is loaded.
    bool Load(const std::string& path, HWND window);
    [[nodiscard]] bool Loaded() const { return m_module != nullptr; }

    void HookTablenum(int enabled, int index) const;

    // Hook(0, window), then FreeLibrary twice on the handle; the results are not looked at. Nothing when the
    // library is not loaded.
    void Unload();

private:
    void Hook(int mode) const;

    HMODULE m_module = nullptr;
    HWND m_window = nullptr;
};

}  // namespace velpiners
