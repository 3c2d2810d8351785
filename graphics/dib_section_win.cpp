#include "graphics/dib_section_win.h"

#include <cstring>

namespace velpiners {

DibSection::DibSection(int bitsPerPixel) : m_bitsPerPixel(bitsPerPixel), m_pixels(0, 0, bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) throw graphics::GraphicsError("Unsupported surface format");
}

void DibSection::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > graphics::kMaxPictureDimension || height > graphics::kMaxPictureDimension)
        throw graphics::GraphicsError("Picture size out of range");
    ::GdiFlush();
    if (!Holds(width, height)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row, as in our pictures
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(m_bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap || bits == nullptr) throw graphics::GraphicsError("Cannot create a bitmap");
        m_bitmap = std::move(bitmap);
        m_bits = static_cast<std::uint8_t*>(bits);
        m_capacityWidth = width;
        m_capacityHeight = height;
        // CreateDIBSection zeroes the bits.
        m_pixels = graphics::Picture::View(m_bits, width, height, graphics::Picture::OwnedStride(width, m_bitsPerPixel),
                                           m_bitsPerPixel);
        return;
    }
    m_pixels = graphics::Picture::View(m_bits, width, height,
                                       graphics::Picture::OwnedStride(m_capacityWidth, m_bitsPerPixel), m_bitsPerPixel);
    for (int y = 0; y < height; ++y) std::memset(m_pixels.Row(y), 0, m_pixels.RowBytes());
}

void DibSection::Release() {
    m_bitmap.reset();
    m_bits = nullptr;
    m_capacityWidth = m_capacityHeight = 0;
    m_pixels = graphics::Picture(0, 0, m_bitsPerPixel);
}

graphics::Picture& DibSection::Pixels() {
    ::GdiFlush();
    return m_pixels;
}

}  // namespace velpiners
