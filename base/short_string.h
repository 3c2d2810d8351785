// A short string as the stored formats keep it: one length byte followed by at most Capacity characters of
// the ANSI code page in a fixed field. Bytes after the length are meaningless. A length byte larger than the
// field (a damaged or hostile file) is read as the whole field, never past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velpiners {

template <std::size_t Capacity>
struct ShortString {
    static_assert(Capacity >= 1 && Capacity <= 255, "a short string's length must fit its length byte");
    static constexpr std::size_t kCapacity = Capacity;

    std::uint8_t length;
    char chars[Capacity];

    [[nodiscard]] std::size_t Length() const { return length < Capacity ? length : Capacity; }

    [[nodiscard]] std::string_view View() const { return std::string_view(chars, Length()); }

    [[nodiscard]] std::string Get() const { return std::string(chars, Length()); }

    // Stores at most Capacity characters of text; the rest of the field is left as it was.
    void Set(std::string_view text) {
        const std::size_t kept = text.size() < Capacity ? text.size() : Capacity;
        if (kept > 0) std::memcpy(chars, text.data(), kept);  // an empty view may carry no pointer at all
        length = static_cast<std::uint8_t>(kept);
    }
};

using ShortString63 = ShortString<63>;
using ShortString255 = ShortString<255>;

static_assert(sizeof(ShortString63) == 64);
static_assert(sizeof(ShortString255) == 256);
static_assert(alignof(ShortString255) == 1);

}  // namespace velpiners
