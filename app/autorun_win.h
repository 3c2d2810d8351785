// Single instance and start at logon.
#pragma once

#include <windows.h>

namespace velpiners {

// Registers the running executable (its whole path, NUL included) as the Run value "Velpiners" of the user.
void WriteAutorun();

// Creates the named mutex "Velpiner" with initial ownership and releases it; the handle stays open for the
// life of the process. True when another copy runs (any error right after the creation counts as such).
[[nodiscard]] bool AnotherInstanceRuns();

}  // namespace velpiners
