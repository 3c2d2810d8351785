// The sticker record: the fixed 1076-byte unit that is at once a slot of the sticker table, the payload of
// a sticker's record report and one entry of base.db. Every field has a fixed width and a fixed offset; the
// record is copied as raw little-endian bytes everywhere, so the layout is pinned below by static_asserts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/color_value.h"
#include "base/short_string.h"

namespace velpiners {

// One line of text of a sticker: the caption, the date line or the body.
struct TextStyleBlock {
    ColorValue color;         // 0
    std::uint8_t shadow;      // 4: drawn again 1 px right and down in the shadow colour
    std::uint8_t unused5[3];  // 5
    std::int32_t x;           // 8
    std::int32_t y;           // 12
    std::int32_t width;       // 16: only the body's width takes part in the layout
    std::uint8_t fontSize;    // 20: points
    ShortString63 fontName;   // 21
    ShortString255 text;      // 85
    std::uint8_t tail[3];     // 341: tail[1] (offset 342) is the show-date flag in the date block

    [[nodiscard]] bool ShowDate() const { return tail[1] != 0; }
    void SetShowDate(std::uint8_t value) { tail[1] = value; }
};

// Where and how a sticker shows.
struct PlacementBlock {
    std::int32_t left;           // 0
    std::int32_t top;            // 4
    std::uint8_t opacity;        // 8: 1..255
    std::uint8_t locked;         // 9
    std::uint8_t style;          // 10: skin 0..16
    std::uint8_t useOwnColor;    // 11
    ColorValue color;            // 12
    std::uint8_t unrolled;       // 16
    std::uint8_t showPicture;    // 17
    std::uint8_t pictureLow;     // 18
    std::uint8_t layer;          // 19: 1 desktop, 0 topmost
    std::uint8_t parented;       // 20: live state only
    std::uint8_t wordWrap;       // 21
    std::uint8_t alignment;      // 22: 0 left, 1 centre, 2 right
    std::uint8_t hideAtPointer;  // 23
    std::uint8_t hideDelayStep;  // 24
    std::uint8_t pictureHigh;    // 25
    std::uint8_t unused26[6];    // 26
    ColorValue shadowColor;      // 32

    [[nodiscard]] std::uint16_t PictureNumber() const {
        return static_cast<std::uint16_t>(pictureLow | (pictureHigh << 8));
    }
    void SetPictureNumber(std::uint32_t number) {
        pictureLow = static_cast<std::uint8_t>(number & 0xFF);
        pictureHigh = static_cast<std::uint8_t>((number >> 8) & 0xFF);
    }
};

struct StickerRecord {
    std::uint32_t window;        // 0: 32-bit handle of the window that produced the record
    TextStyleBlock caption;      // 4
    TextStyleBlock date;         // 348
    TextStyleBlock body;         // 692
    PlacementBlock placement;    // 1036
    std::uint8_t inUse;          // 1072
    std::uint8_t reported;       // 1073
    std::uint8_t unused1074[2];  // 1074
};

inline constexpr std::size_t kTextStyleBlockSize = 344;
inline constexpr std::size_t kPlacementBlockSize = 36;
inline constexpr std::size_t kStickerRecordSize = 1076;

static_assert(std::is_trivially_copyable_v<TextStyleBlock>);
static_assert(std::is_trivially_copyable_v<PlacementBlock>);
static_assert(std::is_trivially_copyable_v<StickerRecord>);
static_assert(std::is_standard_layout_v<StickerRecord>);

static_assert(sizeof(TextStyleBlock) == kTextStyleBlockSize);
static_assert(offsetof(TextStyleBlock, color) == 0);
static_assert(offsetof(TextStyleBlock, shadow) == 4);
static_assert(offsetof(TextStyleBlock, unused5) == 5);
static_assert(offsetof(TextStyleBlock, x) == 8);
static_assert(offsetof(TextStyleBlock, y) == 12);
static_assert(offsetof(TextStyleBlock, width) == 16);
static_assert(offsetof(TextStyleBlock, fontSize) == 20);
static_assert(offsetof(TextStyleBlock, fontName) == 21);
static_assert(offsetof(TextStyleBlock, text) == 85);
static_assert(offsetof(TextStyleBlock, tail) == 341);

static_assert(sizeof(PlacementBlock) == kPlacementBlockSize);
static_assert(offsetof(PlacementBlock, left) == 0);
static_assert(offsetof(PlacementBlock, top) == 4);
static_assert(offsetof(PlacementBlock, opacity) == 8);
static_assert(offsetof(PlacementBlock, locked) == 9);
static_assert(offsetof(PlacementBlock, style) == 10);
static_assert(offsetof(PlacementBlock, useOwnColor) == 11);
static_assert(offsetof(PlacementBlock, color) == 12);
static_assert(offsetof(PlacementBlock, unrolled) == 16);
static_assert(offsetof(PlacementBlock, showPicture) == 17);
static_assert(offsetof(PlacementBlock, pictureLow) == 18);
static_assert(offsetof(PlacementBlock, layer) == 19);
static_assert(offsetof(PlacementBlock, parented) == 20);
static_assert(offsetof(PlacementBlock, wordWrap) == 21);
static_assert(offsetof(PlacementBlock, alignment) == 22);
static_assert(offsetof(PlacementBlock, hideAtPointer) == 23);
static_assert(offsetof(PlacementBlock, hideDelayStep) == 24);
static_assert(offsetof(PlacementBlock, pictureHigh) == 25);
static_assert(offsetof(PlacementBlock, unused26) == 26);
static_assert(offsetof(PlacementBlock, shadowColor) == 32);

static_assert(sizeof(StickerRecord) == kStickerRecordSize);
static_assert(offsetof(StickerRecord, window) == 0);
static_assert(offsetof(StickerRecord, caption) == 4);
static_assert(offsetof(StickerRecord, date) == 348);
static_assert(offsetof(StickerRecord, body) == 692);
static_assert(offsetof(StickerRecord, placement) == 1036);
static_assert(offsetof(StickerRecord, inUse) == 1072);
static_assert(offsetof(StickerRecord, reported) == 1073);
static_assert(offsetof(StickerRecord, unused1074) == 1074);

// The landmarks other programs and the stored file rely on.
static_assert(offsetof(StickerRecord, caption) + offsetof(TextStyleBlock, text) == 89);
static_assert(offsetof(StickerRecord, date) + offsetof(TextStyleBlock, text) == 433);
static_assert(offsetof(StickerRecord, date) + offsetof(TextStyleBlock, tail) + 1 == 690);
static_assert(offsetof(StickerRecord, body) + offsetof(TextStyleBlock, text) == 777);
static_assert(offsetof(StickerRecord, placement) + offsetof(PlacementBlock, pictureLow) == 1054);
static_assert(offsetof(StickerRecord, placement) + offsetof(PlacementBlock, pictureHigh) == 1061);

}  // namespace velpiners
