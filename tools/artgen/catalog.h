// Every picture of the program's resources, drawn in code. Each Add… function appends its group's
// artwork; DrawAll returns the whole set in a fixed order.
#pragma once

#include <vector>

#include "tools/artgen/artwork.h"

namespace velpiners::artgen {

void AddSkins(std::vector<Artwork>& out);     // framed and icon skins with their masks
void AddIcons(std::vector<Artwork>& out);     // sticker icons BITMAP_0 … BITMAP_33
void AddControls(std::vector<Artwork>& out);  // pins, state points, dialog glyphs, about box
void AddFlags(std::vector<Artwork>& out);     // language flag strip and its mask

std::vector<Artwork> DrawAll();

}  // namespace velpiners::artgen
