// base.db on arbitrary bytes: ParseDatabaseImage takes the whole records only, at most the table's 256, each
// byte for byte; the start puts each into a slot of the table, the save cycle takes each back as its
// window's report, and the image written afterwards holds every record's blocks unchanged. What the start
// computes from a record (its summary, painted style, hide delay, place on the screen) stays within its
// fields. Any crash or sanitizer report is a finding too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "protocol/protocol.h"
#include "sticker/sticker_state.h"
#include "store/database_image.h"
#include "store/table.h"

namespace {

using namespace velpiners;

constexpr std::uint32_t kFirstWindow = 0x10000;
constexpr std::size_t kBlocksOffset = offsetof(StickerRecord, caption);
constexpr std::size_t kBlocksEnd = offsetof(StickerRecord, inUse);
const std::vector<ScreenRect> kWorkAreas{{0, 0, 1280, 1024}, {-1280, -200, 0, 824}};

template <std::size_t Capacity>
bool Within(const ShortString<Capacity>& text) {
    return text.View().size() <= Capacity;
}

bool LinesWithin(const StickerRecord& r) {
    return Within(r.caption.fontName) && Within(r.caption.text) && Within(r.date.fontName) && Within(r.date.text) &&
           Within(r.body.fontName) && Within(r.body.text);
}

void CheckWhatTheStartComputes(const StickerRecord& record) {
    if (!LinesWithin(record)) std::abort();
    const protocol::StickerSummary summary =
        MakeSummary(record, record.placement.left, record.placement.top, 200, 150, 7);
    if (summary.captionText.View() != record.caption.text.View() || summary.bodyText.View() != record.body.text.View())
        std::abort();
    if (PaintedStyle(record.placement.style) > kLastStyle) std::abort();
    if (HideDelayMilliseconds(record.placement.hideDelayStep) == 0) std::abort();
    std::int32_t left = 0;
    std::int32_t top = 0;
    BringIntoViewPlace(record.placement.left, record.placement.top, 200, 150, kWorkAreas, &left, &top);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<StickerRecord> records = ParseDatabaseImage(data, size);
    const std::size_t whole = std::min<std::size_t>(size / kStickerRecordSize, kSlotCount);
    if (records.size() != whole) std::abort();
    if (whole > 0 && std::memcmp(records.data(), data, whole * kStickerRecordSize) != 0) std::abort();

    // The table is large (256 records): one for every run.
    static Tmassiv* const table = new Tmassiv;
    table->ClearFlags();
    int saveEnds = 0;
    table->SetNotifier([&saveEnds](std::uint32_t, std::uint32_t, std::uint32_t code) {
        if (code == protocol::kCtlSaveEnd) ++saveEnds;
    });
    for (std::size_t i = 0; i < records.size(); ++i) {
        CheckWhatTheStartComputes(records[i]);
        if (table->Occupy(kFirstWindow + static_cast<std::uint32_t>(i)) != static_cast<int>(i)) std::abort();
    }
    table->BeginSaveCycle(1);
    for (std::size_t i = 0; i < records.size(); ++i) {
        StickerRecord report = records[i];
        report.window = kFirstWindow + static_cast<std::uint32_t>(i);
        if (!table->AcceptReport(report)) std::abort();
    }
    if (!records.empty() && saveEnds != 1) std::abort();

    const std::vector<std::uint8_t> image = BuildDatabaseImage(*table);
    if (image.size() != records.size() * kStickerRecordSize) std::abort();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::uint8_t* written = image.data() + i * kStickerRecordSize;
        const std::uint8_t* read = data + i * kStickerRecordSize;
        if (std::memcmp(written + kBlocksOffset, read + kBlocksOffset, kBlocksEnd - kBlocksOffset) != 0) std::abort();
        StickerRecord again;
        std::memcpy(&again, written, kStickerRecordSize);
        if (again.window != kFirstWindow + i || again.inUse != 1 || again.reported != 1) std::abort();
    }
    table->SetNotifier(nullptr);
    return 0;
}
