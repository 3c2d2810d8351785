#include "app/defaults.h"

namespace velpiners {

std::string StickerMenuCaption(std::string_view body) {
    const std::size_t lineEnd = body.find_first_of("\r\n");
    const bool cutAtLine = lineEnd != std::string_view::npos;
    std::string_view line = cutAtLine ? body.substr(0, lineEnd) : body;
    const bool tooLong = line.size() > kMenuCaptionLength;
    std::string caption(line.substr(0, kMenuCaptionLength));
    if (cutAtLine || tooLong) caption += "...";
    return caption;
}

NewStickerPlace NewStickerPlaceIn(std::int32_t workLeft, std::int32_t workTop, std::int32_t workRight,
                                  std::int32_t workBottom, std::int32_t windowHeight) {
    return NewStickerPlace{(workRight - workLeft - kNewStickerWidth) / 2, (workBottom - (workTop + windowHeight)) / 2};
}

}  // namespace velpiners
