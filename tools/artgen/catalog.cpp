// The whole set of pictures, in one fixed order.
#include "tools/artgen/catalog.h"

namespace velpiners::artgen {

std::vector<Artwork> DrawAll() {
    std::vector<Artwork> all;
    AddSkins(all);
    AddIcons(all);
    AddControls(all);
    AddFlags(all);
    return all;
}

}  // namespace velpiners::artgen
