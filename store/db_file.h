// base.db on disk. Reading takes at most the bytes of 256 whole records, whatever the file's size. Writing is
// atomic: the image goes to a temporary file beside the database, is flushed, and replaces the old file in
// one move, so a crash or power loss leaves the old file or the new one, never a torn one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/record.h"

namespace velpiners {

// The records of the file; none when it does not exist. Throws AppError ("Cannot open file ...") when the
// file exists but cannot be read.
[[nodiscard]] std::vector<StickerRecord> ReadDatabaseFile(const std::string& path);

// Replaces the file's content with image. Throws AppError ("Cannot create file ...") when it fails; the old
// file is then left as it was and no temporary file stays behind.
void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image);

}  // namespace velpiners
