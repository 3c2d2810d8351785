// Picture packs and the user icon collection: the file layout the writer produces, plain and compressed
// entries of every depth stored as 32-bit icons, lookup where the later entry wins, and damaged files
// that keep the entries read before the damage, and the caps on one entry and on the whole collection.
// Also the RESS form and the built-in picture names.
#include "graphics/picture_pack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/byte_order.h"
#include "graphics/inflate.h"
#include "graphics/ress.h"

// Every plain operator new of the test program (the one std::vector uses) passes through here, so a test can
// see the largest single request a load made: a refused entry must be refused before its picture or its
// inflated file is allocated. Every form a plain delete may meet is replaced, so each block goes back the
// way it came (malloc, free).
std::atomic<std::size_t> g_largestAllocation{0};

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    std::size_t largest = g_largestAllocation.load();
    while (size > largest && !g_largestAllocation.compare_exchange_weak(largest, size)) {}
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    if (void* block = operator new(size, std::nothrow)) return block;
    throw std::bad_alloc();
}
// Not inlined: GCC would otherwise see free() meet a pointer from operator new and warn.
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace velpiners::graphics {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A solid picture: colour B, G, R (and A for 32 bits) in every pixel.
Picture Solid(int width, int height, int bits, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a = 0) {
    Picture p(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* px = p.Pixel(x, y);
            px[0] = b;
            px[1] = g;
            px[2] = r;
            if (bits == 32) px[3] = a;
        }
    return p;
}

PackSource Source(std::int32_t number, const Picture& picture) { return {number, EncodeBmp(picture)}; }

void ExpectPixel(const Picture& p, int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
    ASSERT_EQ(p.BitsPerPixel(), 32);
    const std::uint8_t* px = p.Pixel(x, y);
    EXPECT_EQ(px[0], b);
    EXPECT_EQ(px[1], g);
    EXPECT_EQ(px[2], r);
    EXPECT_EQ(px[3], a);
}

std::string ErrorText(TATBitmap& icons, const Bytes& pack) {
    try {
        icons.LoadFromMemory(pack.data(), pack.size());
    } catch (const GraphicsError& e) {
        return e.what();
    }
    return "(no error)";
}

void PutLe32(Bytes& file, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 1-bit BMP: 1/24 of the bytes its 24-bit decoding takes, the cheapest way to ask for a large picture.
Bytes OneBit(int width, int height) {
    return EncodeIndexedBmp(width, height, 1, {0x000000, 0xFFFFFF},
                            Bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 1));
}

// Loads the pack and returns the error text ("(no error)" if none) and the largest allocation made.
std::pair<std::string, std::size_t> LoadWatched(TATBitmap& icons, const Bytes& pack) {
    g_largestAllocation = 0;
    std::string error = ErrorText(icons, pack);
    return {error, g_largestAllocation.load()};
}

TEST(PicturePackTest, WriterLaysOutHeaderTableAndData) {
    const Bytes first = EncodeBmp(Solid(2, 2, 24, 1, 2, 3));
    const Bytes second = EncodeBmp(Solid(1, 1, 32, 4, 5, 6, 7));
    const Bytes pack = BuildPack({{101, first}, {205, second}}, false);
    ASSERT_EQ(pack.size(), 16u + 24u + first.size() + second.size());
    EXPECT_EQ(ReadLe32(&pack[0]), 2u);
    for (std::size_t i = 4; i < 16; ++i)
        if (i != 12) {
            EXPECT_EQ(pack[i], 0) << "unread header byte " << i;
        }
    EXPECT_EQ(pack[12], 0);  // plain
    EXPECT_EQ(ReadLe32(&pack[16]), 0u);
    EXPECT_EQ(ReadLe32(&pack[20]), first.size());
    EXPECT_EQ(ReadLe32(&pack[24]), 101u);
    EXPECT_EQ(ReadLe32(&pack[32]), second.size());
    EXPECT_EQ(ReadLe32(&pack[36]), 205u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), pack.begin() + 40));
    EXPECT_TRUE(
        std::equal(second.begin(), second.end(), pack.begin() + 40 + static_cast<std::ptrdiff_t>(first.size())));

    const Bytes compressed = BuildPack({{101, first}}, true);
    EXPECT_EQ(compressed[12], 1);
    EXPECT_EQ(compressed[28], 0x78);
    EXPECT_EQ(compressed[29], 0xDA);
    EXPECT_EQ(InflateBytes(&compressed[28], compressed.size() - 28), first);
}

TEST(PicturePackTest, EveryDepthBecomesA32BitIcon) {
    const Bytes eightBit = EncodeIndexedBmp(2, 1, 8, {0x102030, 0xA0B0C0}, {1, 0});
    for (bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        TATBitmap icons;
        const Bytes pack = BuildPack(
            {Source(101, Solid(3, 2, 24, 10, 20, 30)), Source(102, Solid(2, 3, 32, 40, 50, 60, 70)), {103, eightBit}},
            compressed);
        icons.LoadFromMemory(pack.data(), pack.size());
        ASSERT_EQ(icons.Count(), 3);
        const Picture& opaque = icons.Items(0).bitmap;
        EXPECT_EQ(opaque.Width(), 3);
        EXPECT_EQ(opaque.Height(), 2);
        ExpectPixel(opaque, 2, 1, 10, 20, 30, 255);
        const Picture& alpha = icons.Items(1).bitmap;
        EXPECT_EQ(alpha.Width(), 2);
        EXPECT_EQ(alpha.Height(), 3);
        ExpectPixel(alpha, 1, 2, 40, 50, 60, 70);
        ExpectPixel(icons.Items(2).bitmap, 0, 0, 0xC0, 0xB0, 0xA0, 255);
        ExpectPixel(icons.Items(2).bitmap, 1, 0, 0x30, 0x20, 0x10, 255);
        EXPECT_EQ(icons.Items(0).number, 101);
        EXPECT_EQ(icons.Items(2).number, 103);
    }
}

TEST(PicturePackTest, AnyNonZeroFlagMeansCompressed) {
    Bytes pack = BuildPack({Source(150, Solid(1, 1, 24, 9, 8, 7))}, true);
    pack[12] = 0x80;
    TATBitmap icons;
    icons.LoadFromMemory(pack.data(), pack.size());
    ASSERT_EQ(icons.Count(), 1);
    ExpectPixel(icons.Items(0).bitmap, 0, 0, 9, 8, 7, 255);

    // The same entries flagged plain are zlib streams, not BMP files.
    pack[12] = 0;
    TATBitmap plain;
    EXPECT_THROW(plain.LoadFromMemory(pack.data(), pack.size()), GraphicsError);
    EXPECT_EQ(plain.Count(), 0);
}

TEST(PicturePackTest, CountZeroAddsNothing) {
    Bytes pack = BuildPack({}, false);
    pack.insert(pack.end(), {1, 2, 3});  // trailing bytes are not entries
    TATBitmap icons;
    icons.LoadFromMemory(pack.data(), pack.size());
    EXPECT_EQ(icons.Count(), 0);
    EXPECT_EQ(icons.IndexOf(101), -1);
    EXPECT_EQ(icons.IndexOf(0), -1);
}

TEST(PicturePackTest, LaterEntryWithTheSameNumberWins) {
    TATBitmap icons;
    const Bytes pack = BuildPack({Source(120, Solid(1, 1, 24, 1, 1, 1)), Source(121, Solid(1, 1, 24, 2, 2, 2)),
                                  Source(120, Solid(1, 1, 24, 3, 3, 3))},
                                 false);
    icons.LoadFromMemory(pack.data(), pack.size());
    EXPECT_EQ(icons.IndexOf(120), 2);
    EXPECT_EQ(icons.IndexOf(121), 1);
    EXPECT_EQ(icons.IndexOf(122), -1);

    // A second pack adds after the first, so it overrides it.
    const Bytes more = BuildPack({Source(121, Solid(1, 1, 24, 4, 4, 4))}, true);
    icons.LoadFromMemory(more.data(), more.size());
    EXPECT_EQ(icons.Count(), 4);
    EXPECT_EQ(icons.IndexOf(121), 3);
    ExpectPixel(icons.Items(icons.IndexOf(121)).bitmap, 0, 0, 4, 4, 4, 255);

    icons.Clear();
    EXPECT_EQ(icons.Count(), 0);
    EXPECT_EQ(icons.IndexOf(120), -1);
    EXPECT_THROW((void)icons.Items(0), GraphicsError);
}

TEST(PicturePackTest, ShortFileKeepsEarlierEntriesAndThrows) {
    const Bytes pack = BuildPack({Source(101, Solid(2, 2, 24, 1, 2, 3)), Source(102, Solid(2, 2, 32, 4, 5, 6, 7)),
                                  Source(103, Solid(2, 2, 24, 7, 8, 9))},
                                 false);
    TATBitmap icons;
    EXPECT_EQ(ErrorText(icons, Bytes(pack.begin(), pack.end() - 1)), "Stream read error");
    ASSERT_EQ(icons.Count(), 2);
    EXPECT_EQ(icons.Items(1).number, 102);
    ExpectPixel(icons.Items(1).bitmap, 1, 1, 4, 5, 6, 7);

    // Every shorter file throws; none crashes or adds more than the entries it holds whole.
    const std::size_t firstEnd = 16 + 36 + EncodeBmp(Solid(2, 2, 24, 1, 2, 3)).size();
    for (std::size_t length = 0; length < pack.size(); ++length) {
        TATBitmap partial;
        const Bytes prefix(pack.begin(), pack.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(partial.LoadFromMemory(prefix.data(), prefix.size()), GraphicsError) << length;
        EXPECT_EQ(partial.Count() >= 1, length >= firstEnd) << length;
    }
}

TEST(PicturePackTest, HostileCountsAndSizesAreRefused) {
    const Bytes valid =
        BuildPack({Source(101, Solid(1, 1, 24, 1, 2, 3)), Source(102, Solid(1, 1, 24, 4, 5, 6))}, false);
    struct Case {
        std::size_t offset;
        std::uint32_t value;
        int entriesKept;
        const char* what;
        const char* error = "Stream read error";
    };
    const Case cases[] = {
        {0, 0xFFFFFFFFu, 0, "count -1"},
        {0, 0x80000000u, 0, "count INT_MIN"},
        {0, 0x7FFFFFFFu, 0, "count the file cannot hold"},
        {0, 0x15555556u, 0, "count whose table size wraps 32 bits"},
        {0, 3, 0, "one record more than written: the data start moves", "Bitmap image is not valid: no BM signature"},
        {20, 0xFFFFFFFFu, 0, "first size -1"},
        {20, 0x7FFFFFFFu, 0, "first size past the end"},
        {32, 0x80000000u, 1, "second size INT_MIN"},
        {32, 0xFFFFFFF0u, 1, "second size that wraps the offset"},
    };
    for (const Case& c : cases) {
        Bytes pack = valid;
        PutLe32(pack, c.offset, c.value);
        TATBitmap icons;
        EXPECT_EQ(ErrorText(icons, pack), c.error) << c.what;
        EXPECT_EQ(icons.Count(), c.entriesKept) << c.what;
    }
}

TEST(PicturePackTest, DamagedEntriesThrowTheirOwnErrorAfterEarlierEntries) {
    Bytes badStream = BuildPack({Source(101, Solid(1, 1, 24, 1, 2, 3)), Source(102, Solid(1, 1, 24, 4, 5, 6))}, true);
    badStream.back() ^= 0xFF;  // the second entry's Adler-32
    TATBitmap icons;
    EXPECT_EQ(ErrorText(icons, badStream), "Error");
    EXPECT_EQ(icons.Count(), 1);

    Bytes badBmp = BuildPack({Source(101, Solid(1, 1, 24, 1, 2, 3)), Source(102, Solid(1, 1, 24, 4, 5, 6))}, false);
    badBmp[badBmp.size() - 58 + 28] = 16;  // the second file's depth
    TATBitmap more;
    EXPECT_NE(ErrorText(more, badBmp).find("Bitmap image is not valid"), std::string::npos);
    EXPECT_EQ(more.Count(), 1);
}

TEST(PicturePackTest, OversizedEntryIsRefusedBeforeItIsDecoded) {
    // 4096 x 4096 at 1 bit is a 2 MiB file that would decode to 48 MiB and be held as 64 MiB.
    const Bytes huge = OneBit(4096, 4096);
    for (bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "compressed" : "plain");
        const Bytes pack = BuildPack({Source(101, Solid(2, 2, 24, 1, 2, 3)),
                                      Source(102, Solid(1, 1, 32, 4, 5, 6, 7)),
                                      {103, huge},
                                      Source(104, Solid(1, 1, 24, 7, 8, 9))},
                                     compressed);
        TATBitmap icons;
        const auto [error, largest] = LoadWatched(icons, pack);
        EXPECT_EQ(error, "Stream read error");
        ASSERT_EQ(icons.Count(), 2);
        EXPECT_EQ(icons.Items(1).number, 102);
        ExpectPixel(icons.Items(1).bitmap, 0, 0, 4, 5, 6, 7);
        // The compressed entry may fill its inflate buffer up to the largest entry file, no further.
        EXPECT_LE(largest, kMaxPackEntryFileBytes);
    }
}

TEST(PicturePackTest, EntriesAreAtMost256PixelsEitherWay) {
    TATBitmap icons;
    const Bytes square = BuildPack({{101, OneBit(256, 256)}, {102, OneBit(257, 1)}}, false);
    EXPECT_EQ(ErrorText(icons, square), "Stream read error");
    ASSERT_EQ(icons.Count(), 1);
    EXPECT_EQ(icons.Items(0).bitmap.Width(), 256);
    EXPECT_EQ(icons.Items(0).bitmap.Height(), 256);

    const Bytes tall = BuildPack({{103, OneBit(1, 257)}}, true);
    EXPECT_EQ(ErrorText(icons, tall), "Stream read error");
    EXPECT_EQ(icons.Count(), 1);

    // Added directly, a picture meets the same cap.
    try {
        icons.AddBitmap(Picture(257, 1, 24), 104);
        ADD_FAILURE() << "a 257-wide picture was added";
    } catch (const GraphicsError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_EQ(icons.Count(), 1);
}

TEST(PicturePackTest, CollectionHoldsAtMost64MiBAcrossPacks) {
    // A 256 x 256 entry is held as 256 * 256 * 4 = 262144 bytes, and 64 MiB = 67108864 = 256 * 262144:
    // the 256th such entry fills the collection exactly and the 257th is refused.
    const Bytes entry = OneBit(256, 256);
    std::vector<PackSource> sources;
    for (int i = 0; i < 257; ++i) sources.push_back({101 + i, entry});
    TATBitmap icons;
    EXPECT_EQ(ErrorText(icons, BuildPack(sources, false)), "Stream read error");
    ASSERT_EQ(icons.Count(), 256);
    EXPECT_EQ(icons.Items(255).number, 356);

    // A later pack finds the collection full, even for one pixel.
    const Bytes tiny = BuildPack({Source(400, Solid(1, 1, 24, 1, 2, 3))}, false);
    EXPECT_EQ(ErrorText(icons, tiny), "Stream read error");
    EXPECT_EQ(icons.Count(), 256);

    icons.Clear();
    EXPECT_EQ(ErrorText(icons, tiny), "(no error)");
    EXPECT_EQ(icons.Count(), 1);
}

TEST(PicturePackTest, EveryEntryCountsAsAtLeastAKibibyte) {
    // 64 MiB / 1 KiB = 65536 one-pixel entries fit; the next one is refused.
    const std::vector<PackSource> sources(65537, Source(101, Solid(1, 1, 24, 1, 2, 3)));
    TATBitmap icons;
    EXPECT_EQ(ErrorText(icons, BuildPack(sources, false)), "Stream read error");
    EXPECT_EQ(icons.Count(), 65536);
}

TEST(PicturePackTest, CompressedEntryIsInflatedOnlyAsFarAsItsHeadersNeed) {
    // 32 MiB of zeros deflate to about 32 KB; inflated whole they would be one 32 MiB buffer. Behind the
    // headers of a 1 x 1 picture (a 58-byte file) they are refused once the first 138 bytes, where every
    // header lies, are out; without any header they fail as a BMP file there.
    const Bytes zeros(32u << 20, 0);
    Bytes padded = EncodeBmp(Solid(1, 1, 24, 7, 8, 9));
    padded.insert(padded.end(), zeros.begin(), zeros.end());
    const struct {
        Bytes file;
        const char* error;
    } bombs[] = {{padded, "Stream read error"}, {zeros, "Bitmap image is not valid: no BM signature"}};
    for (const auto& bomb : bombs) {
        const Bytes pack = BuildPack({Source(101, Solid(1, 1, 24, 1, 2, 3)), {102, bomb.file}}, true);
        TATBitmap icons;
        const auto [error, largest] = LoadWatched(icons, pack);
        EXPECT_EQ(error, bomb.error);
        EXPECT_EQ(icons.Count(), 1);
        EXPECT_LE(largest, kBmpHeadersBytes);
    }

    // The largest file a 256 x 256 entry can be: a 14-byte file header, the 124-byte V5 header, the
    // 256-colour table it announces and 32-bit rows, 14 + 124 + 1024 + 262144 = 263306 bytes. It loads;
    // one more byte after it is refused, and so is the same file whose header announces no table.
    TATBitmap icons;
    const Bytes plain = EncodeBmp(Solid(256, 256, 32, 9, 8, 7, 6));
    Bytes largestFile(plain.begin(), plain.begin() + 54);
    largestFile.resize(14 + 124 + 1024, 0);
    PutLe32(largestFile, 2, 263306);
    PutLe32(largestFile, 10, 14 + 124 + 1024);
    PutLe32(largestFile, 14, 124);
    PutLe32(largestFile, 46, 256);
    largestFile.insert(largestFile.end(), plain.begin() + 54, plain.end());
    ASSERT_EQ(largestFile.size(), 263306u);
    EXPECT_EQ(ErrorText(icons, BuildPack({{103, largestFile}}, true)), "(no error)");
    ASSERT_EQ(icons.Count(), 1);
    ExpectPixel(icons.Items(0).bitmap, 255, 255, 9, 8, 7, 6);

    Bytes noTable = largestFile;
    PutLe32(noTable, 46, 0);
    EXPECT_EQ(ErrorText(icons, BuildPack({{104, noTable}}, true)), "Stream read error");
    largestFile.push_back(0);
    EXPECT_EQ(ErrorText(icons, BuildPack({{104, largestFile}}, true)), "Stream read error");
    EXPECT_EQ(icons.Count(), 1);
}

TEST(PicturePackTest, EntryLongerThanItsHeadersNeedIsRefused) {
    // A 3 x 2 24-bit file: 54 header bytes and two rows of 9 pixel bytes padded to 12, 78 bytes. A file may
    // end without its last row's padding, so its rows may start up to those 3 bytes late; no more.
    const Bytes exact = EncodeBmp(Solid(3, 2, 24, 1, 2, 3));
    ASSERT_EQ(exact.size(), 78u);
    const auto rowsLater = [&exact](std::uint32_t gap, std::size_t cutTail) {
        Bytes file(exact.begin(), exact.begin() + 54);
        file.insert(file.end(), gap, 0);
        file.insert(file.end(), exact.begin() + 54, exact.end() - static_cast<std::ptrdiff_t>(cutTail));
        PutLe32(file, 10, 54 + gap);
        return file;
    };
    Bytes tail = exact;
    tail.push_back(0);
    // An 8-bit file whose header announces 2 colours, with 4 bytes between its table and its rows.
    Bytes afterTable = EncodeIndexedBmp(4, 1, 8, {0x000000, 0xFFFFFF}, {0, 1, 1, 0});
    afterTable.insert(afterTable.begin() + 54 + 8, 4, 0);
    PutLe32(afterTable, 10, 54 + 8 + 4);

    const struct {
        Bytes file;
        bool kept;
        const char* what;
    } cases[] = {
        {rowsLater(3, 3), true, "rows 3 bytes late, last row unpadded (78 bytes)"},
        {rowsLater(4, 3), false, "rows 4 bytes late, last row unpadded (79 bytes)"},
        {rowsLater(1, 0), false, "rows 1 byte late (79 bytes)"},
        {tail, false, "a byte after the rows"},
        {afterTable, false, "4 bytes after a 2-colour table"},
    };
    for (bool compressed : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(compressed ? "compressed: " : "plain: ") + c.what);
            TATBitmap icons;
            const Bytes pack =
                BuildPack({Source(101, Solid(1, 1, 24, 1, 2, 3)), {102, c.file}, Source(103, Solid(1, 1, 24, 4, 5, 6))},
                          compressed);
            EXPECT_EQ(ErrorText(icons, pack), c.kept ? "(no error)" : "Stream read error");
            ASSERT_EQ(icons.Count(), c.kept ? 3 : 1);
            EXPECT_EQ(icons.Items(0).number, 101);
            if (c.kept) ExpectPixel(icons.Items(1).bitmap, 2, 1, 1, 2, 3, 255);
        }
    }
}

TEST(PicturePackTest, CompressedEntriesOfAPackInflateToAtMost64MiB) {
    // A 16 x 16 8-bit file with a 256-colour table is 54 + 1024 + 256 = 1334 bytes, held as 1 KiB: 50306
    // of them inflate to 67108204 bytes, the next one would pass 64 MiB = 67108864. The collection's own
    // cap (65536 such entries) is far off.
    std::vector<std::uint32_t> colors(256);
    for (std::uint32_t i = 0; i < 256; ++i) colors[i] = i * 0x010101u;
    Bytes indices(16 * 16);
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i);
    const Bytes file = EncodeIndexedBmp(16, 16, 8, colors, indices);
    ASSERT_EQ(file.size(), 1334u);
    const Bytes stream = DeflateBytes(file.data(), file.size());
    const int entries = 50308;
    Bytes pack = BuildPack({}, true);
    PutLe32(pack, 0, static_cast<std::uint32_t>(entries));
    for (int i = 0; i < entries; ++i) {
        AppendLe32(pack, 0);
        AppendLe32(pack, static_cast<std::uint32_t>(stream.size()));
        AppendLe32(pack, static_cast<std::uint32_t>(101 + i));
    }
    for (int i = 0; i < entries; ++i) pack.insert(pack.end(), stream.begin(), stream.end());

    TATBitmap icons;
    EXPECT_EQ(ErrorText(icons, pack), "Stream read error");
    ASSERT_EQ(icons.Count(), 50306);
    EXPECT_EQ(icons.Items(50305).number, 101 + 50305);
    ExpectPixel(icons.Items(50305).bitmap, 3, 1, 19, 19, 19, 255);  // index 16 + 3, grey 19

    // The budget is each pack's own: the next pack inflates from nothing.
    const Bytes next = BuildPack({{200, file}}, true);
    EXPECT_EQ(ErrorText(icons, next), "(no error)");
    EXPECT_EQ(icons.Count(), 50307);
}

TEST(PicturePackTest, AddBitmapCopiesThePixels) {
    TATBitmap icons;
    Picture source = Solid(2, 1, 24, 1, 2, 3);
    icons.AddBitmap(source, 300);
    source.Pixel(0, 0)[0] = 99;
    ExpectPixel(icons.Items(0).bitmap, 0, 0, 1, 2, 3, 255);

    Bytes buffer = {5, 6, 7, 8, 9, 10, 11, 12};
    icons.AddBitmap(Picture::View(buffer.data(), 2, 1, 8, 32), 301);
    buffer[0] = 0;
    EXPECT_TRUE(icons.Items(1).bitmap.OwnsPixels());
    ExpectPixel(icons.Items(1).bitmap, 0, 0, 5, 6, 7, 8);
    ExpectPixel(icons.Items(1).bitmap, 1, 0, 9, 10, 11, 12);
}

TEST(PicturePackTest, LoadFromFileReadsAWholeFileAndSkipsAMissingOne) {
    const std::string path = ::testing::TempDir() + "picture_pack_test.vpi";
    const Bytes pack = BuildPack({Source(101, Solid(4, 4, 32, 1, 2, 3, 4))}, true);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(pack.data()), static_cast<std::streamsize>(pack.size()));
    }
    TATBitmap icons;
    icons.LoadFromFile(path);
    ASSERT_EQ(icons.Count(), 1);
    ExpectPixel(icons.Items(0).bitmap, 3, 3, 1, 2, 3, 4);
    std::remove(path.c_str());

    icons.LoadFromFile(path);
    EXPECT_EQ(icons.Count(), 1);
}

TEST(RessTest, DecodesAStreamHoldingABmpFile) {
    const Bytes bmp = EncodeIndexedBmp(3, 1, 8, {0x00FF00, 0x0000FF}, {0, 1, 0});
    const Picture p = DecodeRess(DeflateBytes(bmp.data(), bmp.size()));
    ASSERT_EQ(p.BitsPerPixel(), 24);
    EXPECT_EQ(p.Pixel(1, 0)[0], 0xFF);
    EXPECT_EQ(p.Pixel(0, 0)[1], 0xFF);
    try {
        DecodeRess(bmp);
        ADD_FAILURE() << "a plain BMP is no zlib stream";
    } catch (const GraphicsError& e) {
        EXPECT_STREQ(e.what(), "Error");
    }
}

TEST(RessTest, PictureNumbersNameTheBuiltInResources) {
    EXPECT_EQ(BuiltInPictureName(1), "BITMAP_0");
    EXPECT_EQ(BuiltInPictureName(2), "BITMAP_1");
    EXPECT_EQ(BuiltInPictureName(34), "BITMAP_33");
    for (int outside : {0, -1, INT_MIN, 35, 100}) EXPECT_EQ(BuiltInPictureName(outside), "BITMAP_0") << outside;
    EXPECT_EQ(BuiltInPictureName(101), "");
    EXPECT_EQ(BuiltInPictureName(INT_MAX), "");
}

}  // namespace
}  // namespace velpiners::graphics
