// Whether base.db on disk is still the file this program last read or wrote. Another writer (another
// computer through a synced folder, a restore, a second copy started elsewhere on the same folder) may have
// replaced it meanwhile; a save must not overwrite that unseen, so the file is first kept aside as
// "base.db.changed-YYYYMMDD-HHMMSS".
//
// The content decides, not the time: a synced file carries the other computer's write time, and an edit of
// a note elsewhere keeps the file's size (records are fixed), so size and a 64-bit FNV-1a hash of the bytes
// are compared. A file touched without a change in its bytes is the same file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velpiners {

// 64-bit FNV-1a of the bytes.
[[nodiscard]] std::uint64_t Fnv1a64(const std::uint8_t* data, std::size_t size);

// base.db as seen at one moment: whether it exists, its size and the hash of its bytes (when it is larger
// than the program would ever write, the hash covers only what was read; the size tells it apart anyway).
struct DatabaseState {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
};

// True when `now` holds something another writer put there: a file where this program left none, or one of
// another size or content. A file that has gone holds nothing to keep.
[[nodiscard]] bool ChangedByAnotherWriter(const DatabaseState& known, const DatabaseState& now);

}  // namespace velpiners
