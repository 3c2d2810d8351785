// BMP reading and writing. The reader checks every header field against the buffer before it allocates
// the picture: the rows the header promises must be present in the file, so the allocation never exceeds
// what the file justifies. Palette indices beyond the stored colour table read as black, as GDI shows them.
#include "graphics/bmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "graphics/byte_order.h"

namespace velpiners::graphics {
namespace {

constexpr std::size_t kFileHeaderSize = kBmpFileHeaderSize;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::size_t kPaletteColorBytes = 3;  // B, G, R of a table entry; the fourth byte is unused

[[noreturn]] void Invalid(const std::string& why) { throw GraphicsError("Bitmap image is not valid: " + why); }

bool KnownInfoHeaderSize(std::uint32_t size) {
    // BITMAPINFOHEADER, the two Adobe extensions, BITMAPV4HEADER and BITMAPV5HEADER.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == kBmpLargestInfoHeaderSize;
}

std::uint64_t StrideOf(std::uint64_t width, std::uint64_t bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The only bit fields accepted are the ones that describe plain B, G, R(, A) bytes.
void CheckStandardMasks(const std::uint8_t* data, std::size_t size, std::uint32_t headerSize) {
    if (size < kMasksOffset + 12) Invalid("colour masks past the end of the file");
    const std::uint32_t red = ReadLe32(data + kMasksOffset);
    const std::uint32_t green = ReadLe32(data + kMasksOffset + 4);
    const std::uint32_t blue = ReadLe32(data + kMasksOffset + 8);
    if (red != 0x00FF0000u || green != 0x0000FF00u || blue != 0x000000FFu) Invalid("unsupported colour masks");
    if (headerSize >= 56) {
        const std::uint32_t alpha = ReadLe32(data + kMasksOffset + 12);
        if (alpha != 0 && alpha != 0xFF000000u) Invalid("unsupported alpha mask");
    }
}

void AppendHeaders(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel, std::uint32_t paletteCount,
                   std::uint32_t imageSize) {
    const std::uint32_t offBits = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize) + 4 * paletteCount;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    AppendLe32(out, offBits + imageSize);
    AppendLe32(out, 0);  // two reserved words
    AppendLe32(out, offBits);
    AppendLe32(out, static_cast<std::uint32_t>(kInfoHeaderSize));
    AppendLe32(out, static_cast<std::uint32_t>(width));
    AppendLe32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    AppendLe16(out, 1);                                   // planes
    AppendLe16(out, static_cast<std::uint32_t>(bitsPerPixel));
    AppendLe32(out, kCompressionNone);
    AppendLe32(out, imageSize);
    AppendLe32(out, 0);  // horizontal resolution
    AppendLe32(out, 0);  // vertical resolution
    AppendLe32(out, paletteCount);
    AppendLe32(out, 0);  // all colours important
}

void CheckWritableSize(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxPictureDimension || height > kMaxPictureDimension)
        throw GraphicsError("Cannot write a bitmap of " + std::to_string(width) + "x" + std::to_string(height) +
                            " pixels");
}

// Everything the headers say, checked against the buffer: once ReadLayout returns, reading the colour table
// and every row stays inside the file. Nothing is allocated, so a size can be judged before it is decoded.
struct Layout {
    BmpInfo info;
    std::uint32_t offBits = 0;
    std::size_t paletteStart = 0;
    std::size_t paletteCount = 0;  // colours to read from the table (1- and 8-bit files)
    std::uint64_t stride = 0;
};

// The checks the headers decide alone, first, so that the first kBmpHeadersBytes of a file fail exactly as
// the whole file does.
Layout ReadHeaders(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kFileHeaderSize + 4) Invalid("the file is too short");
    if (data[0] != 'B' || data[1] != 'M') Invalid("no BM signature");
    const std::uint32_t offBits = ReadLe32(data + 10);
    const std::uint32_t headerSize = ReadLe32(data + 14);
    if (!KnownInfoHeaderSize(headerSize))
        Invalid("unsupported information header of " + std::to_string(headerSize) + " bytes");
    if (size < kFileHeaderSize + headerSize) Invalid("the information header runs past the end of the file");

    const std::int32_t width = ReadLe32Signed(data + 18);
    const std::int32_t rawHeight = ReadLe32Signed(data + 22);
    const int bits = ReadLe16(data + 28);
    const std::uint32_t compression = ReadLe32(data + 30);
    const std::uint32_t colorsUsed = ReadLe32(data + 46);

    if (bits != 1 && bits != 8 && bits != 24 && bits != 32)
        Invalid("unsupported depth of " + std::to_string(bits) + " bits");
    if (compression == kCompressionBitfields && bits == 32) {
        CheckStandardMasks(data, size, headerSize);
    } else if (compression != kCompressionNone) {
        Invalid("compressed bitmaps are not supported");
    }

    // 64-bit arithmetic so that INT_MIN and products of huge fields cannot overflow.
    const std::int64_t height64 = rawHeight < 0 ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height64 == 0) Invalid("empty or negative size");
    if (width > kMaxPictureDimension || height64 > kMaxPictureDimension) Invalid("the picture is too large");
    const int height = static_cast<int>(height64);

    Layout layout;
    layout.info.width = width;
    layout.info.height = height;
    layout.info.bitsPerPixel = bits;
    layout.info.topDown = rawHeight < 0;
    layout.offBits = offBits;

    // Bit fields after a 40-byte header take 12 bytes before the colour table; larger headers hold them.
    layout.paletteStart =
        kFileHeaderSize + headerSize + (headerSize == kInfoHeaderSize && compression == kCompressionBitfields ? 12 : 0);
    if (offBits < layout.paletteStart) Invalid("the pixel data overlap the headers");

    // The table a header announces: all the colours of its depth unless it names fewer; a 24- or 32-bit
    // file may carry one it does not need (at most as large as an 8-bit file's).
    std::uint64_t tableColors = std::min<std::uint64_t>(colorsUsed, kBmpMaxPaletteColors);
    if (bits <= 8) {
        const std::uint32_t maxColors = 1u << bits;
        const std::size_t room = (offBits - layout.paletteStart) / kBmpPaletteEntrySize;
        if (colorsUsed == 0) {
            layout.paletteCount = room < maxColors ? room : maxColors;
        } else {
            if (colorsUsed > maxColors) Invalid("more colours than the depth allows");
            if (colorsUsed > room) Invalid("the colour table runs into the pixel data");
            layout.paletteCount = colorsUsed;
        }
        if (layout.paletteCount == 0) Invalid("no colour table");
        tableColors = colorsUsed == 0 ? maxColors : colorsUsed;
    }

    layout.stride = StrideOf(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(bits));
    layout.info.neededBytes =
        layout.paletteStart + tableColors * kBmpPaletteEntrySize + layout.stride * static_cast<std::uint64_t>(height);
    return layout;
}

Layout ReadLayout(const std::uint8_t* data, std::size_t size) {
    const Layout layout = ReadHeaders(data, size);
    if (layout.offBits > size) Invalid("the pixel data start past the end of the file");
    // The last row may lack its padding; every other row is a whole stride.
    const std::uint64_t lastRowBytes =
        (static_cast<std::uint64_t>(layout.info.width) * static_cast<std::uint64_t>(layout.info.bitsPerPixel) + 7) / 8;
    const std::uint64_t needed = layout.stride * static_cast<std::uint64_t>(layout.info.height - 1) + lastRowBytes;
    if (size - layout.offBits < needed) Invalid("the pixel data are truncated");
    return layout;
}

}  // namespace

Picture DecodeBmp(const std::uint8_t* data, std::size_t size, BmpInfo* info) {
    const Layout layout = ReadLayout(data, size);
    const int width = layout.info.width;
    const int height = layout.info.height;
    const int bits = layout.info.bitsPerPixel;

    // Entry i of the table is colour i (B, G, R); indices past the stored table stay black.
    std::array<std::uint8_t, kBmpMaxPaletteColors * kPaletteColorBytes> palette{};
    for (std::size_t i = 0; i < layout.paletteCount; ++i)
        std::memcpy(&palette[i * kPaletteColorBytes], data + layout.paletteStart + i * kBmpPaletteEntrySize,
                    kPaletteColorBytes);

    Picture picture(width, height, bits == 32 ? 32 : 24);
    const std::uint8_t* pixels = data + layout.offBits;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* src = pixels + static_cast<std::size_t>(layout.stride) * static_cast<std::size_t>(row);
        std::uint8_t* dst = picture.Row(layout.info.topDown ? row : height - 1 - row);
        if (bits >= 24) {
            std::memcpy(dst, src, picture.RowBytes());
        } else if (bits == 8) {
            for (int x = 0; x < width; ++x) std::memcpy(dst + 3 * x, &palette[src[x] * 3u], 3);
        } else {
            for (int x = 0; x < width; ++x) {
                const unsigned index = (src[x >> 3] >> (7 - (x & 7))) & 1u;
                std::memcpy(dst + 3 * x, &palette[index * 3u], 3);
            }
        }
    }

    if (info != nullptr) *info = layout.info;
    return picture;
}

BmpInfo PeekBmp(const std::uint8_t* data, std::size_t size) { return ReadLayout(data, size).info; }

BmpInfo PeekBmpHeaders(const std::uint8_t* data, std::size_t size) {
    return ReadHeaders(data, std::min(size, kBmpHeadersBytes)).info;
}

std::vector<std::uint8_t> EncodeBmp(const Picture& picture) {
    CheckWritableSize(picture.Width(), picture.Height());
    const int bits = picture.BitsPerPixel();
    const std::size_t stride = static_cast<std::size_t>(Picture::OwnedStride(picture.Width(), bits));
    const std::size_t padding = stride - picture.RowBytes();
    std::vector<std::uint8_t> out;
    AppendHeaders(out, picture.Width(), picture.Height(), bits, 0,
                  static_cast<std::uint32_t>(stride * static_cast<std::size_t>(picture.Height())));
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.Row(y);
        out.insert(out.end(), row, row + picture.RowBytes());
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeIndexedBmp(int width, int height, int bitsPerPixel,
                                           const std::vector<std::uint32_t>& palette,
                                           const std::vector<std::uint8_t>& indices) {
    if (bitsPerPixel != 1 && bitsPerPixel != 8) throw GraphicsError("Palette bitmaps have 1 or 8 bits per pixel");
    CheckWritableSize(width, height);
    const std::size_t maxColors = std::size_t{1} << bitsPerPixel;
    if (palette.empty() || palette.size() > maxColors)
        throw GraphicsError("A " + std::to_string(bitsPerPixel) + "-bit palette holds 1 to " +
                            std::to_string(maxColors) + " colours");
    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (indices.size() != pixelCount) throw GraphicsError("The palette indices do not match the picture size");
    for (std::uint8_t index : indices)
        if (index >= palette.size()) throw GraphicsError("A palette index lies beyond the palette");

    const std::size_t stride =
        static_cast<std::size_t>(StrideOf(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(bitsPerPixel)));
    std::vector<std::uint8_t> out;
    AppendHeaders(out, width, height, bitsPerPixel, static_cast<std::uint32_t>(palette.size()),
                  static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    for (std::uint32_t color : palette) {
        out.push_back(static_cast<std::uint8_t>(color & 0xFF));
        out.push_back(static_cast<std::uint8_t>((color >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>((color >> 16) & 0xFF));
        out.push_back(0);
    }
    std::vector<std::uint8_t> row(stride);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* src = indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        std::fill(row.begin(), row.end(), 0);
        if (bitsPerPixel == 8) {
            std::memcpy(row.data(), src, static_cast<std::size_t>(width));
        } else {
            for (int x = 0; x < width; ++x)
                if (src[x] != 0) row[static_cast<std::size_t>(x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace velpiners::graphics
