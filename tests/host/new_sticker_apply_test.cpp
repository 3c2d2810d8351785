// The new-sticker dialog's OK: every control becomes its default, and what has no selection keeps it.
#include <gtest/gtest.h>

#include "dialogs/new_sticker_apply.h"

namespace velpiners {
namespace {

TEST(NewStickerApply, OkMakesTheLookTheDefaults) {
    StickerDefaults defaults;
    NewStickerLook look;
    look.style = 12;
    look.opacity = 200;
    look.useOwnColor = false;
    look.onTop = false;
    look.stickerColor = 0x00FF00;
    look.wordWrap = false;
    look.textColor = 0x111111;
    look.captionColor = 0x222222;
    look.textFont = "Verdana";
    look.captionFont = "Arial";
    look.sizeIndex = 3;
    look.showPicture = true;
    look.pictureNumber = 104;
    look.hideAtPointer = true;
    look.hideDelayStep = 7;
    ApplyNewStickerLook(look, defaults);
    EXPECT_EQ(defaults.style, 12);
    EXPECT_EQ(defaults.opacity, 200);
    EXPECT_FALSE(defaults.useOwnColor);
    EXPECT_FALSE(defaults.onTop);
    EXPECT_EQ(defaults.stickerColor, 0x00FF00);
    EXPECT_FALSE(defaults.wordWrap);
    EXPECT_EQ(defaults.textColor, 0x111111);
    EXPECT_EQ(defaults.captionColor, 0x222222);
    EXPECT_EQ(defaults.textFont, "Verdana");
    EXPECT_EQ(defaults.captionFont, "Arial");
    EXPECT_EQ(defaults.textSize, 12);
    EXPECT_TRUE(defaults.showPicture);
    EXPECT_EQ(defaults.pictureNumber, 104);
    EXPECT_TRUE(defaults.hideAtPointer);
    EXPECT_EQ(defaults.hideDelayStep, 7);
    // No pattern was loaded: the shadows stay.
    EXPECT_FALSE(defaults.captionShadow);
    EXPECT_FALSE(defaults.textShadow);
}

TEST(NewStickerApply, UnselectedBoxesKeepAndALoadedPatternBringsItsShadows) {
    StickerDefaults defaults;
    defaults.textFont = "Georgia";
    defaults.captionFont = "Courier New";
    defaults.textSize = 14;
    NewStickerLook look;  // no font matched, no size selected
    look.patternCaptionShadow = true;
    look.patternTextShadow = false;
    defaults.textShadow = true;
    ApplyNewStickerLook(look, defaults);
    EXPECT_EQ(defaults.textFont, "Georgia");
    EXPECT_EQ(defaults.captionFont, "Courier New");
    EXPECT_EQ(defaults.textSize, 14);
    EXPECT_TRUE(defaults.captionShadow);
    EXPECT_FALSE(defaults.textShadow);
}

}  // namespace
}  // namespace velpiners
