// An image control: shows an opaque 24-bit picture (a GDI surface, so GDI text and the pixel routines draw
// into one buffer) at its top-left; what the picture does not cover shows the button face. The picture
// has a canvas font for text, "Tahoma" 8 points until set otherwise.
//
// The picture is drawn at 96 dots per inch, the size the control was given, whatever its form's
// resolution: on a scaled form the control stretches it over its window (what is drawn into it, the
// previews, stays the same pixels at any scale).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "graphics/picture.h"
#include "ui/control_win.h"
#include "graphics/gdi_surface_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class ImageControl : public Control {
public:
    static constexpr std::string_view kDefaultFace = "Tahoma";
    static constexpr int kDefaultPoints = 8;

    ImageControl() : m_surface(24) {}

    // Makes the control and sizes its picture to it.
    void Create(HWND parent, const Bounds& bounds);

    // The picture, sized to the control's place at 96 dots per inch, all black.
    void SizePictureToControl();
    [[nodiscard]] graphics::Picture& Picture() { return m_surface.Pixels(); }
    [[nodiscard]] HDC Canvas() const { return m_surface.Dc(); }
    [[nodiscard]] int Width() const { return m_surface.Width(); }
    [[nodiscard]] int Height() const { return m_surface.Height(); }

    // The canvas font (selected into Canvas()).
    void SetCanvasFont(std::string_view face, int points);
    [[nodiscard]] const std::string& CanvasFace() const { return m_face; }
    [[nodiscard]] int CanvasPoints() const { return m_points; }

    // Shows what was drawn.
    void Refresh() { Invalidate(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Declared first, so it goes after the canvas it is selected into.
    UniqueFont m_font;
    GdiSurface m_surface;
    std::string m_face;
    int m_points = 0;
};

}  // namespace velpiners
