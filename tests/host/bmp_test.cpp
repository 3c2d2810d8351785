// BMP files: round trips at every depth, the exact header the writer produces, the header variants the
// reader accepts, and hostile headers that must be refused without reading or allocating past the file.
#include "graphics/bmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/byte_order.h"

namespace velpiners::graphics {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe32(Bytes& file, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
void PutLe16(Bytes& file, std::size_t offset, std::uint16_t value) {
    file[offset] = static_cast<std::uint8_t>(value);
    file[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A picture whose every byte depends on its place, so swapped rows, columns or channels show.
Picture Pattern(int width, int height, int bits) {
    Picture p(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < p.BytesPerPixel(); ++c)
                p.Pixel(x, y)[c] = static_cast<std::uint8_t>(x * 7 + y * 31 + c * 64 + 1);
    return p;
}

void ExpectSamePixels(const Picture& a, const Picture& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    ASSERT_EQ(a.BitsPerPixel(), b.BitsPerPixel());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int c = 0; c < a.BytesPerPixel(); ++c)
                ASSERT_EQ(a.Pixel(x, y)[c], b.Pixel(x, y)[c]) << "x=" << x << " y=" << y << " c=" << c;
}

// B, G, R of pixel (x, y) of a decoded palette picture as 0x00RRGGBB.
std::uint32_t ColorAt(const Picture& p, int x, int y) {
    const std::uint8_t* px = p.Pixel(x, y);
    return (static_cast<std::uint32_t>(px[2]) << 16) | (static_cast<std::uint32_t>(px[1]) << 8) | px[0];
}

void ExpectInvalid(const Bytes& file) { EXPECT_THROW(DecodeBmp(file), GraphicsError); }

TEST(BmpTest, TrueColourRoundTripKeepsEveryByte) {
    // Widths 1..5 cover every amount of row padding at 24 bits.
    for (int bits : {24, 32}) {
        for (int width : {1, 2, 3, 4, 5, 17}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, width " << width);
            const Picture original = Pattern(width, 3, bits);
            BmpInfo info;
            const Picture decoded = DecodeBmp(EncodeBmp(original), &info);
            ExpectSamePixels(original, decoded);
            EXPECT_EQ(info.bitsPerPixel, bits);
            EXPECT_FALSE(info.topDown);
            EXPECT_EQ(info.width, width);
            EXPECT_EQ(info.height, 3);
        }
    }
}

TEST(BmpTest, WriterProducesBottomUpFileWithImageSize) {
    Picture p(3, 2, 24);      // stride 12: 9 pixel bytes and 3 of padding
    p.Pixel(0, 0)[0] = 0x11;  // top-left blue
    p.Pixel(0, 1)[2] = 0x22;  // bottom-left red
    const Bytes file = EncodeBmp(p);
    ASSERT_EQ(file.size(), 54u + 24u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(ReadLe32(&file[2]), 78u);   // file size
    EXPECT_EQ(ReadLe32(&file[6]), 0u);    // reserved
    EXPECT_EQ(ReadLe32(&file[10]), 54u);  // pixel offset
    EXPECT_EQ(ReadLe32(&file[14]), 40u);  // information header size
    EXPECT_EQ(ReadLe32(&file[18]), 3u);
    EXPECT_EQ(ReadLe32(&file[22]), 2u);  // positive height: bottom-up
    EXPECT_EQ(ReadLe16(&file[26]), 1u);  // planes
    EXPECT_EQ(ReadLe16(&file[28]), 24u);
    EXPECT_EQ(ReadLe32(&file[30]), 0u);   // no compression
    EXPECT_EQ(ReadLe32(&file[34]), 24u);  // image size
    EXPECT_EQ(ReadLe32(&file[46]), 0u);   // no colour table
    EXPECT_EQ(file[54 + 2], 0x22) << "the bottom row comes first";
    EXPECT_EQ(file[54 + 12], 0x11);
    EXPECT_EQ(file[54 + 9], 0) << "padding is zero";
}

TEST(BmpTest, EightBitPaletteRoundTripExpandsToTrueColour) {
    std::vector<std::uint32_t> grey(256);
    for (std::uint32_t i = 0; i < 256; ++i) grey[i] = i * 0x010101u;
    const int width = 7, height = 5;
    Bytes indices(width * height);
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i * 37);

    const Bytes file = EncodeIndexedBmp(width, height, 8, grey, indices);
    EXPECT_EQ(ReadLe32(&file[10]), 54u + 1024u);
    EXPECT_EQ(ReadLe32(&file[46]), 256u);
    EXPECT_EQ(ReadLe32(&file[34]), 8u * height);
    BmpInfo info;
    const Picture p = DecodeBmp(file, &info);
    EXPECT_EQ(info.bitsPerPixel, 8);
    ASSERT_EQ(p.BitsPerPixel(), 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ASSERT_EQ(ColorAt(p, x, y), grey[indices[y * width + x]]);
}

TEST(BmpTest, OneBitRowsPackMostSignificantBitFirst) {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF};
    const int width = 33, height = 2;  // 33 pixels: a fifth byte in each 8-byte row
    Bytes indices(width * height, 0);
    indices[0] = 1;           // top row, x = 0
    indices[width + 32] = 1;  // bottom row, x = 32
    indices[width + 9] = 1;   // bottom row, x = 9
    const Bytes file = EncodeIndexedBmp(width, height, 1, palette, indices);
    ASSERT_EQ(file.size(), 54u + 8u + 16u);
    const std::uint8_t* bottom = &file[62];
    EXPECT_EQ(bottom[0], 0x00);
    EXPECT_EQ(bottom[1], 0x40);     // x = 9
    EXPECT_EQ(bottom[4], 0x80);     // x = 32
    EXPECT_EQ(file[62 + 8], 0x80);  // top row, x = 0

    const Picture p = DecodeBmp(file);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(ColorAt(p, x, y), indices[y * width + x] ? 0xFFFFFFu : 0u) << x << "," << y;
}

TEST(BmpTest, PaletteIndicesPastTheTableReadAsBlack) {
    Bytes file = EncodeIndexedBmp(4, 1, 8, {0x102030, 0x405060, 0x708090}, {0, 1, 2, 2});
    file[54 + 12 + 2] = 200;  // third pixel points past the three stored colours
    const Picture p = DecodeBmp(file);
    EXPECT_EQ(ColorAt(p, 0, 0), 0x102030u);
    EXPECT_EQ(ColorAt(p, 1, 0), 0x405060u);
    EXPECT_EQ(ColorAt(p, 2, 0), 0u);
    EXPECT_EQ(ColorAt(p, 3, 0), 0x708090u);
}

TEST(BmpTest, ZeroColourCountMeansAFullTableOrWhatFitsBeforeThePixels) {
    Bytes full = EncodeIndexedBmp(2, 1, 1, {0x0000FF, 0x00FF00}, {1, 0});
    PutLe32(full, 46, 0);
    Picture p = DecodeBmp(full);
    EXPECT_EQ(ColorAt(p, 0, 0), 0x00FF00u);
    EXPECT_EQ(ColorAt(p, 1, 0), 0x0000FFu);

    // Only two entries lie before the pixels of this 8-bit file: the rest of the 256 are black.
    Bytes shortTable = EncodeIndexedBmp(3, 1, 8, {0xAABBCC, 0x112233}, {1, 0, 1});
    PutLe32(shortTable, 46, 0);
    shortTable[62 + 2] = 255;
    p = DecodeBmp(shortTable);
    EXPECT_EQ(ColorAt(p, 0, 0), 0x112233u);
    EXPECT_EQ(ColorAt(p, 1, 0), 0xAABBCCu);
    EXPECT_EQ(ColorAt(p, 2, 0), 0u);
}

// The same rows stored top-down (negative height) give the same picture.
TEST(BmpTest, TopDownFilesReadRowsInFileOrder) {
    const Picture original = Pattern(5, 4, 24);
    Bytes file = EncodeBmp(original);
    const std::size_t stride = 16;
    Bytes flipped(file.begin(), file.begin() + 54);
    for (int row = 3; row >= 0; --row)
        flipped.insert(flipped.end(), file.begin() + 54 + row * stride, file.begin() + 54 + (row + 1) * stride);
    PutLe32(flipped, 22, static_cast<std::uint32_t>(-4));
    BmpInfo info;
    ExpectSamePixels(original, DecodeBmp(flipped, &info));
    EXPECT_TRUE(info.topDown);
    EXPECT_EQ(info.height, 4);
}

// A V5 header with standard bit fields, as image editors write 32-bit files with alpha.
Bytes V5File(const Picture& p, std::uint32_t redMask, std::uint32_t alphaMask) {
    const Bytes plain = EncodeBmp(p);
    Bytes file(plain.begin(), plain.begin() + 54);
    file.resize(14 + 124, 0);
    PutLe32(file, 14, 124);
    PutLe32(file, 30, 3);  // BI_BITFIELDS
    PutLe32(file, 54, redMask);
    PutLe32(file, 58, 0x0000FF00);
    PutLe32(file, 62, 0x000000FF);
    PutLe32(file, 66, alphaMask);
    PutLe32(file, 10, static_cast<std::uint32_t>(file.size()));
    file.insert(file.end(), plain.begin() + 54, plain.end());
    return file;
}

TEST(BmpTest, LargerHeadersAndStandardBitFieldsAreRead) {
    const Picture original = Pattern(3, 2, 32);
    ExpectSamePixels(original, DecodeBmp(V5File(original, 0x00FF0000, 0xFF000000)));
    ExpectSamePixels(original, DecodeBmp(V5File(original, 0x00FF0000, 0)));
    ExpectInvalid(V5File(original, 0x000000FF, 0xFF000000));  // red and blue swapped
    ExpectInvalid(V5File(original, 0x00FF0000, 0x000000FF));  // alpha elsewhere

    // A 40-byte header with bit fields keeps its three masks between header and pixels.
    const Bytes plain = EncodeBmp(original);
    Bytes withMasks(plain.begin(), plain.begin() + 54);
    PutLe32(withMasks, 30, 3);
    PutLe32(withMasks, 10, 66);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu}) AppendLe32(withMasks, mask);
    withMasks.insert(withMasks.end(), plain.begin() + 54, plain.end());
    ExpectSamePixels(original, DecodeBmp(withMasks));
}

TEST(BmpTest, LastRowWithoutPaddingIsAccepted) {
    const Picture original = Pattern(3, 2, 24);
    Bytes file = EncodeBmp(original);
    file.resize(file.size() - 3);
    ExpectSamePixels(original, DecodeBmp(file));
}

TEST(BmpTest, EveryShorterPrefixIsRefused) {
    const Bytes file = EncodeIndexedBmp(9, 3, 8, {0x123456, 0x654321}, Bytes(27, 1));
    const std::size_t shortestValid = file.size() - 3;  // the last row's padding may go
    for (std::size_t length = 0; length < shortestValid; ++length) {
        const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(DecodeBmp(prefix.data(), prefix.size()), GraphicsError) << "length " << length;
    }
}

TEST(BmpTest, HostileSizesAreRefused) {
    const Bytes valid = EncodeBmp(Pattern(4, 4, 32));
    struct Case {
        std::size_t offset;
        std::uint32_t value;
        const char* what;
    };
    const Case cases[] = {
        {18, 0, "zero width"},
        {22, 0, "zero height"},
        {18, static_cast<std::uint32_t>(-4), "negative width"},
        {22, 0x80000000u, "height INT_MIN"},
        {18, 16385, "width over the limit"},
        {22, static_cast<std::uint32_t>(-16385), "top-down height over the limit"},
        {18, 16384, "a legal width the file cannot hold"},
        {22, 16384, "a legal height the file cannot hold"},
        {18, 0x7FFFFFFF, "width whose stride overflows 32 bits"},
        {10, 0xFFFFFFF0u, "pixel offset far past the end"},
        {10, static_cast<std::uint32_t>(valid.size() + 1), "pixel offset just past the end"},
        {10, 20, "pixel offset inside the headers"},
        {14, 12, "OS/2 core header"},
        {14, 0xFFFFFFFFu, "absurd header size"},
        {14, 124, "V5 header running past the pixels"},
        {30, 1, "RLE8 compression"},
        {30, 3, "bit fields with masks that are pixels"},
        {28, 16, "16 bits per pixel"},
        {28, 4, "4 bits per pixel"},
        {28, 0, "0 bits per pixel"},
    };
    for (const Case& c : cases) {
        Bytes file = valid;
        if (c.offset == 28)
            PutLe16(file, c.offset, static_cast<std::uint16_t>(c.value));
        else
            PutLe32(file, c.offset, c.value);
        EXPECT_THROW(DecodeBmp(file), GraphicsError) << c.what;
    }
    Bytes noSignature = valid;
    noSignature[1] = 'A';
    ExpectInvalid(noSignature);
    EXPECT_THROW(DecodeBmp(nullptr, 0), GraphicsError);
}

TEST(BmpTest, HostileColourTablesAreRefused) {
    const Bytes valid = EncodeIndexedBmp(4, 2, 8, {0x111111, 0x222222, 0x333333, 0x444444}, Bytes(8, 3));
    for (std::uint32_t count : {257u, 0x40000000u, 0xFFFFFFFFu, 5u /* past the pixel offset */}) {
        Bytes file = valid;
        PutLe32(file, 46, count);
        EXPECT_THROW(DecodeBmp(file), GraphicsError) << count;
    }
    Bytes oneBit = EncodeIndexedBmp(8, 1, 1, {0, 0xFFFFFF}, Bytes(8, 1));
    PutLe32(oneBit, 46, 3);
    ExpectInvalid(oneBit);
    // No room at all for a table before the pixels.
    Bytes noTable = valid;
    PutLe32(noTable, 46, 0);
    PutLe32(noTable, 10, 54);
    ExpectInvalid(noTable);
}

TEST(BmpTest, WritersRefuseWhatNoFileCanHold) {
    EXPECT_THROW(EncodeBmp(Picture()), GraphicsError);
    EXPECT_THROW(EncodeBmp(Picture(0, 3, 24)), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(2, 1, 4, {0}, {0, 0}), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(2, 1, 1, {0, 1, 2}, {0, 0}), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(2, 1, 8, {}, {0, 0}), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(2, 1, 8, {0}, {0}), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(2, 1, 8, {0, 1}, {0, 2}), GraphicsError);
    EXPECT_THROW(EncodeIndexedBmp(0, 1, 8, {0}, {}), GraphicsError);
}

TEST(BmpTest, ViewsWithNegativeStrideAreWrittenTopRowLast) {
    // A bottom-up buffer seen through its top row, as a bottom-up DIB section is.
    const Picture source = Pattern(2, 3, 32);
    Bytes buffer(8 * 3);
    for (int y = 0; y < 3; ++y) std::memcpy(&buffer[(2 - y) * 8], source.Row(y), 8);
    const Picture view = Picture::View(&buffer[16], 2, 3, -8, 32);
    const Bytes file = EncodeBmp(view);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), file.begin() + 54));
    ExpectSamePixels(source, DecodeBmp(file));
}

}  // namespace
}  // namespace velpiners::graphics
