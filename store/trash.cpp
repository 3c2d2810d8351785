#include "store/trash.h"

#include <cstring>
#include <utility>

namespace velpiners {

TrashList::TrashList(std::vector<StickerRecord> records) : m_records(std::move(records)) {
    if (m_records.size() > kTrashCapacity)
        m_records.erase(m_records.begin(), m_records.end() - static_cast<std::ptrdiff_t>(kTrashCapacity));
}

void TrashList::Append(const StickerRecord& record) {
    if (m_records.size() >= kTrashCapacity) m_records.erase(m_records.begin());
    m_records.push_back(record);
}

const StickerRecord* TrashList::Newest(std::size_t n) const {
    if (n >= m_records.size()) return nullptr;
    return &m_records[m_records.size() - 1 - n];
}

bool TrashList::RemoveNewest(std::size_t n) {
    if (n >= m_records.size()) return false;
    m_records.erase(m_records.end() - 1 - static_cast<std::ptrdiff_t>(n));
    return true;
}

std::vector<std::uint8_t> TrashList::Image() const {
    std::vector<std::uint8_t> image(m_records.size() * kStickerRecordSize);
    if (!image.empty()) std::memcpy(image.data(), m_records.data(), image.size());
    return image;
}

}  // namespace velpiners
