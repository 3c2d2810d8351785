// Messages sent to a window that another program named (the target of a summary or a record report): the
// answer is awaited at most kAnswerLimitMs, and not at all from a thread that let such a wait run out lately.
// A program whose window never answers (its thread asleep or stuck) therefore costs the one user-interface
// thread one bounded wait, not every sticker, the tray and the save cycle for as long as it hangs.
#pragma once

#include <windows.h>

namespace velpiners {

// How long a sent answer is awaited.
inline constexpr UINT kAnswerLimitMs = 2000;
// How long a thread that let a wait run out is not waited for again.
inline constexpr DWORD kUnresponsiveHoldMs = 30000;

// Sends the message and returns true when the target's procedure handled it; false (nothing waited for, or
// the wait ran out) when the target is gone, hung or did not answer in time. A window of this thread is
// called directly, as SendMessage does.
bool SendBounded(HWND target, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velpiners
