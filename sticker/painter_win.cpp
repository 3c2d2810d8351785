// Painting a sticker: Relayout measures the body text, the caption and the date, loads the sticker's
// picture and has the skin compositor build the background at the size the content needs; Repaint starts
// from that background: tint, caption, body text (with a coverage mask, so text stays visible over
// transparent skin), date, pushpin, pins and picture, then presents the result.
//
// Text goes through GDI into the 24-bit scratch surface, whose pixels are our picture type, so measuring
// (InkBounds) and compositing read what GDI drew without copies.
//
// Work is done once per change, not once per paint, and every shortcut gives the very pixels of the long
// way: a layout whose texts did not change keeps what the last measuring found; backgrounds come from the
// host's cache, shared by the stickers of one look; the picture up to the date line (the text layer) is
// kept with everything it was drawn from, so a repaint for the focus or the layer only copies it and draws
// the pushpin, the pins and the picture. Each reuse compares the full inputs of the work it stands for,
// colours as the screen shows them (system colours looked up anew).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "base/phase_times.h"
#include "graphics/background_cache.h"
#include "graphics/color.h"
#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "graphics/gdi_effects_win.h"
#include "graphics/scaled_picture.h"
#include "sticker/hit_test.h"
#include "sticker/layout.h"
#include "sticker/paint_share_win.h"
#include "sticker/painter_win.h"
#include "sticker/sticker_state.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

constexpr graphics::Color kMagentaKey = 0xFF00FF;
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

// A note shows the characters the user typed: "&" is a character, never a mnemonic prefix.
constexpr UINT kNoteTextFlags = DT_EXPANDTABS | DT_NOPREFIX;

// Byte-wise equality of two blocks as stored (bytes after a text's length count too: a miss, never a false
// hit).
bool SameBlock(const TextStyleBlock& a, const TextStyleBlock& b) {
    static_assert(std::has_unique_object_representations_v<TextStyleBlock>);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

HFONT FontOf(const TextStyleBlock& block, int dpi) {
    return PaintShare::Get().Font(block.fontName.Get(), block.fontSize, dpi);
}

int TextWidthIn(const TextStyleBlock& block, const std::string& text, int dpi) {
    GdiSurface& scratch = PaintShare::Get().Scratch();
    SelectGuard select(scratch.Dc(), FontOf(block, dpi));
    return TextExtent(scratch.Dc(), text).cx;
}

UINT BodyFormat(const PlacementBlock& p) {
    UINT alignment = DT_LEFT;
    if (p.alignment == 1) alignment = DT_CENTER;
    if (p.alignment == 2) alignment = DT_RIGHT;
    return alignment | WrapFlag(p) | DT_NOCLIP | kNoteTextFlags;
}

// The least 96-dpi number whose scaled value reaches n: the content a skin is composed around at 96 dpi.
int UnscaleUp(int n, int dpi) { return -Unscale(-n, dpi); }

// Small pictures resampled once per resolution: the shared ones (pins, pushpin) and the stickers' icons,
// which stickers of one icon share. Each entry keeps the picture it was made from and is used only while the
// source is still that picture; when more are asked for than are kept, all are made anew.
class ScaledSharedPictures {
public:
    const graphics::Picture& Get(const graphics::Picture& source, int dpi, bool keyed) {
        for (const Entry& entry : m_entries)
            if (entry.dpi == dpi && entry.keyed == keyed && SamePixels(entry.source, source)) return entry.scaled;
        Entry entry{source, {}, dpi, keyed};
        entry.scaled = graphics::ScaleWithAlpha(keyed ? graphics::KeyedToAlpha(source, kMagentaKey) : source,
                                                Scale(source.Width(), dpi), Scale(source.Height(), dpi),
                                                /*premultiplied=*/false);
        const std::size_t bytes = Bytes(entry.source) + Bytes(entry.scaled);
        if (m_entries.size() >= kMostEntries || m_bytes + bytes > kMostBytes) {
            m_entries.clear();
            m_bytes = 0;
        }
        m_bytes += bytes;
        m_entries.push_back(std::move(entry));
        return m_entries.back().scaled;
    }

private:
    static constexpr std::size_t kMostEntries = 64;
    // A 256-pixel icon at the highest resolution is some 26 MB: a few such, not 64.
    static constexpr std::size_t kMostBytes = std::size_t{64} << 20;
    static std::size_t Bytes(const graphics::Picture& picture) {
        return static_cast<std::size_t>(picture.Stride()) * static_cast<std::size_t>(picture.Height());
    }
    struct Entry {
        graphics::Picture source;
        graphics::Picture scaled;
        int dpi;
        bool keyed;
    };
    static bool SamePixels(const graphics::Picture& a, const graphics::Picture& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitsPerPixel() != b.BitsPerPixel()) return false;
        for (int y = 0; y < a.Height(); ++y)
            if (std::memcmp(a.Row(y), b.Row(y), a.RowBytes()) != 0) return false;
        return true;
    }
    std::vector<Entry> m_entries;
    std::size_t m_bytes = 0;
};

// A shared picture at the painting's resolution: itself at 96 dots per inch.
const graphics::Picture& AtDpi(const graphics::Picture& source, int dpi, bool keyed = false) {
    static ScaledSharedPictures scaled;
    if (dpi == kBaseDpi || source.Empty()) return source;
    return scaled.Get(source, dpi, keyed);
}

// A sticker's icon at the painting's resolution (kept apart from the shared pictures, which every paint looks
// up: many icons would only lengthen their search).
const graphics::Picture& IconAtDpi(const graphics::Picture& source, int dpi) {
    static ScaledSharedPictures scaled;
    if (dpi == kBaseDpi || source.Empty()) return source;
    return scaled.Get(source, dpi, /*keyed=*/false);
}

}  // namespace

bool StickerPainter::MeasureInput::operator==(const MeasureInput& other) const {
    return SameBlock(caption, other.caption) && SameBlock(date, other.date) && SameBlock(body, other.body) &&
           inkColor == other.inkColor && wordWrap == other.wordWrap && frame == other.frame &&
           showPicture == other.showPicture && pictureWidth == other.pictureWidth && dpi == other.dpi;
}

bool StickerPainter::TextLayerInput::operator==(const TextLayerInput& other) const {
    return background == other.background && SameBlock(caption, other.caption) && SameBlock(date, other.date) &&
           SameBlock(body, other.body) && SameRect(textRect, other.textRect) && SameRect(calcRect, other.calcRect) &&
           tint == other.tint && shadow == other.shadow && captionColor == other.captionColor &&
           dateColor == other.dateColor && bodyColor == other.bodyColor && pictureWidth == other.pictureWidth &&
           style == other.style && useOwnColor == other.useOwnColor && unrolled == other.unrolled &&
           showPicture == other.showPicture && alignment == other.alignment && wordWrap == other.wordWrap;
}

void StickerPainter::MeasureText(const PlacementBlock& p, const TextStyleBlock& block) {
    const std::string text = block.text.Get();
    GdiSurface& scratch = PaintShare::Get().Scratch();
    HFONT font = FontOf(block, m_dpi);
    const int boxWidth = S(layout::kTextBoxWidth);
    const int blockX = S(block.x);
    const int blockY = S(block.y);

    int lineHeight = 0;
    int textWidth = 0;
    {
        SelectGuard select(scratch.Dc(), font);
        lineHeight = TextExtent(scratch.Dc(), "\\WAL0").cy;
        textWidth = TextExtent(scratch.Dc(), text).cx;
    }
    const int lineCount = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r'));
    // Bounded: a 255-character text never needs more, whatever the font size says.
    const int scratchHeight =
        std::clamp(lineHeight * (textWidth / boxWidth + lineCount + layout::kMeasureSpareLines), 1, kMaxScratchExtent);

    // Measuring draws nothing: the scratch is sized and filled for the drawing below.
    const std::int32_t boxRight = SaturatedSum(blockX, S(block.width));
    RECT r{blockX, blockY, boxRight, scratchHeight};
    {
        HDC dc = scratch.Dc();
        SelectGuard select(dc, font);
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | kNoteTextFlags | WrapFlag(p));
    }
    m_layout.calcRect = r;
    m_layout.contentRect = text.empty() ? RECT{0, 0, 0, 0} : r;

    int height = scratchHeight;
    if (height < r.bottom) height = std::min<int>(r.bottom, kMaxScratchExtent);
    RECT d{blockX, blockY, boxRight, height};
    int width = boxWidth;
    if (boxRight < r.right) {
        // One word wider than the box: the ink decides the width.
        width = std::clamp<int>(r.right + S(layout::kInkMargin), 1, kMaxScratchExtent);
        d.right = r.right;
    }
    scratch.Resize(width, height);
    m_layout.wrapRight = d.right;
    HDC dc = scratch.Dc();
    SelectGuard select(dc, font);
    FillWhite(scratch.Pixels());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RgbOf(block.color - 1));
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, kNoteTextFlags | WrapFlag(p));

    const graphics::Rect ink = graphics::InkBounds(scratch.Pixels());
    m_layout.textRect = RECT{ink.left, ink.top, std::min(ink.right, kMaxTextExtent),
                             std::clamp(ink.bottom, S(layout::kMinTextBottom), kMaxTextExtent)};
}

void StickerPainter::RemeasureText(const PlacementBlock& p, const TextStyleBlock& block) {
    const std::string text = block.text.Get();
    GdiSurface& scratch = PaintShare::Get().Scratch();
    HFONT font = FontOf(block, m_dpi);
    const int margin = S(layout::kInkMargin);
    scratch.Resize(std::clamp<int>(m_layout.textRect.right + margin, 1, graphics::kMaxPictureDimension),
                   std::clamp<int>(m_layout.textRect.bottom + margin, 1, graphics::kMaxPictureDimension));
    HDC dc = scratch.Dc();
    SelectGuard select(dc, font);
    FillWhite(scratch.Pixels());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RgbOf(block.color - 1));
    RECT d{S(block.x), S(block.y), m_layout.textRect.right, m_layout.textRect.bottom};
    m_layout.wrapRight = d.right;
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, kNoteTextFlags | WrapFlag(p));
    const graphics::Rect ink = graphics::InkBounds(scratch.Pixels());
    // No ink (an empty or blank text): the scan would report the scratch's margin row, 23 rows below
    // the height MeasureText found; the empty sticker stays as high as five lines, like the frame styles.
    if (ink.top < scratch.Height())
        m_layout.textRect.bottom = std::clamp(ink.bottom, S(layout::kMinTextBottom), kMaxTextExtent);
}

void StickerPainter::MeasureHeader(const StickerRecord& r) {
    m_layout.captionRightEdge = SaturatedSum(S(r.caption.x), TextWidthIn(r.caption, r.caption.text.Get(), m_dpi));
    m_layout.dateWidth = r.date.ShowDate() ? TextWidthIn(r.date, r.date.text.Get(), m_dpi) : 0;
}

void StickerPainter::Measure(const StickerRecord& r, std::uint8_t style) {
    const PlacementBlock& p = r.placement;
    MeasureInput input;
    input.caption = r.caption;
    input.date = r.date;
    input.body = r.body;
    input.inkColor = RgbOf(r.body.color - 1);
    input.wordWrap = p.wordWrap;
    input.frame = IsFrameStyle(style) ? 1 : 0;
    input.showPicture = p.showPicture;
    input.pictureWidth = m_stickerPicture.Width();
    input.dpi = m_dpi;
    if (m_measured && input == m_measureInput) {
        m_layout = m_measuredLayout;
        return;
    }

    const phase::Scope timing(phase::Phase::kMeasure);
    MeasureText(p, r.body);
    if (!IsFrameStyle(style)) MeasureHeader(r);
    if (p.showPicture != 0)
        m_layout.captionRightEdge = SaturatedSum(m_layout.captionRightEdge,
                                                 std::int64_t{ShownPicture().Width()} + S(layout::kPictureCaptionGap));
    if (!IsFrameStyle(style)) {
        const std::int32_t need = SaturatedSum(std::int64_t{m_layout.captionRightEdge} + m_layout.dateWidth,
                                               std::int64_t{S(r.caption.x)} + S(layout::kCaptionDateGap));
        if (need > m_layout.textRect.right) {
            m_layout.textRect.right = std::min(need, kMaxTextExtent);
            RemeasureText(p, r.body);
        }
    }
    PaintShare::Get().Scratch().Resize(1, 1);

    m_measureInput = input;
    m_measuredLayout = m_layout;
    m_measured = true;
}

void StickerPainter::LoadPicture(PlacementBlock& p) {
    const phase::Scope timing(phase::Phase::kLoadPicture);
    if (p.pictureLow == 0) {
        p.showPicture = 0;
        m_stickerPicture.Reset(0, 0, 32);
        m_scaledPicture.Reset(0, 0, 32);
        return;
    }
    p.showPicture = 1;
    m_host.PictureByNumber(m_stickerPicture, p.PictureNumber());
    if (m_dpi == kBaseDpi)
        m_scaledPicture.Reset(0, 0, 32);
    else
        m_scaledPicture = IconAtDpi(m_stickerPicture, m_dpi);
}

void StickerPainter::ComposeBackground(const PlacementBlock& p, std::uint8_t style) {
    const phase::Scope timing(phase::Phase::kCompose);
    const graphics::StyleSkin& skin = graphics::kStyleSkins[style];
    const graphics::Picture& skinPicture = m_host.SharedPicture(skin.skin);
    const graphics::Picture& maskPicture = m_host.SharedPicture(skin.mask);
    std::shared_ptr<const graphics::Picture> background;
    if (!skinPicture.Empty() && !maskPicture.Empty()) {
        graphics::Rect content = skin.framed
                                     ? graphics::Rect{m_layout.textRect.left, m_layout.textRect.top,
                                                      m_layout.textRect.right, m_layout.textRect.bottom}
                                     : graphics::Rect{m_layout.contentRect.left, m_layout.contentRect.top,
                                                      std::min<int>(m_layout.contentRect.right, kMaxTextExtent),
                                                      std::min<int>(m_layout.contentRect.bottom, kMaxTextExtent)};
        // The skins are composed at 96 dpi around the measured content in 96-dpi pixels, rounded outwards.
        content = graphics::Rect{Unscale(content.left, m_dpi), Unscale(content.top, m_dpi),
                                 UnscaleUp(content.right, m_dpi), UnscaleUp(content.bottom, m_dpi)};
        const graphics::Rect icon{0, 0, m_stickerPicture.Width(), m_stickerPicture.Height()};
        const bool unrolled = p.unrolled != 0;
        try {
            graphics::BackgroundCache* cache = m_host.Backgrounds();
            background = cache != nullptr ? cache->Get(style, skinPicture, maskPicture, content, unrolled, icon, m_dpi)
                                          : graphics::MakeBackground(style, skinPicture, maskPicture, content, unrolled,
                                                                     icon, m_dpi);
        } catch (const graphics::GraphicsError&) {
            // Sizes no skin can make: the plain panel below keeps the note visible.
        }
    }
    if (!background) {
        // Without the program's pictures: a plain opaque grey panel of the content's size.
        auto panel = std::make_shared<graphics::Picture>(
            std::clamp<int>(m_layout.textRect.right + S(layout::kPanelMargin), S(layout::kPanelMinWidth),
                            kMaxTextExtent + S(layout::kPanelMargin)),
            std::clamp<int>(m_layout.textRect.bottom + S(layout::kPanelMargin), S(layout::kPanelMinHeight),
                            kMaxTextExtent + S(layout::kPanelMargin)),
            32);
        for (int y = 0; y < panel->Height(); ++y) {
            std::uint8_t* row = panel->Row(y);
            for (int x = 0; x < panel->Width(); ++x) {
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0x80;
                row[4 * x + 3] = 0xFF;
            }
        }
        if (skin.clearedAfter) graphics::ClearBitmap(*panel);
        background = std::move(panel);
    }
    if (background != m_background) {
        m_background = std::move(background);
        ++m_backgroundGeneration;
    }
}

void StickerPainter::Relayout(StickerRecord& record, bool focused) {
    const std::uint8_t style = PaintedStyle(record.placement.style);
    // The picture first: what the measuring finds depends on its width, not the other way round.
    LoadPicture(record.placement);
    Measure(record, style);
    ComposeBackground(record.placement, style);
    record.caption.y = style == layout::kLowCaptionStyle ? layout::kLowCaptionRow : layout::kCaptionRow;
    PaintSteps(record, true, focused);
}

bool StickerPainter::Repaint(const StickerRecord& record, bool focused) {
    if (!m_background || m_background->Empty()) return false;
    PaintSteps(record, false, focused);
    return true;
}

void StickerPainter::Release() {
    m_composed.Release();
    m_canvas = graphics::Picture();
    m_background.reset();
    m_textLayer = graphics::Picture();
    m_textLayerValid = false;
    m_stickerPicture.Reset(0, 0, 32);
    m_scaledPicture.Reset(0, 0, 32);
}

SIZE StickerPainter::SizeAt(const PlacementBlock& p, int dpi) const {
    if (!m_background) return SIZE{0, 0};
    const int width = Unscale(m_background->Width(), m_dpi);
    const int height = Unscale(m_background->Height(), m_dpi);
    return SIZE{Scale(width, dpi), Scale(height, dpi) + Scale(BaseRows(p), dpi)};
}

int StickerPainter::PictureRows(const PlacementBlock& p) const { return S(BaseRows(p)); }

int StickerPainter::BaseRows(const PlacementBlock& p) const {
    const std::uint8_t style = PaintedStyle(p.style);
    if (IsIconStyle(style) || p.showPicture == 0 || m_stickerPicture.Empty()) return 0;
    const int h = m_stickerPicture.Height();
    if (h < layout::kSmallPictureHeight || h >= layout::kLargestCaptionPicture) return 0;
    return h > layout::kTallPictureFrom ? h / 2 - layout::kHalfPictureOverlap
                                        : std::max(h - layout::kPictureOverlap, 0);
}

StickerPainter::TextLayerInput StickerPainter::CurrentTextLayerInput(const StickerRecord& r) const {
    const PlacementBlock& p = r.placement;
    TextLayerInput input;
    input.background = m_backgroundGeneration;
    input.caption = r.caption;
    input.date = r.date;
    input.body = r.body;
    input.textRect = m_layout.textRect;
    input.calcRect = m_layout.calcRect;
    input.tint = RgbOf(p.color);
    input.shadow = RgbOf(p.shadowColor);
    input.captionColor = RgbOf(r.caption.color);
    input.dateColor = RgbOf(r.date.color);
    input.bodyColor = RgbOf(r.body.color);
    input.pictureWidth = m_stickerPicture.Width();
    input.style = PaintedStyle(p.style);
    input.useOwnColor = p.useOwnColor;
    input.unrolled = p.unrolled;
    input.showPicture = p.showPicture;
    input.alignment = p.alignment;
    input.wordWrap = p.wordWrap;
    return input;
}

void StickerPainter::PaintTextLayer(const StickerRecord& r) {
    const PlacementBlock& p = r.placement;
    const std::uint8_t style = PaintedStyle(p.style);
    const bool icon = IsIconStyle(style);
    const bool frame = IsFrameStyle(style);
    {
        const phase::Scope timing(phase::Phase::kTint);
        const graphics::Picture& background = *m_background;
        for (int y = 0; y < background.Height(); ++y)
            std::memcpy(m_canvas.Row(y), background.Row(y), background.RowBytes());
        if (p.useOwnColor != 0) graphics::TintBitmap(m_canvas, static_cast<graphics::Color>(RgbOf(p.color)));
    }
    if (style <= layout::kLastCaptionStyle) {
        const phase::Scope timing(phase::Phase::kCaptionDate);
        PaintCaption(p, r.caption);
    }
    {
        const phase::Scope timing(phase::Phase::kBodyText);
        if (!icon) {
            if (p.unrolled != 0) PaintText(p, r.body, frame ? S(layout::kFrameTextLift) : 0);
        } else if (p.unrolled != 0 || m_stickerPicture.Width() < 2) {
            PaintText(p, r.body, 0);
        }
    }
    if (style <= layout::kLastCaptionStyle && r.date.ShowDate()) {
        const phase::Scope timing(phase::Phase::kCaptionDate);
        PaintDate(r.date, p.shadowColor);
    }
}

void StickerPainter::PaintSteps(const StickerRecord& r, bool fromRelayout, bool focused) {
    const PlacementBlock& p = r.placement;
    const std::uint8_t style = PaintedStyle(p.style);
    const bool icon = IsIconStyle(style);
    const bool frame = IsFrameStyle(style);
    const graphics::Picture& background = *m_background;

    // A picture taller than the caption strip sticks out above the skin: the rows it adds are made at once
    // (transparent black), and everything else is drawn below them, on the canvas.
    const int rows = PictureRows(p);
    {
        const phase::Scope timing(phase::Phase::kTint);
        m_composed.Resize(background.Width(), background.Height() + rows);
        graphics::Picture& whole = m_composed.Pixels();
        m_canvas =
            graphics::Picture::View(whole.Row(rows), background.Width(), background.Height(), whole.Stride(), 32);
    }

    // The text layer is kept from the first repaint on: a sticker that is only laid out (every sticker at
    // the start) holds no second picture.
    const TextLayerInput input = CurrentTextLayerInput(r);
    if (m_textLayerValid && input == m_textLayerInput) {
        const phase::Scope timing(phase::Phase::kTint);
        for (int y = 0; y < m_textLayer.Height(); ++y)
            std::memcpy(m_canvas.Row(y), m_textLayer.Row(y), m_textLayer.RowBytes());
    } else {
        m_textLayerValid = false;
        PaintTextLayer(r);
        if (!fromRelayout) {
            m_textLayer = m_canvas;
            m_textLayerInput = input;
            m_textLayerValid = true;
        }
    }

    {
        const phase::Scope timing(phase::Phase::kPictures);
        if (!icon || fromRelayout || focused) {
            const graphics::Picture& point =
                m_host.SharedPicture(p.layer == 1 ? "BITMAP_POINT_ON" : "BITMAP_POINT_OFF");
            const int x = m_canvas.Width() - S(frame ? layout::kFramePointRight : layout::kPointRight);
            const int y = S(frame ? layout::kFramePointRow : layout::kPointRow);
            if (!point.Empty() && m_dpi == kBaseDpi) {
                graphics::DrawKeyed(point, m_canvas, x, y, kMagentaKey);
            } else if (!point.Empty()) {
                // Resampled, the key colour would bleed into the edges: the point is scaled with its key as
                // transparency and drawn by its alpha.
                graphics::DrawAlphaOver32(AtDpi(point, m_dpi, /*keyed=*/true), m_canvas, x, y);
            }
        }
        if (focused && !icon) PaintPinRow(p);

        if (p.showPicture != 0 && !m_stickerPicture.Empty()) {
            // Sizes decide at 96 dpi; the scaled picture is drawn at the scaled places.
            const int h = m_stickerPicture.Height();
            const graphics::Picture& shown = ShownPicture();
            if (!icon) {
                const int o = frame ? layout::kFramePictureInset : 0;
                const int x = S(r.caption.x - layout::kPictureLeftOfCaption + o);
                if (h < layout::kSmallPictureHeight) {
                    graphics::DrawAlphaOver32(shown, m_canvas, x, S(layout::kSmallPictureRow - o));
                } else if (h < layout::kLargestCaptionPicture) {
                    const bool tall = h > layout::kTallPictureFrom;
                    graphics::DrawAlphaOver32(shown, m_composed.Pixels(), x, tall ? -S(o) : 0);
                }
            } else {
                graphics::DrawAlphaOver32(shown, m_canvas, S(layout::kIconPictureLeft),
                                          (background.Height() - shown.Height()) / 2);
            }
        }
        if (focused && icon) PaintPinRow(p);
    }
}

void StickerPainter::PaintPinRow(const PlacementBlock& p) {
    graphics::Picture& target = m_canvas;
    const PinOffsets o = PinOffsetsOf(PaintedStyle(p.style), p.unrolled != 0);
    // Where the hit tests look for them: each distance scaled alone.
    const int x = target.Width() - S(o.dx);
    const int y = target.Height() - S(o.dy);
    const int step = S(layout::kPinStep);
    const auto pin = [this](std::string_view name) -> const graphics::Picture& {
        return AtDpi(m_host.SharedPicture(name), m_dpi);
    };
    graphics::DrawAlphaOver32(pin("BITMAP_CLOSE_PIN"), target, x, y);
    graphics::DrawAlphaOver32(pin("BITMAP_DUP_PIN"), target, x - step, y);
    graphics::DrawAlphaOver32(pin("BITMAP_EDIT_PIN"), target, x - 2 * step, y);
    graphics::DrawAlphaOver32(pin(p.unrolled != 0 ? "BITMAP_UP_PIN" : "BITMAP_DOWN_PIN"), target, x - 3 * step, y);
}

void StickerPainter::PaintLine(const TextStyleBlock& block, int x, int y, ColorValue shadowColor) {
    const std::string text = block.text.Get();
    GdiSurface& scratch = PaintShare::Get().Scratch();
    HDC dc = scratch.Dc();
    HFONT font = FontOf(block, m_dpi);
    // A line reaches only the rows about its own: the copies in and out cover them, not the whole canvas
    // (a cell above and below the line's cell, for glyphs that overhang it, and the shadow's row).
    TEXTMETRICA metrics{};
    {
        SelectGuard select(dc, font);
        ::GetTextMetricsA(dc, &metrics);
    }
    const std::int64_t cell = std::max<std::int64_t>(metrics.tmHeight, 1);
    const int top = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{y} - cell, 0, m_canvas.Height()));
    const int bottom =
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t{y} + 2 * cell + 1, top, m_canvas.Height()));
    if (bottom <= top) return;
    graphics::Picture band =
        graphics::Picture::View(m_canvas.Row(top), m_canvas.Width(), bottom - top, m_canvas.Stride(), 32);
    scratch.Resize(band.Width(), band.Height());
    CopyRgbTo24(band, scratch.Pixels());
    const int bandY = y - top;
    {
        SelectGuard select(dc, font);
        ::SetBkMode(dc, TRANSPARENT);
        if (block.shadow != 0) {
            ::SetTextColor(dc, RgbOf(shadowColor));
            ::TextOutA(dc, SaturatedSum(x, 1), SaturatedSum(bandY, 1), text.c_str(), static_cast<int>(text.size()));
        }
        ::SetTextColor(dc, RgbOf(block.color));
        ::TextOutA(dc, x, bandY, text.c_str(), static_cast<int>(text.size()));
    }
    // The line takes the skin's alpha where it lies.
    graphics::CopyRgbTo32(scratch.Pixels(), band);
    scratch.Resize(1, 1);
}

void StickerPainter::PaintCaption(const PlacementBlock& p, const TextStyleBlock& block) {
    if (block.text.Length() == 0) return;
    const int shift = p.showPicture != 0 ? ShownPicture().Width() + S(layout::kPictureTextGap) : 0;
    PaintLine(block, SaturatedSum(S(block.x), shift), S(block.y), p.shadowColor);
}

void StickerPainter::PaintDate(const TextStyleBlock& block, ColorValue shadowColor) {
    if (block.text.Length() == 0) return;
    const int textWidth = TextWidthIn(block, block.text.Get(), m_dpi);
    const int width = m_canvas.Width();
    // Right-aligned; the block's X and Y are not used.
    PaintLine(block, width - textWidth - S(layout::kDateRightMargin), S(layout::kDateRow), shadowColor);
}

void StickerPainter::PaintText(const PlacementBlock& p, const TextStyleBlock& block, int lift) {
    const std::uint8_t style = PaintedStyle(p.style);
    const bool icon = IsIconStyle(style);
    const bool frame = IsFrameStyle(style);
    const int windowWidth = m_canvas.Width();
    const graphics::Picture& background = *m_background;

    int width = 0;
    int height = 0;
    RECT t{};
    const int blockX = S(block.x);
    if (!icon) {
        width = frame ? (windowWidth > m_layout.textRect.right ? windowWidth
                                                               : SaturatedSum(m_layout.textRect.right, blockX))
                      : windowWidth;
        height = m_layout.textRect.bottom + S(layout::kTextBottomMargin);
        // Where the measuring broke the lines: the box's own edge, or further right when a word longer
        // than the line or the caption widened it.
        t = RECT{blockX, SaturatedSum(S(block.y), -lift),
                 std::max<std::int32_t>(m_layout.wrapRight, m_layout.textRect.right), height};
        if (frame) {
            t.right = m_layout.calcRect.right < S(layout::kFrameTextRightFrom) ? S(layout::kFrameTextRight)
                                                                               : m_layout.calcRect.right;
            if (width < t.right + 1) width = t.right + 1;
        }
    } else {
        width = background.Width();
        height = background.Height();
        const int cw = m_layout.calcRect.right - m_layout.calcRect.left;
        const int ch = m_layout.calcRect.bottom - m_layout.calcRect.top;
        t.left =
            S(layout::kIconTextLeft) + (p.showPicture != 0 ? ShownPicture().Width() + S(layout::kPictureTextGap) : 0);
        t.right = t.left + cw;
        t.top = (background.Height() - ch) / 2;
        t.bottom = t.top + ch;
    }
    width = std::clamp(width, 1, graphics::kMaxPictureDimension);
    height = std::clamp(height, 1, graphics::kMaxPictureDimension);

    GdiSurface& scratch = PaintShare::Get().Scratch();
    GdiSurface& mask = PaintShare::Get().Mask();
    scratch.Resize(width, height);
    mask.Resize(width, height);  // black
    CopyRgbTo24(m_canvas, scratch.Pixels());

    const std::string text = block.text.Get();
    const UINT format = BodyFormat(p);
    HFONT font = FontOf(block, m_dpi);
    {
        SelectGuard selectScratch(scratch.Dc(), font);
        SelectGuard selectMask(mask.Dc(), font);
        ::SetBkMode(scratch.Dc(), TRANSPARENT);
        ::SetBkMode(mask.Dc(), TRANSPARENT);
        ::SetTextColor(mask.Dc(), RGB(255, 255, 255));
        if (block.shadow != 0) {
            RECT s{SaturatedSum(t.left, 1), SaturatedSum(t.top, 1), SaturatedSum(t.right, 1),
                   SaturatedSum(t.bottom, 1)};
            ::SetTextColor(scratch.Dc(), RgbOf(p.shadowColor));
            ::DrawTextA(scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &s, format);
            ::DrawTextA(mask.Dc(), text.c_str(), static_cast<int>(text.size()), &s, format);
        }
        ::SetTextColor(scratch.Dc(), RgbOf(block.color));
        RECT r = t;
        ::DrawTextA(scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &r, format);
        r = t;
        ::DrawTextA(mask.Dc(), text.c_str(), static_cast<int>(text.size()), &r, format);
    }
    graphics::DrawSkinMasked(scratch.Pixels(), mask.Pixels(), m_canvas);
    scratch.Resize(1, 1);
    mask.Resize(1, 1);
}

}  // namespace velpiners
