// Writes the input pictures of the host-against-Windows comparison of velpiners-imgtool into a folder:
// noisy skins and masks in every depth the tool reads (24-bit, 8-bit grey palette, 32-bit with alpha,
// a top-down file) and the odd sizes that reach the resampler's edge cases. Same bytes on every run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "graphics/bmp.h"
#include "tests/noisy_picture.h"

namespace {

using velpiners::graphics::EncodeBmp;
using velpiners::graphics::EncodeIndexedBmp;
using velpiners::graphics::Picture;
using velpiners::test::NoisyPicture;

std::vector<std::uint8_t> GreyMask(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 256; ++i) palette.push_back(i * 0x010101u);
    std::vector<std::uint8_t> levels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            levels[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>(std::min(255, (x < 8 || y < 8 ? 0 : 200) + static_cast<int>(random() % 56)));
    return EncodeIndexedBmp(width, height, 8, palette, levels);
}

// The same picture stored top-down: negative height, rows in picture order.
std::vector<std::uint8_t> TopDown(const Picture& picture) {
    std::vector<std::uint8_t> file = EncodeBmp(picture);
    const std::int32_t height = -picture.Height();
    for (int i = 0; i < 4; ++i) file[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
    const std::size_t stride = static_cast<std::size_t>(Picture::OwnedStride(picture.Width(), picture.BitsPerPixel()));
    const std::size_t start = file[10] | (file[11] << 8);
    for (int y = 0; y < picture.Height(); ++y)
        std::copy(picture.Row(y), picture.Row(y) + stride,
                  file.begin() + static_cast<std::ptrdiff_t>(start + y * stride));
    return file;
}

void Write(const std::string& folder, const char* name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(folder + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name);
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: imgtool_inputs FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    Write(folder, "skin.bmp", EncodeBmp(NoisyPicture(239, 141, 24, 1)));
    Write(folder, "mask8.bmp", GreyMask(239, 141, 2));
    Write(folder, "mask24.bmp", EncodeBmp(NoisyPicture(239, 141, 24, 3)));
    Write(folder, "iconskin.bmp", EncodeBmp(NoisyPicture(63, 63, 24, 4)));
    Write(folder, "iconmask.bmp", GreyMask(63, 63, 5));
    Write(folder, "icon32.bmp", EncodeBmp(NoisyPicture(48, 48, 32, 6)));
    Write(folder, "topdown32.bmp", TopDown(NoisyPicture(31, 17, 32, 7)));
    Write(folder, "column.bmp", EncodeBmp(NoisyPicture(1, 5, 24, 8)));
    return 0;
}
