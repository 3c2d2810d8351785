// What other programs and windows send a sticker and the controller, on arbitrary bytes read as a series of
// messages: sticker commands (StoreStickerCommand), WM_COPYDATA strings (StoreStickerString, from a buffer
// exactly as long as the sender declared) and record reports (Tmassiv::AcceptReport), mixed with the
// table's own steps. After every message the record's 0/1 fields are 0 or 1, its opacity is not 0, a string
// is stored cut at its first zero and its field's size, an unknown string kind changes nothing, a report
// reaches exactly the slot of its window (or nothing when no slot has it) and a save cycle ends once every
// slot in use has reported. Any crash or sanitizer report is a finding too.
//
// Message layout: one byte of kind, then
//   kind 0: code (4 bytes), value (4 bytes)                  a sticker command
//   kind 1: string kind (4 bytes), length (2 bytes), bytes   a WM_COPYDATA string
//   kind 2: a whole 1076-byte record                         a report
//   kind 3: step (1 byte), window (1 byte)                   the table: occupy, release, begin a save cycle
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "protocol/protocol.h"
#include "sticker/sticker_state.h"
#include "store/table.h"

namespace {

using namespace velpiners;

constexpr std::size_t kKindCount = 4;
// Slots the messages can fill: the table's others stay empty, so a check of these covers every change.
constexpr int kReachableSlots = 8;
constexpr std::size_t kReachableBytes = kReachableSlots * sizeof(StickerRecord);

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_left(size) {}
    [[nodiscard]] bool Has(std::size_t count) const { return m_left >= count; }
    const std::uint8_t* Take(std::size_t count) {
        const std::uint8_t* taken = m_data;
        m_data += count;
        m_left -= count;
        return taken;
    }
    std::uint32_t Number(std::size_t bytes) {
        std::uint32_t value = 0;
        const std::uint8_t* taken = Take(bytes);
        for (std::size_t i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(taken[i]) << (8 * i);
        return value;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_left;
};

bool ZeroOrOne(std::uint8_t value) { return value <= 1; }

void CheckRecord(const StickerRecord& r) {
    const PlacementBlock& p = r.placement;
    if (p.opacity == 0) std::abort();
    if (!ZeroOrOne(p.locked) || !ZeroOrOne(p.useOwnColor) || !ZeroOrOne(p.showPicture) || !ZeroOrOne(p.layer) ||
        !ZeroOrOne(p.wordWrap) || !ZeroOrOne(p.hideAtPointer) || !ZeroOrOne(r.caption.shadow) ||
        !ZeroOrOne(r.date.shadow) || !ZeroOrOne(r.body.shadow) || !ZeroOrOne(r.date.tail[1]))
        std::abort();
}

// The field each string kind names, as the message protocol lists them.
template <std::size_t Capacity>
void CheckStored(const ShortString<Capacity>& field, std::string_view sent) {
    const std::string_view expected = sent.substr(0, std::min(sent.find('\0'), Capacity));
    if (field.View() != expected) std::abort();
}

void StoreString(StickerRecord& record, Input& in) {
    const std::uint32_t kind = in.Number(4);
    std::size_t length = in.Number(2);
    if (!in.Has(length)) length = 0;
    // A buffer as long as the sender declared, so that a read past it is seen.
    const std::unique_ptr<char[]> sent(new char[length == 0 ? 1 : length]);
    if (length > 0) std::memcpy(sent.get(), in.Take(length), length);
    const StickerRecord before = record;
    const bool stored = StoreStickerString(record, kind, length == 0 ? nullptr : sent.get(), length);
    if (stored != (kind <= protocol::kStrDateText)) std::abort();
    if (!stored) {
        if (std::memcmp(&before, &record, sizeof record) != 0) std::abort();
        return;
    }
    const std::string_view text(sent.get(), length);
    switch (kind) {
        case protocol::kStrCaptionFont:
            CheckStored(record.caption.fontName, text);
            break;
        case protocol::kStrCaptionText:
            CheckStored(record.caption.text, text);
            break;
        case protocol::kStrBodyText:
            CheckStored(record.body.text, text);
            break;
        case protocol::kStrTextFont:
            CheckStored(record.body.fontName, text);
            break;
        default:
            CheckStored(record.date.text, text);
            break;
    }
}

// A write asked for (step 202) that the owner has not taken yet.
bool g_writeAsked = false;

void Report(Tmassiv& table, Input& in, int& saveEnds) {
    StickerRecord report;
    std::memcpy(&report, in.Take(sizeof report), sizeof report);
    const int slot = table.SlotOfWindow(report.window);
    const auto before = std::make_unique<StickerRecord[]>(kReachableSlots);
    std::memcpy(before.get(), &table.Slot(0), kReachableBytes);
    const int endsBefore = saveEnds;
    const bool askedBefore = g_writeAsked;
    if (table.AcceptReport(report) != (slot >= 0)) std::abort();
    if (slot < 0) {
        if (std::memcmp(before.get(), &table.Slot(0), kReachableBytes) != 0 || saveEnds != endsBefore) std::abort();
        return;
    }
    const StickerRecord& taken = table.Slot(slot);
    if (std::memcmp(&taken.caption, &report.caption,
                    offsetof(StickerRecord, inUse) - offsetof(StickerRecord, caption)) != 0 ||
        taken.window != report.window || taken.inUse != 1 || taken.reported != 1)
        std::abort();
    // One write in flight: a complete set of reports asks again only once the owner took the last request.
    if (saveEnds != endsBefore + (table.AllInUseReported() && !askedBefore ? 1 : 0)) std::abort();
}

void TableStep(Tmassiv& table, Input& in) {
    const std::uint8_t step = *in.Take(1);
    const std::uint8_t window = *in.Take(1);
    switch (step % 4) {
        case 0:
            if (table.Count() < kReachableSlots) table.Occupy(window);
            break;
        case 1:
            table.ReleaseSlot(window % kReachableSlots);
            break;
        case 2:
            table.SaveEndTaken();  // the owner writes
            g_writeAsked = false;
            break;
        default:
            table.BeginSaveCycle(window);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StickerRecord record;
    FillStickerDefaults(record, "Caption", "Body", "1.02.24", 10, 20);
    // The table is large (256 records): one for every run, emptied first.
    static Tmassiv* const table = new Tmassiv;
    table->ClearFlags();
    int saveEnds = 0;
    g_writeAsked = false;
    table->SetNotifier([&saveEnds](std::uint32_t, std::uint32_t, std::uint32_t code) {
        if (code != protocol::kCtlSaveEnd) return;
        if (g_writeAsked) std::abort();  // never a second write asked for while one is in flight
        g_writeAsked = true;
        ++saveEnds;
    });
    for (std::uint32_t window = 1; window <= 3; ++window) table->Occupy(window);

    Input in(data, size);
    while (in.Has(1)) {
        const std::size_t kind = *in.Take(1) % kKindCount;
        if (kind == 0 && in.Has(8)) {
            const std::uint32_t code = in.Number(4);
            StoreStickerCommand(record, code, in.Number(4));
        } else if (kind == 1 && in.Has(6)) {
            StoreString(record, in);
        } else if (kind == 2 && in.Has(sizeof(StickerRecord))) {
            Report(*table, in, saveEnds);
        } else if (kind == 3 && in.Has(2)) {
            TableStep(*table, in);
        } else {
            break;
        }
        CheckRecord(record);
    }
    for (int i = kReachableSlots; i < kSlotCount; ++i)
        if (table->Slot(i).inUse != 0) std::abort();
    table->SetNotifier(nullptr);
    return 0;
}
