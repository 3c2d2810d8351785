// A top-down DIB section seen as a graphics::Picture, without a device context of its own: to hand it to
// GDI (as the source of a layered-window update), select it into a context for the call. A window that
// keeps its picture between paints needs the pixels, not a context (a memory context costs far more to make
// than the section, under Wine an X graphics context each).
//
// Resizing to a size the current section can hold reuses it (the view covers its top-left part); a larger
// size makes a new section of exactly that size.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/picture.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class DibSection {
public:
    // No section yet: an empty picture of the given depth (24 or 32 bits).
    explicit DibSection(int bitsPerPixel = 32);

    // New size (at least 1 x 1), every byte 0. Throws graphics::GraphicsError for sizes out of range or
    // when GDI fails.
    void Resize(int width, int height);
    // Gives the section back.
    void Release();
    // Whether a resize to this size keeps the current section.
    [[nodiscard]] bool Holds(int width, int height) const {
        return m_bits != nullptr && width <= m_capacityWidth && height <= m_capacityHeight;
    }

    // The section (nullptr before the first Resize).
    [[nodiscard]] HBITMAP Bitmap() const { return m_bitmap.get(); }
    [[nodiscard]] int Width() const { return m_pixels.Width(); }
    [[nodiscard]] int Height() const { return m_pixels.Height(); }
    [[nodiscard]] int BitsPerPixel() const { return m_bitsPerPixel; }
    // The pixels, after every pending GDI drawing has reached them.
    [[nodiscard]] graphics::Picture& Pixels();

private:
    int m_bitsPerPixel;
    int m_capacityWidth = 0;
    int m_capacityHeight = 0;
    std::uint8_t* m_bits = nullptr;
    UniqueBitmap m_bitmap;
    graphics::Picture m_pixels;
};

}  // namespace velpiners
