#include "store/database_image.h"

#include <cstring>

namespace velpiners {

std::vector<StickerRecord> ParseDatabaseImage(const std::uint8_t* data, std::size_t size) {
    std::vector<StickerRecord> records;
    if (data == nullptr) return records;
    std::size_t count = size / kStickerRecordSize;
    if (count > static_cast<std::size_t>(kSlotCount)) count = kSlotCount;
    records.resize(count);
    if (count > 0) std::memcpy(records.data(), data, count * kStickerRecordSize);
    return records;
}

std::vector<std::uint8_t> BuildDatabaseImage(const Tmassiv& table) {
    std::vector<std::uint8_t> image;
    image.reserve(static_cast<std::size_t>(table.Count()) * kStickerRecordSize);
    for (int i = 0; i < kSlotCount; ++i) {
        const StickerRecord& slot = table.Slot(i);
        if (slot.inUse != 1) continue;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&slot);
        image.insert(image.end(), bytes, bytes + kStickerRecordSize);
    }
    return image;
}

}  // namespace velpiners
