// Text in a code page turned into UTF-16 for the wide functions of the system, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velpiners {

// The code page of the built-in Russian texts.
inline constexpr unsigned kCyrillicCodePage = 1251;

// `text` read in `codePage` (CP_ACP, 0, is the system's ANSI code page).
[[nodiscard]] std::wstring WideFromCodePage(std::string_view text, unsigned codePage);
// `text` in the system's ANSI code page (characters it lacks become '?').
[[nodiscard]] std::string AnsiFromWide(std::wstring_view text);
// `text` in the system's ANSI code page when every character has its own place there; none when one would be
// lost or replaced by a look-alike.
[[nodiscard]] std::optional<std::string> AnsiFromWideExactly(std::wstring_view text);

}  // namespace velpiners
