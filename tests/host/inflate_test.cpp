// zlib streams: round trips, any valid zlib header, every kind of damage reported as "Error", and the
// output cap that stops decompression bombs.
#include "graphics/inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::graphics {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Deflate(const Bytes& data) { return DeflateBytes(data.data(), data.size()); }
Bytes Inflate(const Bytes& data) { return InflateBytes(data.data(), data.size()); }

// Bytes that compress a little but not to nothing.
Bytes Noise(std::size_t size) {
    Bytes out(size);
    std::uint32_t x = 12345;
    for (auto& b : out) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>((x >> 16) % 7);
    }
    return out;
}

// A zlib stream of `size` zero bytes made in pieces, so the test never holds the inflated data itself.
Bytes ZeroStream(std::size_t size) {
    z_stream z{};
    EXPECT_EQ(deflateInit(&z, Z_BEST_SPEED), Z_OK);
    const Bytes zeros(1 << 20, 0);
    Bytes out;
    Bytes chunk(1 << 16);
    std::size_t left = size;
    int flush = Z_NO_FLUSH;
    do {
        const std::size_t piece = left < zeros.size() ? left : zeros.size();
        left -= piece;
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = const_cast<Bytef*>(zeros.data());
        z.avail_in = static_cast<uInt>(piece);
        do {
            z.next_out = chunk.data();
            z.avail_out = static_cast<uInt>(chunk.size());
            deflate(&z, flush);
            out.insert(out.end(), chunk.data(), chunk.data() + (chunk.size() - z.avail_out));
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&z);
    return out;
}

void ExpectError(const Bytes& stream, const char* why) {
    try {
        Inflate(stream);
        ADD_FAILURE() << why << ": no error";
    } catch (const GraphicsError& e) {
        EXPECT_STREQ(e.what(), "Error") << why;
    }
}

TEST(InflateTest, RoundTripsAtMaximumCompression) {
    for (std::size_t size : {0u, 1u, 255u, 256u, 257u, 5000u, 300000u}) {
        const Bytes data = Noise(size);
        const Bytes stream = Deflate(data);
        ASSERT_GE(stream.size(), 2u);
        EXPECT_EQ(stream[0], 0x78);
        EXPECT_EQ(stream[1], 0xDA);
        EXPECT_EQ(Inflate(stream), data) << size;
    }
}

TEST(InflateTest, OutputManyTimesTheInputGrowsToTheEnd) {
    const Bytes data(3 << 20, 0x5A);  // about a thousand times the stream
    const Bytes stream = Deflate(data);
    ASSERT_LT(stream.size() * 500, data.size());
    EXPECT_EQ(Inflate(stream), data);
}

TEST(InflateTest, AnyValidZlibHeaderIsAccepted) {
    const Bytes data = Noise(4000);
    for (int level : {0, 1, 6}) {
        uLongf length = compressBound(static_cast<uLong>(data.size()));
        Bytes stream(length);
        ASSERT_EQ(compress2(stream.data(), &length, data.data(), static_cast<uLong>(data.size()), level), Z_OK);
        stream.resize(length);
        EXPECT_EQ(Inflate(stream), data) << "level " << level;
    }
}

TEST(InflateTest, DamageIsReportedAsError) {
    const Bytes good = Deflate(Noise(2000));
    for (std::size_t length = 0; length < good.size(); ++length)
        ExpectError(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)),
                    ("truncated to " + std::to_string(length)).c_str());

    Bytes badAdler = good;
    badAdler.back() ^= 1;
    ExpectError(badAdler, "Adler-32 mismatch");
    Bytes badHeader = good;
    badHeader[1] ^= 1;  // header checksum no longer a multiple of 31
    ExpectError(badHeader, "header check");
    Bytes dictionary = {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00};  // FDICT set
    ExpectError(dictionary, "preset dictionary");
    ExpectError(Bytes(good.begin() + 2, good.end()), "raw deflate without header");
    ExpectError(Bytes{0x1F, 0x8B, 8, 0, 0, 0, 0, 0, 0, 3, 3, 0}, "gzip member");
    Bytes badBlock = good;
    badBlock[2] = 0xFF;  // reserved block type 3
    ExpectError(badBlock, "invalid block type");
    EXPECT_THROW(InflateBytes(nullptr, 0), GraphicsError);
}

TEST(InflateTest, BytesAfterTheStreamAreIgnored) {
    const Bytes data = Noise(700);
    Bytes stream = Deflate(data);
    stream.insert(stream.end(), {1, 2, 3, 4});
    EXPECT_EQ(Inflate(stream), data);
}

TEST(InflateTest, LimitAllowsExactlyItsSize) {
    const Bytes stream = Deflate(Bytes(1000, 7));
    EXPECT_EQ(InflateBytes(stream.data(), stream.size(), 1000).size(), 1000u);
    EXPECT_EQ(InflateBytes(stream.data(), stream.size(), 1001).size(), 1000u);
    EXPECT_THROW(InflateBytes(stream.data(), stream.size(), 999), InflateLimitError);
}

TEST(InflateTest, DecompressionBombStopsAtTheCap) {
    const Bytes bomb = ZeroStream(kMaxInflatedBytes + 1);
    ASSERT_LT(bomb.size() * 100, kMaxInflatedBytes);
    ExpectError(bomb, "one byte over the cap");
}

TEST(InflateTest, InflateStreamReplacesContentOrLeavesItOnError) {
    const Bytes data = Noise(123);
    Bytes stream = Deflate(data);
    InflateStream(stream);
    EXPECT_EQ(stream, data);

    Bytes broken = Deflate(data);
    broken.pop_back();
    const Bytes before = broken;
    EXPECT_THROW(InflateStream(broken), GraphicsError);
    EXPECT_EQ(broken, before);
}

}  // namespace
}  // namespace velpiners::graphics
