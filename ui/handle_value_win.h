// Window handles as the stored formats keep them: 32 bits. Windows keeps every window handle within 32 bits
// (sign-extended in 64-bit programs), so the round trip is exact in both the 32- and 64-bit builds.
#pragma once

#include <windows.h>

#include <cstdint>

namespace velpiners {

[[nodiscard]] inline std::uint32_t HandleValue(HWND hwnd) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd));
}

[[nodiscard]] inline HWND HandleFromValue(std::uint32_t value) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

[[nodiscard]] inline HWND HandleFromWParam(WPARAM wParam) {
    return HandleFromValue(static_cast<std::uint32_t>(wParam));
}

}  // namespace velpiners
