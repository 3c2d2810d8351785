#include "store/db_file_win.h"

#include <windows.h>

#include "store/database_image.h"
#include "base/app_error.h"
#include "base/file_probe_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, DWORD code) {
    throw AppError(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

}  // namespace

DatabaseFile ReadDatabaseFile(const std::string& path) {
    DatabaseFile result;
    const FileProbe probe = ProbeFile(path);
    if (probe.state == FileState::kAbsent) return result;
    if (probe.state == FileState::kUnknown) ThrowFileError("Cannot open file", path, probe.failure);
    result.exists = true;

    DWORD failure = ERROR_SUCCESS;
    UniqueFile file(OpenForReading(path, &failure));
    if (!file) ThrowFileError("Cannot open file", path, failure);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) ThrowFileError("Cannot open file", path, ::GetLastError());
    result.identity = IdentityOf(info);

    // A hostile or damaged file may be huge: never read more than the table can take.
    std::vector<std::uint8_t> bytes(kDatabaseMaxUsefulBytes);
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - total);
        if (!::ReadFile(file.get(), bytes.data() + total, want, &got, nullptr)) {
            ThrowFileError("Cannot open file", path, ::GetLastError());
        }
        if (got == 0) break;
        total += got;
    }
    result.records = ParseDatabaseImage(bytes.data(), total);
    const std::uint64_t size = result.identity.size;
    result.partlyRead = size % kStickerRecordSize != 0 || size > kDatabaseMaxUsefulBytes;
    return result;
}

StampTime StampNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return StampTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string FreeAsidePath(const std::string& path, const StampTime& when) {
    for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
        std::string aside = AsideDatabasePath(path, when, attempt);
        if (ProbeFile(aside).state == FileState::kAbsent) return aside;
    }
    return AsideDatabasePath(path, when, kAsideAttempts);
}

bool MoveDatabaseAside(const std::string& path, const StampTime& when, unsigned long* failure) {
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
        const std::string aside = AsideDatabasePath(path, when, attempt);
        // Never over an earlier kept file: without the replace flag the move refuses an existing target.
        if (::MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
        error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return true;
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) break;
    }
    if (failure != nullptr) *failure = error;
    return false;
}

void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image) {
    const std::string temporary = path + ".new";
    {
        UniqueFile file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!file) ThrowFileError("Cannot create file", path, ::GetLastError());

        std::size_t written = 0;
        DWORD failure = ERROR_SUCCESS;
        while (written < image.size()) {
            DWORD put = 0;
            const DWORD want = static_cast<DWORD>(image.size() - written);
            if (!::WriteFile(file.get(), image.data() + written, want, &put, nullptr) || put == 0) {
                failure = ::GetLastError();
                if (failure == ERROR_SUCCESS) failure = ERROR_WRITE_FAULT;
                break;
            }
            written += put;
        }
        if (failure == ERROR_SUCCESS && !::FlushFileBuffers(file.get())) failure = ::GetLastError();
        if (failure != ERROR_SUCCESS) {
            file.reset();
            ::DeleteFileA(temporary.c_str());
            ThrowFileError("Cannot create file", path, failure);
        }
    }
    if (!::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD failure = ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        ThrowFileError("Cannot create file", path, failure);
    }
}

}  // namespace velpiners
