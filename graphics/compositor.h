// The skin compositor: builds a sticker background of any size from a fixed-size skin and its opacity
// mask, as a 32-bit picture with premultiplied alpha.
//
// Both routines build a colour composite from the skin and an alpha composite from the mask with the
// same pieces (copies, nearest-neighbour stretches and Mitchell resampling), then merge them: A is the
// mask's mean brightness, each colour channel is skin * A / 255 (integers, truncating). Skin and mask
// must be 24- or 32-bit pictures of one size (GraphicsError otherwise); a fourth byte is ignored. The
// output is replaced by an owned 32-bit picture; any skin size is accepted without reading outside it.
#pragma once

#include <array>

#include "graphics/picture.h"
#include "graphics/rect.h"

namespace velpiners::graphics {

// Skin kinds of the framed styles.
inline constexpr int kSkinTitled = 0;  // plain, with title separator lines when unrolled
inline constexpr int kSkinPlain = 1;
inline constexpr int kSkinStrip = 2;  // rolled up to the skin's top 38 rows
inline constexpr int kSkinFrame = 3;  // rolled up and not wide: a 36-row frame

// Style index of the frame styles (styles 9 and 10 both pass it).
inline constexpr int kFrameStyleIndex = 9;

inline constexpr int kStyleCount = 17;

// How one style's background is built (shared by the sticker painter and the style previews).
struct StyleSkin {
    const char* skin;   // resource name of the skin
    const char* mask;   // resource name of its mask
    bool framed;        // ComposeFramedSkin, else ComposeIconSkin
    int styleIndex;     // framed styles only
    int skinKind;       // framed styles only
    bool clearedAfter;  // the composed background is then cleared to transparent
};

extern const std::array<StyleSkin, kStyleCount> kStyleSkins;

// The size of the picture a compositor makes (for the icon styles, of the composite before the output's least
// size). Besides the skin, the mask and the style's parameters, the picture depends on nothing else: two
// calls whose sizes agree (and, for the framed styles, whose unrolled flags agree) make the same picture.
struct SkinSize {
    int width = 0;
    int height = 0;
    bool wide = false;  // framed styles: the content is wide enough to widen the skin
};
[[nodiscard]] SkinSize FramedSkinSize(int skinWidth, const Rect& content, int styleIndex, int skinKind, bool unrolled);
[[nodiscard]] SkinSize IconSkinSize(const Rect& content, bool unrolled, const Rect& icon);

// Framed styles 0-10. Reads content.right as the content width and content.bottom as its height.
// Output width: content width + 16 when it is at least 225 (wide); else for the frame style index
// content width + 18 from 77 up, or 95 unrolled / 115 rolled up below that; else the skin's width.
// Output height: content height (at least 39) + 16 unrolled; rolled up 32, or 38 for the strip kind
// and 36 for the frame kind when not wide.
void ComposeFramedSkin(const Picture& skin, const Picture& mask, const Rect& content, int styleIndex, int skinKind,
                       bool unrolled, Picture& output);

// Icon styles 11-16: a nine-slice of the skin with 16-pixel corners around the icon and the content.
// `icon` is (0, 0, icon width, icon height); a height below 2 means no icon. The output is at least
// 74 x 45; where the composite is smaller the rest is transparent black. Targets of 32 pixels or less
// in a direction get their corners only in that direction (no edge or centre pieces there).
void ComposeIconSkin(const Picture& skin, const Picture& mask, const Rect& content, bool unrolled, Picture& output,
                     const Rect& icon);

}  // namespace velpiners::graphics
