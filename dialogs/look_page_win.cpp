#include "dialogs/look_page_win.h"

#include "base/wide_string_win.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "dialogs/icon_items.h"
#include "dialogs/preview_win.h"
#include "graphics/gdi_surface_win.h"
#include "dialogs/settings_apply.h"
#include "graphics/compositor.h"
#include "store/pattern.h"

namespace velpiners {
namespace {

// The random colour button's glyph: four colour squares inside a border of the transparent colour.
constexpr int kGlyphSide = 16;
constexpr std::array<std::array<std::uint8_t, 3>, 4> kGlyphColors = {{
    {0x30, 0x30, 0xE0},  // B, G, R
    {0x30, 0xC0, 0x30},
    {0xE0, 0x60, 0x30},
    {0x30, 0xD0, 0xE0},
}};
constexpr std::array<std::uint8_t, 3> kGlyphTransparent = {0xFF, 0x00, 0xFF};

graphics::Picture RandomGlyph() {
    graphics::Picture glyph(kGlyphSide, kGlyphSide, 24);
    const int half = kGlyphSide / 2;
    for (int y = 0; y < kGlyphSide; ++y) {
        for (int x = 0; x < kGlyphSide; ++x) {
            const bool border = x == 0 || y == 0 || x == kGlyphSide - 1 || y == kGlyphSide - 1;
            const auto& color = border
                                    ? kGlyphTransparent
                                    : kGlyphColors[static_cast<std::size_t>((y < half ? 0 : 2) + (x < half ? 0 : 1))];
            std::copy(color.begin(), color.end(), glyph.Pixel(x, y));
        }
    }
    return glyph;
}

}  // namespace

LookValues LookOf(const PlacementBlock& placement) {
    return {placement.style, placement.opacity, placement.useOwnColor != 0, placement.color, placement.PictureNumber()};
}

void LookPage::Create(HWND parent, const LookPageLayout& layout, HFONT font, dialogs::PreviewPictures* pictures,
                      const LookPageOptions& options) {
    m_pictures = pictures;
    m_spacedTransparencyCaption = options.spacedTransparencyCaption;
    GB.Create(parent, layout.GB, font);
    I_style.Create(parent, layout.I_style);
    CB_style.Create(parent, layout.CB_style, font, ComboBox::Kind::kList, 0, false, graphics::kStyleCount);
    Ltran.Create(parent, layout.Ltran, font);
    trackBar.Create(parent, layout.trackBar, kTransparencyTrackBar);
    CBuseColor.Create(parent, layout.CBuseColor, font);
    CBColorMask.Create(parent, layout.CBColorMask, font);
    SBrandom.Create(parent, layout.SBrandom, font);
    SBrandom.SetGlyph(RandomGlyph());
    TS5.Create(parent, layout.TS5, font);
    CB_icons.Create(parent, layout.CB_icons, font, options.iconItemHeight, options.iconItemsMeasured);
    CB_pic_use.Create(parent, layout.CB_pic_use, font);
    CB_pic_use.SetVisible(false);

    CB_style.onChange = [this] { CB_styleClick(); };
    // The preview shows the skin colour too, so choosing one draws it again.
    CBColorMask.onChange = [this] { CB_styleClick(); };
    SBrandom.onClick = [this] { SBrandomClick(); };
}

void LookPage::ApplyTexts(const TextLookup& text, Hints& hints) {
    const auto spaced = [&text](TextKey key) { return L" " + text(key) + L" "; };
    GB.SetText(spaced(TextKey::vidBGSt));
    Ltran.SetText(m_spacedTransparencyCaption ? spaced(TextKey::vidLTransp) : text(TextKey::vidLTransp));
    CBuseColor.SetText(text(TextKey::fUseColor));
    hints.Set(SBrandom.Handle(), text(TextKey::fSBrandhint));
    TS5.SetText(text(TextKey::tabIcon));
    const int style = CB_style.Selected();
    CB_style.Clear();
    for (int i = 0; i < graphics::kStyleCount; ++i)
        CB_style.Add(std::wstring_view(text(static_cast<TextKey>(static_cast<int>(TextKey::vidSt1) + i))));
    CB_style.Select(style);
}

void LookPage::Fill(const LookValues& values) {
    CB_style.Select(values.style);
    trackBar.SetPosition(values.opacity);
    CBuseColor.SetChecked(values.useOwnColor);
    CBColorMask.SetSelected(values.color);
    CB_icons.SelectPicture(values.pictureNumber);
}

LookValues LookPage::Read() const {
    LookValues values;
    values.style = CB_style.Selected();
    values.opacity = static_cast<std::uint8_t>(trackBar.Position());
    values.useOwnColor = CBuseColor.Checked();
    values.color = CBColorMask.Selected();
    values.pictureNumber = CB_icons.PictureNumber();
    return values;
}

void LookPage::CB_styleClick() {
    if (m_pictures == nullptr) return;
    dialogs::RenderStylePreview(I_style, CB_style.Selected(), CBColorMask.Selected(), *m_pictures);
}

void LookPage::SBrandomClick() {
    CBColorMask.SelectRandomColor();
    CB_styleClick();
}

void LookPage::CBuseColorClick() { CBColorMask.SetEnabled(CBuseColor.Checked()); }

void CreateTextSizeBox(ComboBox& box, HWND parent, const Bounds& bounds, HFONT font) {
    box.Create(parent, bounds, font);
    box.SetClosedHeight(ComboBox::kRowBoxHeight);
    for (int size = kSmallestTextSize; size <= kLargestTextSize; size += kTextSizeStep) box.Add(std::to_string(size));
}

void ShowTextSize(const ComboBox& box, Memo& memo) {
    if (box.Selected() >= 0) memo.SetFontSize(TextSizeOfIndex(box.Selected()));
}

std::wstring SecondsText(int step, const std::wstring& unit) {
    return WideFromCodePage(FormatSeconds(step), CP_ACP) + L" " + unit;
}

namespace {

constexpr std::string_view kNoIconText = "--/--";
constexpr int kNoIconTextLeft = 6;
constexpr int kIconLeft = 4;
constexpr int kIconSlotHeight = 36;
constexpr int kIconLabelLeft = 44;

}  // namespace

void IconBox::Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight, bool variable) {
    m_images.reset(ImageList_Create(kImageSide, kImageSide, ILC_COLOR24, 0, kImageSide));
    ComboBox::Create(parent, bounds, font, variable ? Kind::kOwnerDrawVariable : Kind::kOwnerDrawFixed, itemHeight);
}

void IconBox::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    Clear();
    for (const std::string& item : m_items) Add(item);
}

void IconBox::SelectPicture(int number) { Select(dialogs::IconItemIndex(number, m_items)); }

int IconBox::PictureNumber() const { return dialogs::PictureNumberAt(Selected(), m_items); }

void IconBox::DrawItem(HDC dc, const RECT& rect, int index, UINT state) {
    FillItem(dc, rect, state);
    if (index < 0) return;
    if (index == 0) {
        DrawItemText(dc, rect, Scaled(kNoIconTextLeft), kNoIconText);
        return;
    }
    const int height = rect.bottom - rect.top;
    const int left = rect.left + Scaled(kIconLeft);
    const int top = rect.top + (height - Scaled(kIconSlotHeight)) / 2;
    const int side = Scaled(kImageSide);
    if (side == kImageSide) {
        ImageList_Draw(m_images.get(), index - 1, dc, left, top, ILD_NORMAL);
    } else {
        // The list holds the images at 96 dots per inch: a scaled box stretches its image to the item.
        GdiSurface image(24);
        image.Resize(kImageSide, kImageSide);
        ImageList_Draw(m_images.get(), index - 1, image.Dc(), 0, 0, ILD_NORMAL);
        ::GdiFlush();
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, left, top, side, side, image.Dc(), 0, 0, kImageSide, kImageSide, SRCCOPY);
    }
    // The label sits where "--/--" would: both are one line of the box's font.
    DrawItemText(dc, rect, Scaled(kIconLabelLeft), dialogs::IconLabelOf(Item(index)));
}

}  // namespace velpiners
