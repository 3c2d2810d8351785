// Conversion between UTF-8 and code page 1251 (Windows Cyrillic), the ANSI code page in which the program
// keeps its Russian texts. Both directions are total: a character that code page 1251 cannot hold, and every
// byte of a malformed UTF-8 sequence, becomes '?'; byte 0x98, which code page 1251 leaves undefined, becomes
// U+FFFD on the way back.
#pragma once

#include <string>
#include <string_view>

namespace velpiners {

[[nodiscard]] std::string Utf8ToCp1251(std::string_view utf8);
[[nodiscard]] std::string Cp1251ToUtf8(std::string_view cp1251);

}  // namespace velpiners
