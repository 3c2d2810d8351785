// The integer a value of an INI file stands for, as the program's configuration and pattern files have
// always been read: an optional sign, then decimal digits, or hexadecimal ones after "$" or "0x" (at most
// 32 bits, taken as a signed 32-bit number, so "$FFFFFFFF" is -1). Nothing else may follow; anything else
// (empty, other characters, out of range) gives nullopt.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velpiners {

[[nodiscard]] std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

}  // namespace velpiners
