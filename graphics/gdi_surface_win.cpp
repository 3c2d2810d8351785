#include "graphics/gdi_surface_win.h"

#include <cstring>

namespace velpiners {

GdiSurface::GdiSurface(int bitsPerPixel) : m_dc(::CreateCompatibleDC(nullptr)), m_section(bitsPerPixel) {
    if (!m_dc) throw graphics::GraphicsError("Cannot create a device context");
    Resize(1, 1);
}

GdiSurface::~GdiSurface() { Deselect(); }

void GdiSurface::Resize(int width, int height) {
    if (m_section.Holds(width, height)) {
        m_section.Resize(width, height);
        return;
    }
    Deselect();
    try {
        m_section.Resize(width, height);
    } catch (...) {
        Select();  // the section is as it was
        throw;
    }
    Select();
}

void GdiSurface::Release() {
    Deselect();
    m_section.Release();
    m_section.Resize(1, 1);
    Select();
}

void GdiSurface::Deselect() {
    if (m_originalBitmap != nullptr) ::SelectObject(m_dc.get(), m_originalBitmap);
}

void GdiSurface::Select() {
    HGDIOBJ previous = ::SelectObject(m_dc.get(), m_section.Bitmap());
    if (m_originalBitmap == nullptr) m_originalBitmap = previous;
}

void GdiSurface::Assign(const graphics::Picture& picture) {
    if (picture.BitsPerPixel() != BitsPerPixel()) throw graphics::GraphicsError("Picture depth mismatch");
    Resize(picture.Width() > 0 ? picture.Width() : 1, picture.Height() > 0 ? picture.Height() : 1);
    if (picture.Empty()) return;
    graphics::Picture& pixels = m_section.Pixels();
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(pixels.Row(y), picture.Row(y), picture.RowBytes());
}

}  // namespace velpiners
