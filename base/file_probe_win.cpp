#include "base/file_probe_win.h"

namespace velpiners {

FileProbe ProbeFile(const std::string& path) {
    FileProbe probe;
    probe.attributes = ::GetFileAttributesA(path.c_str());
    if (probe.attributes != INVALID_FILE_ATTRIBUTES) {
        probe.state = FileState::kPresent;
        return probe;
    }
    probe.failure = ::GetLastError();
    probe.state = probe.failure == ERROR_FILE_NOT_FOUND || probe.failure == ERROR_PATH_NOT_FOUND ? FileState::kAbsent
                                                                                                 : FileState::kUnknown;
    return probe;
}

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info) {
    FileIdentity identity;
    identity.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    identity.writeTime =
        (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
    return identity;
}

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    info.nFileSizeHigh = data.nFileSizeHigh;
    info.nFileSizeLow = data.nFileSizeLow;
    info.ftLastWriteTime = data.ftLastWriteTime;
    return IdentityOf(info);
}

bool IsSharingFailure(DWORD failure) { return failure == ERROR_SHARING_VIOLATION || failure == ERROR_LOCK_VIOLATION; }

HANDLE OpenForReading(const std::string& path, DWORD* failure) {
    for (int attempt = 1;; ++attempt) {
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = ::GetLastError();
        if (!IsSharingFailure(error) || attempt >= kHeldFileAttempts) {
            if (failure != nullptr) *failure = error;
            return INVALID_HANDLE_VALUE;
        }
        ::Sleep(kHeldFileRetryMs);
    }
}

}  // namespace velpiners
