// The resolution a window, a monitor or the system is drawn at. Per-monitor functions are looked up at
// run time (they came with Windows 8.1 and 10); where they are missing the system's resolution answers,
// which is what Windows uses for such a program anyway.
#pragma once

#include <windows.h>

namespace velpiners {

[[nodiscard]] int SystemDpi();
[[nodiscard]] int DpiOfWindow(HWND hwnd);
[[nodiscard]] int DpiOfMonitor(HMONITOR monitor);
// The resolution of the monitor a rectangle lies most on (the nearest one when it lies on none).
[[nodiscard]] int DpiOfRect(const RECT& rect);

}  // namespace velpiners
