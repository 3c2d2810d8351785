#include "store/database_aside.h"

#include <cstdio>

namespace velpiners {

std::string AsideDatabasePath(const std::string& databasePath, const StampTime& when, int attempt) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, ".unreadable-%04d%02d%02d-%02d%02d%02d", when.year, when.month, when.day,
                  when.hour, when.minute, when.second);
    std::string path = databasePath + stamp;
    if (attempt > 1) path += "-" + std::to_string(attempt);
    return path;
}

}  // namespace velpiners
