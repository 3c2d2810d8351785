// The miniature sticker looks of the two sticker dialogs, as pixel work on the opaque 24-bit picture of an
// image control: the style preview (a style's skin in a colour) and the pattern preview (a sticker with a
// saved pattern's look and one line of text). The text itself is drawn with GDI by the caller
// (dialogs/preview_win.h); these routines say where it goes.
//
// Every working picture is a local of the routine, so all are freed on every exit, also when a picture
// operation throws. Colours must be plain RGB (system colours looked up by the caller).
#pragma once

#include <string>
#include <string_view>

#include "graphics/color.h"
#include "graphics/compositor.h"
#include "graphics/picture.h"
#include "graphics/rect.h"

namespace velpiners::dialogs {

using graphics::Color;
using graphics::Picture;
using graphics::Rect;

// The style preview leaves this many pixels of the control around a framed skin (8 on each side).
inline constexpr int kStylePreviewMargin = 16;
// The icon style preview: a content area of 72 x 32 and no icon give a 104 x 64 composite; picture 1 sits
// at (16, 16) and the word "Text" at 56 pixels from the composite's left.
inline constexpr Rect kIconPreviewContent{0, 0, 72, 32};
inline constexpr Rect kIconPreviewNoIcon{0, 0, 1, 1};
inline constexpr int kIconPreviewSampleAt = 16;
inline constexpr int kIconPreviewTextLeft = 56;
inline constexpr int kIconPreviewSamplePicture = 1;
inline constexpr std::string_view kIconPreviewText = "Text";

// The pattern preview shows at most this many characters of the text's first line.
inline constexpr std::size_t kPatternPreviewLineLength = 16;
// Its content area starts here (before the text's size is added).
inline constexpr int kPatternContentLeft = 14;
inline constexpr int kPatternContentTop = 26;
// Icon pictures this high or higher are not drawn on a framed style.
inline constexpr int kPatternIconTooHigh = 100;

// Where the previews take their pictures: the skins and masks the controller keeps loaded, and the sticker
// icons by picture number (a user number that is not found leaves the target as it was).
class PreviewPictures {
public:
    virtual ~PreviewPictures() = default;
    [[nodiscard]] virtual const Picture& SharedPicture(std::string_view name) const = 0;
    virtual void PictureByNumber(Picture& target, int number) = 0;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
};

// Where a width x height picture sits centred in an outer area: ((outer - size) / 2) each way, truncated.
[[nodiscard]] Point CentredIn(int outerWidth, int outerHeight, int width, int height);

// Where the framed style preview draws the scaled skin: width = control width - 16 and height from the
// skin's ratio, or, when that is too high, height = control height - 16 and width from the ratio (the ratio
// in floating point, the product truncated); centred in the control.
[[nodiscard]] Rect FramedStylePreviewRect(int controlWidth, int controlHeight, int skinWidth, int skinHeight);

// Where a preview writes its text: first the shadow (when shown), then the text itself.
struct PreviewText {
    bool shadow = false;
    Point shadowAt;
    Point textAt;
};

// The style preview of `style` (0..16) onto the 24-bit target. Framed styles: the whole skin and mask
// scaled to FramedStylePreviewRect, merged, tinted and drawn with their alpha. Icon styles: the 104 x 64
// composite, tinted (cleared for style 16), with `sample` (picture 1, 32-bit) at (16, 16), centred; the
// result then says where "Text" goes, black first, one pixel right and down, then white. `textHeight` is
// the height of "Text" in the control's font. Returns no text for framed styles.
PreviewText DrawStylePreview(int style, const Picture& skin, const Picture& mask, const Picture& sample, Color color,
                             int textHeight, Picture& target);

// The line the pattern preview shows: the text's first line, at most 16 characters, with "..." when cut.
[[nodiscard]] std::string PatternPreviewLine(std::string_view text);

// (14, 26, 14 + text width, 26 + text height).
[[nodiscard]] Rect PatternPreviewContent(int textWidth, int textHeight);

// Where a framed style draws a pattern's icon of height `pictureHeight` when its composite's top-left is
// `composite`: x + 14 for the frame styles, else x + 12; y by the height (below 17: y + 2, 2 more unless a
// frame style; 17..32: y - height + 18; 33..99: y - height / 2, 2 more unless a frame style). False from
// a height of 100 up: the icon is not drawn.
[[nodiscard]] bool FramedPatternIconAt(Point composite, int pictureHeight, bool frameStyle, Point* at);

// The pattern preview of `style` (a style above 16 draws as style 0, as a sticker does) onto the 24-bit
// target: a sticker background around a content area of the text's size, tinted with `color`, centred,
// with `icon` (32-bit, empty for none); the result says where the text goes. `shadow` is the text
// block's shadow flag.
PreviewText DrawPatternPreview(int style, const Picture& skin, const Picture& mask, const Picture& icon, Color color,
                               bool shadow, int textWidth, int textHeight, Picture& target);

}  // namespace velpiners::dialogs
