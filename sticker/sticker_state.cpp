#include "sticker/sticker_state.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "protocol/protocol.h"

namespace velpiners {
namespace {

// A 0/1 field: any other value leaves it as it was.
void StoreFlag(std::uint8_t& field, std::uint32_t value) {
    if (value <= 1) field = static_cast<std::uint8_t>(value);
}

std::uint8_t LowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// Colour values travel as the 32 bits of wParam.
ColorValue ColorOf(std::uint32_t value) { return static_cast<ColorValue>(value); }

}  // namespace

void SetTextBlock(TextStyleBlock& block, ColorValue color, std::uint8_t shadow, const layout::LineGeometry& where,
                  std::uint8_t fontSize, std::string_view font, std::string_view text) {
    block.color = color;
    block.shadow = shadow;
    block.x = where.x;
    block.y = where.y;
    block.width = where.width;
    block.fontSize = fontSize;
    block.fontName.Set(font);
    block.text.Set(text);
}

StickerAction StoreStickerCommand(StickerRecord& record, std::uint32_t code, std::uint32_t value) {
    using namespace protocol;
    PlacementBlock& p = record.placement;
    switch (code) {
        case kStkCaptionFontSize:
            record.caption.fontSize = LowByte(value);
            return StickerAction::kNone;
        case kStkOpacity:
            // Opacity 0 is kept for the moment a sticker hides at the pointer; a stored 0 would lose it.
            p.opacity = StoredOpacity(LowByte(value));
            return StickerAction::kNone;
        case kStkLock:
            StoreFlag(p.locked, value);
            return StickerAction::kNone;
        case kStkCaptionColor:
            record.caption.color = ColorOf(value);
            record.date.color = ColorOf(value);
            return StickerAction::kNone;
        case kStkTextColor:
            record.body.color = ColorOf(value);
            return StickerAction::kNone;
        case kStkStyle:
            p.style = LowByte(value);
            return StickerAction::kNone;
        case kStkCaptionShadow:
            StoreFlag(record.caption.shadow, value);
            StoreFlag(record.date.shadow, value);
            return StickerAction::kNone;
        case kStkTextShadow:
            StoreFlag(record.body.shadow, value);
            return StickerAction::kNone;
        case kStkUseOwnColor:
            StoreFlag(p.useOwnColor, value);
            return StickerAction::kNone;
        case kStkColor:
            p.color = ColorOf(value);
            return StickerAction::kNone;
        case kStkShowDate:
            if (value <= 1) record.date.SetShowDate(static_cast<std::uint8_t>(value));
            return StickerAction::kNone;
        case kStkShowPicture:
            StoreFlag(p.showPicture, value);
            return StickerAction::kNone;
        case kStkPictureNumber:
            p.SetPictureNumber(value);
            return StickerAction::kNone;
        case kStkLayer:
        case kStkLayerFromMenu:
            StoreFlag(p.layer, value);
            return StickerAction::kApplyStoredLayer;
        case kStkApplyLayer:
            return StickerAction::kApplyStoredLayer;
        case kStkLeaveDesktop:
            return StickerAction::kApplyTopmostLayer;
        case kStkTextFontSize:
            record.body.fontSize = LowByte(value);
            return StickerAction::kNone;
        case kStkShadowColor:
            p.shadowColor = ColorOf(value);
            return StickerAction::kNone;
        case kStkWordWrap:
            StoreFlag(p.wordWrap, value);
            return StickerAction::kNone;
        case kStkAlignment:
            p.alignment = LowByte(value);
            return StickerAction::kNone;
        case kStkBringIntoView:
            return StickerAction::kBringIntoView;
        case kStkMakeVisible:
            return StickerAction::kMakeVisible;
        case kStkHideDelay:
            p.hideDelayStep = LowByte(value);
            return StickerAction::kSetHideDelay;
        case kStkHideAtPointer:
            StoreFlag(p.hideAtPointer, value);
            return StickerAction::kNone;
        case kStkEndRaise:
            return StickerAction::kEndRaise;
        case kStkRaise:
            return StickerAction::kRaise;
        case kStkRepaint:
            return StickerAction::kRepaint;
        case kStkRelayout:
            return StickerAction::kRelayout;
        case kStkReport:
            return StickerAction::kReport;
        case kStkLanguage:
            return StickerAction::kApplyLanguage;
        case kStkClose:
            return StickerAction::kClose;
        default:
            return StickerAction::kNone;
    }
}

bool StoreStickerString(StickerRecord& record, std::uint32_t kind, const void* data, std::size_t size) {
    std::string_view text;
    if (data != nullptr && size > 0) {
        const char* chars = static_cast<const char*>(data);
        // Another program may send no terminating zero: never read past what it declared.
        const void* zero = std::memchr(chars, 0, size);
        text = std::string_view(
            chars, zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - chars) : size);
    }
    switch (kind) {
        case protocol::kStrCaptionFont:
            record.caption.fontName.Set(text);
            return true;
        case protocol::kStrCaptionText:
            record.caption.text.Set(text);
            return true;
        case protocol::kStrBodyText:
            record.body.text.Set(text);
            return true;
        case protocol::kStrTextFont:
            record.body.fontName.Set(text);
            return true;
        case protocol::kStrDateText:
            record.date.text.Set(text);
            return true;
        default:
            return false;
    }
}

std::string FormatStickerDate(int day, int month, int year) {
    const auto twoDigits = [](int value) {
        value = ((value % 100) + 100) % 100;
        return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    };
    return std::to_string(day) + "." + twoDigits(month) + "." + twoDigits(year);
}

void FillStickerDefaults(StickerRecord& record, std::string_view caption, std::string_view body, std::string_view date,
                         std::int32_t left, std::int32_t top) {
    std::memset(&record, 0, sizeof record);
    using namespace layout;
    SetTextBlock(record.caption, kDefaultTextColor, 1, kCaptionLine, kCaptionLine.fontSize, kDefaultFont, caption);
    SetTextBlock(record.date, kDefaultTextColor, 1, kDateLine, kDateLine.fontSize, kDefaultFont, date);
    record.date.SetShowDate(1);
    SetTextBlock(record.body, kDefaultTextColor, 1, kBodyLine, kBodyLine.fontSize, kDefaultFont, body);

    PlacementBlock& p = record.placement;
    p.left = left;
    p.top = top;
    p.opacity = 255;
    p.color = 0x008000;
    p.unrolled = 1;
    p.layer = 1;
    p.wordWrap = 1;
    p.hideDelayStep = 30;
}

std::uint32_t HideDelayMilliseconds(std::uint8_t step) { return step == 0 ? 3000u : step * 20u; }

namespace {

// How far a window must reach into a work area, across and down, to count as in view there.
constexpr std::int64_t kInViewMargin = 24;

// The distance between two ranges along one axis: 0 when they overlap.
std::int64_t Gap(std::int64_t from, std::int64_t to, std::int64_t areaFrom, std::int64_t areaTo) {
    if (to < areaFrom) return areaFrom - to;
    if (from > areaTo) return from - areaTo;
    return 0;
}

}  // namespace

bool BringIntoViewPlace(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                        const std::vector<ScreenRect>& workAreas, std::int32_t* newLeft, std::int32_t* newTop) {
    static const std::vector<ScreenRect> kNoMonitor{ScreenRect{}};
    const std::vector<ScreenRect>& areas = workAreas.empty() ? kNoMonitor : workAreas;
    // 64-bit sums: a position read from a damaged file may be near the int32 limits.
    const std::int64_t l = left, t = top, r = l + width, b = t + height;
    const ScreenRect* nearest = &areas.front();
    std::int64_t nearestDistance = INT64_MAX;
    for (const ScreenRect& area : areas) {
        const bool inView = l + kInViewMargin < area.right && t + kInViewMargin < area.bottom &&
                            r - kInViewMargin > area.left && b - kInViewMargin > area.top;
        if (inView) return false;
        const std::int64_t across = Gap(l, r, area.left, area.right);
        const std::int64_t down = Gap(t, b, area.top, area.bottom);
        const std::int64_t distance = across + down;  // 0 for a work area the window overlaps
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    // C++ division truncates toward zero, as the placement rule wants.
    *newLeft = static_cast<std::int32_t>(nearest->left +
                                         (static_cast<std::int64_t>(nearest->right) - nearest->left - width) / 2);
    *newTop = static_cast<std::int32_t>(nearest->top +
                                        (static_cast<std::int64_t>(nearest->bottom) - nearest->top - height) / 2);
    return true;
}

MonitorPlace PlaceOnMonitors(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                             const std::vector<ScreenRect>& workAreas) {
    MonitorPlace place{left, top, false};
    place.rescued = BringIntoViewPlace(left, top, width, height, workAreas, &place.left, &place.top);
    return place;
}

std::int32_t SaturatedSum(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t MovedOrKept(std::int32_t position, std::int32_t offset) {
    const std::int64_t moved = static_cast<std::int64_t>(position) + offset;
    return moved == SaturatedSum(position, offset) ? static_cast<std::int32_t>(moved) : position;
}

protocol::StickerSummary MakeSummary(const StickerRecord& record, std::int32_t left, std::int32_t top,
                                     std::int32_t width, std::int32_t height, std::uint32_t requestLParam) {
    protocol::StickerSummary summary;
    std::memset(&summary, 0, sizeof summary);
    summary.captionColor = record.caption.color;
    summary.captionShadow = record.caption.shadow;
    summary.captionFont = record.caption.fontName;
    summary.captionText = record.caption.text;
    summary.dateColor = record.date.color;
    summary.dateShadow = record.date.shadow;
    summary.dateFont = record.date.fontName;
    summary.dateText = record.date.text;
    summary.textColor = record.body.color;
    summary.textShadow = record.body.shadow;
    summary.textFont = record.body.fontName;
    summary.bodyText = record.body.text;
    summary.left = left;
    summary.top = top;
    summary.width = width;
    summary.height = height;
    const PlacementBlock& p = record.placement;
    summary.opacity = p.opacity;
    summary.locked = p.locked;
    summary.style = p.style;
    summary.useOwnColor = p.useOwnColor;
    summary.color = p.color;
    summary.unrolled = p.unrolled;
    summary.showPicture = p.showPicture;
    summary.pictureLow = p.pictureLow;
    summary.layer = p.layer;
    summary.index = protocol::SummaryIndexByte(requestLParam);
    return summary;
}

}  // namespace velpiners
