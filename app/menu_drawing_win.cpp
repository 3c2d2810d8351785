#include "app/menu_drawing_win.h"

#include "app/hot_key_pictures.h"
#include "base/dpi.h"
#include "base/dpi_win.h"
#include "graphics/gdi_effects_win.h"
#include "graphics/dib_bitmap_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

// A colour value naming a system colour (high byte set): looked up when it is used.
constexpr graphics::Color SystemColour(int index) { return 0xFF000000u | static_cast<graphics::Color>(index); }

const graphics::Color kMenuColour = SystemColour(COLOR_MENU);
const graphics::Color kMenuTextColour = SystemColour(COLOR_MENUTEXT);
const graphics::Color kHighlightColour = SystemColour(COLOR_HIGHLIGHT);
const graphics::Color kHighlightTextColour = SystemColour(COLOR_HIGHLIGHTTEXT);

// The gradient of a checked item runs from its brush colour lightened by this percentage at the top to the
// colour less this much per channel at the bottom; the frame and an empty picture box are the menu colour
// less these amounts.
constexpr int kGradientLighten = 15;
constexpr int kGradientSubtract = 15;
constexpr int kFrameSubtract = 60;
constexpr int kEmptyBoxSubtract = 45;
constexpr int kFrameCorner = 4;
// An unchecked item's picture is drawn at this opacity, then shaded.
constexpr int kUncheckedOpacity = 96;
constexpr int kCheckedOpacity = 255;
// The picture box stands one pixel below the middle of an item counted as 15 pixels high.
constexpr int kCentringHeight = 15;
// Room right of a caption.
constexpr int kCaptionRightMargin = 8;
constexpr wchar_t kSeparatorCaption[] = L"-";

void FillSolid(HDC dc, const RECT& rect, graphics::Color colour) {
    UniqueBrush brush(::CreateSolidBrush(graphics::screen::Rgb(colour)));
    ::FillRect(dc, &rect, brush.get());
}

}  // namespace

int MenuDpi() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    return DpiOfMonitor(::MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY));
}

void MeasureChoiceItem(MEASUREITEMSTRUCT& item, const ChoiceItemLook& look, const std::wstring& caption, HFONT font,
                       int dpi) {
    if (caption != kSeparatorCaption) item.itemHeight = static_cast<UINT>(Scale(look.height, dpi));
    const WindowDc screen(nullptr);
    SIZE size{};
    SelectGuard selected(screen.get(), font);
    ::GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    item.itemWidth = static_cast<UINT>(Scale(kChoiceCaptionX, dpi) + size.cx + Scale(kCaptionRightMargin, dpi));
}

void DrawChoiceItem(const DRAWITEMSTRUCT& item, const ChoiceItemLook& look, const std::wstring& caption,
                    HIMAGELIST images, int image, HFONT font, int dpi) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool checked = (item.itemState & ODS_CHECKED) != 0;
    const bool hasImage = images != nullptr && image >= 0 && image < ::ImageList_GetImageCount(images);
    // The brush is the highlight while the pointer is on the item, else the menu colour.
    const graphics::Color brush = selected ? kHighlightColour : kMenuColour;

    ::SetBkMode(dc, OPAQUE);
    FillSolid(dc, r, brush);
    const int a = r.top + (r.bottom - r.top - Scale(kCentringHeight, dpi)) / 2;
    const int boxLeft = r.left + Scale(look.boxLeft, dpi);
    const int boxTop = a + Scale(1, dpi);
    const RECT box{boxLeft, boxTop, boxLeft + Scale(look.boxWidth, dpi), boxTop + Scale(look.boxHeight, dpi)};
    // The picture at its own size in the middle of its box.
    const int pictureLeft = box.left + (box.right - box.left - look.boxWidth) / 2;
    const int pictureTop = box.top + (box.bottom - box.top - look.boxHeight) / 2;
    const RECT picture{pictureLeft, pictureTop, pictureLeft + look.boxWidth, pictureTop + look.boxHeight};

    if (checked) {
        const RECT area{r.left, r.top + 1, r.right, r.bottom};
        graphics::FillGradient(dc, area, graphics::screen::Subtract(brush, kGradientSubtract),
                               graphics::screen::Lighten(brush, kGradientLighten));
        UniquePen pen(::CreatePen(PS_SOLID, 1, graphics::screen::Subtract(kMenuColour, kFrameSubtract)));
        SelectGuard penSelected(dc, pen.get());
        SelectGuard brushSelected(dc, ::GetStockObject(NULL_BRUSH));
        ::RoundRect(dc, area.left, area.top, area.right, area.bottom, kFrameCorner, kFrameCorner);
        if (!hasImage) {
            FillSolid(dc, box, graphics::screen::Subtract(kMenuColour, kEmptyBoxSubtract));
        } else if (look.blendedWhenChecked) {
            graphics::DrawImageBlended(dc, picture, images, image, kCheckedOpacity);
        } else {
            ::ImageList_DrawEx(images, image, dc, picture.left, picture.top, look.boxWidth, look.boxHeight, CLR_NONE,
                               CLR_NONE, ILD_NORMAL);
        }
    } else if (hasImage) {
        graphics::DrawImageBlended(dc, picture, images, image, kUncheckedOpacity);
        graphics::DrawImageShaded(dc, picture, images, image);
    }

    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, graphics::screen::Rgb(selected ? kHighlightTextColour : kMenuTextColour));
    SelectGuard fontSelected(dc, font);
    RECT text{r.left + Scale(kChoiceCaptionX, dpi), r.top, r.right, r.bottom};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
}

UniqueImageList CreateHotKeyImages() {
    UniqueImageList list(
        ::ImageList_Create(kHotKeyPictureSize, kHotKeyPictureSize, ILC_COLOR24 | ILC_MASK, kHotKeyPictureCount, 0));
    if (!list) return list;
    try {
        const HotKeyPictures pictures = DrawHotKeyPictures();
        const UniqueBitmap image = CreateDibFromPicture(pictures.image);
        const UniqueBitmap mask = CreateMaskFromPicture(pictures.mask);
        if (::ImageList_Add(list.get(), image.get(), mask.get()) >= 0) return list;
    } catch (const std::exception&) {
        // Without the pictures the items show their captions alone.
    }
    return {};
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    return ::CreateFontIndirectW(&metrics.lfMenuFont);
}

}  // namespace velpiners
