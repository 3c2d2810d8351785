// The trash: the notes deleted lately, kept so that a slip of the close pin costs nothing. trash.db holds
// them as base.db holds notes (whole 1076-byte records one after another, nothing else), the oldest first;
// it never holds more than kTrashCapacity, and a deletion past that drops the oldest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/record.h"

namespace velpiners {

inline constexpr std::size_t kTrashCapacity = 256;

class TrashList {
public:
    TrashList() = default;
    // The records of a trash file, oldest first; only the newest kTrashCapacity are kept.
    explicit TrashList(std::vector<StickerRecord> records);

    // A deleted note, as its slot held it last.
    void Append(const StickerRecord& record);
    // The n-th newest (0 is the one deleted last); nullptr past the oldest.
    [[nodiscard]] const StickerRecord* Newest(std::size_t n) const;
    // Takes the n-th newest out; false (and nothing changed) past the oldest.
    bool RemoveNewest(std::size_t n);
    void Clear() { m_records.clear(); }

    [[nodiscard]] std::size_t Size() const { return m_records.size(); }
    [[nodiscard]] bool Empty() const { return m_records.empty(); }
    // The file's bytes: the records, oldest first.
    [[nodiscard]] std::vector<std::uint8_t> Image() const;

private:
    std::vector<StickerRecord> m_records;
};

}  // namespace velpiners
