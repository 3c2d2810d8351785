#include "base/bounded_send_win.h"

#include <array>

namespace velpiners {
namespace {

// The threads whose last wait ran out, newest over oldest. A few suffice: each entry spares the next
// request to that thread's windows a whole wait, and a program that names many threads still costs each
// request at most one wait per thread it names.
struct Unresponsive {
    DWORD thread = 0;
    DWORD since = 0;
};
constexpr std::size_t kRemembered = 8;
std::array<Unresponsive, kRemembered> g_unresponsive{};
std::size_t g_next = 0;

bool HeldBack(DWORD thread, DWORD now) {
    for (const Unresponsive& entry : g_unresponsive) {
        // Unsigned difference: right across the tick count's wrap.
        if (entry.thread == thread && now - entry.since < kUnresponsiveHoldMs) return true;
    }
    return false;
}

void Remember(DWORD thread, DWORD now) {
    g_unresponsive[g_next] = Unresponsive{thread, now};
    g_next = (g_next + 1) % kRemembered;
}

void Forget(DWORD thread) {
    for (Unresponsive& entry : g_unresponsive) {
        if (entry.thread == thread) entry = Unresponsive{};
    }
}

}  // namespace

bool SendBounded(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD thread = ::GetWindowThreadProcessId(target, nullptr);
    if (thread == 0) return false;  // no such window
    const DWORD now = ::GetTickCount();
    if (thread != ::GetCurrentThreadId() && HeldBack(thread, now)) return false;
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerLimitMs,
                              &answer) != 0) {
        Forget(thread);
        return true;
    }
    if (thread != ::GetCurrentThreadId()) Remember(thread, ::GetTickCount());
    return false;
}

}  // namespace velpiners
