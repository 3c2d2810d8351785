#include "dialogs/about_form_win.h"

#include <algorithm>
#include <cmath>

#include "base/dpi_win.h"
#include "graphics/effects.h"
#include "graphics/ress_loader_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

// The close button: its pictures' size, and its place from the picture's right and top edges.
constexpr int kButtonWidth = 59;
constexpr int kButtonHeight = 34;
constexpr int kButtonFromRight = 61;
constexpr int kButtonTop = -1;
constexpr std::uint8_t kOpaque = 255;
// The system move command with the caption hit code: the box follows the pointer as if dragged by a
// title bar.
constexpr WPARAM kDragByCaption = SC_MOVE | HTCAPTION;

constexpr const char* kButtonPictures[3] = {"BUTTON_CLOSE_N", "BUTTON_CLOSE_L", "BUTTON_CLOSE_D"};
constexpr int kChannels = 4;
constexpr int kAlpha = 3;
constexpr float kHalf = 0.5f;

// A 32-bit picture with straight alpha scaled to `width` x `height` by bilinear weights on premultiplied
// colours, so a transparent pixel's colour never bleeds into its neighbours' edge.
graphics::Picture ScaledStraightAlpha(const graphics::Picture& source, int width, int height) {
    graphics::Picture target(std::max(width, 1), std::max(height, 1), 32);
    if (source.Empty()) return target;
    const float stepX = static_cast<float>(source.Width()) / static_cast<float>(target.Width());
    const float stepY = static_cast<float>(source.Height()) / static_cast<float>(target.Height());
    for (int y = 0; y < target.Height(); ++y) {
        const float fy =
            std::clamp((static_cast<float>(y) + kHalf) * stepY - kHalf, 0.0f, static_cast<float>(source.Height() - 1));
        const int y0 = static_cast<int>(fy);
        const int y1 = std::min(y0 + 1, source.Height() - 1);
        const float wy = fy - static_cast<float>(y0);
        for (int x = 0; x < target.Width(); ++x) {
            const float fx = std::clamp((static_cast<float>(x) + kHalf) * stepX - kHalf, 0.0f,
                                        static_cast<float>(source.Width() - 1));
            const int x0 = static_cast<int>(fx);
            const int x1 = std::min(x0 + 1, source.Width() - 1);
            const float wx = fx - static_cast<float>(x0);
            const std::uint8_t* corners[4] = {source.Pixel(x0, y0), source.Pixel(x1, y0), source.Pixel(x0, y1),
                                              source.Pixel(x1, y1)};
            const float weights[4] = {(1 - wx) * (1 - wy), wx * (1 - wy), (1 - wx) * wy, wx * wy};
            float sum[kChannels] = {0, 0, 0, 0};
            for (int i = 0; i < 4; ++i) {
                const float alpha = corners[i][kAlpha] * weights[i];
                for (int c = 0; c < kAlpha; ++c) sum[c] += corners[i][c] * alpha;
                sum[kAlpha] += alpha;
            }
            std::uint8_t* out = target.Pixel(x, y);
            for (int c = 0; c < kAlpha; ++c)
                out[c] =
                    sum[kAlpha] > 0 ? static_cast<std::uint8_t>(std::min(255.0f, sum[c] / sum[kAlpha] + kHalf)) : 0;
            out[kAlpha] = static_cast<std::uint8_t>(std::min(255.0f, sum[kAlpha] + kHalf));
        }
    }
    return target;
}

}  // namespace

bool TImageAdv::Create(HWND parent, int x, int y, int width, int height) {
    if (!CreateFormWindow("TImageAdv", "", WS_CHILD | WS_VISIBLE, 0, parent)) return false;
    ::SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

LRESULT TImageAdv::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto fire = [](const Event& event) {
        if (event) event();
    };
    switch (message) {
        case WM_MOUSEMOVE:
            if (!m_tracking) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle(), 0};
                m_tracking = ::TrackMouseEvent(&track) != FALSE;
                fire(OnMouseEnter);
            }
            return 0;
        case WM_MOUSELEAVE:
            m_tracking = false;
            fire(OnMouseLeave);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_pressed = true;
            ::SetCapture(Handle());
            fire(OnMouseDown);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = m_pressed;
            m_pressed = false;
            if (::GetCapture() == Handle()) ::ReleaseCapture();
            const LifeWatch life = WatchLife();
            fire(OnMouseUp);
            RECT client{};
            ::GetClientRect(Handle(), &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (life.Alive() && wasPressed && ::PtInRect(&client, at)) fire(OnClick);
            return 0;
        }
        case WM_PAINT: {
            // Nothing of its own to show: the box draws the button into its picture.
            const PaintDc validated(Handle());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefaultHandler(message, wParam, lParam);
    }
}

bool TAboutForm::FormCreate(HMODULE resources) {
    try {
        m_background96 = graphics::LoadRessBitmap("BITMAP_ABOUTFORM", resources);
        for (int i = 0; i < 3; ++i) m_buttons96[i] = graphics::LoadRessBitmap(kButtonPictures[i], resources);
    } catch (const graphics::GraphicsError&) {
        // Without its pictures the box stays a plain empty window: the tray's about command shows nothing.
        m_background96 = graphics::Picture();
    }
    m_background = m_background96;
    for (int i = 0; i < 3; ++i) m_buttons[i] = m_buttons96[i];
    m_dpi = kBaseDpi;
    if (!CreateFormWindow("TAboutForm", "Velpiners", WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW, nullptr)) return false;
    if (!m_background.Empty()) {
        ::SetWindowPos(Handle(), nullptr, 0, 0, m_background.Width(), m_background.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!m_closeButton.Create(Handle(), m_background.Width() - kButtonFromRight, kButtonTop, kButtonWidth,
                              kButtonHeight))
        return false;
    m_closeButton.OnMouseEnter = [this] { IAMouseEnter(); };
    m_closeButton.OnMouseLeave = [this] { IAMouseLeave(); };
    m_closeButton.OnMouseDown = [this] { IAMouseDown(); };
    m_closeButton.OnMouseUp = [this] { IAMouseUp(); };
    m_closeButton.OnClick = [this] { IAClick(); };
    m_closing = false;
    return true;
}

void TAboutForm::SetDpi(int dpi) {
    dpi = SaneDpi(dpi);
    if (dpi == m_dpi || m_background96.Empty()) return;
    m_dpi = dpi;
    const auto scaled = [dpi](const graphics::Picture& picture) {
        return dpi == kBaseDpi
                   ? picture
                   : ScaledStraightAlpha(picture, Scale(picture.Width(), dpi), Scale(picture.Height(), dpi));
    };
    m_background = scaled(m_background96);
    for (int i = 0; i < 3; ++i) m_buttons[i] = scaled(m_buttons96[i]);
    ::SetWindowPos(Handle(), nullptr, 0, 0, m_background.Width(), m_background.Height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(m_closeButton.Handle(), nullptr, m_background.Width() - Scale(kButtonFromRight, dpi),
                   Scale(kButtonTop, dpi), Scale(kButtonWidth, dpi), Scale(kButtonHeight, dpi),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (::IsWindowVisible(Handle())) Draw(m_shown);
}

void TAboutForm::FormShow() {
    if (m_background.Empty()) return;
    POINT pointer{};
    ::GetCursorPos(&pointer);
    HMONITOR monitor = ::MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    SetDpi(DpiOfMonitor(monitor));
    CentreOnWorkArea(Handle(), monitor);
    m_closing = false;
    m_pressed = false;
    m_pointerOver = false;
    Draw(ButtonState::kNormal);
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
}

void TAboutForm::Draw(ButtonState state) {
    if (m_closing || m_background.Empty()) return;
    m_shown = state;
    m_buffer.Assign(m_background);
    graphics::Picture& buffer = m_buffer.Pixels();
    graphics::DrawAlphaOver32(m_buttons[static_cast<int>(state)], buffer,
                              m_background.Width() - Scale(kButtonFromRight, m_dpi), Scale(kButtonTop, m_dpi));
    // The pictures are straight alpha; the layered window shows premultiplied colours.
    graphics::PremultiplyAlpha(buffer);
    Present();
}

void TAboutForm::Present() {
    graphics::Picture& buffer = m_buffer.Pixels();
    if (buffer.Width() <= 1 || m_background.Empty()) return;
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    POINT destination{rect.left, rect.top};
    SIZE size{buffer.Width(), buffer.Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, kOpaque, AC_SRC_ALPHA};
    const WindowDc screen(nullptr);
    ::UpdateLayeredWindow(Handle(), screen.get(), &destination, &size, m_buffer.Dc(), &source, 0, &blend, ULW_ALPHA);
}

void TAboutForm::IAMouseEnter() {
    m_pointerOver = true;
    Draw(ButtonState::kLit);
}

void TAboutForm::IAMouseLeave() {
    if (!m_pressed) Draw(ButtonState::kNormal);
    m_pointerOver = false;
}

void TAboutForm::IAMouseDown() {
    m_pressed = true;
    Draw(ButtonState::kPressed);
}

void TAboutForm::IAMouseUp() {
    m_pressed = false;
    Draw(m_pointerOver ? ButtonState::kLit : ButtonState::kNormal);
}

void TAboutForm::IAClick() {
    m_closing = true;
    ::ShowWindow(Handle(), SW_HIDE);
}

void TAboutForm::FormMouseDown(int button) {
    if (button == WM_RBUTTONDOWN) return;
    // Dragged by any other button: the platform's move loop runs until the button goes up.
    ::ReleaseCapture();
    ::SendMessageA(Handle(), WM_SYSCOMMAND, kDragByCaption, 0);
}

LRESULT TAboutForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
        case WM_NCPAINT:
            Present();
            break;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            FormMouseDown(static_cast<int>(message));
            return 0;
        case WM_CLOSE:
            // Alt+F4 and the system close hide the box as its button does.
            IAClick();
            return 0;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace velpiners
