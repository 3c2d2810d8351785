// Where a base.db that the program could not read whole is kept before the run's first save replaces it:
// beside it as "base.db.unreadable-YYYYMMDD-HHMMSS", with "-2", "-3", ... added when that name is taken,
// so an earlier kept file is never overwritten.
#pragma once

#include <string>

namespace velpiners {

struct StampTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The kept file's path for this time; `attempt` 1 is the plain name, 2 and up add "-attempt".
[[nodiscard]] std::string AsideDatabasePath(const std::string& databasePath, const StampTime& when, int attempt);

// How many names are tried before giving up (they are all taken only when something is badly wrong).
inline constexpr int kAsideAttempts = 100;

}  // namespace velpiners
