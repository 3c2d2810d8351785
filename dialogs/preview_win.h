// The style and pattern previews drawn into an image control of a sticker dialog: the framed grey
// background (button face, button shadow frame), the pixel work of dialogs/preview.h and the text with
// GDI in the control's canvas font; then the control shows it.
#pragma once

#include <string_view>

#include "base/color_value.h"
#include "dialogs/preview.h"
#include "store/record.h"
#include "ui/image_control_win.h"

namespace velpiners::dialogs {

// The skin of `style` (0..16; any other value draws the background only) in `color`; icon styles with
// picture 1 and the word "Text".
void RenderStylePreview(ImageControl& image, int style, ColorValue color, PreviewPictures& pictures);

// A sticker of the record's look (style, sticker colour, body font, size, colour and shadow flag, shadow
// colour, picture number) showing the first line of `text`; sets the control's canvas font to the body's.
void RenderPatternPreview(const StickerRecord& record, ImageControl& image, std::string_view text,
                          PreviewPictures& pictures);

}  // namespace velpiners::dialogs
