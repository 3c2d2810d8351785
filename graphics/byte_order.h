// Little-endian integers in byte buffers, as the stored formats (BMP, picture packs) hold them.
// Readers take a pointer the caller has already checked to have enough bytes behind it.
#pragma once

#include <cstdint>
#include <vector>

namespace velpiners::graphics {

inline std::uint16_t ReadLe16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Two's complement read without relying on implementation-defined narrowing.
inline std::int32_t ReadLe32Signed(const std::uint8_t* p) {
    const std::uint32_t value = ReadLe32(p);
    return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value) : -static_cast<std::int32_t>(~value) - 1;
}

inline void AppendLe16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

inline void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    AppendLe16(out, value & 0xFFFF);
    AppendLe16(out, value >> 16);
}

}  // namespace velpiners::graphics
