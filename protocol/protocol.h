// The window-message protocol between the controller, the sticker windows, the dialogs and other programs:
// message numbers, command codes and the fixed payloads. Portable: no windows.h here, so the numbers that
// Windows defines are repeated as plain constants.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/color_value.h"
#include "base/short_string.h"

namespace velpiners::protocol {

inline constexpr std::uint32_t kWmUser = 0x0400;

// Private message numbers, matched exactly (not registered with the system).
inline constexpr std::uint32_t kStickerCommandMessage = 0xDC9;     // to a sticker: lParam code, wParam value
inline constexpr std::uint32_t kControllerCommandMessage = 0xDCA;  // to the controller

// Sticker command codes.
enum StickerCode : std::uint32_t {
    kStkCaptionFontSize = 0,
    kStkOpacity = 1,
    kStkLock = 2,
    kStkCaptionColor = 3,
    kStkTextColor = 4,
    kStkStyle = 5,
    kStkCaptionShadow = 6,
    kStkTextShadow = 7,
    kStkUseOwnColor = 8,
    kStkColor = 9,
    kStkShowDate = 10,
    kStkShowPicture = 11,
    kStkPictureNumber = 12,
    kStkLayer = 13,
    kStkLayerFromMenu = 15,
    kStkApplyLayer = 16,
    kStkLeaveDesktop = 17,
    kStkTextFontSize = 20,
    kStkShadowColor = 21,
    kStkWordWrap = 22,
    kStkAlignment = 24,
    kStkBringIntoView = 25,
    kStkMakeVisible = 26,
    kStkHideDelay = 27,
    kStkHideAtPointer = 28,
    kStkEndRaise = 97,
    kStkRaise = 98,
    kStkRepaint = 99,
    kStkRelayout = 100,
    kStkReport = 101,
    kStkLanguage = 102,
    kStkClose = 103,
};

// Controller command codes.
enum ControllerCode : std::uint32_t {
    kCtlStickerDeleted = 100,  // wParam: the sticker's window; sent synchronously
    kCtlSaveStep = 201,        // save cycle: ask every sticker for its record
    kCtlSaveEnd = 202,         // save cycle: every in-use slot reported, write the file
    kCtlSaveRequest = 203,     // begin a save cycle
};

// WM_COPYDATA kinds (wParam).
inline constexpr std::uint32_t kCopyRecordReport = 445;  // sticker -> controller, dwData 1, one record
inline constexpr std::uint32_t kCopySummary = 300;       // sticker -> another program, dwData 1
inline constexpr std::uint32_t kRecordReportDwData = 1;
inline constexpr std::uint32_t kSummaryDwData = 1;

// Strings to a sticker (WM_COPYDATA wParam, dwData 0).
enum StringKind : std::uint32_t {
    kStrCaptionFont = 0,
    kStrCaptionText = 1,
    kStrBodyText = 2,
    kStrTextFont = 3,
    kStrDateText = 4,
};

// WM_USER control interface of the controller; the command is the low 16 bits of lParam.
enum UserCommand : std::uint32_t {
    kUserCount = 10,
    kUserMake = 11,        // wParam 101 default sticker, 102 new-sticker dialog, 103 the find dialog
    kUserHotKey = 12,      // wParam 201..205
    kUserSlotOf = 13,      // wParam a window
    kUserSummaries = 300,  // wParam a target window
    kUserSummaryOf = 301,  // wParam a target window, n in bits 16..23 of lParam
    kUserPresence = 1400,
};
inline constexpr std::uint32_t kUserMakeDefault = 101;
inline constexpr std::uint32_t kUserMakeDialog = 102;
inline constexpr std::uint32_t kUserFindDialog = 103;
// Command 12: a hot key of the library was pressed; wParam is 201 + the key's index (0 Win with "+", 1 Find,
// 2 Back, 3 Forward, 4 Favourite).
inline constexpr std::uint32_t kHotKeyFirstNotification = 201;
inline constexpr std::uint32_t kHotKeyCount = 5;
inline constexpr std::uint32_t kPresenceAnswer = 108;
// A sticker answers WM_USER with lParam at least this by sending its summary.
inline constexpr std::uint32_t kSummaryRequestBase = 999;

[[nodiscard]] constexpr std::uint32_t UserCommandOf(std::uint32_t lParam) { return lParam & 0xFFFF; }
[[nodiscard]] constexpr std::uint32_t SummaryIndexOf(std::uint32_t lParam) { return (lParam >> 16) & 0xFF; }
// The index byte a summary carries for the request lParam: (lParam + 25) mod 256.
[[nodiscard]] constexpr std::uint8_t SummaryIndexByte(std::uint32_t lParam) {
    return static_cast<std::uint8_t>((lParam + 25u) & 0xFF);
}

// The summary a sticker sends to another program (1029 bytes, padding written as zero).
#pragma pack(push, 1)
struct StickerSummary {
    ColorValue captionColor;     // 0
    std::uint8_t captionShadow;  // 4
    ShortString63 captionFont;   // 5
    ShortString255 captionText;  // 69
    std::uint8_t pad325[3];      // 325
    ColorValue dateColor;        // 328
    std::uint8_t dateShadow;     // 332
    ShortString63 dateFont;      // 333
    ShortString255 dateText;     // 397
    std::uint8_t pad653[3];      // 653
    ColorValue textColor;        // 656
    std::uint8_t textShadow;     // 660
    ShortString63 textFont;      // 661
    ShortString255 bodyText;     // 725
    std::uint8_t pad981[3];      // 981
    std::int32_t left;           // 984
    std::int32_t top;            // 988
    std::int32_t width;          // 992
    std::int32_t height;         // 996
    std::uint8_t opacity;        // 1000
    std::uint8_t locked;         // 1001
    std::uint8_t style;          // 1002
    std::uint8_t useOwnColor;    // 1003
    ColorValue color;            // 1004
    std::uint8_t unrolled;       // 1008
    std::uint8_t showPicture;    // 1009
    std::uint8_t pictureLow;     // 1010
    std::uint8_t layer;          // 1011
    std::uint8_t index;          // 1012
    std::uint8_t pad1013[16];    // 1013
};
#pragma pack(pop)

inline constexpr std::size_t kStickerSummarySize = 1029;

static_assert(std::is_trivially_copyable_v<StickerSummary>);
static_assert(sizeof(StickerSummary) == kStickerSummarySize);
static_assert(offsetof(StickerSummary, captionColor) == 0);
static_assert(offsetof(StickerSummary, captionShadow) == 4);
static_assert(offsetof(StickerSummary, captionFont) == 5);
static_assert(offsetof(StickerSummary, captionText) == 69);
static_assert(offsetof(StickerSummary, pad325) == 325);
static_assert(offsetof(StickerSummary, dateColor) == 328);
static_assert(offsetof(StickerSummary, dateShadow) == 332);
static_assert(offsetof(StickerSummary, dateFont) == 333);
static_assert(offsetof(StickerSummary, dateText) == 397);
static_assert(offsetof(StickerSummary, pad653) == 653);
static_assert(offsetof(StickerSummary, textColor) == 656);
static_assert(offsetof(StickerSummary, textShadow) == 660);
static_assert(offsetof(StickerSummary, textFont) == 661);
static_assert(offsetof(StickerSummary, bodyText) == 725);
static_assert(offsetof(StickerSummary, pad981) == 981);
static_assert(offsetof(StickerSummary, left) == 984);
static_assert(offsetof(StickerSummary, top) == 988);
static_assert(offsetof(StickerSummary, width) == 992);
static_assert(offsetof(StickerSummary, height) == 996);
static_assert(offsetof(StickerSummary, opacity) == 1000);
static_assert(offsetof(StickerSummary, locked) == 1001);
static_assert(offsetof(StickerSummary, style) == 1002);
static_assert(offsetof(StickerSummary, useOwnColor) == 1003);
static_assert(offsetof(StickerSummary, color) == 1004);
static_assert(offsetof(StickerSummary, unrolled) == 1008);
static_assert(offsetof(StickerSummary, showPicture) == 1009);
static_assert(offsetof(StickerSummary, pictureLow) == 1010);
static_assert(offsetof(StickerSummary, layer) == 1011);
static_assert(offsetof(StickerSummary, index) == 1012);
static_assert(offsetof(StickerSummary, pad1013) == 1013);

}  // namespace velpiners::protocol
