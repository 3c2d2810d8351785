#include "app/autorun.h"

#include "ui/unique_handle.h"

namespace velpiners {

bool WriteRegistryValue(HKEY root, const std::string& combinedPath, DWORD type, const void* data, DWORD size) {
    const std::size_t split = combinedPath.rfind('\\');
    if (split == std::string::npos) return false;
    const std::string keyPath = combinedPath.substr(0, split);
    const std::string valueName = combinedPath.substr(split + 1);

    HKEY raw = nullptr;
    if (::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey key(raw);
    return ::RegSetValueExA(key.get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

void WriteAutorun() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0) return;
    // Failures are silent: the program starts the same whether or not the value could be written.
    (void)WriteRegistryValue(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Velpiners",
                             REG_SZ, path, length + 1);
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
