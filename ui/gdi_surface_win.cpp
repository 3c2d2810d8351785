#include "ui/gdi_surface_win.h"

#include <cstring>

namespace velpiners {

GdiSurface::GdiSurface(int bitsPerPixel) : m_bitsPerPixel(bitsPerPixel), m_dc(::CreateCompatibleDC(nullptr)) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) throw graphics::GraphicsError("Unsupported surface format");
    if (!m_dc) throw graphics::GraphicsError("Cannot create a device context");
    Resize(1, 1);
}

GdiSurface::~GdiSurface() {
    // The DIB section must leave the DC before either is deleted.
    if (m_originalBitmap != nullptr) ::SelectObject(m_dc.get(), m_originalBitmap);
}

void GdiSurface::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > graphics::kMaxPictureDimension || height > graphics::kMaxPictureDimension)
        throw graphics::GraphicsError("Picture size out of range");
    if (m_bits == nullptr || width > m_capacityWidth || height > m_capacityHeight) {
        MakeSection(width, height);
        return;
    }
    ::GdiFlush();
    const std::ptrdiff_t stride = graphics::Picture::OwnedStride(m_capacityWidth, m_bitsPerPixel);
    m_pixels = graphics::Picture::View(m_bits, width, height, stride, m_bitsPerPixel);
    for (int y = 0; y < height; ++y) std::memset(m_pixels.Row(y), 0, m_pixels.RowBytes());
}

void GdiSurface::MakeSection(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row, as in our pictures
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(m_bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) throw graphics::GraphicsError("Cannot create a bitmap");

    HGDIOBJ previous = ::SelectObject(m_dc.get(), bitmap.get());
    if (m_originalBitmap == nullptr) m_originalBitmap = previous;
    m_bitmap = std::move(bitmap);  // the old section is out of the DC now and can go

    const std::ptrdiff_t stride = graphics::Picture::OwnedStride(width, m_bitsPerPixel);
    m_bits = static_cast<std::uint8_t*>(bits);
    m_capacityWidth = width;
    m_capacityHeight = height;
    m_pixels = graphics::Picture::View(m_bits, width, height, stride, m_bitsPerPixel);
    // CreateDIBSection zeroes the bits; a fresh surface is transparent black.
}

graphics::Picture& GdiSurface::Pixels() {
    ::GdiFlush();
    return m_pixels;
}

void GdiSurface::Assign(const graphics::Picture& picture) {
    if (picture.BitsPerPixel() != m_bitsPerPixel) throw graphics::GraphicsError("Picture depth mismatch");
    Resize(picture.Width() > 0 ? picture.Width() : 1, picture.Height() > 0 ? picture.Height() : 1);
    if (picture.Empty()) return;
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(m_pixels.Row(y), picture.Row(y), picture.RowBytes());
}

}  // namespace velpiners
