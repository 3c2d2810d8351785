// The kept copies of base.db on disk, in the program folder's "backup\" (store/snapshots.h decides names and
// which stay). A copy is written as base.db is: into a temporary file beside it, flushed, then renamed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/snapshots.h"

namespace velpiners {

// The most bytes of base.db a copy takes: far more than 256 records, so every note the program can read is
// in it, and a huge file that is no database of ours costs no more.
inline constexpr std::size_t kSnapshotMaxBytes = 1 << 20;
// The most file names of the backup folder that are looked at.
inline constexpr std::size_t kBackupListingLimit = 4096;

// The names (no folder) of the files in `folder`; none when it does not exist.
[[nodiscard]] std::vector<std::string> FilesOfFolder(const std::string& folder);

enum class SnapshotOutcome {
    kTaken,
    kNoDatabase,   // nothing to copy
    kKeptAlready,  // a copy of that name exists
    kNotKept,      // the folder is full, or the copy would be older than every kept one of its kind
};
// Copies the database at `databasePath` into `backupFolder` (made when needed) under `name`, after removing
// the older copies that are not kept. Throws AppError when the database or the folder cannot be used.
SnapshotOutcome TakeSnapshot(const std::string& databasePath, const std::string& backupFolder,
                             const SnapshotName& name);

// The size in bytes of a file; 0 when it cannot be had.
[[nodiscard]] std::uint64_t SizeOfFile(const std::string& path);

}  // namespace velpiners
