// The pictures every sticker paints with, loaded once from the program's RESS resources and kept for the
// whole run: skins and masks (24-bit), the state points and the pins (32-bit with alpha), and the
// built-in sticker icons, decoded the first time a sticker asks for them.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "graphics/background_cache.h"
#include "graphics/picture.h"

namespace velpiners {

class SharedPictures {
public:
    // Loads every skin, mask, point and pin resource from `module` (nullptr: the program itself). Throws
    // what the loader throws for a missing or damaged resource.
    void Load(HMODULE module);

    // The picture of that resource name; an empty picture when it is not one of the shared ones.
    [[nodiscard]] const graphics::Picture& Get(std::string_view name) const;

    // Built-in icon "BITMAP_<index>" (0..33), decoded once.
    [[nodiscard]] const graphics::Picture& BuiltInIcon(int index);

    [[nodiscard]] HMODULE Module() const { return m_module; }

    // The sticker backgrounds made from these skins (emptied when they are loaded anew).
    [[nodiscard]] graphics::BackgroundCache& Backgrounds() { return m_backgrounds; }

private:
    HMODULE m_module = nullptr;
    std::map<std::string, graphics::Picture, std::less<>> m_pictures;
    std::map<int, graphics::Picture> m_icons;
    graphics::BackgroundCache m_backgrounds;
};

}  // namespace velpiners
