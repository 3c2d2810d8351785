#include "ui/speed_button_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "graphics/dib_bitmap_win.h"

namespace velpiners {
namespace {

// A pressed or down button shows its glyph this much right and down.
constexpr int kPressedShift = 1;
constexpr int kPatternSide = 8;

COLORREF KeyColorOf(const graphics::Picture& glyph) {
    const std::uint8_t* p = glyph.Pixel(0, glyph.Height() - 1);
    return RGB(p[2], p[1], p[0]);
}

// The face of a button that is down: the button face and highlight colours in a checkerboard.
UniqueBrush DownFaceBrush() {
    std::array<WORD, kPatternSide> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = (i % 2 == 0) ? 0x55 : 0xAA;
    UniqueBitmap pattern(::CreateBitmap(kPatternSide, kPatternSide, 1, 1, rows.data()));
    return UniqueBrush(::CreatePatternBrush(pattern.get()));
}

}  // namespace

void SpeedButton::Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view caption) {
    CreateControl(parent, PlainWindowClass(L"TSpeedButton"), caption, WS_VISIBLE, 0, bounds, font);
}

void SpeedButton::SetGlyph(const graphics::Picture& glyph) {
    m_glyphPicture = glyph;
    MakeGlyph();
}

void SpeedButton::MakeGlyph() {
    m_glyph.reset();
    const graphics::Picture& glyph = m_glyphPicture;
    if (!glyph.Empty()) {
        // Scaled by repeating pixels: the key colour stays one colour, so the mask keeps the glyph's outline.
        const int width = std::max(Scaled(glyph.Width()), 1);
        const int height = std::max(Scaled(glyph.Height()), 1);
        graphics::Picture opaque(width, height, 24);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int fromX = std::min(Unscale(x, Dpi()), glyph.Width() - 1);
                const int fromY = std::min(Unscale(y, Dpi()), glyph.Height() - 1);
                std::memcpy(opaque.Pixel(x, y), glyph.Pixel(fromX, fromY), 3);
            }
        UniqueBitmap bitmap = CreateDibFromPicture(opaque);
        m_glyph.reset(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 1, 0));
        ImageList_AddMasked(m_glyph.get(), bitmap.get(), KeyColorOf(opaque));
    }
    Invalidate();
}

void SpeedButton::ApplyDpi(int dpi, HFONT formFont) {
    Control::ApplyDpi(dpi, formFont);
    MakeGlyph();
}

void SpeedButton::SetDown(bool down) {
    if (m_group != nullptr && down) {
        m_group->PutDown(this);
        return;
    }
    if (m_down == down) return;
    m_down = down;
    Invalidate();
}

void SpeedButton::Click() {
    if (m_group != nullptr) m_group->PutDown(this);
    if (onClick) onClick();
}

void SpeedButton::SetHot(bool hot) {
    if (m_hot == hot) return;
    m_hot = hot;
    Invalidate();
}

bool SpeedButton::PointerInside(LPARAM lParam) const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return ::PtInRect(&client, point) != FALSE;
}

LRESULT SpeedButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintDc dc(Handle());
            Paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            // The same picture into another device context (PrintWindow, tests).
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE: {
            if (!m_tracking) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                m_tracking = ::TrackMouseEvent(&track) != FALSE;
            }
            const bool inside = PointerInside(lParam);
            SetHot(inside);
            if (::GetCapture() == Handle() && m_pressed != inside) {
                m_pressed = inside;
                Invalidate();
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            m_tracking = false;
            SetHot(false);
            return 0;
        case WM_LBUTTONDOWN:
            // No focus: the caret stays where the user was typing.
            ::SetCapture(Handle());
            m_pressed = true;
            Invalidate();
            return 0;
        case WM_LBUTTONUP: {
            if (::GetCapture() != Handle()) return 0;
            const bool inside = PointerInside(lParam);
            ::ReleaseCapture();
            if (inside && Enabled()) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (m_pressed) {
                m_pressed = false;
                Invalidate();
            }
            return 0;
        case WM_ENABLE:
            Invalidate();
            break;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void SpeedButton::Paint(HDC dc) {
    RECT rect{};
    ::GetClientRect(Handle(), &rect);
    const bool enabled = Enabled();
    const bool sunken = m_pressed || m_down;
    if (m_down && !m_pressed) {
        UniqueBrush face = DownFaceBrush();
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNFACE));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::FillRect(dc, &rect, face.get());
    } else {
        // Up, the button is flat on its container: the container's background (a page's themed body). The
        // container may set the context's colours and brush origin for it: they go again after the fill.
        const int saved = ::SaveDC(dc);
        auto* back = reinterpret_cast<HBRUSH>(::SendMessageW(
            ::GetParent(Handle()), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
        ::FillRect(dc, &rect, back != nullptr ? back : ::GetSysColorBrush(COLOR_BTNFACE));
        ::RestoreDC(dc, saved);
    }
    if (sunken) {
        ::DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (m_hot && enabled) {
        ::DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = sunken ? kPressedShift : 0;
    if (m_glyph) {
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(m_glyph.get(), &width, &height);
        const int x = (rect.right - width) / 2 + shift;
        const int y = (rect.bottom - height) / 2 + shift;
        if (enabled) {
            ImageList_Draw(m_glyph.get(), 0, dc, x, y, ILD_TRANSPARENT);
        } else {
            UniqueIcon icon(ImageList_GetIcon(m_glyph.get(), 0, ILD_TRANSPARENT));
            ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, x, y, width, height,
                         DST_ICON | DSS_DISABLED);
        }
        return;
    }
    const std::wstring caption = WideText();
    if (caption.empty()) return;
    SelectGuard select(dc, Font() != nullptr ? Font() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    ::OffsetRect(&rect, shift, shift);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void SpeedButtonGroup::Add(SpeedButton& button) {
    button.m_group = this;
    m_buttons.push_back(&button);
}

int SpeedButtonGroup::DownIndex() const {
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->Down()) return static_cast<int>(i);
    return -1;
}

void SpeedButtonGroup::SetDownIndex(int index) {
    PutDown(index >= 0 && index < static_cast<int>(m_buttons.size()) ? m_buttons[static_cast<std::size_t>(index)]
                                                                     : nullptr);
}

void SpeedButtonGroup::PutDown(SpeedButton* button) {
    for (SpeedButton* each : m_buttons) {
        const bool down = each == button;
        if (each->m_down != down) {
            each->m_down = down;
            each->Invalidate();
        }
    }
}

}  // namespace velpiners
