#include "graphics/background_cache.h"

#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "graphics/scaled_picture.h"

namespace velpiners::graphics {
namespace {

std::shared_ptr<const Picture> Scaled(const Picture& base, int dpi) {
    return std::make_shared<Picture>(
        ScaleWithAlpha(base, Scale(base.Width(), dpi), Scale(base.Height(), dpi), /*premultiplied=*/true));
}

}  // namespace

BackgroundLook BackgroundLook::Of(int style, int skinWidth, const Rect& content, bool unrolled, const Rect& icon) {
    const StyleSkin& skin = kStyleSkins.at(static_cast<std::size_t>(style));
    BackgroundLook look;
    look.style = style;
    SkinSize size;
    if (skin.framed) {
        size = FramedSkinSize(skinWidth, content, skin.styleIndex, skin.skinKind, unrolled);
        look.unrolled = unrolled;
    } else {
        size = IconSkinSize(content, unrolled, icon);
        look.unrolled = true;
    }
    look.width = size.width;
    look.height = size.height;
    look.wide = size.wide;
    return look;
}

std::shared_ptr<const Picture> MakeBackground(int style, const Picture& skin, const Picture& mask, const Rect& content,
                                              bool unrolled, const Rect& icon, int dpi) {
    dpi = SaneDpi(dpi);
    if (dpi != kBaseDpi) return Scaled(*MakeBackground(style, skin, mask, content, unrolled, icon), dpi);
    const StyleSkin& kind = kStyleSkins.at(static_cast<std::size_t>(style));
    auto background = std::make_shared<Picture>(0, 0, 32);
    if (kind.framed)
        ComposeFramedSkin(skin, mask, content, kind.styleIndex, kind.skinKind, unrolled, *background);
    else
        ComposeIconSkin(skin, mask, content, unrolled, *background, icon);
    if (kind.clearedAfter) ClearBitmap(*background);
    return background;
}

std::shared_ptr<const Picture> BackgroundCache::Get(int style, const Picture& skin, const Picture& mask,
                                                    const Rect& content, bool unrolled, const Rect& icon, int dpi) {
    BackgroundLook look = BackgroundLook::Of(style, skin.Width(), content, unrolled, icon);
    look.dpi = SaneDpi(dpi);
    for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
        if (entry->first == look) {
            m_entries.splice(m_entries.begin(), m_entries, entry);
            return m_entries.front().second;
        }
    }
    // A scaled look does not keep its 96-dpi picture: every sticker of a monitor asks for its own resolution,
    // and a second entry per look would halve what the cache holds there.
    std::shared_ptr<const Picture> background = MakeBackground(style, skin, mask, content, unrolled, icon, look.dpi);
    m_entries.emplace_front(look, background);
    if (m_entries.size() > m_capacity) m_entries.pop_back();
    return background;
}

}  // namespace velpiners::graphics
