// Compressed bitmap resources ("RESS"): a zlib stream whose inflated bytes are a complete BMP file, and
// the resource names of the built-in pictures. Portable; the Windows loaders that find the resources
// live in graphics/ress_loader_win.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::graphics {

// Inflates the stream and reads the BMP file it holds. Throws GraphicsError: "Error" when the stream
// does not inflate, the BMP reader's text when the file is damaged.
Picture DecodeRess(std::vector<std::uint8_t> stream);

// The resource that holds picture `number`: "BITMAP_0" ... "BITMAP_33" for 1 ... 34, "BITMAP_0" for
// numbers below 1 and from 35 to 100; empty for 101 and above, which are user icons from the packs.
std::string BuiltInPictureName(int number);

inline constexpr int kFirstUserPicture = 101;
// Picture numbers 1 ... kBuiltInPictures are the pictures built into the program.
inline constexpr int kBuiltInPictures = 34;

}  // namespace velpiners::graphics
