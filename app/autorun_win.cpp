#include "app/autorun_win.h"

#include "app/program_path_win.h"
#include "base/app_error.h"
#include "base/unique_handle_win.h"

namespace velpiners {

void WriteAutorun() {
    // The whole path as the system has it, never cut and never with characters lost to the ANSI code page.
    std::wstring path;
    try {
        path = ExecutablePath();
    } catch (const AppError&) {
        return;  // nothing sound to register
    }
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &raw, nullptr) != ERROR_SUCCESS) {
        return;
    }
    UniqueRegKey key(raw);
    // Failures are silent: the program starts the same whether or not the value could be written.
    const DWORD bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
    (void)::RegSetValueExW(key.get(), L"Velpiners", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), bytes);
}

bool AnotherInstanceRuns() {
    // The handle is kept open on purpose until the process ends: it is what the next copy finds.
    ::SetLastError(ERROR_SUCCESS);
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, "Velpiner");
    const bool another = ::GetLastError() != ERROR_SUCCESS;
    if (mutex != nullptr) ::ReleaseMutex(mutex);
    return another;
}

}  // namespace velpiners
