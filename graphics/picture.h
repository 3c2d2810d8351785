// The picture type shared by every pixel routine: 24-bit (B, G, R) or 32-bit (B, G, R, A) pixels,
// row 0 at the top, rows addressed through Row(y).
//
// A Picture either owns its pixels (rows padded to 4 bytes, like a DIB) or is a view onto foreign
// memory such as a DIB section, so GDI and our code can work on one buffer. Copying always makes an
// owned deep copy (a view's copy owns its pixels); moving keeps ownership or the view as it is.
// Dimensions are bounded by kMaxPictureDimension so a size read from a file can never make us
// allocate without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace velpiners::graphics {

// Thrown by readers of outside data (BMP, packs, zlib) and by size checks; `what()` is the text the
// error box shows.
class GraphicsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kMaxPictureDimension = 16384;

class Picture {
public:
    Picture() = default;

    // An owned picture with every byte 0. Width or height 0 gives an empty picture of that format.
    Picture(int width, int height, int bitsPerPixel) { Reset(width, height, bitsPerPixel); }

    // A view onto memory the caller keeps alive; `stride` is the distance in bytes from one row to the
    // next (negative for a bottom-up buffer seen through its top row).
    static Picture View(std::uint8_t* topRow, int width, int height, std::ptrdiff_t stride, int bitsPerPixel) {
        CheckFormat(width, height, bitsPerPixel);
        Picture view;
        view.m_top = topRow;
        view.m_width = width;
        view.m_height = height;
        view.m_stride = stride;
        view.m_bitsPerPixel = bitsPerPixel;
        return view;
    }

    Picture(const Picture& other) { CopyFrom(other); }
    Picture& operator=(const Picture& other) {
        if (this != &other) CopyFrom(other);
        return *this;
    }
    Picture(Picture&& other) noexcept { MoveFrom(other); }
    Picture& operator=(Picture&& other) noexcept {
        if (this != &other) MoveFrom(other);
        return *this;
    }

    // Makes this an owned, zeroed picture of the given size and format (dropping a view).
    void Reset(int width, int height, int bitsPerPixel) {
        CheckFormat(width, height, bitsPerPixel);
        const std::ptrdiff_t stride = OwnedStride(width, bitsPerPixel);
        m_storage.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
        m_top = m_storage.empty() ? nullptr : m_storage.data();
        m_width = width;
        m_height = height;
        m_stride = stride;
        m_bitsPerPixel = bitsPerPixel;
    }

    // Owned pictures: keeps the format, new size, all bytes 0. Views cannot change size.
    void SetSize(int width, int height) {
        if (!OwnsPixels() && m_top != nullptr) throw GraphicsError("A picture view cannot change its size");
        Reset(width, height, m_bitsPerPixel);
    }

    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] int BitsPerPixel() const { return m_bitsPerPixel; }
    [[nodiscard]] int BytesPerPixel() const { return m_bitsPerPixel / 8; }
    [[nodiscard]] std::ptrdiff_t Stride() const { return m_stride; }
    [[nodiscard]] bool Empty() const { return m_width == 0 || m_height == 0; }
    [[nodiscard]] bool OwnsPixels() const { return m_top == nullptr || m_top == m_storage.data(); }

    [[nodiscard]] std::uint8_t* Row(int y) { return m_top + m_stride * y; }
    [[nodiscard]] const std::uint8_t* Row(int y) const { return m_top + m_stride * y; }
    [[nodiscard]] std::uint8_t* Pixel(int x, int y) { return Row(y) + x * BytesPerPixel(); }
    [[nodiscard]] const std::uint8_t* Pixel(int x, int y) const { return Row(y) + x * BytesPerPixel(); }

    // Bytes of one row that hold pixels (no padding).
    [[nodiscard]] std::size_t RowBytes() const {
        return static_cast<std::size_t>(m_width) * static_cast<std::size_t>(BytesPerPixel());
    }

    static std::ptrdiff_t OwnedStride(int width, int bitsPerPixel) {
        return ((static_cast<std::ptrdiff_t>(width) * bitsPerPixel + 31) / 32) * 4;
    }

private:
    static void CheckFormat(int width, int height, int bitsPerPixel) {
        if (bitsPerPixel != 24 && bitsPerPixel != 32) throw GraphicsError("Unsupported picture format");
        if (width < 0 || height < 0 || width > kMaxPictureDimension || height > kMaxPictureDimension)
            throw GraphicsError("Picture size out of range");
    }

    void CopyFrom(const Picture& other) {
        Reset(other.m_width, other.m_height, other.m_bitsPerPixel);
        for (int y = 0; y < m_height; ++y) std::memcpy(Row(y), other.Row(y), RowBytes());
    }

    void MoveFrom(Picture& other) {
        const bool owned = other.OwnsPixels();
        m_storage = std::move(other.m_storage);
        m_top = owned ? (m_storage.empty() ? nullptr : m_storage.data()) : other.m_top;
        m_width = other.m_width;
        m_height = other.m_height;
        m_stride = other.m_stride;
        m_bitsPerPixel = other.m_bitsPerPixel;
        other.m_storage.clear();
        other.m_top = nullptr;
        other.m_width = other.m_height = 0;
        other.m_stride = 0;
    }

    std::vector<std::uint8_t> m_storage;
    std::uint8_t* m_top = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::ptrdiff_t m_stride = 0;
    int m_bitsPerPixel = 32;
};

}  // namespace velpiners::graphics
