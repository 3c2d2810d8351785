// Provisional painting of a sticker until the skin painter exists: a rounded panel in the sticker's colour
// with its caption and body text, 240 pixels wide, as high as the text needs (caption strip only while
// rolled up). It gives every window a real, visible, correctly sized picture to present.
#include <windows.h>

#include <algorithm>
#include <string>

#include "sticker/stick_form.h"
#include "ui/unique_handle.h"

namespace velpiners {
namespace {

constexpr int kProvisionalWidth = 240;
constexpr int kCaptionStrip = 24;

COLORREF RgbOf(ColorValue value) {
    // A set high byte names a system colour.
    if ((static_cast<std::uint32_t>(value) & 0xFF000000u) != 0)
        return ::GetSysColor(static_cast<int>(static_cast<std::uint32_t>(value) & 0xFF));
    return static_cast<COLORREF>(value) & 0xFFFFFF;
}

UniqueFont FontOf(const TextStyleBlock& block) {
    const int points = block.fontSize == 0 ? 8 : block.fontSize;
    const std::string face = block.fontName.Get();
    return UniqueFont(::CreateFontA(-::MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    ANTIALIASED_QUALITY, 0, face.c_str()));
}

void DrawBlock(HDC dc, const TextStyleBlock& block, RECT area, UINT format) {
    UniqueFont font = FontOf(block);
    SelectGuard select(dc, font.get());
    ::SetTextColor(dc, RgbOf(block.color));
    const std::string text = block.text.Get();
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

}  // namespace

void TStickForm::Relayout() {
    const PlacementBlock& p = m_blocks.placement;
    int height = kCaptionStrip;
    if (p.unrolled != 0) {
        m_scratch.Resize(kProvisionalWidth, 16);
        UniqueFont font = FontOf(m_blocks.body);
        SelectGuard select(m_scratch.Dc(), font.get());
        RECT measure{0, 0, kProvisionalWidth - 32, 0};
        const std::string text = m_blocks.body.text.Get();
        ::DrawTextA(m_scratch.Dc(), text.empty() ? " " : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()),
                    &measure, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        height = std::min(std::max(26 + static_cast<int>(measure.bottom) + 12, 68), 1000);
    }
    m_background.Reset(kProvisionalWidth, height, 32);
    m_scratch.Resize(1, 1);
    Repaint();
}

void TStickForm::Repaint() {
    if (m_closing) return;
    if (m_background.Empty()) {
        Relayout();
        return;
    }
    const int width = m_background.Width();
    const int height = m_background.Height();
    const PlacementBlock& p = m_blocks.placement;
    const COLORREF fill = p.useOwnColor != 0 ? RgbOf(p.color) : RGB(0x80, 0x80, 0x80);

    m_scratch.Resize(width, height);
    HDC dc = m_scratch.Dc();
    {
        UniqueBrush brush(::CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        ::FillRect(dc, &all, brush.get());
    }
    ::SetBkMode(dc, TRANSPARENT);
    DrawBlock(dc, m_blocks.caption, RECT{m_blocks.caption.x, m_blocks.caption.y, width - 4, kCaptionStrip},
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (p.unrolled != 0) {
        DrawBlock(dc, m_blocks.body, RECT{16, 26, width - 16, height - 4}, DT_WORDBREAK | DT_NOPREFIX);
    }

    // Opaque panel with rounded corners: corner pixels outside a radius of 6 are left transparent.
    m_composed.Resize(width, height);
    graphics::Picture& out = m_composed.Pixels();
    const graphics::Picture& in = m_scratch.Pixels();
    constexpr int kRadius = 6;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = in.Row(y);
        std::uint8_t* target = out.Row(y);
        for (int x = 0; x < width; ++x) {
            const int dx = x < kRadius ? kRadius - x : (x >= width - kRadius ? x - (width - kRadius - 1) : 0);
            const int dy = y < kRadius ? kRadius - y : (y >= height - kRadius ? y - (height - kRadius - 1) : 0);
            const bool inside = dx * dx + dy * dy <= kRadius * kRadius;
            target[4 * x + 0] = inside ? source[3 * x + 0] : 0;
            target[4 * x + 1] = inside ? source[3 * x + 1] : 0;
            target[4 * x + 2] = inside ? source[3 * x + 2] : 0;
            target[4 * x + 3] = inside ? 255 : 0;
        }
    }
    m_scratch.Resize(1, 1);
    Present(p.opacity);
}

}  // namespace velpiners
