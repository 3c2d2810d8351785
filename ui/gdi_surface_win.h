// A GDI surface: a top-down DIB section selected into its own memory device context, whose pixels are
// seen as a graphics::Picture view. GDI (text, fills) and our pixel code work on the same buffer with no
// copies; after GDI drawing, GdiFlush() is called before the pixels are read (Pixels() does it).
//
// Resizing to a size the current section can hold reuses it (the view covers its top-left part), so
// work surfaces that shrink between paints and grow again cost no new section each time; a larger size
// makes a new section of exactly that size.
#pragma once

#include <windows.h>

#include "graphics/picture.h"
#include "ui/unique_handle_win.h"

namespace velpiners {

class GdiSurface {
public:
    // An empty 1 x 1 surface of the given depth (24 or 32 bits).
    explicit GdiSurface(int bitsPerPixel = 32);
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    // New size, every byte 0. Throws graphics::GraphicsError for sizes out of range or when GDI fails.
    void Resize(int width, int height);
    // Gives the section back and keeps a 1 x 1 one (after a paint, so an idle window holds little).
    void Release() { MakeSection(1, 1); }

    [[nodiscard]] HDC Dc() const { return m_dc.get(); }
    [[nodiscard]] int Width() const { return m_pixels.Width(); }
    [[nodiscard]] int Height() const { return m_pixels.Height(); }
    [[nodiscard]] int BitsPerPixel() const { return m_bitsPerPixel; }
    // The pixels, after every pending GDI drawing has reached them.
    [[nodiscard]] graphics::Picture& Pixels();

    // Copies a picture of the same depth into the surface, resizing it to the picture's size.
    void Assign(const graphics::Picture& picture);

private:
    void MakeSection(int width, int height);

    int m_bitsPerPixel;
    int m_capacityWidth = 0;
    int m_capacityHeight = 0;
    std::uint8_t* m_bits = nullptr;
    UniqueMemoryDc m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_originalBitmap = nullptr;
    graphics::Picture m_pixels;
};

}  // namespace velpiners
