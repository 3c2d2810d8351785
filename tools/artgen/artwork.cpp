// Artwork helpers: canvas to picture conversions and BMP encoding through the program's own writer.
#include "tools/artgen/artwork.h"

#include <cmath>
#include <utility>

#include "graphics/bmp.h"

namespace velpiners::artgen {

namespace {
std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::lround((v < 0 ? 0 : (v > 1 ? 1 : v)) * 255.0f)); }
}  // namespace

std::vector<std::uint8_t> EncodeArtwork(const Artwork& art) {
    if (art.bits == 24 || art.bits == 32) return graphics::EncodeBmp(art.picture);
    return graphics::EncodeIndexedBmp(art.width, art.height, art.bits, art.palette, art.indices);
}

Artwork ColourArtwork(std::string name, graphics::Picture picture) {
    Artwork art;
    art.name = std::move(name);
    art.width = picture.Width();
    art.height = picture.Height();
    art.bits = picture.BitsPerPixel();
    art.picture = std::move(picture);
    return art;
}

Artwork IconArtwork(std::string name, const Canvas& canvas) {
    return ColourArtwork(std::move(name), ToPicture32(canvas));
}

Artwork OpaqueArtwork(std::string name, const Canvas& canvas, const Color& background) {
    return ColourArtwork(std::move(name), ToPicture24(canvas, background));
}

Artwork GreyArtwork(std::string name, int width, int height, const std::vector<std::uint8_t>& levels, int bits) {
    if (bits == 24) return ColourArtwork(std::move(name), GreyPicture(width, height, levels));
    Artwork art;
    art.name = std::move(name);
    art.width = width;
    art.height = height;
    art.bits = 8;
    for (std::uint32_t i = 0; i < 256; ++i) art.palette.push_back(i << 16 | i << 8 | i);
    art.indices = levels;
    return art;
}

SkinPair SplitSkin(const Canvas& canvas, int peak, const Color& hidden) {
    SkinPair pair;
    const int w = canvas.Width(), h = canvas.Height();
    pair.skin = graphics::Picture(w, h, 24);
    pair.maskLevels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Canvas::Pixel& p = canvas.At(x, y);
            std::uint8_t* out = pair.skin.Pixel(x, y);
            const float a = p.a;
            if (a > 0.5f / 255.0f) {
                out[0] = Byte(p.b / a);
                out[1] = Byte(p.g / a);
                out[2] = Byte(p.r / a);
            } else {
                out[0] = Byte(hidden.b);
                out[1] = Byte(hidden.g);
                out[2] = Byte(hidden.r);
            }
            pair.maskLevels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(std::lround((a < 0 ? 0 : (a > 1 ? 1 : a)) * static_cast<float>(peak)));
        }
    return pair;
}

}  // namespace velpiners::artgen
