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
#include "graphics/dib_section_win.h"
#include "base/unique_handle_win.h"

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
    void Release();

    [[nodiscard]] HDC Dc() const { return m_dc.get(); }
    [[nodiscard]] int Width() const { return m_section.Width(); }
    [[nodiscard]] int Height() const { return m_section.Height(); }
    [[nodiscard]] int BitsPerPixel() const { return m_section.BitsPerPixel(); }
    // The pixels, after every pending GDI drawing has reached them.
    [[nodiscard]] graphics::Picture& Pixels() { return m_section.Pixels(); }

    // Copies a picture of the same depth into the surface, resizing it to the picture's size.
    void Assign(const graphics::Picture& picture);

private:
    // A section can be deleted only out of the context: the context's own bitmap goes back in first.
    void Deselect();
    void Select();

    UniqueMemoryDc m_dc;
    DibSection m_section;
    HGDIOBJ m_originalBitmap = nullptr;
};

}  // namespace velpiners
