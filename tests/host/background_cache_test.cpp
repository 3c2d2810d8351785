// The background cache hands out, for every style, content, unrolled state and icon, exactly the picture the
// style's compositor makes for them, however many other contents of the same look it has seen; it keeps
// no more looks than its capacity, the least recently used leaving first.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/background_cache.h"
#include "graphics/compositor.h"
#include "graphics/effects.h"
#include "tests/noisy_picture.h"

namespace velpiners::graphics {
namespace {

bool SameBytes(const Picture& a, const Picture& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitsPerPixel() != b.BitsPerPixel()) return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), static_cast<std::size_t>(a.RowBytes())) != 0) return false;
    return true;
}

// What the painter would get by composing anew.
Picture Composed(int style, const Picture& skin, const Picture& mask, const Rect& content, bool unrolled,
                 const Rect& icon) {
    const StyleSkin& kind = kStyleSkins[static_cast<std::size_t>(style)];
    Picture output;
    if (kind.framed)
        ComposeFramedSkin(skin, mask, content, kind.styleIndex, kind.skinKind, unrolled, output);
    else
        ComposeIconSkin(skin, mask, content, unrolled, output, icon);
    if (kind.clearedAfter) ClearBitmap(output);
    return output;
}

TEST(BackgroundCache, EveryContentGetsThePictureItsCompositorMakes) {
    const Picture framedSkin = test::NoisyPicture(239, 141, 24, 1);
    const Picture framedMask = test::NoisyPicture(239, 141, 24, 2);
    const Picture iconSkin = test::NoisyPicture(63, 63, 24, 3);
    const Picture iconMask = test::NoisyPicture(63, 63, 24, 4);
    // Large enough that nothing leaves: every later content of a look is served from the first one's picture.
    BackgroundCache cache(1000);
    int served = 0;
    for (int style = 0; style < kStyleCount; ++style) {
        const bool framed = kStyleSkins[static_cast<std::size_t>(style)].framed;
        const Picture& skin = framed ? framedSkin : iconSkin;
        const Picture& mask = framed ? framedMask : iconMask;
        for (const bool unrolled : {true, false})
            for (const int right : {0, 40, 76, 77, 90, 224, 225, 240})
                for (const int bottom : {0, 20, 38, 39, 40, 60})
                    for (const int iconSize : {0, 1, 16, 48}) {
                        SCOPED_TRACE(testing::Message() << "style " << style << " unrolled " << unrolled << " content "
                                                        << right << " x " << bottom << " icon " << iconSize);
                        // The icon styles take the content's extent, so it starts away from the origin.
                        const Rect content{framed ? 3 : 5, framed ? 7 : 2, right, bottom};
                        const Rect icon{0, 0, iconSize, iconSize};
                        const std::size_t before = cache.Size();
                        const auto picture = cache.Get(style, skin, mask, content, unrolled, icon);
                        if (cache.Size() == before) ++served;
                        ASSERT_TRUE(SameBytes(*picture, Composed(style, skin, mask, content, unrolled, icon)));
                    }
    }
    // Most contents share a look with one seen before (all narrow framed contents of one height, say).
    EXPECT_GT(served, 1000);
}

TEST(BackgroundCache, KeepsItsCapacityAndLetsTheLeastRecentlyUsedLookGo) {
    const Picture skin = test::NoisyPicture(239, 141, 24, 5);
    const Picture mask = test::NoisyPicture(239, 141, 24, 6);
    BackgroundCache cache(2);
    const auto get = [&](int bottom) { return cache.Get(0, skin, mask, Rect{0, 0, 100, bottom}, true, Rect{}); };
    const auto low = get(40);
    const auto middle = get(60);
    EXPECT_EQ(get(40), low);  // 40 is now the most recently used
    const auto high = get(80);
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_EQ(get(40), low);
    EXPECT_NE(get(60), middle);  // it had left: made anew (the same pixels, another picture)
    EXPECT_TRUE(SameBytes(*get(60), *middle));
    EXPECT_EQ(cache.Size(), 2u);
    // A holder keeps its picture after the cache let it go.
    EXPECT_EQ(high->Height(), 96);
}

}  // namespace
}  // namespace velpiners::graphics
