// RESS decoding and built-in picture names.
#include "graphics/ress.h"

#include <utility>

#include "graphics/bmp.h"
#include "graphics/inflate.h"

namespace velpiners::graphics {

Picture DecodeRess(std::vector<std::uint8_t> stream) {
    InflateStream(stream);
    return DecodeBmp(stream);
}

std::string BuiltInPictureName(int number) {
    if (number >= kFirstUserPicture) return {};
    if (number < 1 || number > kBuiltInPictures) number = 1;
    return "BITMAP_" + std::to_string(number - 1);
}

}  // namespace velpiners::graphics
