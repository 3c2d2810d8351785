#include "dialogs/settings_apply.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "protocol/protocol.h"
#include "sticker/sticker_state.h"

namespace velpiners {
namespace {

constexpr int kSmallestSize = 6;
constexpr int kSizeStep = 2;
constexpr int kFirstIcon = 1;
constexpr std::uint32_t kFirstIconNumber = 1;
constexpr double kMillisecondsPerSecond = 1000;
constexpr double kSecondsRounding = 10000;  // 4 decimals

std::uint32_t Flag(bool value) { return value ? 1u : 0u; }
std::uint32_t Colour(ColorValue value) { return static_cast<std::uint32_t>(value); }

}  // namespace

std::vector<SettingsMessage> SettingsApplyMessages(SettingsValues& values, SettingsOpening& opening) {
    using namespace protocol;
    using Kind = SettingsMessage::Kind;
    std::vector<SettingsMessage> out;
    const auto post = [&out](std::uint32_t code, std::uint32_t value) {
        out.push_back({Kind::kPost, code, value, {}});
    };
    const auto copy = [&out](std::uint32_t kind, const std::string& text) {
        out.push_back({Kind::kCopy, kind, 0, text});
    };

    post(kStkOpacity, values.opacity);
    post(kStkLock, Flag(values.locked));
    post(kStkCaptionShadow, Flag(values.captionShadow));
    post(kStkTextShadow, Flag(values.textShadow));
    post(kStkShowDate, Flag(values.showDate));
    post(kStkShowPicture, Flag(values.showPicture));
    post(kStkLayerFromMenu, Flag(values.onDesktop));
    post(kStkWordWrap, Flag(values.wordWrap));
    post(kStkHideAtPointer, Flag(values.hideAtPointer));
    post(kStkHideDelay, values.hideDelayStep);
    post(kStkCaptionColor, Colour(values.captionColor));
    post(kStkTextColor, Colour(values.textColor));
    post(kStkShadowColor, Colour(values.shadowColor));
    const std::string captionFont = values.captionFont.value_or(opening.caption.fontName.Get());
    copy(kStrCaptionFont, captionFont);
    copy(kStrCaptionText, values.captionText);
    post(kStkUseOwnColor, Flag(values.useOwnColor));
    post(kStkColor, Colour(values.stickerColor));
    // A note without text and without an icon would be an empty strip: it gets the first icon.
    if ((values.bodyText.empty() || values.bodyText == " ") && values.iconIndex == 0) {
        values.iconIndex = kFirstIcon;
        values.pictureNumber = kFirstIconNumber;
    }
    post(kStkPictureNumber, static_cast<std::uint32_t>(values.pictureNumber));
    copy(kStrDateText, values.dateText);
    copy(kStrBodyText, values.bodyText);
    const std::string textFont = values.textFont.value_or(opening.body.fontName.Get());
    copy(kStrTextFont, textFont);
    post(kStkStyle, static_cast<std::uint32_t>(values.style));
    if (values.alignment) post(kStkAlignment, static_cast<std::uint32_t>(*values.alignment));
    bool sizeSent = false;
    if (values.sizeIndex) {
        const int size = kSmallestSize + kSizeStep * *values.sizeIndex;
        if (size != opening.body.fontSize) {
            post(kStkTextFontSize, static_cast<std::uint32_t>(size));
            opening.body.fontSize = static_cast<std::uint8_t>(size);
            sizeSent = true;
        }
    }

    bool relayout = values.bodyText != opening.body.text.Get() || values.captionText != opening.caption.text.Get() ||
                    captionFont != opening.caption.fontName.Get() || opening.dateTextEdited ||
                    values.iconIndex != opening.placement.pictureLow ||
                    Flag(values.wordWrap) != opening.placement.wordWrap || opening.dateUseToggled || sizeSent ||
                    textFont != opening.body.fontName.Get();
    if (values.style != opening.placement.style) {
        opening.placement.style = static_cast<std::uint8_t>(values.style);
        relayout = true;
    }
    if (relayout)
        post(kStkRelayout, kStkRelayout);
    else
        post(kStkRepaint, kStkRepaint);
    opening.dateUseToggled = false;
    return out;
}

std::string FormatSeconds(int step) {
    // Step 0 is no position of the bar, but a sticker that keeps it hides after an interval of its own. A
    // sticker keeps the step in a byte.
    const auto stored = static_cast<std::uint8_t>(std::clamp(step, 0, static_cast<int>(UINT8_MAX)));
    const double seconds = HideDelayMilliseconds(stored) / kMillisecondsPerSecond;
    const double rounded = std::round(seconds * kSecondsRounding) / kSecondsRounding;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", rounded);
    std::string result(text);
    for (char& c : result)
        if (c == '.') c = ',';
    return result;
}

}  // namespace velpiners
