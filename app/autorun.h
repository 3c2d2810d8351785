// Single instance and start at logon.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace velpiners {

// Writes one registry value. combinedPath is the key path, a backslash and the value name; false when it
// holds no backslash, when the key cannot be created or when the value cannot be set.
bool WriteRegistryValue(HKEY root, const std::string& combinedPath, DWORD type, const void* data, DWORD size);

// Registers the running executable (its bare path, NUL included) as the Run value "Velpiners" of the user.
void WriteAutorun();

// Creates the named mutex "Velpiner" with initial ownership and releases it; the handle stays open for the
// life of the process. True when another copy runs (any error right after the creation counts as such).
[[nodiscard]] bool AnotherInstanceRuns();

}  // namespace velpiners
