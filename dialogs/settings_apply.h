// What the properties dialog sends a sticker when OK or Apply is pressed: the values its controls hold, in
// a fixed order of posted sticker commands and synchronous strings, ending with a re-layout when anything
// that moves the sticker's layout changed since the dialog opened and a repaint otherwise. Portable: the
// dialog turns the list into window messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/color_value.h"
#include "store/record.h"

namespace velpiners {

// The controls' values at the press.
struct SettingsValues {
    std::uint8_t opacity = 255;  // the transparency track bar, 1..255
    bool locked = false;
    bool captionShadow = false;
    bool textShadow = false;
    bool showDate = false;
    bool showPicture = false;
    bool onDesktop = true;
    bool wordWrap = true;
    bool hideAtPointer = false;
    std::uint8_t hideDelayStep = 1;
    ColorValue captionColor = 0;
    ColorValue textColor = 0;
    ColorValue shadowColor = 0;
    std::optional<std::string> captionFont;  // none: no font selected (not installed)
    std::string captionText;
    bool useOwnColor = false;
    ColorValue stickerColor = 0;
    int iconIndex = 0;      // the icon box's item; 0 is "no icon"
    int pictureNumber = 0;  // the picture number of that item
    std::string dateText;
    std::string bodyText;
    std::optional<std::string> textFont;  // none: no font selected
    int style = 0;
    std::optional<int> alignment;  // 0 left, 1 centre, 2 right; none when no button is down
    std::optional<int> sizeIndex;  // the size box's item (size 6 + 2 x index); none when none is selected
};

// What the dialog keeps from the opening for the comparison, refreshed by every press.
struct SettingsOpening {
    TextStyleBlock caption{};
    TextStyleBlock body{};
    PlacementBlock placement{};
    bool dateTextEdited = false;
    bool dateUseToggled = false;
};

struct SettingsMessage {
    enum class Kind { kPost, kCopy };
    Kind kind = Kind::kPost;
    std::uint32_t code = 0;  // the sticker command code, or the string kind of a copy
    std::uint32_t value = 0;
    std::string text;  // a copy's string
};

// The messages of one OK or Apply, in order. An empty or one-space body text with no icon chosen selects
// the first icon (values.iconIndex and values.pictureNumber become 1). The stored text size and style of
// `opening` take the values sent, and the date-use-toggled flag is cleared.
//
// Two faults of the plain rule are mended here: a font box without a selection sends the font the sticker
// had at the opening, not an empty name that would lose the stored face; and a size box without a
// selection leaves the size alone (no size command).
[[nodiscard]] std::vector<SettingsMessage> SettingsApplyMessages(SettingsValues& values, SettingsOpening& opening);

// The hide delay as the position label shows it: the step's interval in seconds (step x 20 ms, 3 s for
// step 0) rounded to 4 decimals, printed with 2 and a decimal comma: step 30 gives "0,60", step 0 "3,00".
[[nodiscard]] std::string FormatSeconds(int step);

}  // namespace velpiners
