// Modal showing of a form: every other enabled window of the thread is disabled while the form is shown
// and the form runs its own message loop until it hides itself; then the windows are enabled again.
//
// The controller and the tray's window are hidden, so they stay enabled and their requests still arrive
// while a dialog shows: whoever opens a dialog on such a request asks BringModalToFront first, so that no
// dialog opens over another and no dialog object is shown again from inside its own showing.
#pragma once

#include <windows.h>

namespace velpiners {

// Shows `dialog` and returns once it is hidden (or destroyed). A WM_QUIT met meanwhile ends the loop and is
// posted again for the main loop. A dialog that is showing modally already is only brought to the front.
// The dialog is topmost while it shows: the program's own topmost windows (stickers kept above all
// windows) cannot cover a dialog that disables them.
void ShowModal(HWND dialog);

// A topmost window of the program that has just put itself above the others (a sticker keeping its layer)
// puts the innermost modal dialog back above it; nothing when no dialog shows.
void KeepModalOnTop();

// The innermost window that ShowModal shows now; nullptr when none shows.
[[nodiscard]] HWND ShowingModal();

// When a window shows modally, brings the innermost one to the front (restored when minimized) and returns
// true: the request that asked opens nothing then. False when no modal window shows.
bool BringModalToFront();

// Centres a window on the desktop's work area, or on the work area of `monitor`.
void CentreOnWorkArea(HWND window);
void CentreOnWorkArea(HWND window, HMONITOR monitor);

}  // namespace velpiners
