// The sticker table: 256 sticker slots and the owner window of the save cycle. A slot's fields mean
// something only while its in-use flag is 1; offset 0 of an in-use slot holds the handle of the window that
// occupies it. The table tells its owner about the save cycle through a notifier (the controller posts the
// controller command message with it); the table itself never touches a window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "store/record.h"

namespace velpiners {

inline constexpr int kSlotCount = 256;

class Tmassiv {
public:
    // Called with (owner window, wParam, command code) where the table posts a controller command.
    using Notifier = std::function<void(std::uint32_t owner, std::uint32_t wParam, std::uint32_t code)>;

    Tmassiv();

    void SetNotifier(Notifier notifier) { m_notifier = std::move(notifier); }

    [[nodiscard]] std::uint32_t Owner() const { return m_owner; }

    // Stores the owner, clears every reported flag and asks the owner for step 201.
    void BeginSaveCycle(std::uint32_t owner);
    // Marks the slot reported; once every in-use slot is reported asks the owner for step 202. A further
    // report asks again only after the owner has taken the last request (SaveEndTaken): a burst of reports
    // (overlapping cycles, or another program sending reports in a loop) keeps one write in flight, and the
    // write takes the newest records.
    void SlotReported(int index);
    // The owner is handling step 202: the next complete set of reports asks for another write.
    void SaveEndTaken() { m_saveEndAsked = false; }
    void ReleaseSlot(int index);
    // Clears the in-use and reported flags of every slot (before the table is loaded anew); the next complete
    // set of reports asks for a write again.
    void ClearFlags();

    [[nodiscard]] int FirstFreeSlot() const;
    [[nodiscard]] int SlotOfWindow(std::uint32_t window) const;
    [[nodiscard]] int Count() const;
    [[nodiscard]] bool AllInUseReported() const;

    // Puts a window into the lowest free slot: handle at offset 0, in-use 1, reported 0. Returns the slot or -1
    // when the table is full.
    int Occupy(std::uint32_t window);

    // Takes a sticker's report: finds the sender's slot by the handle at offset 0, copies its four blocks and
    // marks it reported. A report from a window that holds no slot changes nothing and returns false.
    bool AcceptReport(const StickerRecord& report);

    // Calls visit(index, slot) for every in-use slot, in slot order.
    template <typename Visit>
    void ForEachInUse(Visit&& visit) {
        for (int i = 0; i < kSlotCount; ++i)
            if (Slot(i).inUse == 1) visit(i, Slot(i));
    }
    template <typename Visit>
    void ForEachInUse(Visit&& visit) const {
        for (int i = 0; i < kSlotCount; ++i)
            if (Slot(i).inUse == 1) visit(i, Slot(i));
    }

    [[nodiscard]] StickerRecord& Slot(int index) { return m_slots[static_cast<std::size_t>(index)]; }
    [[nodiscard]] const StickerRecord& Slot(int index) const { return m_slots[static_cast<std::size_t>(index)]; }

    [[nodiscard]] static bool IsValidIndex(int index) { return index >= 0 && index < kSlotCount; }

private:
    void Notify(std::uint32_t wParam, std::uint32_t code) const;

    std::uint32_t m_owner = 0;
    bool m_saveEndAsked = false;
    std::array<StickerRecord, kSlotCount> m_slots;
    Notifier m_notifier;
};

}  // namespace velpiners
