// base.db as bytes: no header, no count, just the 1076-byte records of the in-use slots in slot order.
// Parsing takes whole records only (a tail shorter than a record is ignored) and never more than the table
// can hold, so a huge or truncated file costs at most 256 records of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/record.h"
#include "store/table.h"

namespace velpiners {

// The most bytes of a database file that can matter: 256 whole records.
inline constexpr std::size_t kDatabaseMaxUsefulBytes = kStickerRecordSize * kSlotCount;

[[nodiscard]] std::vector<StickerRecord> ParseDatabaseImage(const std::uint8_t* data, std::size_t size);

[[nodiscard]] std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& table);

}  // namespace velpiners
