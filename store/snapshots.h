// Copies of base.db kept in the program folder's "backup\": one a day, before the day's first save
// ("base-YYYYMMDD.db"), and one before each step that replaces every note at once, "Delete all" and a
// restore ("base-YYYYMMDD-HHMMSS.db"). Only the newest kKeptDaily daily and kKeptTimed other copies stay,
// and the folder never grows past kBackupFolderLimit files: files of other names in it are not ours and stay,
// but they count, and a copy that would pass the limit is not made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/database_aside.h"

namespace velpiners {

inline constexpr const char* kBackupFolder = "backup\\";
inline constexpr std::size_t kKeptDaily = 14;
inline constexpr std::size_t kKeptTimed = 10;
inline constexpr std::size_t kBackupFolderLimit = 50;

struct SnapshotName {
    bool daily = true;  // a day's copy; otherwise one taken at a moment (hour, minute and second count)
    StampTime when;
};

// "base-20261208.db" or "base-20261208-142233.db".
[[nodiscard]] std::string SnapshotFileName(const SnapshotName& name);
// The snapshot a file name stands for; none for a name of another form or an impossible date or time.
[[nodiscard]] std::optional<SnapshotName> ParseSnapshotFileName(std::string_view fileName);
// True when a was taken later than b (a day's copy counts as taken at the start of its day).
[[nodiscard]] bool TakenLater(const SnapshotName& a, const SnapshotName& b);

// The snapshots among a folder's file names, newest first.
[[nodiscard]] std::vector<SnapshotName> SnapshotsNewestFirst(const std::vector<std::string>& fileNames);

struct SnapshotPlan {
    std::vector<std::string> remove;  // our older copies that go
    bool add = false;                 // the new copy is made
};
// What taking `adding` does to a folder holding `fileNames`. A copy of that name that exists already is not
// made again; one older than the copies kept of its kind is not made at all.
[[nodiscard]] SnapshotPlan PlanSnapshot(const std::vector<std::string>& fileNames, const SnapshotName& adding);

// How many notes a copy of this many bytes holds.
[[nodiscard]] std::uint64_t NotesInSnapshot(std::uint64_t bytes);

}  // namespace velpiners
