// A base.db that the program could not read whole is kept beside it before a save replaces it: moved to
// "base.db.unreadable-YYYYMMDD-HHMMSS", with "-2", "-3", ... added when that name is taken, so an earlier
// kept file is never overwritten.
//
// AsideKeeping decides what the saves do meanwhile. A file that could not be read at all is moved before
// any write and is never written over: its notes are nowhere else. A file read only in part (a torn tail,
// records past the table's 256) is moved too, but when the move keeps failing the edits made since are not
// held back for ever: after kMoveFailuresBeforeTelling failed saves the user is told once, and the save
// replaces the file if it is still the one that was read (same size and time), never a different one.
#pragma once

#include <optional>
#include <string>

#include "base/file_identity.h"

namespace velpiners {

struct StampTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Why a base.db is kept aside: it could not be read whole, or another writer (another computer through a
// synced folder, a restore, a second copy on the same folder) changed it since this program last read or
// wrote it.
enum class AsideReason { kUnreadable, kChanged };

// The kept file's path for this time; `attempt` 1 is the plain name, 2 and up add "-attempt".
[[nodiscard]] std::string AsideDatabasePath(const std::string& databasePath, const StampTime& when, int attempt,
                                            AsideReason reason = AsideReason::kUnreadable);

// How many names are tried before giving up (they are all taken only when something is badly wrong).
inline constexpr int kAsideAttempts = 100;
// Failed saves before the user hears of it (and a file read in part may be replaced).
inline constexpr int kMoveFailuresBeforeTelling = 3;

class AsideKeeping {
public:
    // The outcome of the latest read of base.db; each replaces what an earlier one decided.
    void ReadWhole() { *this = AsideKeeping(); }
    void ReadNothing(const StampTime& when);
    void ReadInPart(const StampTime& when, const FileIdentity& read);

    // A file waits to be moved before the next write.
    [[nodiscard]] bool Pending() const { return m_kind != Kind::kNone; }
    [[nodiscard]] const StampTime& Stamp() const { return m_stamp; }

    // The file has been moved aside (or is gone): writes go ahead.
    void Kept() { *this = AsideKeeping(); }

    struct AfterFailure {
        bool write = false;  // the save replaces the file all the same (then Kept)
        bool tell = false;   // the user hears of it now, once
    };
    // The move failed in this save; `onDisk` is the identity of the file there now, none when unknown. Until
    // a write replaces the file, every save tries the move first.
    AfterFailure MoveFailed(const std::optional<FileIdentity>& onDisk);

private:
    enum class Kind { kNone, kUnreadable, kPartlyRead };
    Kind m_kind = Kind::kNone;
    StampTime m_stamp;
    FileIdentity m_read;
    int m_failures = 0;
    bool m_told = false;
};

}  // namespace velpiners
