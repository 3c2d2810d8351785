// Notes added from a file of whole records (a kept-aside base.db, another computer's, a copy): which of them
// become new stickers. A record whose caption, date and text are those of a sticker already open (or of one
// added before it from the same file) is a duplicate; the rest take the table's free slots in file order,
// and what finds no slot is counted, not dropped unseen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/record.h"
#include "store/table.h"

namespace velpiners {

// The same note: equal caption, date and body texts (looks and places may differ).
[[nodiscard]] bool SameNote(const StickerRecord& a, const StickerRecord& b);

struct MergePlan {
    std::vector<std::size_t> add;  // indices into the records, in file order
    int duplicates = 0;
    int noRoom = 0;
};

// `beyond` counts whole records of the file past those read (the read stops at what the table can hold);
// they find no room either.
[[nodiscard]] MergePlan PlanMerge(const std::vector<StickerRecord>& records, const Tmassiv& table,
                                  std::uint64_t beyond = 0);

}  // namespace velpiners
