#include "dialogs/new_sticker_apply.h"

namespace velpiners {
namespace {

constexpr int kSmallestSize = 6;
constexpr int kSizeStep = 2;

}  // namespace

void ApplyNewStickerLook(const NewStickerLook& look, StickerDefaults& defaults) {
    defaults.style = static_cast<std::uint8_t>(look.style);
    defaults.opacity = look.opacity;
    defaults.useOwnColor = look.useOwnColor;
    defaults.onTop = look.onTop;
    defaults.stickerColor = look.stickerColor;
    defaults.wordWrap = look.wordWrap;
    defaults.textColor = look.textColor;
    defaults.captionColor = look.captionColor;
    if (look.textFont) defaults.textFont = *look.textFont;
    if (look.captionFont) defaults.captionFont = *look.captionFont;
    if (look.sizeIndex) defaults.textSize = static_cast<std::uint8_t>(kSmallestSize + kSizeStep * *look.sizeIndex);
    defaults.showPicture = look.showPicture;
    defaults.pictureNumber = look.pictureNumber;
    defaults.hideAtPointer = look.hideAtPointer;
    defaults.hideDelayStep = look.hideDelayStep;
    if (look.patternCaptionShadow) defaults.captionShadow = *look.patternCaptionShadow;
    if (look.patternTextShadow) defaults.textShadow = *look.patternTextShadow;
}

}  // namespace velpiners
