// What a sticker window decides without a window: how each sticker command stores its value, how strings
// sent to a sticker are cut, the creation defaults of the blocks, the date text, the hide timer interval
// and where "bring into view" moves a window. The window (stick_form) runs the operations these name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>
#include <string>
#include <string_view>

#include "protocol/protocol.h"
#include "sticker/layout.h"
#include "store/record.h"

namespace velpiners {

// What the window must do after a sticker command stored its value.
enum class StickerAction {
    kNone,
    kApplyStoredLayer,   // 13, 15, 16
    kApplyTopmostLayer,  // 17: leave the desktop, the stored layer unchanged
    kBringIntoView,      // 25
    kMakeVisible,        // 26
    kSetHideDelay,       // 27
    kEndRaise,           // 97
    kRaise,              // 98
    kRepaint,            // 99
    kRelayout,           // 100
    kReport,             // 101
    kApplyLanguage,      // 102
    kClose,              // 103
};

// Stores the value of sticker command `code` into the record's blocks and says what else to run. Fields
// taking 0/1 ignore any other value; "byte" fields keep the low 8 bits; unknown codes do nothing.
StickerAction StoreStickerCommand(StickerRecord& record, std::uint32_t code, std::uint32_t value);

// Stores a string sent to the sticker (kind 0..4); reads at most `size` bytes of `data`, up to the first
// zero among them. Returns false (and changes nothing) for an unknown kind.
bool StoreStickerString(StickerRecord& record, std::uint32_t kind, const void* data, std::size_t size);

// "d.mm.yy": day without a leading zero, two-digit month and year.
std::string FormatStickerDate(int day, int month, int year);

// What a new sticker's lines start with unless the defaults say otherwise.
inline constexpr ColorValue kDefaultTextColor = 0xFFFFFF;
inline constexpr std::string_view kDefaultFont = "Tahoma";

// Fills one line's block: colour, shadow flag, where it starts and how wide, font and text (both cut to
// their fields).
void SetTextBlock(TextStyleBlock& block, ColorValue color, std::uint8_t shadow, const layout::LineGeometry& where,
                  std::uint8_t fontSize, std::string_view font, std::string_view text);

// The blocks a new sticker window starts with, at window position (left, top).
void FillStickerDefaults(StickerRecord& record, std::string_view caption, std::string_view body, std::string_view date,
                         std::int32_t left, std::int32_t top);

// The hide timer's interval: step x 20 ms, 3000 ms for step 0.
[[nodiscard]] std::uint32_t HideDelayMilliseconds(std::uint8_t step);

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Where "bring into view" puts a window of this place and size, given the work area of every monitor:
// false when more than 24 pixels of it lie inside one work area both across and down (the window stays),
// else true with the new place: centred in the work area nearest to it (the first of equals), so a note on
// a monitor left of or above the primary one stays where it is and only a stranded one moves. No work
// area counts as the primary one's at (0, 0, 0, 0).
bool BringIntoViewPlace(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                        const std::vector<ScreenRect>& workAreas, std::int32_t* newLeft, std::int32_t* newTop);

// Where a window whose own place is (left, top) stands for this run on these work areas: its own place
// while any of it is in view there as "bring into view" counts it, else (rescued) centred on the nearest
// work area, as "bring into view" would move it.
struct MonitorPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool rescued = false;
};
[[nodiscard]] MonitorPlace PlaceOnMonitors(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                                           const std::vector<ScreenRect>& workAreas);

// a + b where both come from a stored record (a place, an offset, a width): computed in 64 bits and held
// at the int32 limits, so a value from a damaged file never wraps round to the far side.
[[nodiscard]] std::int32_t SaturatedSum(std::int64_t a, std::int64_t b);
// A stored position moved by `offset` (a duplicate's 18 pixels), or kept as it is when the move would
// leave the 32-bit range.
[[nodiscard]] std::int32_t MovedOrKept(std::int32_t position, std::int32_t offset);

// The opacity a new or changed sticker stores: a requested 0 (which would make it invisible) is 1.
[[nodiscard]] inline std::uint8_t StoredOpacity(std::uint8_t requested) { return requested == 0 ? 1 : requested; }

inline constexpr std::uint8_t kLastStyle = 16;

// A sticker style as painted and hit-tested: a style byte above 16 (a damaged file) paints as style 0, so
// the note stays visible and its pins work; the stored byte is not changed.
[[nodiscard]] inline std::uint8_t PaintedStyle(std::uint8_t style) { return style <= kLastStyle ? style : 0; }

// The summary another program receives: a zeroed payload filled from a sticker's live blocks and window
// rectangle, with the index byte for the request's lParam.
[[nodiscard]] protocol::StickerSummary MakeSummary(const StickerRecord& record, std::int32_t left, std::int32_t top,
                                                   std::int32_t width, std::int32_t height,
                                                   std::uint32_t requestLParam);

[[nodiscard]] inline bool IsIconStyle(std::uint8_t style) { return style >= 11 && style <= 16; }
[[nodiscard]] inline bool IsFrameStyle(std::uint8_t style) { return style == 9 || style == 10; }

}  // namespace velpiners
