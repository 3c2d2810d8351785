// What the system says about a file before the program trusts it. Only "file not found" and "path not
// found" mean a file is absent; any other failure (access refused, the file held by another program, a name
// the system cannot resolve) leaves the file's state unknown, and a file in an unknown state is neither
// taken as empty nor written over.
//
// Opening for reading is retried while another program holds the file without sharing it (a backup or
// virus scanner takes a file for a moment): a few times over about a second.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/file_identity.h"

namespace velpiners {

enum class FileState { kAbsent, kPresent, kUnknown };

struct FileProbe {
    FileState state = FileState::kUnknown;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;  // valid when present
    DWORD failure = ERROR_SUCCESS;               // the system's error when not present
};

[[nodiscard]] FileProbe ProbeFile(const std::string& path);

[[nodiscard]] FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info);
// The identity of the file at `path`; none when it cannot be had (absent, not readable).
[[nodiscard]] std::optional<FileIdentity> IdentityOfFile(const std::string& path);

// Another program holds the file (or part of it) in a way that keeps us out for now.
[[nodiscard]] bool IsSharingFailure(DWORD failure);

// How often and how far apart a held file is tried again.
inline constexpr int kHeldFileAttempts = 6;
inline constexpr DWORD kHeldFileRetryMs = 200;

// CreateFileA for reading (sharing read, write and delete with others), tried again while the file is held.
// INVALID_HANDLE_VALUE and `*failure` when it cannot be opened.
[[nodiscard]] HANDLE OpenForReading(const std::string& path, DWORD* failure);

}  // namespace velpiners
