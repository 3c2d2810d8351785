// The about box TAboutForm: a borderless per-pixel-alpha window that shows the about picture with a close
// button drawn into it, and TImageAdv, the invisible control over the button that only catches the mouse
// and reports the pointer entering and leaving it. Shown (not modal) by the tray's about command; the user
// drags the box with any button but the right one and closes it with the button, which hides it for the
// next showing.
#pragma once

#include <windows.h>

#include <functional>

#include "graphics/picture.h"
#include "base/dpi.h"
#include "ui/form_win.h"
#include "graphics/gdi_surface_win.h"

namespace velpiners {

class TImageAdv : public Form {
public:
    using Event = std::function<void()>;

    bool Create(HWND parent, int x, int y, int width, int height);

    Event OnMouseEnter;
    Event OnMouseLeave;
    Event OnMouseDown;  // left button
    Event OnMouseUp;
    Event OnClick;  // released over the control after a press on it

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_tracking = false;
    bool m_pressed = false;
};

class TAboutForm : public Form {
public:
    enum class ButtonState { kNormal = 0, kLit = 1, kPressed = 2 };

    // Loads the pictures from `resources` (nullptr: the program itself) and makes the hidden window.
    bool FormCreate(HMODULE resources = nullptr);
    // Lays the box out for the monitor under the pointer, centres it on that monitor's work area, draws the
    // button normal and shows the box.
    void FormShow();
    // The pictures are drawn for 96 dots per inch; at another resolution the box shows them scaled (smoothly,
    // alpha and all) and its close button's place with them.
    void SetDpi(int dpi);
    [[nodiscard]] int Dpi() const { return m_dpi; }

    [[nodiscard]] ButtonState Shown() const { return m_shown; }
    [[nodiscard]] HWND CloseButton() const { return m_closeButton.Handle(); }
    // The picture last handed to the window: premultiplied, as a layered window shows it.
    [[nodiscard]] const graphics::Picture& Presented() { return m_buffer.Pixels(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(ButtonState state);
    void Present();
    void FormMouseDown(int button);
    void IAMouseEnter();
    void IAMouseLeave();
    void IAMouseDown();
    void IAMouseUp();
    void IAClick();

    // As loaded, at 96 dots per inch, and as shown at m_dpi.
    graphics::Picture m_background96;
    graphics::Picture m_buttons96[3];
    graphics::Picture m_background;
    graphics::Picture m_buttons[3];
    int m_dpi = kBaseDpi;
    GdiSurface m_buffer{32};
    TImageAdv m_closeButton;
    ButtonState m_shown = ButtonState::kNormal;
    bool m_pointerOver = false;
    bool m_pressed = false;
    bool m_closing = false;
};

}  // namespace velpiners
