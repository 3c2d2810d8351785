// The controller's defaults for new stickers, as they stand before config.txt is read, and the pure rules
// of making one: the Stickers submenu caption of a sticker and where a new sticker is placed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/record.h"

namespace velpiners {

struct StickerDefaults {
    std::uint8_t style = 5;
    std::uint8_t opacity = 255;
    bool useOwnColor = true;
    bool onTop = true;
    bool wordWrap = true;
    ColorValue textColor = 0xFFFFFF;
    ColorValue captionColor = 0xFFFFFF;
    std::string textFont = "Tahoma";
    std::string captionFont = "Tahoma";
    std::uint8_t textSize = 8;
    bool showPicture = false;
    std::int32_t pictureNumber = 0;
    bool hideAtPointer = false;
    std::uint8_t hideDelayStep = 0;
    bool captionShadow = false;
    bool textShadow = false;
    ColorValue shadowColor = 0;
    std::uint8_t alignment = 0;
    // Not kept in config.txt: every run starts with red, the new-sticker dialog changes it.
    ColorValue stickerColor = 0x0000FF;
};

// The most characters of a body text the Stickers submenu shows, and the width a new sticker is centred
// with (whatever its real width).
inline constexpr std::size_t kMenuCaptionLength = 16;
inline constexpr std::int32_t kNewStickerWidth = 240;

// The Stickers submenu caption of a sticker body: the first 16 characters, cut before the first CR or LF,
// with "..." when it was cut at a line break or is longer than 16 characters.
std::string StickerMenuCaption(std::string_view body);

// Left and top of a new sticker in the work area: the width counts as 240 and the work area's left edge
// is not added (C++ division truncates toward zero as the rule wants).
struct NewStickerPlace {
    std::int32_t left;
    std::int32_t top;
};
NewStickerPlace NewStickerPlaceIn(std::int32_t workLeft, std::int32_t workTop, std::int32_t workRight,
                                  std::int32_t workBottom, std::int32_t windowHeight);

}  // namespace velpiners
