#include "store/snapshots.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "store/record.h"

namespace velpiners {
namespace {

constexpr std::string_view kPrefix = "base-";
constexpr std::string_view kExtension = ".db";
constexpr std::size_t kDateDigits = 8;  // YYYYMMDD
constexpr std::size_t kTimeDigits = 6;  // HHMMSS
constexpr int kFirstYear = 1601;        // the earliest a Windows file time can say
constexpr int kLastYear = 9999;
constexpr int kMonths = 12;
constexpr int kHours = 24;
constexpr int kMinutes = 60;

bool ReadDigits(std::string_view text, int* value) {
    int result = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
    }
    *value = result;
    return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr int kDays[kMonths] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

auto Key(const SnapshotName& n) {
    return std::make_tuple(n.when.year, n.when.month, n.when.day, n.daily ? -1 : n.when.hour, n.when.minute,
                           n.when.second);
}

bool SameName(const SnapshotName& a, const SnapshotName& b) { return a.daily == b.daily && Key(a) == Key(b); }

}  // namespace

std::string SnapshotFileName(const SnapshotName& name) {
    char text[32];
    const StampTime& t = name.when;
    if (name.daily)
        std::snprintf(text, sizeof text, "base-%04d%02d%02d.db", t.year, t.month, t.day);
    else
        std::snprintf(text, sizeof text, "base-%04d%02d%02d-%02d%02d%02d.db", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
    return text;
}

std::optional<SnapshotName> ParseSnapshotFileName(std::string_view fileName) {
    if (fileName.size() < kPrefix.size() + kDateDigits + kExtension.size()) return std::nullopt;
    if (fileName.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    if (fileName.substr(fileName.size() - kExtension.size()) != kExtension) return std::nullopt;
    std::string_view stem = fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kExtension.size());
    SnapshotName name;
    StampTime& t = name.when;
    if (!ReadDigits(stem.substr(0, 4), &t.year) || !ReadDigits(stem.substr(4, 2), &t.month) ||
        !ReadDigits(stem.substr(6, 2), &t.day))
        return std::nullopt;
    if (stem.size() == kDateDigits) {
        name.daily = true;
    } else if (stem.size() == kDateDigits + 1 + kTimeDigits && stem[kDateDigits] == '-') {
        name.daily = false;
        const std::string_view time = stem.substr(kDateDigits + 1);
        if (!ReadDigits(time.substr(0, 2), &t.hour) || !ReadDigits(time.substr(2, 2), &t.minute) ||
            !ReadDigits(time.substr(4, 2), &t.second))
            return std::nullopt;
        if (t.hour >= kHours || t.minute >= kMinutes || t.second >= kMinutes) return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (t.year < kFirstYear || t.year > kLastYear || t.month < 1 || t.month > kMonths || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month))
        return std::nullopt;
    return name;
}

bool TakenLater(const SnapshotName& a, const SnapshotName& b) { return Key(a) > Key(b); }

std::vector<SnapshotName> SnapshotsNewestFirst(const std::vector<std::string>& fileNames) {
    std::vector<SnapshotName> found;
    for (const std::string& file : fileNames)
        if (const std::optional<SnapshotName> name = ParseSnapshotFileName(file)) found.push_back(*name);
    std::sort(found.begin(), found.end(), TakenLater);
    return found;
}

SnapshotPlan PlanSnapshot(const std::vector<std::string>& fileNames, const SnapshotName& adding) {
    SnapshotPlan plan;
    std::vector<SnapshotName> ours = SnapshotsNewestFirst(fileNames);
    const bool exists =
        std::any_of(ours.begin(), ours.end(), [&](const SnapshotName& n) { return SameName(n, adding); });
    if (!exists) {
        ours.push_back(adding);
        std::sort(ours.begin(), ours.end(), TakenLater);
    }
    std::size_t daily = 0;
    std::size_t timed = 0;
    bool addingKept = false;
    for (const SnapshotName& name : ours) {
        const bool kept = name.daily ? ++daily <= kKeptDaily : ++timed <= kKeptTimed;
        const bool isAdding = !exists && SameName(name, adding);
        if (isAdding)
            addingKept = kept;
        else if (!kept)
            plan.remove.push_back(SnapshotFileName(name));
    }
    const std::size_t after = fileNames.size() - plan.remove.size();
    plan.add = addingKept && after < kBackupFolderLimit;
    return plan;
}

std::uint64_t NotesInSnapshot(std::uint64_t bytes) { return bytes / kStickerRecordSize; }

}  // namespace velpiners
