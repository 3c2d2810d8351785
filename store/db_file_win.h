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
    // 64-bit FNV-1a of the bytes read (all of a file the program could have written).
    std::uint64_t hash = 0;
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
// system's error in `*failure` when it stays where it is. `kept` receives the name it was moved to.
[[nodiscard]] bool MoveDatabaseAside(const std::string& path, const StampTime& when, unsigned long* failure,
                                     AsideReason reason = AsideReason::kUnreadable, std::string* kept = nullptr);

// A file of records chosen by the user (another computer's base.db, a kept-aside one, a copy): at most the
// records the table can hold are read, whatever size the file has.
struct NotesFile {
    std::vector<StickerRecord> records;
    std::uint64_t beyond = 0;  // whole records past those read
    bool torn = false;         // the size is not a whole number of records
};
// Throws AppError ("Cannot open file ...") when it cannot be read.
[[nodiscard]] NotesFile ReadNotesFile(const std::wstring& path);

// Replaces the file at `path` with `bytes` as the database is written: a copy beside it, flushed, moved over
// it in one step. Throws AppError ("Cannot create file ...").
void WriteFileReplacing(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// Replaces the file's content with image. Throws AppError ("Cannot create file ...") when it fails; the old
// file is then left as it was and no temporary file stays behind.
void WriteDatabaseFile(const std::string& path, const std::vector<std::uint8_t>& image);

}  // namespace velpiners
