// What the new-sticker dialog's OK makes of its controls: the new defaults for stickers. A pattern loaded
// in the dialog brings its caption and text shadows, which become defaults only with the OK (a Cancel
// keeps every default as it was). Portable: the dialog reads its controls into NewStickerLook.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "store/config_file.h"
#include "base/color_value.h"

namespace velpiners {

struct NewStickerLook {
    int style = 0;
    std::uint8_t opacity = 255;
    bool useOwnColor = true;
    bool onTop = true;
    ColorValue stickerColor = 0;
    bool wordWrap = true;
    ColorValue textColor = 0;
    ColorValue captionColor = 0;
    std::optional<std::string> textFont;     // none: no installed font matched
    std::optional<std::string> captionFont;  // none: no installed font matched
    std::optional<int> sizeIndex;            // text size 6 + 2 x index; none when nothing is selected
    bool showPicture = false;
    std::int32_t pictureNumber = 0;
    bool hideAtPointer = false;
    std::uint8_t hideDelayStep = 30;
    // The shadows of a pattern loaded since the dialog opened.
    std::optional<bool> patternCaptionShadow;
    std::optional<bool> patternTextShadow;
};

// The defaults after OK. A font box or the size box without a selection keeps the previous default.
void ApplyNewStickerLook(const NewStickerLook& look, StickerDefaults& defaults);

}  // namespace velpiners
