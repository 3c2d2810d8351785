#include "dialogs/preview_win.h"

#include <windows.h>

#include <string>

#include "graphics/gdi_effects_win.h"
#include "base/unique_handle_win.h"

namespace velpiners::dialogs {

// The miniature sticker is drawn with the graphics core throughout.
using namespace graphics;
namespace {

// Both previews start from the button face framed in the button shadow colour.
void DrawBackground(ImageControl& image) {
    HDC dc = image.Canvas();
    UniqueBrush face(::CreateSolidBrush(SystemColorToRgb(COLOR_BTNFACE)));
    UniquePen shadow(::CreatePen(PS_SOLID, 1, SystemColorToRgb(COLOR_BTNSHADOW)));
    SelectGuard selectBrush(dc, face.get());
    SelectGuard selectPen(dc, shadow.get());
    ::Rectangle(dc, 0, 0, image.Width(), image.Height());
}

SIZE Extent(HDC dc, std::string_view text) {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void Write(HDC dc, Point at, Color color, std::string_view text) {
    ::SetTextColor(dc, color);
    ::TextOutA(dc, at.x, at.y, text.data(), static_cast<int>(text.size()));
}

}  // namespace

void RenderStylePreview(ImageControl& image, int style, ColorValue color, PreviewPictures& pictures) {
    DrawBackground(image);
    if (style >= 0 && style < kStyleCount) {
        const StyleSkin& kind = kStyleSkins[static_cast<std::size_t>(style)];
        const Picture& skin = pictures.SharedPicture(kind.skin);
        const Picture& mask = pictures.SharedPicture(kind.mask);
        if (!skin.Empty() && !mask.Empty()) {
            Picture sample;
            if (!kind.framed) pictures.PictureByNumber(sample, kIconPreviewSamplePicture);
            HDC dc = image.Canvas();
            const int textHeight = Extent(dc, kIconPreviewText).cy;
            const PreviewText text = DrawStylePreview(style, skin, mask, sample, screen::Rgb(static_cast<Color>(color)),
                                                      textHeight, image.Picture());
            if (text.shadow) {
                ::SetBkMode(dc, TRANSPARENT);
                Write(dc, text.shadowAt, MakeColor(0, 0, 0), kIconPreviewText);
                Write(dc, text.textAt, MakeColor(255, 255, 255), kIconPreviewText);
            }
        }
    }
    image.Refresh();
}

void RenderPatternPreview(const StickerRecord& record, ImageControl& image, std::string_view text,
                          PreviewPictures& pictures) {
    DrawBackground(image);
    const std::string line = PatternPreviewLine(text);
    image.SetCanvasFont(record.body.fontName.View(), record.body.fontSize);
    HDC dc = image.Canvas();
    const SIZE size = Extent(dc, line);

    const PlacementBlock& placement = record.placement;
    // A style byte above 16 (a damaged file) shows as style 0, as the sticker paints it.
    const int style = placement.style < kStyleCount ? placement.style : 0;
    const StyleSkin& kind = kStyleSkins[static_cast<std::size_t>(style)];
    const Picture& skin = pictures.SharedPicture(kind.skin);
    const Picture& mask = pictures.SharedPicture(kind.mask);
    if (!skin.Empty() && !mask.Empty()) {
        Picture icon;
        const int number = placement.PictureNumber();
        if (number > 0) pictures.PictureByNumber(icon, number);
        const PreviewText where =
            DrawPatternPreview(style, skin, mask, icon, screen::Rgb(static_cast<Color>(placement.color)),
                               record.body.shadow != 0, size.cx, size.cy, image.Picture());
        ::SetBkMode(dc, TRANSPARENT);
        if (where.shadow) Write(dc, where.shadowAt, screen::Rgb(static_cast<Color>(placement.shadowColor)), line);
        Write(dc, where.textAt, screen::Rgb(static_cast<Color>(record.body.color)), line);
    }
    image.Refresh();
}

}  // namespace velpiners::dialogs
