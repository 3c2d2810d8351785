// The picture generator: the resource set matches the design's table, drawing is deterministic and the
// committed resources/ are what it draws, masks are pure grey opacity maps, the framed skins survive the
// compositor's cuts, and the flag strip holds the flags of the flag-code index in its order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "graphics/bmp.h"
#include "tests/common/resource_table.h"
#include "tools/artgen/catalog.h"
#include "tools/artgen/program_icon.h"

namespace velpiners::artgen {
namespace {

using graphics::BmpInfo;
using graphics::DecodeBmp;
using graphics::Picture;

// Drawing everything takes a moment; the tests share one set.
const std::vector<Artwork>& All() {
    static const std::vector<Artwork> all = DrawAll();
    return all;
}

const Artwork& Get(const std::string& name) {
    for (const Artwork& a : All())
        if (a.name == name) return a;
    throw std::runtime_error("no artwork " + name);
}

struct Decoded {
    Picture picture;
    BmpInfo info;
};

Decoded Decode(const std::string& name) {
    Decoded d;
    d.picture = DecodeBmp(EncodeArtwork(Get(name)), &d.info);
    return d;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtgenTest, DrawsExactlyTheResourcesOfTheTable) {
    const auto table = testing::ResourceTable();
    ASSERT_EQ(table.size(), 84u);
    std::set<std::string> drawn;
    for (const Artwork& a : All()) EXPECT_TRUE(drawn.insert(a.name).second) << "drawn twice: " << a.name;
    EXPECT_EQ(drawn.size(), table.size());
    int commonIconSizes = 0;
    for (const auto& spec : table) {
        ASSERT_TRUE(drawn.count(spec.name)) << spec.name;
        BmpInfo info;
        DecodeBmp(EncodeArtwork(Get(spec.name)), &info);
        EXPECT_EQ(info.bitsPerPixel, spec.bits) << spec.name;
        EXPECT_FALSE(info.topDown) << spec.name;
        if (spec.width == 0) {
            EXPECT_EQ(info.width, info.height) << spec.name;
            EXPECT_GE(info.width, 20) << spec.name;
            EXPECT_LE(info.width, 72) << spec.name;
            commonIconSizes += info.width == 32 || info.width == 48;
        } else {
            EXPECT_EQ(info.width, spec.width) << spec.name;
            EXPECT_EQ(info.height, spec.height) << spec.name;
        }
    }
    EXPECT_GE(commonIconSizes, 28);
}

TEST(ArtgenTest, DrawingTwiceGivesTheSameBytesAndTheCommittedFiles) {
    const std::vector<Artwork> again = DrawAll();
    ASSERT_EQ(again.size(), All().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        const std::vector<std::uint8_t> bytes = EncodeArtwork(again[i]);
        EXPECT_EQ(bytes, EncodeArtwork(All()[i])) << again[i].name;
        EXPECT_EQ(ReadFile(std::string(VELPINERS_SOURCE_DIR) + "/resources/" + again[i].name + ".bmp"), bytes)
            << "resources/" << again[i].name << ".bmp differs from what artgen draws: run artgen resources";
    }
    EXPECT_EQ(ReadFile(std::string(VELPINERS_SOURCE_DIR) + "/resources/velpiners.ico"), ProgramIconFile());
}

TEST(ArtgenTest, MasksArePureGreyWithTheirPeaksAndTransparentCorners) {
    const std::map<std::string, int> peaks = {{"BITMAP_AEROMASK", 207}, {"BITMAP_TUBMASK", 255}};
    for (const auto& spec : testing::ResourceTable()) {
        const std::string& n = spec.name;
        if (n.find("MASK") == std::string::npos || n == "BITMAP_FLAGSMASK") continue;
        const Decoded d = Decode(n);
        int peak = 0;
        for (int y = 0; y < d.picture.Height(); ++y)
            for (int x = 0; x < d.picture.Width(); ++x) {
                const std::uint8_t* p = d.picture.Pixel(x, y);
                ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << n << " at " << x << "," << y;
                peak = std::max<int>(peak, p[0]);
            }
        const auto it = peaks.find(n);
        if (it != peaks.end()) {
            EXPECT_EQ(peak, it->second) << n;
        }
        EXPECT_GE(peak, 200) << n;
        const int w = d.picture.Width(), h = d.picture.Height();
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(d.picture.Pixel(x, y)[0], 0) << n << " corner " << x << "," << y;
    }
    // The 8-bit masks carry the grey palette: entry i is grey level i.
    for (const char* n : {"BITMAP_MASKGLASS", "BITMAP_INNERMASK", "BITMAP_GRAYMASK"}) {
        const Artwork& a = Get(n);
        ASSERT_EQ(a.palette.size(), 256u) << n;
        for (std::uint32_t i = 0; i < 256; ++i) EXPECT_EQ(a.palette[i], i << 16 | i << 8 | i) << n;
    }
}

// Columns 119 and 120 are repeated to widen a framed skin: any difference between them would show as a
// band. The frame styles are also cut with row 70 standing for all middle rows, so their middle rows
// must equal it, or a wide sticker (resampled) and a narrow one (cut) would look different.
TEST(ArtgenTest, FramedSkinsSurviveTheCompositorsCuts) {
    const char* pairs[][2] = {{"BITMAP_DARKGLASS", "BITMAP_MASKGLASS"}, {"BITMAP_INNER", "BITMAP_INNERMASK"},
                              {"BITMAP_GRAY", "BITMAP_GRAYMASK"},       {"BITMAP_SILVERGLASS", "BITMAP_MASKGLASS"},
                              {"BITMAP_GLASS", "BITMAP_MASKGLASSL"},    {"BITMAP_FLAT", "BITMAP_FLATSMASK"},
                              {"BITMAP_WIND", "BITMAP_WINDMASK"},       {"BITMAP_TUB", "BITMAP_TUBMASK"},
                              {"BITMAP_AERO", "BITMAP_AEROMASK"},       {"BITMAP_RAMA", "BITMAP_RAMA_MASK"},
                              {"BITMAP_LIST", "BITMAP_LIST_MASK"}};
    for (const auto& pair : pairs) {
        for (const char* n : pair) {
            const Decoded d = Decode(n);
            for (int y = 0; y < d.picture.Height(); ++y)
                for (int ch = 0; ch < 3; ++ch)
                    EXPECT_LE(std::abs(d.picture.Pixel(119, y)[ch] - d.picture.Pixel(120, y)[ch]), 2)
                        << n << " row " << y;
            if (std::string(pair[0]) == "BITMAP_RAMA" || std::string(pair[0]) == "BITMAP_LIST") {
                for (int y = 24; y <= 116; ++y)
                    for (int x = 0; x < d.picture.Width(); ++x)
                        ASSERT_EQ(0, std::memcmp(d.picture.Pixel(x, y), d.picture.Pixel(x, 70), 3))
                            << n << " at " << x << "," << y;
            }
        }
    }
}

TEST(ArtgenTest, IconsAndPinsHaveStraightAlphaWithSolidArtAndClearCorners) {
    std::vector<std::string> names = {"BITMAP_EDIT_PIN", "BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN",
                                      "BITMAP_UP_PIN",   "BITMAP_DOWN_PIN",  "BITMAP_TEXT_PIN"};
    for (int i = 0; i < 34; ++i) names.push_back("BITMAP_" + std::to_string(i));
    for (const std::string& n : names) {
        const Picture& p = Get(n).picture;
        int solid = 0, peak = 0;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                const std::uint8_t* px = p.Pixel(x, y);
                if (px[3] == 0) {
                    EXPECT_EQ(px[0] | px[1] | px[2], 0) << n;
                }
                solid += px[3] >= 128;
                peak = std::max<int>(peak, px[3]);
            }
        EXPECT_GT(solid, p.Width() * p.Height() / 8) << n;
        EXPECT_GE(peak, 230) << n;
        EXPECT_EQ(p.Pixel(0, 0)[3], 0) << n;
    }
}

TEST(ArtgenTest, StatePointsUseTheMagentaKeyOutsideOnly) {
    for (const char* n : {"BITMAP_POINT_ON", "BITMAP_POINT_OFF"}) {
        const Picture& p = Get(n).picture;
        const auto isKey = [&](int x, int y) {
            const std::uint8_t* px = p.Pixel(x, y);
            return px[0] == 0xFF && px[1] == 0x00 && px[2] == 0xFF;
        };
        EXPECT_TRUE(isKey(0, 0) && isKey(11, 0) && isKey(0, 11) && isKey(11, 11)) << n;
        for (int y = 3; y < 9; ++y)
            for (int x = 3; x < 9; ++x) EXPECT_FALSE(isKey(x, y)) << n;
    }
    EXPECT_NE(0,
              std::memcmp(Get("BITMAP_POINT_ON").picture.Pixel(6, 6), Get("BITMAP_POINT_OFF").picture.Pixel(6, 6), 3));
}

// Colour of flag frame `index` at (x, y) of its 25 × 15 frame.
std::array<int, 3> FlagRgb(const Decoded& flags, int index, int x, int y) {
    const std::uint8_t* p = flags.picture.Pixel(index * 25 + x, y);
    return {p[2], p[1], p[0]};
}

bool Near(const std::array<int, 3>& c, int r, int g, int b) {
    return std::abs(c[0] - r) < 40 && std::abs(c[1] - g) < 40 && std::abs(c[2] - b) < 40;
}

TEST(ArtgenTest, FlagStripFollowsTheFlagCodeIndex) {
    const Decoded flags = Decode("BITMAP_FLAGS");
    const Decoded mask = Decode("BITMAP_FLAGSMASK");
    ASSERT_EQ(flags.picture.Width(), 230 * 25);
    ASSERT_EQ(mask.picture.Width(), 231 * 25);
    const auto seeThrough = [&](int x, int y) { return mask.picture.Pixel(x, y)[0] == 255; };
    for (int i = 0; i < 230; ++i) {
        int opaque = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 25; ++x) {
                if (x == 24 || y == 14) {
                    EXPECT_TRUE(seeThrough(i * 25 + x, y)) << "flag " << i;
                }
                opaque += !seeThrough(i * 25 + x, y);
            }
        EXPECT_GT(opaque, 24 * 14 / 3) << "flag " << i;  // Nepal's pennant is the smallest
    }
    for (int x = 230 * 25; x < 231 * 25; ++x)
        for (int y = 0; y < 15; ++y) EXPECT_TRUE(seeThrough(x, y));

    // Spot checks in the index's order: ru 175, uk 213, de 54, fr 73, jp 106, it 103, ua 211, us 214.
    EXPECT_TRUE(Near(FlagRgb(flags, 175, 12, 2), 255, 255, 255));
    EXPECT_TRUE(Near(FlagRgb(flags, 175, 12, 7), 0, 57, 166));
    EXPECT_TRUE(Near(FlagRgb(flags, 175, 12, 11), 213, 43, 30));
    EXPECT_TRUE(Near(FlagRgb(flags, 213, 12, 7), 200, 16, 46));  // the red cross's centre
    EXPECT_TRUE(Near(FlagRgb(flags, 54, 12, 2), 0, 0, 0));
    EXPECT_TRUE(Near(FlagRgb(flags, 54, 12, 11), 255, 206, 0));
    EXPECT_TRUE(Near(FlagRgb(flags, 73, 3, 7), 0, 35, 149));
    EXPECT_TRUE(Near(FlagRgb(flags, 73, 20, 7), 237, 41, 57));
    EXPECT_TRUE(Near(FlagRgb(flags, 106, 12, 7), 188, 0, 45));
    EXPECT_TRUE(Near(FlagRgb(flags, 106, 3, 3), 255, 255, 255));
    EXPECT_TRUE(Near(FlagRgb(flags, 103, 3, 7), 0, 146, 70));
    EXPECT_TRUE(Near(FlagRgb(flags, 211, 12, 3), 0, 87, 183));
    EXPECT_TRUE(Near(FlagRgb(flags, 211, 12, 10), 255, 215, 0));
    EXPECT_TRUE(Near(FlagRgb(flags, 214, 7, 6), 60, 59, 110));
    EXPECT_TRUE(Near(FlagRgb(flags, 214, 18, 11), 178, 34, 52));
    // "tg" stands twice in the index: both frames show Togo.
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 24; ++x) EXPECT_EQ(FlagRgb(flags, 198, x, y), FlagRgb(flags, 200, x, y));
}

TEST(ArtgenTest, ProgramIconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    const std::vector<std::uint8_t> ico = ProgramIconFile();
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(ico[2], 1);
    EXPECT_EQ(ico[4], 3);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t* entry = &ico[6 + 16 * i];
        EXPECT_EQ(entry[0], sizes[i]);
        EXPECT_EQ(entry[1], sizes[i]);
        EXPECT_EQ(entry[6] | entry[7] << 8, 32);
        const std::uint32_t bytes =
            entry[8] | entry[9] << 8 | entry[10] << 16 | static_cast<std::uint32_t>(entry[11]) << 24;
        const std::uint32_t offset =
            entry[12] | entry[13] << 8 | entry[14] << 16 | static_cast<std::uint32_t>(entry[15]) << 24;
        ASSERT_LE(offset + bytes, ico.size());
        const std::uint8_t* header = &ico[offset];
        EXPECT_EQ(header[0], 40);
        EXPECT_EQ(header[4], sizes[i]);
        EXPECT_EQ(header[8], 2 * sizes[i]);  // colour rows and the AND mask
        const std::uint32_t expected =
            40 + static_cast<std::uint32_t>(sizes[i] * sizes[i] * 4 + ((sizes[i] + 31) / 32) * 4 * sizes[i]);
        EXPECT_EQ(bytes, expected);
    }
}

}  // namespace
}  // namespace velpiners::artgen
