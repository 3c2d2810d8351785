// Writes the seed corpus of the fuzz targets into <folder>/bmp, <folder>/pack and <folder>/inflate: small
// valid files of every kind the readers accept, made with the project's own writers, and packs whose
// entries the reader must refuse for their size.
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/bmp.h"
#include "graphics/inflate.h"
#include "graphics/picture_pack.h"

namespace {

using namespace velpiners::graphics;
using Bytes = std::vector<std::uint8_t>;

bool Write(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

Picture Gradient(int width, int height, int bits) {
    Picture p(width, height, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < p.BytesPerPixel(); ++c)
                p.Pixel(x, y)[c] = static_cast<std::uint8_t>(x * 40 + y * 9 + c);
    return p;
}

Bytes Indexed(int width, int height, int bits, int colors) {
    std::vector<std::uint32_t> palette(static_cast<std::size_t>(colors));
    for (int i = 0; i < colors; ++i) palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i) * 0x010203u;
    Bytes indices(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = static_cast<std::uint8_t>(i % static_cast<std::size_t>(colors));
    return EncodeIndexedBmp(width, height, bits, palette, indices);
}

// The same pixels as a top-down file.
Bytes TopDown(const Bytes& bottomUp, int height, std::size_t stride) {
    Bytes out(bottomUp.begin(), bottomUp.begin() + 54);
    for (int row = height - 1; row >= 0; --row) {
        const auto first = bottomUp.begin() + 54 + static_cast<std::ptrdiff_t>(stride) * row;
        out.insert(out.end(), first, first + static_cast<std::ptrdiff_t>(stride));
    }
    const std::uint32_t negative = static_cast<std::uint32_t>(-height);
    for (int i = 0; i < 4; ++i) out[22 + i] = static_cast<std::uint8_t>(negative >> (8 * i));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Bytes> bmps = {
        EncodeBmp(Gradient(3, 2, 24)), EncodeBmp(Gradient(2, 3, 32)), Indexed(9, 3, 1, 2),
        Indexed(5, 4, 8, 16),          Indexed(3, 2, 8, 256),         TopDown(EncodeBmp(Gradient(3, 2, 24)), 2, 12),
    };
    bool ok = true;
    for (std::size_t i = 0; i < bmps.size(); ++i)
        ok &= Write(folder + "/bmp/seed" + std::to_string(i) + ".bmp", bmps[i]);

    // Over the caps: a 4096 x 4096 1-bit entry (2 MiB, so stored compressed to keep the seed small), a
    // 1-bit entry one pixel wider than allowed, and a zlib bomb of 16 MiB of zeros.
    const int hugeSide = 4096;
    const int tooWide = kMaxPackEntrySide + 1;
    const std::size_t bombBytes = 16u << 20;
    const std::vector<Bytes> packs = {
        BuildPack({}, false),
        BuildPack({{101, bmps[0]}, {102, bmps[3]}}, false),
        BuildPack({{101, bmps[1]}, {101, bmps[2]}}, true),
        BuildPack({{101, bmps[2]}, {102, Indexed(hugeSide, hugeSide, 1, 2)}}, true),
        BuildPack({{101, bmps[0]}, {102, Indexed(tooWide, 1, 1, 2)}}, false),
        BuildPack({{101, bmps[1]}, {102, Bytes(bombBytes, 0)}}, true),
    };
    for (std::size_t i = 0; i < packs.size(); ++i)
        ok &= Write(folder + "/pack/seed" + std::to_string(i) + ".vpi", packs[i]);

    const std::string text = "sticky notes sticky notes sticky notes";
    const std::vector<Bytes> streams = {
        DeflateBytes(nullptr, 0),
        DeflateBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        DeflateBytes(bmps[4].data(), bmps[4].size()),
    };
    for (std::size_t i = 0; i < streams.size(); ++i)
        ok &= Write(folder + "/inflate/seed" + std::to_string(i) + ".z", streams[i]);
    return ok ? 0 : 1;
}
