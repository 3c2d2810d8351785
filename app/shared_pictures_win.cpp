#include "app/shared_pictures_win.h"

#include "graphics/ress_loader_win.h"

namespace velpiners {
namespace {

constexpr const char* kSharedNames[] = {
    "BITMAP_DARKGLASS",
    "BITMAP_GRAY",
    "BITMAP_GRAYMASK",
    "BITMAP_INNER",
    "BITMAP_INNERMASK",
    "BITMAP_MASKGLASS",
    "BITMAP_SILVERGLASS",
    "BITMAP_MASKGLASSL",
    "BITMAP_GLASS",
    "BITMAP_POINT_ON",
    "BITMAP_POINT_OFF",
    "BITMAP_FLAT",
    "BITMAP_FLATSMASK",
    "BITMAP_WIND",
    "BITMAP_WINDMASK",
    "BITMAP_TUB",
    "BITMAP_TUBMASK",
    "BITMAP_AERO",
    "BITMAP_AEROMASK",
    "BITMAP_RAMA",
    "BITMAP_RAMA_MASK",
    "BITMAP_LIST",
    "BITMAP_LIST_MASK",
    "BITMAP_ICOAERO",
    "BITMAP_ICOAEROMASK",
    "BITMAP_ICOAERO2",
    "BITMAP_ICOAERO2MASK",
    "BITMAP_ICOAERO_FULL",
    "BITMAP_ICOAERO_FULLMASK",
    "BITMAP_ICOINNER",
    "BITMAP_ICOINNERMASK",
    "BITMAP_ICOFLAT",
    "BITMAP_ICOFLATMASK",
    "BITMAP_EDIT_PIN",
    "BITMAP_CLOSE_PIN",
    "BITMAP_DUP_PIN",
    "BITMAP_UP_PIN",
    "BITMAP_DOWN_PIN",
    "BITMAP_TEXT_PIN",
};

}  // namespace

void SharedPictures::Load(HMODULE module) {
    m_module = module;
    m_pictures.clear();
    m_icons.clear();
    m_backgrounds.Clear();
    for (const char* name : kSharedNames) m_pictures[name] = graphics::LoadRessBitmap(name, module);
}

const graphics::Picture& SharedPictures::Get(std::string_view name) const {
    static const graphics::Picture kNone;
    const auto found = m_pictures.find(name);
    return found != m_pictures.end() ? found->second : kNone;
}

const graphics::Picture& SharedPictures::BuiltInIcon(int index) {
    auto found = m_icons.find(index);
    if (found == m_icons.end()) {
        const std::string name = "BITMAP_" + std::to_string(index);
        found = m_icons.emplace(index, graphics::LoadRessBitmap(name.c_str(), m_module)).first;
    }
    return found->second;
}

}  // namespace velpiners
