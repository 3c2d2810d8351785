// The pictures of the sample icon pack shipped in the portable program's "pic\" folder: user icons in the
// style of the built-in ones, each with the picture number it is packed under (101 and up).
#pragma once

#include <vector>

#include "tools/artgen/artwork.h"

namespace velpiners::artgen {

struct SampleIcon {
    int number;
    Artwork art;  // named "sample_<number>"
};

[[nodiscard]] std::vector<SampleIcon> DrawSamplePack();

}  // namespace velpiners::artgen
