// base.db on disk. Reading takes at most the bytes of 256 whole records, whatever the file's size. Writing is
// atomic: the image goes to a temporary file beside the database, is flushed, and replaces the old file in
// one move, so a crash or power loss leaves the old file or the new one, never a torn one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "store/database_aside.h"
#include "store/record.h"

namespace velpiners {

struct DatabaseFile {
    std::vector<StickerRecord> records;
    // Bytes the table could not take: a tail shorter than a record, or records past the table's 256.
    bool partlyRead = false;
};

// The records of the file; none when it does not exist. Throws AppError ("Cannot open file ...") when the
// file exists but cannot be read.
[[nodiscard]] DatabaseFile ReadDatabaseFile(const std::string& path);

// The local time now, for the name of a kept-aside file.
[[nodiscard]] StampTime StampNow();

// The first name for keeping the file aside at this time that is not taken yet.
[[nodiscard]] std::string FreeAsidePath(const std::string& path, const StampTime& when);

// Keeps the file at `path` under the first free aside name for this time: moved away (`move`) when it
// could not be read at all, so the next write does not replace it; copied when it was read in part.
// Returns the name it got, empty when there is no file any more. Throws AppError when the file cannot be
// kept; then nothing may be written over it.
std::string KeepDatabaseAside(const std::string& path, const StampTime& when, bool move);

// Replaces the file's content with image. Throws AppError ("Cannot create file ...") when it fails; the old
// file is then left as it was and no temporary file stays behind.
void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image);

}  // namespace velpiners
