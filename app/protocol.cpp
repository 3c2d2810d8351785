#include "app/protocol.h"

#include <cstring>

namespace velpiners::protocol {

StickerSummary MakeSummary(const StickerRecord& record, std::int32_t left, std::int32_t top, std::int32_t width,
                           std::int32_t height, std::uint32_t requestLParam) {
    StickerSummary summary;
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
    summary.index = SummaryIndexByte(requestLParam);
    return summary;
}

}  // namespace velpiners::protocol
