// base.db on disk. Reading takes at most the bytes of 256 whole records, whatever the file's size. Writing is
// atomic: the image goes to a temporary file beside the database, is flushed, and replaces the old file in
// one move, so a crash or power loss leaves the old file or the new one, never a torn one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "base/file_identity.h"
#include "store/database_aside.h"
#include "store/record.h"

namespace velpiners {

struct DatabaseFile {
    std::vector<StickerRecord> records;
    // Bytes the table could not take: a tail shorter than a record, or records past the table's 256.
    bool partlyRead = false;
    // The file as it was read (size and time), to tell later whether it is still the same.
    FileIdentity identity;
    // False when the system said there is no file.
    bool exists = false;
};

// The records of the file; none when the system says it does not exist. Throws AppError ("Cannot open file
// ...") when it cannot say, or the file cannot be read; a file another program holds is tried again for
// about a second first.
[[nodiscard]] DatabaseFile ReadDatabaseFile(const std::string& path);

// The local time now, for the name of a kept-aside file.
[[nodiscard]] StampTime StampNow();

// The first name for keeping the file aside at this time that is not taken yet.
[[nodiscard]] std::string FreeAsidePath(const std::string& path, const StampTime& when);

// Moves the file at `path` to the first free aside name for this time (a rename: nothing is copied, so it
// cannot fail for want of space). True when it was moved or there is no file any more; false with the
// system's error in `*failure` when it stays where it is.
[[nodiscard]] bool MoveDatabaseAside(const std::string& path, const StampTime& when, unsigned long* failure);

// Replaces the file's content with image. Throws AppError ("Cannot create file ...") when it fails; the old
// file is then left as it was and no temporary file stays behind.
void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image);

}  // namespace velpiners
