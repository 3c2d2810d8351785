#include "dialogs/task_panel_win.h"

#include <windowsx.h>

#include <algorithm>
#include <array>

#include "graphics/gdi_effects_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

using Rgb = graphics::Color;

// The strip's gradient runs from the face lightened by this percentage at the top to the face with this much
// taken off each channel at the bottom.
constexpr int kGradientLighten = 60;
constexpr int kGradientSubtract = 60;
// The unfolded strip's bottom line: the face darkened by this much.
constexpr int kUnfoldedLineDarken = 80;
// The glyph: a filled triangle 9 pixels wide and 5 high whose right end lies h pixels from the right edge,
// with h = (caption height - 4) / 2.
constexpr int kGlyphMargin = 4;
constexpr int kGlyphWidth = 8;  // right end minus left end
constexpr int kGlyphHeight = 4;
constexpr int kCaptionLeft = 10;

Rgb Face() { return graphics::screen::Rgb(TTaskPanel::kButtonFace); }
Rgb System(int index) { return graphics::SystemColorToRgb(index); }

void Line(HDC dc, Rgb color, int x0, int y0, int x1, int y1) {
    UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    SelectGuard select(dc, pen.get());
    ::MoveToEx(dc, x0, y0, nullptr);
    ::LineTo(dc, x1, y1);
}

void Triangle(HDC dc, Rgb color, const std::array<POINT, 3>& corners) {
    UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    UniqueBrush brush(::CreateSolidBrush(color));
    SelectGuard selectPen(dc, pen.get());
    SelectGuard selectBrush(dc, brush.get());
    ::Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

}  // namespace

void TTaskPanel::Create(HWND parent, int x, int y, HFONT font) {
    m_font = font;
    m_height = kDefaultHeight;
    Panel::Create(parent, Bounds{x, y, kDefaultWidth, kDefaultHeight}, "TTaskPanel");
    ResizeCaptionBitmap();
}

int TTaskPanel::Height() const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    // The height given last while the window still has it (the window's pixels taken back are not always
    // the number given on a scaled form).
    return client.bottom == Scaled(m_height) ? m_height : GetBounds().height;
}

void TTaskPanel::SetHeight(int height) {
    m_height = height;
    if (m_align == Align::kBottom) {
        // Flush with the parent's bottom in the window's pixels, whatever rounding the scale brings.
        RECT parent{};
        ::GetClientRect(::GetParent(Handle()), &parent);
        const int pixels = Scaled(height);
        SetPixelBounds(Bounds{0, parent.bottom - pixels, parent.right, pixels});
    } else {
        Bounds bounds = GetBounds();
        bounds.height = height;
        SetBounds(bounds);
    }
}

void TTaskPanel::ApplyDpi(int dpi, HFONT formFont) {
    Panel::ApplyDpi(dpi, formFont);
    SetHeight(m_height);
    ResizeCaptionBitmap();
    Redraw();
}

void TTaskPanel::SetAlign(Align align) {
    m_align = align;
    SetHeight(Height());
}

void TTaskPanel::SetCollapsed(bool collapsed) {
    m_collapsed = collapsed;
    const int height = Height();
    if (collapsed) {
        // A panel already folded to its strip keeps the height it unfolds to.
        if (height != m_captionHeight) m_expandedHeight = height;
        SetHeight(m_captionHeight);
    } else if (height == m_captionHeight) {
        SetHeight(m_expandedHeight);
    }
    Redraw();
    if (onChange) onChange();
}

void TTaskPanel::SetCaptionHeight(int height) {
    m_captionHeight = height;
    ResizeCaptionBitmap();
    Redraw();
}

void TTaskPanel::SetCaption(std::wstring_view caption) {
    m_caption = std::wstring(caption);
    if (Handle() != nullptr && ::GetParent(Handle()) != nullptr) Redraw();
}

void TTaskPanel::SetColor(ColorValue color) {
    m_color = color;
    Redraw();
}

void TTaskPanel::SetFont(HFONT font) {
    m_font = font;
    Redraw();
}

void TTaskPanel::ResizeCaptionBitmap() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    m_captionBitmap.Resize(std::max<int>(client.right, 1), std::max(Scaled(m_captionHeight), 1));
}

void TTaskPanel::MouseUp(int x, int y) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    // Strictly inside the strip: its border row and column do not fold.
    if (x > 0 && x < client.right && y > 0 && y < Scaled(m_captionHeight)) {
        SetCollapsed(!m_collapsed);
        if (onClick) onClick();
        Redraw();
    }
}

void TTaskPanel::Paint(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int width = client.right;
    const int strip = Scaled(m_captionHeight);
    const int glyphWidth = Scaled(kGlyphWidth);
    const int glyphHeight = Scaled(kGlyphHeight);
    HDC caption = m_captionBitmap.Dc();
    const Rgb face = Face();

    const RECT all{0, 0, m_captionBitmap.Width(), m_captionBitmap.Height()};
    UniqueBrush faceBrush(::CreateSolidBrush(face));
    ::FillRect(caption, &all, faceBrush.get());
    graphics::FillGradient(caption, RECT{0, 0, width, strip}, graphics::screen::Subtract(face, kGradientSubtract),
                           graphics::screen::Lighten(face, kGradientLighten));

    const int h = (strip - Scaled(kGlyphMargin)) / 2;
    const int right = width - h;
    const Rgb text = System(COLOR_WINDOWTEXT);
    if (m_collapsed) {
        Line(caption, System(COLOR_BTNSHADOW), 0, strip - 1, width, strip - 1);
        Triangle(caption, text,
                 {POINT{right - glyphWidth, h + glyphHeight}, POINT{right, h + glyphHeight},
                  POINT{right - glyphWidth / 2, h}});
    } else {
        Triangle(caption, text,
                 {POINT{right - glyphWidth, h}, POINT{right, h}, POINT{right - glyphWidth / 2, h + glyphHeight}});
        Line(caption, graphics::screen::Darken(face, kUnfoldedLineDarken), 0, strip - 1, width, strip - 1);
        Line(caption, System(COLOR_BTNHIGHLIGHT), 0, 0, width, 0);
        Line(caption, System(COLOR_BTNHIGHLIGHT), 0, 0, 0, strip);
    }

    if (!m_caption.empty()) {
        SelectGuard select(caption, m_font != nullptr ? m_font : ::GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{0, 0};
        ::GetTextExtentPoint32W(caption, m_caption.c_str(), static_cast<int>(m_caption.size()), &size);
        ::SetBkMode(caption, TRANSPARENT);
        ::SetTextColor(caption, text);
        ::TextOutW(caption, Scaled(kCaptionLeft), (strip - size.cy) / 2, m_caption.c_str(),
                   static_cast<int>(m_caption.size()));
    }
    ::GdiFlush();
    ::BitBlt(dc, 0, 0, m_captionBitmap.Width(), m_captionBitmap.Height(), caption, 0, 0, SRCCOPY);
}

LRESULT TTaskPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            UniqueBrush background(::CreateSolidBrush(graphics::screen::Rgb(static_cast<Rgb>(m_color))));
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, background.get());
            return 1;
        }
        case WM_PAINT: {
            {
                const PaintDc dc(Handle());
                Paint(dc.get());
            }
            // The etched edge goes round the whole control, whatever part was to be painted.
            const WindowDc window(Handle(), true);
            RECT edge{};
            ::GetWindowRect(Handle(), &edge);
            ::OffsetRect(&edge, -edge.left, -edge.top);
            ::DrawEdge(window.get(), &edge, EDGE_ETCHED, BF_RECT | BF_ADJUST);
            return 0;
        }
        case WM_PRINTCLIENT: {
            // The same picture into another device context (PrintWindow, tests).
            HDC dc = reinterpret_cast<HDC>(wParam);
            OnMessage(WM_ERASEBKGND, wParam, 0);
            Paint(dc);
            RECT edge{};
            ::GetClientRect(Handle(), &edge);
            ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT | BF_ADJUST);
            return 0;
        }
        case WM_SIZE:
            ResizeCaptionBitmap();
            break;
        case WM_LBUTTONUP:
            MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            break;
        case WM_SETFONT:
            m_font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_font);
        default:
            break;
    }
    return Panel::OnMessage(message, wParam, lParam);
}

}  // namespace velpiners
