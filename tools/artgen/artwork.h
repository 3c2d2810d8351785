// One finished picture of the program's resources, ready to be written as a BMP file, and the helpers
// that turn canvases into the three kinds the resources use: colour pictures (24 or 32 bits),
// grey opacity masks (24 bits or 8 bits with a grey palette) and palette pictures (1 or 8 bits).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/picture.h"
#include "tools/artgen/raster.h"

namespace velpiners::artgen {

struct Artwork {
    std::string name;
    int width = 0;
    int height = 0;
    int bits = 0;
    graphics::Picture picture;           // 24- and 32-bit artwork
    std::vector<std::uint32_t> palette;  // 1- and 8-bit artwork: 0x00RRGGBB entries
    std::vector<std::uint8_t> indices;   // one palette index per pixel, row 0 at the top
};

// The complete BMP file.
std::vector<std::uint8_t> EncodeArtwork(const Artwork& art);

Artwork ColourArtwork(std::string name, graphics::Picture picture);
// Straight-alpha 32-bit icon from a canvas.
Artwork IconArtwork(std::string name, const Canvas& canvas);
// Opaque 24-bit picture of a canvas laid over `background`.
Artwork OpaqueArtwork(std::string name, const Canvas& canvas, const Color& background);
// Grey mask, 24 bits or 8 bits with the palette whose entry i is grey level i.
Artwork GreyArtwork(std::string name, int width, int height, const std::vector<std::uint8_t>& levels, int bits);

// A skin drawn as one RGBA canvas split into its colour picture (24 bits, colours not premultiplied;
// fully transparent pixels take `hidden`) and its opacity levels (alpha scaled so that alpha 1 gives
// `peak`).
struct SkinPair {
    graphics::Picture skin;
    std::vector<std::uint8_t> maskLevels;
};
SkinPair SplitSkin(const Canvas& canvas, int peak, const Color& hidden = Color{0, 0, 0, 1});

}  // namespace velpiners::artgen
