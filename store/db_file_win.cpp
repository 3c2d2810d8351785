#include "store/db_file_win.h"

#include <windows.h>

#include "store/database_image.h"
#include "store/database_watch.h"
#include "base/app_error.h"
#include "base/file_probe_win.h"
#include "base/unique_handle_win.h"
#include "base/wide_string_win.h"

namespace velpiners {
namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, DWORD code) {
    throw AppError(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

// Reads at most `bytes.size()` bytes from the start of the file; returns how many were read, or the
// system's error in `*failure` (then 0).
std::size_t ReadFront(HANDLE file, std::vector<std::uint8_t>& bytes, DWORD* failure) {
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - total);
        if (!::ReadFile(file, bytes.data() + total, want, &got, nullptr)) {
            *failure = ::GetLastError();
            return 0;
        }
        if (got == 0) break;
        total += got;
    }
    return total;
}

// The copy beside the file, flushed, then moved over it; `shown` names the file in an error.
void ReplaceFile(const std::wstring& path, const std::string& shown, const std::vector<std::uint8_t>& image) {
    const std::wstring temporary = path + L".new";
    {
        UniqueFile file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!file) ThrowFileError("Cannot create file", shown, ::GetLastError());

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
            ::DeleteFileW(temporary.c_str());
            ThrowFileError("Cannot create file", shown, failure);
        }
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD failure = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        ThrowFileError("Cannot create file", shown, failure);
    }
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
    DWORD readFailure = ERROR_SUCCESS;
    const std::size_t total = ReadFront(file.get(), bytes, &readFailure);
    if (readFailure != ERROR_SUCCESS) ThrowFileError("Cannot open file", path, readFailure);
    result.records = ParseDatabaseImage(bytes.data(), total);
    result.hash = Fnv1a64(bytes.data(), total);
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

bool MoveDatabaseAside(const std::string& path, const StampTime& when, unsigned long* failure, AsideReason reason,
                       std::string* kept) {
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 1; attempt <= kAsideAttempts; ++attempt) {
        const std::string aside = AsideDatabasePath(path, when, attempt, reason);
        // Never over an earlier kept file: without the replace flag the move refuses an existing target.
        if (::MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
            if (kept != nullptr) *kept = aside;
            return true;
        }
        error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return true;
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) break;
    }
    if (failure != nullptr) *failure = error;
    return false;
}

void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image) {
    ReplaceFile(WideFromCodePage(path, CP_ACP), path, image);
}

void WriteFileReplacing(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    ReplaceFile(path, AnsiFromWide(path), bytes);
}

NotesFile ReadNotesFile(const std::wstring& path) {
    const std::string shown = AnsiFromWide(path);
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowFileError("Cannot open file", shown, ::GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) ThrowFileError("Cannot open file", shown, ::GetLastError());
    const std::uint64_t size = IdentityOf(info).size;

    // Never more than the table can take, whatever size the file has.
    std::vector<std::uint8_t> bytes(kDatabaseMaxUsefulBytes);
    DWORD failure = ERROR_SUCCESS;
    const std::size_t total = ReadFront(file.get(), bytes, &failure);
    if (failure != ERROR_SUCCESS) ThrowFileError("Cannot open file", shown, failure);
    NotesFile result;
    result.records = ParseDatabaseImage(bytes.data(), total);
    const std::uint64_t whole = size / kStickerRecordSize;
    result.beyond = whole > result.records.size() ? whole - result.records.size() : 0;
    result.torn = size % kStickerRecordSize != 0;
    return result;
}

}  // namespace velpiners
