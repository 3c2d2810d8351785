#include "graphics/dib_bitmap_win.h"

#include <cstring>
#include <vector>

namespace velpiners {

UniqueBitmap CreateDibFromPicture(const graphics::Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();  // top-down: row 0 first, like the picture
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(picture.BitsPerPixel());
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) throw graphics::GraphicsError("Cannot create a bitmap");
    const std::size_t stride =
        static_cast<std::size_t>(graphics::Picture::OwnedStride(picture.Width(), picture.BitsPerPixel()));
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < picture.Height(); ++y)
        std::memcpy(rows + stride * static_cast<std::size_t>(y), picture.Row(y), picture.RowBytes());
    ::GdiFlush();
    return bitmap;
}

UniqueBitmap CreateMaskFromPicture(const graphics::Picture& mask) {
    // Monochrome device bitmaps have rows padded to 16 bits, most significant bit first.
    const std::size_t stride = (static_cast<std::size_t>(mask.Width()) + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(mask.Height()), 0);
    const int bytesPerPixel = mask.BytesPerPixel();
    for (int y = 0; y < mask.Height(); ++y) {
        const std::uint8_t* pixel = mask.Row(y);
        std::uint8_t* row = bits.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < mask.Width(); ++x, pixel += bytesPerPixel) {
            if (pixel[0] + pixel[1] + pixel[2] >= 3 * 128) row[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
        }
    }
    UniqueBitmap bitmap(::CreateBitmap(mask.Width(), mask.Height(), 1, 1, bits.data()));
    if (!bitmap) throw graphics::GraphicsError("Cannot create a bitmap");
    return bitmap;
}

}  // namespace velpiners
