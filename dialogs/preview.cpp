// Style and pattern previews; see preview.h.
#include "dialogs/preview.h"

#include "base/display_text.h"
#include "graphics/effects.h"

namespace velpiners::dialogs {

// The miniature sticker is drawn with the graphics core throughout.
using namespace graphics;
namespace {

// Pattern icons on framed styles: by the picture's height.
constexpr int kIconLeft = 12;
constexpr int kFrameIconLeft = 14;
constexpr int kSmallIconBelow = 17;
constexpr int kMidIconUpTo = 32;
constexpr int kSmallIconTop = 2;
constexpr int kNonFrameIconDrop = 2;
constexpr int kMidIconBase = 18;
// Pattern text on framed styles.
constexpr int kTextTop = 26;
constexpr int kFrameTextTop = 20;
constexpr int kTextLeft = 16;
// Pattern text on icon styles: after the picture and, for a real picture, a gap.
constexpr int kIconTextGap = 8;
constexpr int kNoPictureBelow = 2;
constexpr int kIconPictureLeft = 16;

const StyleSkin& SkinOf(int style) {
    return kStyleSkins[static_cast<std::size_t>(style >= 0 && style < kStyleCount ? style : 0)];
}

bool IsFrame(const StyleSkin& skin) { return skin.framed && skin.styleIndex == kFrameStyleIndex; }

}  // namespace

Point CentredIn(int outerWidth, int outerHeight, int width, int height) {
    return Point{(outerWidth - width) / 2, (outerHeight - height) / 2};
}

Rect FramedStylePreviewRect(int controlWidth, int controlHeight, int skinWidth, int skinHeight) {
    if (skinWidth <= 0 || skinHeight <= 0) return Rect{};
    int width = controlWidth - kStylePreviewMargin;
    int height = static_cast<int>(width * (static_cast<double>(skinHeight) / skinWidth));
    if (height > controlHeight - kStylePreviewMargin) {
        height = controlHeight - kStylePreviewMargin;
        width = static_cast<int>(height * (static_cast<double>(skinWidth) / skinHeight));
    }
    if (width <= 0 || height <= 0) return Rect{};
    const Point at = CentredIn(controlWidth, controlHeight, width, height);
    return Rect{at.x, at.y, at.x + width, at.y + height};
}

PreviewText DrawStylePreview(int style, const Picture& skin, const Picture& mask, const Picture& sample, Color color,
                             int textHeight, Picture& target) {
    PreviewText text;
    if (style < 0 || style >= kStyleCount) return text;
    const StyleSkin& kind = kStyleSkins[static_cast<std::size_t>(style)];
    if (kind.framed) {
        const Rect place = FramedStylePreviewRect(target.Width(), target.Height(), skin.Width(), skin.Height());
        if (place.Width() <= 0 || place.Height() <= 0) return text;
        Picture scaledSkin(place.Width(), place.Height(), 24);
        Picture scaledMask(place.Width(), place.Height(), 24);
        ResampleMitchell(skin, scaledSkin);
        ResampleMitchell(mask, scaledMask);
        Picture merged(place.Width(), place.Height(), 32);
        MergeSkinMask(scaledSkin, scaledMask, merged);
        TintBitmap(merged, color);
        DrawAlphaOver24(merged, target, place.left, place.top);
        return text;
    }
    Picture composite;
    ComposeIconSkin(skin, mask, kIconPreviewContent, true, composite, kIconPreviewNoIcon);
    TintBitmap(composite, color);
    if (kind.clearedAfter) ClearBitmap(composite);
    DrawAlphaOver32(sample, composite, kIconPreviewSampleAt, kIconPreviewSampleAt);
    const Point at = CentredIn(target.Width(), target.Height(), composite.Width(), composite.Height());
    DrawAlphaOver24(composite, target, at.x, at.y);
    const int top = at.y + (composite.Height() - textHeight) / 2;
    text.shadow = true;
    text.shadowAt = Point{at.x + kIconPreviewTextLeft + 1, top + 1};
    text.textAt = Point{at.x + kIconPreviewTextLeft, top};
    return text;
}

std::string PatternPreviewLine(std::string_view text) { return FirstLineCaption(text, kPatternPreviewLineLength); }

Rect PatternPreviewContent(int textWidth, int textHeight) {
    return Rect{kPatternContentLeft, kPatternContentTop, kPatternContentLeft + textWidth,
                kPatternContentTop + textHeight};
}

bool FramedPatternIconAt(Point composite, int pictureHeight, bool frameStyle, Point* at) {
    if (pictureHeight >= kPatternIconTooHigh) return false;
    const int drop = frameStyle ? 0 : kNonFrameIconDrop;
    int y = 0;
    if (pictureHeight < kSmallIconBelow) {
        y = composite.y + kSmallIconTop + drop;
    } else if (pictureHeight <= kMidIconUpTo) {
        y = composite.y - pictureHeight + kMidIconBase;
    } else {
        y = composite.y - pictureHeight / 2 + drop;
    }
    *at = Point{composite.x + (frameStyle ? kFrameIconLeft : kIconLeft), y};
    return true;
}

PreviewText DrawPatternPreview(int style, const Picture& skin, const Picture& mask, const Picture& icon, Color color,
                               bool shadow, int textWidth, int textHeight, Picture& target) {
    const StyleSkin& kind = SkinOf(style);
    const Rect content = PatternPreviewContent(textWidth, textHeight);
    PreviewText text;
    text.shadow = shadow;
    Picture composite;
    if (kind.framed) {
        ComposeFramedSkin(skin, mask, content, kind.styleIndex, kind.skinKind, true, composite);
        TintBitmap(composite, color);
        const Point at = CentredIn(target.Width(), target.Height(), composite.Width(), composite.Height());
        DrawAlphaOver24(composite, target, at.x, at.y);
        Point iconAt;
        if (!icon.Empty() && FramedPatternIconAt(at, icon.Height(), IsFrame(kind), &iconAt))
            DrawAlphaOver24(icon, target, iconAt.x, iconAt.y);
        const int top = IsFrame(kind) ? kFrameTextTop : kTextTop;
        text.shadowAt = Point{at.x + kTextLeft + 1, at.y + top + 1};
        text.textAt = Point{at.x + kTextLeft, at.y + top};
        return text;
    }
    ComposeIconSkin(skin, mask, content, true, composite, Rect{0, 0, icon.Width(), icon.Height()});
    TintBitmap(composite, color);
    if (kind.clearedAfter) ClearBitmap(composite);
    DrawAlphaOver32(icon, composite, kIconPictureLeft, (composite.Height() - icon.Height()) / 2);
    const Point at = CentredIn(target.Width(), target.Height(), composite.Width(), composite.Height());
    DrawAlphaOver24(composite, target, at.x, at.y);
    const int gap = icon.Width() < kNoPictureBelow ? 0 : kIconTextGap;
    const int top = at.y + (composite.Height() - textHeight) / 2;
    text.shadowAt = Point{at.x + icon.Width() + gap + kTextLeft + 1, top + 1};
    text.textAt = Point{at.x + icon.Width() + gap + kTextLeft, top};
    return text;
}

}  // namespace velpiners::dialogs
