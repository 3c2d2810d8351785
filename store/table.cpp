// The sticker table's operations. Indices from outside are checked: an index out of range is ignored.
#include "store/table.h"

#include <cstring>

#include "protocol/protocol.h"

namespace velpiners {

Tmassiv::Tmassiv() { std::memset(m_slots.data(), 0, sizeof(StickerRecord) * m_slots.size()); }

void Tmassiv::Notify(std::uint32_t wParam, std::uint32_t code) const {
    if (m_notifier) m_notifier(m_owner, wParam, code);
}

void Tmassiv::BeginSaveCycle(std::uint32_t owner) {
    m_owner = owner;
    for (auto& slot : m_slots) slot.reported = 0;
    Notify(1, protocol::kCtlSaveStep);
}

bool Tmassiv::AllInUseReported() const {
    for (const auto& slot : m_slots) {
        if (slot.inUse == 1 && slot.reported != 1) return false;
    }
    return true;
}

void Tmassiv::SlotReported(int index) {
    if (!IsValidIndex(index)) return;
    Slot(index).reported = 1;
    if (m_saveEndAsked || !AllInUseReported()) return;
    m_saveEndAsked = true;
    Notify(1, protocol::kCtlSaveEnd);
}

void Tmassiv::ReleaseSlot(int index) {
    if (IsValidIndex(index)) Slot(index).inUse = 0;
}

void Tmassiv::ClearFlags() {
    for (auto& slot : m_slots) {
        slot.inUse = 0;
        slot.reported = 0;
    }
    m_saveEndAsked = false;
}

int Tmassiv::FirstFreeSlot() const {
    for (int i = 0; i < kSlotCount; ++i) {
        if (Slot(i).inUse != 1) return i;
    }
    return -1;
}

int Tmassiv::SlotOfWindow(std::uint32_t window) const {
    for (int i = 0; i < kSlotCount; ++i) {
        if (Slot(i).inUse == 1 && Slot(i).window == window) return i;
    }
    return -1;
}

int Tmassiv::Count() const {
    int count = 0;
    for (const auto& slot : m_slots) count += slot.inUse == 1 ? 1 : 0;
    return count;
}

int Tmassiv::Occupy(std::uint32_t window) {
    const int index = FirstFreeSlot();
    if (index < 0) return -1;
    StickerRecord& slot = Slot(index);
    slot.window = window;
    slot.inUse = 1;
    slot.reported = 0;
    return index;
}

bool Tmassiv::AcceptReport(const StickerRecord& report) {
    const int index = SlotOfWindow(report.window);
    if (index < 0) return false;
    StickerRecord& slot = Slot(index);
    slot.placement = report.placement;
    slot.caption = report.caption;
    slot.date = report.date;
    slot.body = report.body;
    SlotReported(index);
    return true;
}

}  // namespace velpiners
