// The demo folder's notes: a readable description (UTF-8, one "[note]" block per sticker, "key: value"
// lines) turned into the sticker records base.db holds. Texts are stored in code page 1251, so the program
// reads them right where the system's ANSI code page is 1251 (scripts/run starts the demo so); a character
// that code page cannot hold is refused rather than stored as "?".
//
// The parser is bounded: at most kDemoDescriptionLimit bytes and kSlotCount notes are taken, every number
// must be whole and in range, every text must fit its field; the first fault is told with its line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/record.h"

namespace velpiners::demonotes {

// A description is a short hand-written file; anything larger is not one.
inline constexpr std::size_t kDemoDescriptionLimit = 1 << 20;

struct DemoNotes {
    std::vector<StickerRecord> records;  // in the description's order, each in use; none after a fault
    std::string error;                   // what is wrong; empty when the description was read
    int errorLine = 0;                   // the line it is on, from 1; 0 when it is the whole description's
};

[[nodiscard]] DemoNotes ParseDemoNotes(std::string_view description);

// base.db holding the records in their order (the n-th record opens as the n-th sticker).
[[nodiscard]] std::vector<std::uint8_t> DemoDatabase(const std::vector<StickerRecord>& records);

}  // namespace velpiners::demonotes
