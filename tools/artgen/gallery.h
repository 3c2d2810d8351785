// The review sheet of all resources (skins plain, tinted and cut to other sizes; masks; icons; pins;
// buttons; the about picture; the flags), as one opaque picture.
#pragma once

#include <vector>

#include "graphics/picture.h"
#include "tools/artgen/artwork.h"

namespace velpiners::artgen {

graphics::Picture DrawGallery(const std::vector<Artwork>& all);

}  // namespace velpiners::artgen
