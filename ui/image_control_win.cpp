#include "ui/image_control_win.h"

namespace velpiners {

void ImageControl::Create(HWND parent, const Bounds& bounds) {
    CreateControl(parent, PlainWindowClass(L"TImage"), L"", WS_VISIBLE, 0, bounds, nullptr);
    SizePictureToControl();
    SetCanvasFont(kDefaultFace, kDefaultPoints);
}

void ImageControl::SizePictureToControl() {
    const Bounds place = GetBounds();
    m_surface.Resize(place.width > 0 ? place.width : 1, place.height > 0 ? place.height : 1);
}

void ImageControl::SetCanvasFont(std::string_view face, int points) {
    UniqueFont font = CreatePointFont(face, points, kBaseDpi);
    if (!font) return;
    ::SelectObject(m_surface.Dc(), font.get());
    m_font = std::move(font);  // the previous font is out of the canvas now
    m_face = std::string(face);
    m_points = points;
}

LRESULT ImageControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintDc painting(Handle());
            HDC dc = painting.get();
            RECT client{};
            ::GetClientRect(Handle(), &client);
            ::GdiFlush();
            const int width = Scaled(m_surface.Width());
            const int height = Scaled(m_surface.Height());
            if (width == m_surface.Width() && height == m_surface.Height()) {
                ::BitBlt(dc, 0, 0, width, height, m_surface.Dc(), 0, 0, SRCCOPY);
            } else {
                ::SetStretchBltMode(dc, HALFTONE);
                ::SetBrushOrgEx(dc, 0, 0, nullptr);
                ::StretchBlt(dc, 0, 0, width, height, m_surface.Dc(), 0, 0, m_surface.Width(), m_surface.Height(),
                             SRCCOPY);
            }
            // Beyond the picture (a control made larger than its picture) lies the button face.
            RECT right{width, 0, client.right, client.bottom};
            RECT below{0, height, width, client.bottom};
            if (right.left < right.right) ::FillRect(dc, &right, ::GetSysColorBrush(COLOR_BTNFACE));
            if (below.top < below.bottom) ::FillRect(dc, &below, ::GetSysColorBrush(COLOR_BTNFACE));
            return 0;
        }
        default:
            return DefaultHandler(message, wParam, lParam);
    }
}

}  // namespace velpiners
