// Modal showing of a form: every other enabled window of the thread is disabled while the form is shown
// and the form runs its own message loop until it hides itself; then the windows are enabled again.
#pragma once

#include <windows.h>

namespace velpiners {

// Shows `dialog` and returns once it is hidden (or destroyed). A WM_QUIT met meanwhile ends the loop and is
// posted again for the main loop.
void ShowModal(HWND dialog);

// Centres a window on the desktop's work area.
void CentreOnWorkArea(HWND window);

}  // namespace velpiners
