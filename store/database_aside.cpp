#include "store/database_aside.h"

#include <cstdio>

namespace velpiners {

std::string AsideDatabasePath(const std::string& databasePath, const StampTime& when, int attempt, AsideReason reason) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, ".%s-%04d%02d%02d-%02d%02d%02d",
                  reason == AsideReason::kChanged ? "changed" : "unreadable", when.year, when.month, when.day,
                  when.hour, when.minute, when.second);
    std::string path = databasePath + stamp;
    if (attempt > 1) path += "-" + std::to_string(attempt);
    return path;
}

void AsideKeeping::ReadNothing(const StampTime& when) {
    *this = AsideKeeping();
    m_kind = Kind::kUnreadable;
    m_stamp = when;
}

void AsideKeeping::ReadInPart(const StampTime& when, const FileIdentity& read) {
    *this = AsideKeeping();
    m_kind = Kind::kPartlyRead;
    m_stamp = when;
    m_read = read;
}

AsideKeeping::AfterFailure AsideKeeping::MoveFailed(const std::optional<FileIdentity>& onDisk) {
    AfterFailure after;
    if (m_kind == Kind::kNone) return after;
    if (++m_failures < kMoveFailuresBeforeTelling) return after;
    after.tell = !m_told;
    m_told = true;
    after.write = m_kind == Kind::kPartlyRead && onDisk.has_value() && *onDisk == m_read;
    return after;
}

}  // namespace velpiners
