// Sticker backgrounds made once per look. A style's background depends on its skin and mask and, besides
// them, only on the size its compositor makes (and, for the framed styles, the unrolled state), so stickers
// of one look share one picture, and a sticker laid out again without a change of look gets its background
// without composing. The cache is bounded (the least recently used looks leave first); a picture handed out
// stays valid for its holders after it leaves. The skins behind a cache must not change while it holds
// pictures made from them: their owner empties it when they do.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <utility>

#include "base/dpi.h"
#include "graphics/picture.h"
#include "graphics/rect.h"

namespace velpiners::graphics {

// What a style's background depends on besides its skin and mask.
struct BackgroundLook {
    int style = 0;
    bool unrolled = true;  // framed styles only: the icon styles' pictures depend on their size alone
    int width = 0;
    int height = 0;
    bool wide = false;
    int dpi = kBaseDpi;  // the resolution the 96-dpi picture is scaled to

    // `content` and `icon` as the painter hands them to the style's compositor; `style` 0..16.
    static BackgroundLook Of(int style, int skinWidth, const Rect& content, bool unrolled, const Rect& icon);

    friend bool operator==(const BackgroundLook& a, const BackgroundLook& b) {
        return a.style == b.style && a.unrolled == b.unrolled && a.width == b.width && a.height == b.height &&
               a.wide == b.wide && a.dpi == b.dpi;
    }
};

// The background of `style` (0..16) made with the style's compositor from its skin and mask (and cleared to
// transparent where the style asks for it). Throws what the compositor throws. `content` and `icon` are in
// 96-dpi pixels; at another resolution the 96-dpi picture is resampled to Scale() of its size.
[[nodiscard]] std::shared_ptr<const Picture> MakeBackground(int style, const Picture& skin, const Picture& mask,
                                                            const Rect& content, bool unrolled, const Rect& icon,
                                                            int dpi = kBaseDpi);

class BackgroundCache {
public:
    // Every style in both states at a few sizes; each entry is one sticker-sized picture.
    static constexpr std::size_t kDefaultCapacity = 48;

    explicit BackgroundCache(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity > 0 ? capacity : 1) {}

    // What MakeBackground makes: the picture made for the same look before while the cache still holds it,
    // else a new one, which the cache keeps. A compositor error propagates and nothing is kept. A scaled
    // picture is the 96-dpi one of its look resampled; only the scaled one is kept.
    [[nodiscard]] std::shared_ptr<const Picture> Get(int style, const Picture& skin, const Picture& mask,
                                                     const Rect& content, bool unrolled, const Rect& icon,
                                                     int dpi = kBaseDpi);

    void Clear() { m_entries.clear(); }
    [[nodiscard]] std::size_t Size() const { return m_entries.size(); }

private:
    std::size_t m_capacity;
    std::list<std::pair<BackgroundLook, std::shared_ptr<const Picture>>> m_entries;  // most recent first
};

}  // namespace velpiners::graphics
