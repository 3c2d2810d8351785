#include "app/sticker_rules.h"

#include "base/display_text.h"

namespace velpiners {

std::string StickerMenuCaption(std::string_view body) {
    // A menu reads "&" as the mark of its key letter; a note's "&" is a character to show.
    std::string caption;
    for (const char c : FirstLineCaption(body, kMenuCaptionLength)) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

NewStickerPlace NewStickerPlaceIn(std::int32_t workLeft, std::int32_t workTop, std::int32_t workRight,
                                  std::int32_t workBottom, std::int32_t windowHeight, int dpi) {
    return NewStickerPlace{(workRight - workLeft - Scale(kNewStickerWidth, dpi)) / 2,
                           (workBottom - (workTop + windowHeight)) / 2};
}

}  // namespace velpiners
