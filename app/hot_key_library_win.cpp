#include "app/hot_key_library_win.h"

#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using EntryPoint = void(WINAPI*)(int, int);

constexpr int kHookStop = 0;
constexpr int kHookStart = 1;

EntryPoint Find(HMODULE module, const char* name) {
    FARPROC found = ::GetProcAddress(module, name);
    return found == nullptr ? nullptr : reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(found));
}

int WindowValue(HWND window) { return static_cast<int>(HandleValue(window)); }

}  // namespace

bool HotKeyLibrary::Load(const std::string& path, HWND window) {
    if (m_module != nullptr) return true;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    m_module = ::LoadLibraryA(path.c_str());
    if (m_module == nullptr) return false;
    m_window = window;
    Hook(kHookStart);
    return true;
}

void HotKeyLibrary::Hook(int mode) const {
    if (EntryPoint hook = Find(m_module, "Hook")) hook(mode, WindowValue(m_window));
}

void HotKeyLibrary::HookTablenum(int enabled, int index) const {
    if (m_module == nullptr) return;
    if (EntryPoint table = Find(m_module, "HookTablenum")) table(enabled & 0xFF, index);
}

void HotKeyLibrary::Unload() {
    if (m_module == nullptr) return;
    Hook(kHookStop);
    // Freed twice, as the library expects; when the first call has unloaded it, the second fails and is
    // ignored.
    ::FreeLibrary(m_module);
    ::FreeLibrary(m_module);
    m_module = nullptr;
}

}  // namespace velpiners
