// The pure rules of making a sticker: the Stickers submenu caption of a sticker and where a new sticker is
// placed. The defaults new stickers are made from (StickerDefaults) are kept in config.txt (store/config_file.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/dpi.h"
#include "store/config_file.h"
#include "store/record.h"

namespace velpiners {

// The most characters of a body text the Stickers submenu shows, and the width a new sticker is centred
// with (whatever its real width).
inline constexpr std::size_t kMenuCaptionLength = 16;
inline constexpr std::int32_t kNewStickerWidth = 240;

// The Stickers submenu caption of a sticker body: the first 16 characters, cut before the first CR or LF,
// with "..." when it was cut at a line break or is longer than 16 characters; every "&" doubled, so the menu
// shows it instead of underlining the next letter.
std::string StickerMenuCaption(std::string_view body);

// Left and top of a new sticker in the work area: the width counts as 240 (scaled to the sticker's
// resolution) and the work area's left edge is not added (C++ division truncates toward zero as the rule wants).
struct NewStickerPlace {
    std::int32_t left;
    std::int32_t top;
};
NewStickerPlace NewStickerPlaceIn(std::int32_t workLeft, std::int32_t workTop, std::int32_t workRight,
                                  std::int32_t workBottom, std::int32_t windowHeight, int dpi = kBaseDpi);

}  // namespace velpiners
