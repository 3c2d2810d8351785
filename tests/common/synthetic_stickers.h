// Recognisable synthetic sticker records for the tests and benchmarks that open many stickers: record i has
// style i mod 17, icon 1 + i mod 34, a colour of its own, a caption "Note i", a date line and two lines of
// body text, on either layer, spread over a 940 x 630 area.
#pragma once

#include <cstring>
#include <string>

#include "store/record.h"

namespace velpiners::testing {

inline StickerRecord SyntheticSticker(int i) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    r.window = 0x10000 + i;
    for (TextStyleBlock* block : {&r.caption, &r.date, &r.body}) {
        block->color = 0xF0F0F0 - i;
        block->shadow = static_cast<std::uint8_t>(i % 2);
        block->x = 14;
        block->y = 2;
        block->width = 255;
        block->fontSize = 9;
        block->fontName.Set("Tahoma");
    }
    r.caption.text.Set("Note " + std::to_string(i));
    r.date.text.Set("8.12.26");
    r.date.SetShowDate(1);
    r.body.x = 16;
    r.body.y = 26;
    r.body.width = 208;
    r.body.text.Set("Body text of note " + std::to_string(i) + "\r\nsecond line");
    PlacementBlock& p = r.placement;
    p.left = 40 + (i * 37) % 900;
    p.top = 30 + (i * 23) % 600;
    p.opacity = static_cast<std::uint8_t>(255 - i % 100);
    p.style = static_cast<std::uint8_t>(i % 17);
    p.useOwnColor = 1;
    p.color = 0x2080C0 + i;
    p.unrolled = 1;
    p.layer = static_cast<std::uint8_t>(i % 2);
    p.wordWrap = 1;
    p.hideDelayStep = 30;
    p.SetPictureNumber(static_cast<std::uint32_t>(1 + i % 34));
    p.showPicture = 1;
    r.inUse = 1;
    return r;
}

}  // namespace velpiners::testing
