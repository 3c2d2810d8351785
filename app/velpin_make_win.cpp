// The controller's make operations: a sticker window in the lowest free slot, filled from stored blocks,
// from the defaults (tray and WM_USER), as a duplicate, or from the new-sticker dialog.
#include <windows.h>

#include <chrono>
#include <random>

#include "base/dpi_win.h"
#include "base/phase_times.h"
#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "sticker/layout.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_state.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

// The random colour of a new sticker: each channel kDarkestChannel .. kDarkestChannel + kChannelSpread.
constexpr int kDarkestChannel = 32;
constexpr int kChannelSpread = 223;
// A copy stands this far right of and below its original.
constexpr std::int32_t kDuplicateOffset = 18;
// The value the language command carries to a new sticker (it reads its texts from the controller).
constexpr WPARAM kLanguageValue = 100;

// Each channel 32..255. Drawn from one generator seeded once: reseeding from the clock before every
// channel gives the same number three times, and every new sticker grey.
ColorValue RandomStickerColor() {
    static std::mt19937 generator(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count() ^ ::GetCurrentProcessId()));
    std::uniform_int_distribution<int> channel(0, kChannelSpread);
    const int red = kDarkestChannel + channel(generator);
    const int green = kDarkestChannel + channel(generator);
    const int blue = kDarkestChannel + channel(generator);
    return static_cast<ColorValue>(red | (green << 8) | (blue << 16));
}

// Centred in the work area as new stickers are, then shown and given its language texts.
void PlaceAndShowNew(TStickForm& sticker) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    ::GetWindowRect(sticker.Handle(), &rect);
    const NewStickerPlace place = NewStickerPlaceIn(work.left, work.top, work.right, work.bottom,
                                                    rect.bottom - rect.top, DpiOfWindow(sticker.Handle()));
    ::SetWindowPos(sticker.Handle(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(sticker.Handle(), SW_SHOWNOACTIVATE);
    ::PostMessageA(sticker.Handle(), protocol::kStickerCommandMessage, kLanguageValue, protocol::kStkLanguage);
}

}  // namespace

void TVelpin::MirrorIntoSlot(int index, const TStickForm& sticker) {
    // The slot holds the whole sticker from the start, not only what the first report would bring: a window
    // that is gone before it ever reported is still saved whole.
    StickerRecord& slot = m_table->Slot(index);
    const StickerRecord& blocks = sticker.Blocks();
    slot.caption = blocks.caption;
    slot.date = blocks.date;
    slot.body = blocks.body;
    slot.placement = blocks.placement;
}

TStickForm* TVelpin::MakeStickerWindow(int* slot, const POINT* place) {
    const int index = m_table->FirstFreeSlot();
    if (index < 0) return nullptr;
    TStickForm* sticker = TStickForm::Create(*this, Handle(), place);
    if (sticker == nullptr) return nullptr;
    m_table->Occupy(HandleValue(sticker->Handle()));
    if (slot != nullptr) *slot = index;
    return sticker;
}

TStickForm* TVelpin::MakeStickerFromRecord(const TextStyleBlock& caption, const TextStyleBlock& date,
                                           const PlacementBlock& placement, const TextStyleBlock& body) {
    int index = -1;
    // Made at its stored place, so that it is laid out, painted and shown without a move.
    const POINT place{placement.left, placement.top};
    TStickForm* sticker = MakeStickerWindow(&index, &place);
    if (sticker == nullptr) return nullptr;
    OpenInSlot(*sticker, index, caption, date, placement, body);
    return sticker;
}

void TVelpin::OpenInSlot(TStickForm& sticker, int index, const TextStyleBlock& caption, const TextStyleBlock& date,
                         const PlacementBlock& placement, const TextStyleBlock& body) {
    StickerRecord& blocks = sticker.Blocks();
    blocks.caption = caption;
    blocks.body = body;
    blocks.placement = placement;
    sticker.SetHideDelay();
    blocks.date = date;
    sticker.Relayout();
    sticker.SetLayerChecks();
    MirrorIntoSlot(index, sticker);

    HWND window = sticker.Handle();
    const phase::Scope timing(phase::Phase::kPlaceShow);
    const POINT now = sticker.Position();
    if (now.x != placement.left || now.y != placement.top)
        ::SetWindowPos(window, nullptr, placement.left, placement.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Shown without taking the focus from whatever the user is doing.
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::PostMessageA(window, protocol::kStickerCommandMessage, 0, protocol::kStkApplyLayer);
    ::PostMessageA(window, protocol::kStickerCommandMessage, kLanguageValue, protocol::kStkLanguage);
}

void TVelpin::StickerLost(HWND window, const StickerRecord& blocks) {
    // The program's own ends (closing, a test's controller going) destroy the windows on purpose.
    if (m_tearingDown || m_closing) return;
    const int index = m_table->SlotOfWindow(HandleValue(window));
    if (index < 0) return;
    StickerRecord& slot = m_table->Slot(index);
    slot.caption = blocks.caption;
    slot.date = blocks.date;
    slot.body = blocks.body;
    slot.placement = blocks.placement;
    m_lostSlots.push_back(index);
    // Not while the host's destruction runs: a window made now could go with it.
    ::PostMessageA(Handle(), kRemakeLostMessage, 0, 0);
}

void TVelpin::RemakeLostStickers() {
    std::vector<int> lost;
    lost.swap(m_lostSlots);
    for (const int index : lost) {
        const StickerRecord& slot = m_table->Slot(index);
        // Deleted meanwhile, or already made again (the same slot lost twice before this ran).
        if (slot.inUse != 1 || ::IsWindow(HandleFromValue(slot.window))) continue;
        const StickerRecord record = slot;
        const POINT place{record.placement.left, record.placement.top};
        TStickForm* sticker = TStickForm::Create(*this, Handle(), &place);
        if (sticker == nullptr) continue;
        m_table->Slot(index).window = HandleValue(sticker->Handle());
        OpenInSlot(*sticker, index, record.caption, record.date, record.placement, record.body);
        // Its own place may lie on no monitor: it was shown elsewhere for this run.
        ::PostMessageA(sticker->Handle(), TStickForm::kFitToMonitorsMessage, 0, 0);
        // A save that asked the lost window for its report waits for this one's.
        if (m_table->Owner() != 0 && !m_table->AllInUseReported())
            ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, reinterpret_cast<WPARAM>(Handle()),
                           protocol::kStkReport);
    }
}

TStickForm* TVelpin::MakeDefaultSticker() {
    int index = -1;
    TStickForm* sticker = MakeStickerWindow(&index);
    if (sticker == nullptr) return nullptr;
    const std::string body = Text(TextKey::dfText);

    StickerRecord& blocks = sticker->Blocks();
    SetTextBlock(blocks.caption, m_defaults.captionColor, 1, layout::kCaptionLine, layout::kCaptionLine.fontSize,
                 m_defaults.captionFont, Text(TextKey::dfNapom));
    SetTextBlock(blocks.body, m_defaults.textColor, 1, layout::kBodyLine, m_defaults.textSize, m_defaults.textFont,
                 body);
    PlacementBlock& p = blocks.placement;
    p.useOwnColor = 1;
    p.color = RandomStickerColor();
    p.style = m_defaults.style;
    p.opacity = StoredOpacity(m_defaults.opacity);
    p.wordWrap = m_defaults.wordWrap ? 1 : 0;
    sticker->Relayout();
    MirrorIntoSlot(index, *sticker);
    PlaceAndShowNew(*sticker);
    // Saved at once, as every other change is: a note made and the program closed before any other change
    // must be there at the next start.
    PostSaveRequest();
    return sticker;
}

TStickForm* TVelpin::DuplicateSticker(const StickerRecord& blocks) {
    PlacementBlock placement = blocks.placement;
    placement.left = MovedOrKept(placement.left, kDuplicateOffset);
    placement.top = MovedOrKept(placement.top, kDuplicateOffset);
    TStickForm* copy = MakeStickerFromRecord(blocks.caption, blocks.date, placement, blocks.body);
    if (copy != nullptr) PostSaveRequest();
    return copy;
}

void TVelpin::PostSaveRequest() const {
    ::PostMessageA(Handle(), protocol::kControllerCommandMessage, protocol::kCtlSaveRequest, protocol::kCtlSaveRequest);
}

TStickForm* TVelpin::MakeStickerFromDialog(const std::string& caption, const std::string& date, bool onTop,
                                           bool showDate, const std::string& body) {
    int index = -1;
    TStickForm* sticker = MakeStickerWindow(&index);
    if (sticker == nullptr) return nullptr;
    StickerRecord& blocks = sticker->Blocks();
    const StickerDefaults& d = m_defaults;
    SetTextBlock(blocks.caption, d.captionColor, d.captionShadow ? 1 : 0, layout::kCaptionLine,
                 layout::kCaptionLine.fontSize, d.captionFont, caption);
    SetTextBlock(blocks.body, d.textColor, d.textShadow ? 1 : 0, layout::kBodyLine, d.textSize, d.textFont, body);
    blocks.date.SetShowDate(showDate ? 1 : 0);
    blocks.date.text.Set(date);

    PlacementBlock& p = blocks.placement;
    p.layer = onTop ? 0 : 1;
    p.useOwnColor = d.useOwnColor ? 1 : 0;
    p.style = d.style;
    p.opacity = StoredOpacity(d.opacity);
    p.color = d.stickerColor;
    p.hideAtPointer = d.hideAtPointer ? 1 : 0;
    p.hideDelayStep = d.hideDelayStep;
    p.shadowColor = d.shadowColor;
    p.alignment = d.alignment;
    p.wordWrap = d.wordWrap ? 1 : 0;
    p.SetPictureNumber(static_cast<std::uint32_t>(d.pictureNumber));
    sticker->SetHideDelay();
    sticker->Relayout();
    sticker->SetLayerChecks();
    MirrorIntoSlot(index, *sticker);
    PlaceAndShowNew(*sticker);
    // As a stored sticker does: a desktop one goes beneath the shell's desktop window, not above everything.
    ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 0, protocol::kStkApplyLayer);
    PostSaveRequest();
    return sticker;
}

}  // namespace velpiners
