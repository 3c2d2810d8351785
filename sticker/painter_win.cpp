// Painting a sticker: Relayout measures the body text, the caption and the date, loads the sticker's
// picture and has the skin compositor build the background at the size the content needs; Repaint starts
// from that background: tint, caption, body text (with a coverage mask, so text stays visible over
// transparent skin), date, pushpin, pins and picture, then presents the result.
//
// Text goes through GDI into the 24-bit scratch surface, whose pixels are our picture type, so measuring
// (InkBounds) and compositing read what GDI drew without copies.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/phase_times.h"
#include "graphics/color.h"
#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "graphics/gdi_effects_win.h"
#include "sticker/hit_test.h"
#include "sticker/layout.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_state.h"
#include "ui/unique_handle_win.h"

namespace velpiners {
namespace {

constexpr graphics::Color kMagentaKey = 0xFF00FF;
// A device context that cannot say its resolution is taken as the common 96 dots per inch.
constexpr int kDefaultDpi = 96;
constexpr int kPointsPerInch = 72;
// Fonts kept per sticker before they are all made anew (faces and sizes that keep changing).
constexpr std::size_t kMostKeptFonts = 8;
// No sticker grows beyond this however large its font (a damaged file may say 255 points): the text is
// clipped there instead of the picture growing without bound.
constexpr int kMaxTextExtent = 4000;
// The measuring scratch never needs more than that extent and the margin around it: ink past it is cut
// anyway, and a larger scratch would cost hundreds of megabytes for one hostile record.
constexpr int kMaxScratchExtent = kMaxTextExtent + layout::kInkMargin;

COLORREF RgbOf(ColorValue value) {
    return static_cast<COLORREF>(graphics::screen::Rgb(static_cast<graphics::Color>(value)));
}

SIZE TextExtent(HDC dc, const std::string& text) {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void FillWhite(graphics::Picture& picture) {
    for (int y = 0; y < picture.Height(); ++y) std::memset(picture.Row(y), 0xFF, picture.RowBytes());
}

// B, G, R of the 32-bit picture into the 24-bit one, over the area both cover.
void CopyRgbTo24(const graphics::Picture& source, graphics::Picture& target) {
    const int width = std::min(source.Width(), target.Width());
    const int height = std::min(source.Height(), target.Height());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = source.Row(y);
        std::uint8_t* t = target.Row(y);
        for (int x = 0; x < width; ++x) std::memcpy(t + 3 * x, s + 4 * x, 3);
    }
}

UINT WrapFlag(const PlacementBlock& p) { return p.wordWrap != 0 ? DT_WORDBREAK : 0; }

UINT BodyFormat(const PlacementBlock& p) {
    UINT alignment = DT_LEFT;
    if (p.alignment == 1) alignment = DT_CENTER;
    if (p.alignment == 2) alignment = DT_RIGHT;
    return alignment | WrapFlag(p) | DT_NOCLIP | DT_EXPANDTABS;
}

}  // namespace

HFONT TStickForm::FontOf(const TextStyleBlock& block) const {
    // A sticker uses three fonts at most; they are made once and kept while the faces and sizes stay.
    std::pair<std::string, int> key{block.fontName.Get(), block.fontSize};
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) return found->second.get();
    if (m_fonts.size() >= kMostKeptFonts) m_fonts.clear();
    const int dpi = m_screenDc != nullptr ? ::GetDeviceCaps(m_screenDc, LOGPIXELSY) : kDefaultDpi;
    UniqueFont font(::CreateFontA(-::MulDiv(block.fontSize, dpi, kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, key.first.c_str()));
    HFONT handle = font.get();
    m_fonts.emplace(std::move(key), std::move(font));
    return handle;
}

int TStickForm::TextWidthIn(const TextStyleBlock& block, const std::string& text) const {
    HFONT font = FontOf(block);
    SelectGuard select(m_scratch.Dc(), font);
    return TextExtent(m_scratch.Dc(), text).cx;
}

void TStickForm::MeasureText(const TextStyleBlock& block) {
    const phase::Scope timing(phase::Phase::kMeasure);
    const PlacementBlock& p = m_blocks.placement;
    const std::string text = block.text.Get();
    HFONT font = FontOf(block);

    int lineHeight = 0;
    int textWidth = 0;
    {
        SelectGuard select(m_scratch.Dc(), font);
        lineHeight = TextExtent(m_scratch.Dc(), "\\WAL0").cy;
        textWidth = TextExtent(m_scratch.Dc(), text).cx;
    }
    const int lineCount = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r'));
    // Bounded: a 255-character text never needs more, whatever the font size says.
    const int scratchHeight =
        std::clamp(lineHeight * (textWidth / layout::kTextBoxWidth + lineCount + layout::kMeasureSpareLines), 1,
                   kMaxScratchExtent);
    m_scratch.Resize(layout::kTextBoxWidth, scratchHeight);

    RECT r{block.x, block.y, block.x + block.width, scratchHeight};
    {
        HDC dc = m_scratch.Dc();
        SelectGuard select(dc, font);
        FillWhite(m_scratch.Pixels());
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS | WrapFlag(p));
    }
    m_calcRect = r;
    m_contentRect = text.empty() ? RECT{0, 0, 0, 0} : r;

    int height = scratchHeight;
    if (height < r.bottom) height = std::min<int>(r.bottom, kMaxScratchExtent);
    RECT d{block.x, block.y, block.x + block.width, height};
    int width = layout::kTextBoxWidth;
    if (block.x + block.width < r.right) {
        // One word wider than the box: the ink decides the width.
        width = std::clamp<int>(r.right + layout::kInkMargin, 1, kMaxScratchExtent);
        d.right = r.right;
    }
    m_scratch.Resize(width, height);
    HDC dc = m_scratch.Dc();
    SelectGuard select(dc, font);
    FillWhite(m_scratch.Pixels());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RgbOf(block.color - 1));
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, DT_EXPANDTABS | WrapFlag(p));

    const graphics::Rect ink = graphics::InkBounds(m_scratch.Pixels());
    m_textRect = RECT{ink.left, ink.top, std::min(ink.right, kMaxTextExtent),
                      std::clamp(ink.bottom, layout::kMinTextBottom, kMaxTextExtent)};
}

void TStickForm::RemeasureText(const TextStyleBlock& block) {
    const phase::Scope timing(phase::Phase::kMeasure);
    const PlacementBlock& p = m_blocks.placement;
    const std::string text = block.text.Get();
    HFONT font = FontOf(block);
    m_scratch.Resize(std::clamp<int>(m_textRect.right + layout::kInkMargin, 1, graphics::kMaxPictureDimension),
                     std::clamp<int>(m_textRect.bottom + layout::kInkMargin, 1, graphics::kMaxPictureDimension));
    HDC dc = m_scratch.Dc();
    SelectGuard select(dc, font);
    FillWhite(m_scratch.Pixels());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RgbOf(block.color - 1));
    RECT d{block.x, block.y, m_textRect.right, m_textRect.bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, DT_EXPANDTABS | WrapFlag(p));
    const graphics::Rect ink = graphics::InkBounds(m_scratch.Pixels());
    // No ink (an empty or blank text): the scan would report the scratch's margin row, 23 rows below
    // the height MeasureText found; the empty sticker stays as high as five lines, like the frame styles.
    if (ink.top < m_scratch.Height())
        m_textRect.bottom = std::clamp(ink.bottom, layout::kMinTextBottom, kMaxTextExtent);
}

void TStickForm::MeasureHeader() {
    const phase::Scope timing(phase::Phase::kMeasure);
    m_captionRightEdge = m_blocks.caption.x + TextWidthIn(m_blocks.caption, m_blocks.caption.text.Get());
    m_dateWidth = m_blocks.date.ShowDate() ? TextWidthIn(m_blocks.date, m_blocks.date.text.Get()) : 0;
}

void TStickForm::LoadPicture() {
    const phase::Scope timing(phase::Phase::kLoadPicture);
    PlacementBlock& p = m_blocks.placement;
    if (p.pictureLow == 0) {
        p.showPicture = 0;
        m_stickerPicture.Reset(0, 0, 32);
        return;
    }
    p.showPicture = 1;
    m_host.PictureByNumber(m_stickerPicture, p.PictureNumber());
}

void TStickForm::Relayout() {
    if (m_closing) return;
    PlacementBlock& p = m_blocks.placement;
    const std::uint8_t style = PaintedStyle(p.style);

    MeasureText(m_blocks.body);
    LoadPicture();
    if (!IsFrameStyle(style)) MeasureHeader();
    if (p.showPicture != 0) m_captionRightEdge += m_stickerPicture.Width() + layout::kPictureCaptionGap;
    if (!IsFrameStyle(style)) {
        const int need = m_captionRightEdge + m_dateWidth + m_blocks.caption.x + layout::kCaptionDateGap;
        if (need > m_textRect.right) {
            m_textRect.right = std::min(need, kMaxTextExtent);
            RemeasureText(m_blocks.body);
        }
    }

    const graphics::StyleSkin& skin = graphics::kStyleSkins[style];
    const graphics::Picture& skinPicture = m_host.SharedPicture(skin.skin);
    const graphics::Picture& maskPicture = m_host.SharedPicture(skin.mask);
    {
        const phase::Scope timing(phase::Phase::kCompose);
        bool composed = false;
        if (!skinPicture.Empty() && !maskPicture.Empty()) {
            try {
                if (skin.framed) {
                    const graphics::Rect content{m_textRect.left, m_textRect.top, m_textRect.right, m_textRect.bottom};
                    graphics::ComposeFramedSkin(skinPicture, maskPicture, content, skin.styleIndex, skin.skinKind,
                                                p.unrolled != 0, m_background);
                } else {
                    const graphics::Rect content{m_contentRect.left, m_contentRect.top,
                                                 std::min<int>(m_contentRect.right, kMaxTextExtent),
                                                 std::min<int>(m_contentRect.bottom, kMaxTextExtent)};
                    const graphics::Rect icon{0, 0, m_stickerPicture.Width(), m_stickerPicture.Height()};
                    graphics::ComposeIconSkin(skinPicture, maskPicture, content, p.unrolled != 0, m_background, icon);
                }
                composed = true;
            } catch (const graphics::GraphicsError&) {
                // Sizes no skin can make: the plain panel below keeps the note visible.
            }
        }
        if (!composed) {
            // Without the program's pictures: a plain opaque grey panel of the content's size.
            m_background.Reset(std::clamp<int>(m_textRect.right + layout::kPanelMargin, layout::kPanelMinWidth,
                                               kMaxTextExtent + layout::kPanelMargin),
                               std::clamp<int>(m_textRect.bottom + layout::kPanelMargin, layout::kPanelMinHeight,
                                               kMaxTextExtent + layout::kPanelMargin),
                               32);
            for (int y = 0; y < m_background.Height(); ++y) {
                std::uint8_t* row = m_background.Row(y);
                for (int x = 0; x < m_background.Width(); ++x) {
                    row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0x80;
                    row[4 * x + 3] = 0xFF;
                }
            }
        }
        if (skin.clearedAfter) graphics::ClearBitmap(m_background);
    }
    m_scratch.Resize(1, 1);

    m_blocks.caption.y = style == layout::kLowCaptionStyle ? layout::kLowCaptionRow : layout::kCaptionRow;
    PaintSteps(true);
}

void TStickForm::Repaint() {
    if (m_closing) return;
    if (m_background.Empty()) {
        Relayout();
        return;
    }
    PaintSteps(false);
}

void TStickForm::PaintSteps(bool fromRelayout) {
    const PlacementBlock& p = m_blocks.placement;
    const std::uint8_t style = PaintedStyle(p.style);
    const bool icon = IsIconStyle(style);
    const bool frame = IsFrameStyle(style);

    {
        const phase::Scope timing(phase::Phase::kTint);
        m_composed.Assign(m_background);
        graphics::Picture& composed = m_composed.Pixels();
        if (p.useOwnColor != 0) graphics::TintBitmap(composed, static_cast<graphics::Color>(RgbOf(p.color)));
    }
    if (style <= layout::kLastCaptionStyle) {
        const phase::Scope timing(phase::Phase::kCaptionDate);
        PaintCaption(m_blocks.caption);
    }
    {
        const phase::Scope timing(phase::Phase::kBodyText);
        if (!icon) {
            if (p.unrolled != 0) PaintText(m_blocks.body, frame ? layout::kFrameTextLift : 0);
        } else if (p.unrolled != 0 || m_stickerPicture.Width() < 2) {
            PaintText(m_blocks.body, 0);
        }
    }
    if (style <= layout::kLastCaptionStyle && m_blocks.date.ShowDate()) {
        const phase::Scope timing(phase::Phase::kCaptionDate);
        PaintDate(m_blocks.date);
    }

    {
        const phase::Scope timing(phase::Phase::kPictures);
        if (!icon || fromRelayout || m_focused) {
            const graphics::Picture& point =
                m_host.SharedPicture(p.layer == 1 ? "BITMAP_POINT_ON" : "BITMAP_POINT_OFF");
            if (!point.Empty()) {
                graphics::Picture& target = m_composed.Pixels();
                graphics::DrawKeyed(point, target,
                                    target.Width() - (frame ? layout::kFramePointRight : layout::kPointRight),
                                    frame ? layout::kFramePointRow : layout::kPointRow, kMagentaKey);
            }
        }
        if (m_focused && !icon) PaintPinRow();

        if (p.showPicture != 0 && !m_stickerPicture.Empty()) {
            const int h = m_stickerPicture.Height();
            if (!icon) {
                const int o = frame ? layout::kFramePictureInset : 0;
                const int x = m_blocks.caption.x - layout::kPictureLeftOfCaption + o;
                if (h < layout::kSmallPictureHeight) {
                    graphics::Picture& target = m_composed.Pixels();
                    graphics::DrawAlphaOver32(m_stickerPicture, target, x, layout::kSmallPictureRow - o);
                } else if (h < layout::kLargestCaptionPicture) {
                    // Extra rows on top: the picture sticks out above the skin and everything moves down.
                    const bool tall = h > layout::kTallPictureFrom;
                    const int rows =
                        tall ? h / 2 - layout::kHalfPictureOverlap : std::max(h - layout::kPictureOverlap, 0);
                    graphics::Picture padded = m_composed.Pixels();
                    graphics::PadBitmap(padded, 0, rows);
                    graphics::DrawAlphaOver32(m_stickerPicture, padded, x, tall ? -o : 0);
                    m_composed.Assign(padded);
                }
            } else {
                graphics::Picture& target = m_composed.Pixels();
                graphics::DrawAlphaOver32(m_stickerPicture, target, layout::kIconPictureLeft,
                                          (m_background.Height() - h) / 2);
            }
        }
        if (m_focused && icon) PaintPinRow();
    }
    Present(p.opacity);
}

void TStickForm::PaintPinRow() {
    const PlacementBlock& p = m_blocks.placement;
    const PinOffsets o = PinOffsetsOf(PaintedStyle(p.style), p.unrolled != 0);
    graphics::Picture& target = m_composed.Pixels();
    const int x = target.Width() - o.dx;
    const int y = target.Height() - o.dy;
    graphics::DrawAlphaOver32(m_host.SharedPicture("BITMAP_CLOSE_PIN"), target, x, y);
    graphics::DrawAlphaOver32(m_host.SharedPicture("BITMAP_DUP_PIN"), target, x - layout::kPinStep, y);
    graphics::DrawAlphaOver32(m_host.SharedPicture("BITMAP_EDIT_PIN"), target, x - 2 * layout::kPinStep, y);
    graphics::DrawAlphaOver32(m_host.SharedPicture(p.unrolled != 0 ? "BITMAP_UP_PIN" : "BITMAP_DOWN_PIN"), target,
                              x - 3 * layout::kPinStep, y);
}

void TStickForm::PaintLine(const TextStyleBlock& block, int x, int y, std::uint8_t shadow) {
    const std::string text = block.text.Get();
    graphics::Picture& composed = m_composed.Pixels();
    m_scratch.Resize(composed.Width(), composed.Height());
    CopyRgbTo24(composed, m_scratch.Pixels());
    HDC dc = m_scratch.Dc();
    HFONT font = FontOf(block);
    {
        SelectGuard select(dc, font);
        ::SetBkMode(dc, TRANSPARENT);
        if (shadow != 0) {
            ::SetTextColor(dc, RgbOf(m_blocks.placement.shadowColor));
            ::TextOutA(dc, x + 1, y + 1, text.c_str(), static_cast<int>(text.size()));
        }
        ::SetTextColor(dc, RgbOf(block.color));
        ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    }
    // The line takes the skin's alpha where it lies.
    graphics::CopyRgbTo32(m_scratch.Pixels(), composed);
    m_scratch.Resize(1, 1);
}

void TStickForm::PaintCaption(const TextStyleBlock& block) {
    if (block.text.Length() == 0) return;
    const int shift = m_blocks.placement.showPicture != 0 ? m_stickerPicture.Width() + layout::kPictureTextGap : 0;
    PaintLine(block, block.x + shift, block.y, block.shadow);
}

void TStickForm::PaintDate(const TextStyleBlock& block) {
    if (block.text.Length() == 0) return;
    const int textWidth = TextWidthIn(block, block.text.Get());
    const int width = m_composed.Width();
    // Right-aligned; the block's X and Y are not used.
    PaintLine(block, width - textWidth - layout::kDateRightMargin, layout::kDateRow, block.shadow);
}

void TStickForm::PaintText(const TextStyleBlock& block, int lift) {
    const PlacementBlock& p = m_blocks.placement;
    const std::uint8_t style = PaintedStyle(p.style);
    const bool icon = IsIconStyle(style);
    const bool frame = IsFrameStyle(style);
    graphics::Picture& composed = m_composed.Pixels();
    const int windowWidth = composed.Width();

    int width = 0;
    int height = 0;
    RECT t{};
    if (!icon) {
        width = frame ? (windowWidth > m_textRect.right ? windowWidth : m_textRect.right + block.x) : windowWidth;
        height = m_textRect.bottom + layout::kTextBottomMargin;
        t = RECT{block.x, block.y - lift,
                 m_textRect.right > layout::kTextBoxWidth ? m_textRect.right : block.x + block.width, height};
        if (frame) {
            t.right = m_calcRect.right < layout::kFrameTextRightFrom ? layout::kFrameTextRight : m_calcRect.right;
            if (width < t.right + 1) width = t.right + 1;
        }
    } else {
        width = m_background.Width();
        height = m_background.Height();
        const int cw = m_calcRect.right - m_calcRect.left;
        const int ch = m_calcRect.bottom - m_calcRect.top;
        t.left = layout::kIconTextLeft + (p.showPicture != 0 ? m_stickerPicture.Width() + layout::kPictureTextGap : 0);
        t.right = t.left + cw;
        t.top = (m_background.Height() - ch) / 2;
        t.bottom = t.top + ch;
    }
    width = std::clamp(width, 1, graphics::kMaxPictureDimension);
    height = std::clamp(height, 1, graphics::kMaxPictureDimension);

    m_scratch.Resize(width, height);
    GdiSurface& mask = m_mask;
    mask.Resize(width, height);  // black
    CopyRgbTo24(composed, m_scratch.Pixels());

    const std::string text = block.text.Get();
    const UINT format = BodyFormat(p);
    HFONT font = FontOf(block);
    {
        SelectGuard selectScratch(m_scratch.Dc(), font);
        SelectGuard selectMask(mask.Dc(), font);
        ::SetBkMode(m_scratch.Dc(), TRANSPARENT);
        ::SetBkMode(mask.Dc(), TRANSPARENT);
        ::SetTextColor(mask.Dc(), RGB(255, 255, 255));
        if (block.shadow != 0) {
            RECT s{t.left + 1, t.top + 1, t.right + 1, t.bottom + 1};
            ::SetTextColor(m_scratch.Dc(), RgbOf(p.shadowColor));
            ::DrawTextA(m_scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &s, format);
            ::DrawTextA(mask.Dc(), text.c_str(), static_cast<int>(text.size()), &s, format);
        }
        ::SetTextColor(m_scratch.Dc(), RgbOf(block.color));
        RECT r = t;
        ::DrawTextA(m_scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &r, format);
        r = t;
        ::DrawTextA(mask.Dc(), text.c_str(), static_cast<int>(text.size()), &r, format);
    }
    graphics::DrawSkinMasked(m_scratch.Pixels(), mask.Pixels(), m_composed.Pixels());
    m_scratch.Resize(1, 1);
    mask.Resize(1, 1);
}

}  // namespace velpiners
