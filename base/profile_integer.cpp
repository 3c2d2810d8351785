#include "base/profile_integer.h"

namespace velpiners {
namespace {

constexpr int kDecimal = 10;
constexpr int kHexadecimal = 16;
constexpr std::uint64_t kAllThirtyTwoBits = 0xFFFFFFFFull;
constexpr std::uint64_t kLargestPositive = 0x7FFFFFFFull;
constexpr std::uint64_t kLargestNegative = 0x80000000ull;

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + kDecimal;
    if (c >= 'A' && c <= 'F') value = c - 'A' + kDecimal;
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = kDecimal;
    if (!text.empty() && text.front() == '$') {
        base = kHexadecimal;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = kHexadecimal;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    // Decimal up to the 32-bit range; hexadecimal up to 8 digits' worth.
    const std::uint64_t limit =
        base == kHexadecimal ? kAllThirtyTwoBits : (negative ? kLargestNegative : kLargestPositive);
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(value)
                                                          : static_cast<std::uint32_t>(value));
    return static_cast<std::int32_t>(bits);
}

}  // namespace velpiners
