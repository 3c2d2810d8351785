#include "store/snapshot_files_win.h"

#include <windows.h>

#include "base/app_error.h"
#include "base/file_probe_win.h"
#include "base/unique_handle_win.h"
#include "store/db_file_win.h"

namespace velpiners {
namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, DWORD code) {
    throw AppError(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

std::vector<std::uint8_t> ReadBounded(const std::string& path) {
    DWORD failure = ERROR_SUCCESS;
    UniqueFile file(OpenForReading(path, &failure));
    if (!file) ThrowFileError("Cannot open file", path, failure);
    std::vector<std::uint8_t> bytes(kSnapshotMaxBytes);
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &got, nullptr))
            ThrowFileError("Cannot open file", path, ::GetLastError());
        if (got == 0) break;
        total += got;
    }
    bytes.resize(total);
    return bytes;
}

}  // namespace

std::vector<std::string> FilesOfFolder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (names.size() < kBackupListingLimit && ::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

SnapshotOutcome TakeSnapshot(const std::string& databasePath, const std::string& backupFolder,
                             const SnapshotName& name) {
    const FileProbe source = ProbeFile(databasePath);
    if (source.state == FileState::kAbsent) return SnapshotOutcome::kNoDatabase;
    if (source.state == FileState::kUnknown) ThrowFileError("Cannot open file", databasePath, source.failure);
    if (!::CreateDirectoryA(backupFolder.c_str(), nullptr)) {
        const DWORD failure = ::GetLastError();
        if (failure != ERROR_ALREADY_EXISTS) ThrowFileError("Cannot create folder", backupFolder, failure);
    }
    const SnapshotPlan plan = PlanSnapshot(FilesOfFolder(backupFolder), name);
    // An older copy that cannot go (held by another program) is tried again at the next copy.
    for (const std::string& old : plan.remove) ::DeleteFileA((backupFolder + old).c_str());
    const std::string target = backupFolder + SnapshotFileName(name);
    if (ProbeFile(target).state != FileState::kAbsent) return SnapshotOutcome::kKeptAlready;
    if (!plan.add) return SnapshotOutcome::kNotKept;
    WriteDatabaseFile(target, ReadBounded(databasePath));
    return SnapshotOutcome::kTaken;
}

std::uint64_t SizeOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace velpiners
