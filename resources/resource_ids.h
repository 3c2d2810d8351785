// Numeric ids of the program's non-RESS resources (the generated .rc uses the same numbers).
#pragma once

namespace velpiners {

// The program icon: exe, windows and the tray (16, 32 and 48 pixels).
inline constexpr int kProgramIconId = 1;

}  // namespace velpiners
