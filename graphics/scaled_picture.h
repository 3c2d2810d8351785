// A sticker's pictures at another resolution than the 96 dots per inch they are drawn for: the composed
// background and the small pictures (pins, pushpin, icons) are resampled to the scaled size once and kept.
#pragma once

#include "graphics/color.h"
#include "graphics/picture.h"
#include "graphics/resample.h"

namespace velpiners::graphics {

// The filter the pictures are scaled with: of the seven, the one closest to an area-exact rendering of the
// skins at 1.5 and 2 times (their soft gradients and one-pixel frame lines) with the least ringing.
[[nodiscard]] const ResampleFilter& StickerScaleFilter();

// `source` (32-bit) at width x height. Colour and alpha are resampled alike from the premultiplied colours, so
// the colour of a transparent pixel never bleeds into an edge. `premultiplied` says which form the source
// holds; the result is in the same form (a premultiplied colour never exceeds its alpha). A source of that
// size already is copied; an empty source, or an empty size, gives an empty picture.
[[nodiscard]] Picture ScaleWithAlpha(const Picture& source, int width, int height, bool premultiplied,
                                     const ResampleFilter& filter = StickerScaleFilter());

// A colour-keyed picture (24- or 32-bit) as a 32-bit straight-alpha one: the key colour transparent, every
// other pixel opaque, so that it can be resampled without the key colour bleeding into its edges.
[[nodiscard]] Picture KeyedToAlpha(const Picture& source, Color key);

}  // namespace velpiners::graphics
