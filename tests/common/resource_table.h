// The program's picture resources as the design lists them: name, size and bits per pixel. Sticker icons
// ("BITMAP_0" … "BITMAP_33") may have any square size from 20 to 72 pixels; they are listed with size 0.
// Shared by the host tests of the generator and the Windows test of the embedded resources.
#pragma once

#include <string>
#include <vector>

namespace velpiners::testing {

struct ResourceSpec {
    std::string name;
    int width;
    int height;
    int bits;
};

inline std::vector<ResourceSpec> ResourceTable() {
    std::vector<ResourceSpec> table;
    for (int i = 0; i < 34; ++i) table.push_back({"BITMAP_" + std::to_string(i), 0, 0, 32});
    for (const char* skin : {"BITMAP_DARKGLASS", "BITMAP_SILVERGLASS", "BITMAP_GLASS", "BITMAP_INNER", "BITMAP_GRAY",
                             "BITMAP_FLAT", "BITMAP_WIND", "BITMAP_TUB", "BITMAP_AERO", "BITMAP_RAMA", "BITMAP_LIST"})
        table.push_back({skin, 239, 141, 24});
    for (const char* mask : {"BITMAP_MASKGLASSL", "BITMAP_FLATSMASK", "BITMAP_WINDMASK", "BITMAP_TUBMASK",
                             "BITMAP_AEROMASK", "BITMAP_RAMA_MASK", "BITMAP_LIST_MASK"})
        table.push_back({mask, 239, 141, 24});
    for (const char* mask : {"BITMAP_MASKGLASS", "BITMAP_INNERMASK", "BITMAP_GRAYMASK"})
        table.push_back({mask, 239, 141, 8});
    const struct {
        const char* name;
        int w, h;
    } iconSkins[] = {{"BITMAP_ICOAERO", 63, 63},
                     {"BITMAP_ICOAERO2", 40, 39},
                     {"BITMAP_ICOAERO_FULL", 84, 47},
                     {"BITMAP_ICOINNER", 118, 90},
                     {"BITMAP_ICOFLAT", 48, 48}};
    for (const auto& s : iconSkins) {
        table.push_back({s.name, s.w, s.h, 24});
        table.push_back({std::string(s.name) + "MASK", s.w, s.h, 24});
    }
    for (const char* pin :
         {"BITMAP_EDIT_PIN", "BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN", "BITMAP_UP_PIN", "BITMAP_DOWN_PIN"})
        table.push_back({pin, 17, 17, 32});
    table.push_back({"BITMAP_TEXT_PIN", 19, 17, 32});
    table.push_back({"BITMAP_POINT_ON", 12, 12, 24});
    table.push_back({"BITMAP_POINT_OFF", 12, 12, 24});
    for (const char* glyph : {"BUTTON_L", "BUTTON_R", "BUTTON_C"}) table.push_back({glyph, 16, 16, 24});
    table.push_back({"BUTTON_DELETE", 20, 20, 24});
    table.push_back({"BUTTON_SAVE", 23, 19, 24});
    for (const char* button : {"BUTTON_CLOSE_N", "BUTTON_CLOSE_L", "BUTTON_CLOSE_D"})
        table.push_back({button, 59, 34, 32});
    table.push_back({"BITMAP_ABOUTFORM", 347, 273, 32});
    table.push_back({"BITMAP_FLAGS", 5750, 15, 8});
    table.push_back({"BITMAP_FLAGSMASK", 5775, 15, 1});
    return table;
}

}  // namespace velpiners::testing
