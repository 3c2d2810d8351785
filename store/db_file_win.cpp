#include "store/db_file_win.h"

#include <windows.h>

#include "store/database_image.h"
#include "base/app_error.h"
#include "ui/unique_handle_win.h"

namespace velpiners {
namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, DWORD code) {
    throw AppError(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

}  // namespace

DatabaseFile ReadDatabaseFile(const std::string& path) {
    DatabaseFile result;
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return result;

    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowFileError("Cannot open file", path, ::GetLastError());
    LARGE_INTEGER fileSize{};
    if (!::GetFileSizeEx(file.get(), &fileSize)) ThrowFileError("Cannot open file", path, ::GetLastError());

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
    const auto size = static_cast<std::uint64_t>(fileSize.QuadPart);
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
        if (::GetFileAttributesA(aside.c_str()) == INVALID_FILE_ATTRIBUTES) return aside;
    }
    return AsideDatabasePath(path, when, kAsideAttempts);
}

std::string KeepDatabaseAside(const std::string& path, const StampTime& when, bool move) {
    DWORD failure = ERROR_SUCCESS;
    for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
        std::string aside = AsideDatabasePath(path, when, attempt);
        // Never over an earlier kept file: both calls refuse an existing target.
        const BOOL kept = move ? ::MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)
                               : ::CopyFileA(path.c_str(), aside.c_str(), TRUE);
        if (kept) return aside;
        failure = ::GetLastError();
        if (failure == ERROR_FILE_NOT_FOUND) return {};
        if (failure != ERROR_ALREADY_EXISTS && failure != ERROR_FILE_EXISTS) break;
    }
    throw AppError("Cannot keep the file \"" + path + "\" aside. " + SystemErrorText(failure));
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
