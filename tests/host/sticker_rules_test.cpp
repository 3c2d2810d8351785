// The Stickers submenu caption and the place of a new sticker.
#include <gtest/gtest.h>

#include "app/sticker_rules.h"

namespace velpiners {
namespace {

TEST(StickerMenuCaptionTest, FirstLineUpTo16CharactersWithDotsWhenCut) {
    EXPECT_EQ(StickerMenuCaption("Shopping\r\nmilk, bread"), "Shopping...");
    EXPECT_EQ(StickerMenuCaption("Shopping\nmilk"), "Shopping...");
    EXPECT_EQ(StickerMenuCaption("exactly 16 chars"), "exactly 16 chars");
    EXPECT_EQ(StickerMenuCaption("seventeen chars!!"), "seventeen chars!...");
    EXPECT_EQ(StickerMenuCaption("a line that is far too long\r\nsecond"), "a line that is f...");
    EXPECT_EQ(StickerMenuCaption(""), "");
    EXPECT_EQ(StickerMenuCaption("\r\nonly later"), "...");
    // The cut counts the note's characters; the menu gets each "&" twice.
    EXPECT_EQ(StickerMenuCaption("Tom & Jerry"), "Tom && Jerry");
    EXPECT_EQ(StickerMenuCaption("&&&&&&&&&&&&&&&&&&"), std::string(32, '&') + "...");
}

TEST(NewStickerPlaceTest, CentredByWidth240WithoutTheWorkAreaLeft) {
    NewStickerPlace place = NewStickerPlaceIn(0, 0, 1280, 994, 101);
    EXPECT_EQ(place.left, 520);
    EXPECT_EQ(place.top, (994 - 101) / 2);
    // A taskbar on the left or top: the left edge is not added, the top is subtracted.
    place = NewStickerPlaceIn(60, 30, 1280, 1024, 100);
    EXPECT_EQ(place.left, (1220 - 240) / 2);
    EXPECT_EQ(place.top, (1024 - 130) / 2);
    // Truncation toward zero on a work area narrower than 240.
    place = NewStickerPlaceIn(0, 0, 239, 50, 101);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, -25);
    // On a monitor at 144 dots per inch the width counts as 360.
    place = NewStickerPlaceIn(0, 0, 1280, 994, 152, 144);
    EXPECT_EQ(place.left, 460);
    EXPECT_EQ(place.top, 421);
}

}  // namespace
}  // namespace velpiners
