// Windows BMP files in memory: reading (1- and 8-bit palette, 24- and 32-bit; bottom-up and top-down)
// into a Picture, and writing Pictures and palette pictures back as BMP files.
//
// Reading trusts nothing: every size, offset and palette count is checked against the buffer, and
// pictures larger than kMaxPictureDimension either way are refused with GraphicsError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::graphics {

// The reader's sizes, for callers that bound a BMP file before they hold it.
inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpLargestInfoHeaderSize = 124;  // BITMAPV5HEADER
inline constexpr std::size_t kBmpMaxPaletteColors = 256;
inline constexpr std::size_t kBmpPaletteEntrySize = 4;
inline constexpr std::size_t kBmpMaxBytesPerPixel = 4;  // 32-bit rows, which need no padding
// Every header the reader looks at (the largest information header holds the colour masks) lies within this
// many bytes from the start of the file.
inline constexpr std::size_t kBmpHeadersBytes = kBmpFileHeaderSize + kBmpLargestInfoHeaderSize;

// The largest BMP file of a width x height picture without gaps or trailing bytes: the largest information
// header, a whole 256-colour table and 32-bit rows. Width and height at most kMaxPictureDimension.
constexpr std::size_t LargestBmpFileSize(int width, int height) {
    return kBmpFileHeaderSize + kBmpLargestInfoHeaderSize + kBmpMaxPaletteColors * kBmpPaletteEntrySize +
           static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kBmpMaxBytesPerPixel;
}

// What the file held, before conversion.
struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 1, 8, 24 or 32 as stored
    bool topDown = false;
    // The most bytes a file with these headers has a use for: the headers, the colour table they announce
    // and every row with its padding. A longer file carries bytes between or after them that nothing reads.
    std::uint64_t neededBytes = 0;
};

// Reads a complete BMP file. 32-bit files give a 32-bit picture (the fourth byte as stored); 24-bit
// files a 24-bit picture; 1- and 8-bit files are expanded through their palette to a 24-bit picture.
// Throws GraphicsError with a clear text on anything malformed.
Picture DecodeBmp(const std::uint8_t* data, std::size_t size, BmpInfo* info = nullptr);
inline Picture DecodeBmp(const std::vector<std::uint8_t>& file, BmpInfo* info = nullptr) {
    return DecodeBmp(file.data(), file.size(), info);
}

// Checks a complete BMP file exactly as DecodeBmp does (headers, colour table, every row present) and
// reports what it holds, without decoding or allocating the picture. Throws what DecodeBmp would throw.
BmpInfo PeekBmp(const std::uint8_t* data, std::size_t size);

// Checks what the headers alone decide, from the first bytes of a file (its first kBmpHeadersBytes, or the
// whole file when it is shorter), before the rest of it is at hand. What it throws, DecodeBmp throws for
// the whole file too; what it reports, PeekBmp reports.
BmpInfo PeekBmpHeaders(const std::uint8_t* data, std::size_t size);

// Writes a bottom-up BMP file (14-byte file header, 40-byte information header, no compression) with
// the picture's own depth (24 or 32 bits).
std::vector<std::uint8_t> EncodeBmp(const Picture& picture);

// Writes a palette BMP of 1 or 8 bits: `indices` holds width*height palette indices, row 0 at the top;
// `palette` holds the colours as 0x00RRGGBB values (at most 2 or 256 of them).
std::vector<std::uint8_t> EncodeIndexedBmp(int width, int height, int bitsPerPixel,
                                           const std::vector<std::uint32_t>& palette,
                                           const std::vector<std::uint8_t>& indices);

}  // namespace velpiners::graphics
