// The appearance page both sticker dialogs show: the style list over its preview, the transparency, the
// sticker's own colour with its random choice, and the icon. Each dialog places it by its own bounds and
// fills it from, and reads it back into, a LookValues.
//
// The controls are public under their form names, as the dialogs' tests drive them.
#pragma once

#include <windows.h>

#include <string>

#include "base/color_value.h"
#include "dialogs/icon_box_win.h"
#include "dialogs/preview.h"
#include "lang/text_lookup.h"
#include "store/record.h"
#include "ui/combo_box_win.h"
#include "ui/control_win.h"
#include "ui/hints_win.h"
#include "ui/image_control_win.h"
#include "ui/memo_win.h"
#include "ui/speed_button_win.h"
#include "ui/track_bar_win.h"

namespace velpiners {

struct LookPageLayout {
    Bounds GB, I_style, CB_style, Ltran, trackBar, CBuseColor, CBColorMask, SBrandom, TS5, CB_icons, CB_pic_use;
};

struct LookPageOptions {
    int iconItemHeight = IconBox::kItemHeight;
    bool iconItemsMeasured = true;
    // The transparency frame's caption keeps a space either side, as the group box captions do.
    bool spacedTransparencyCaption = false;
};

// What the page shows. A style the list does not hold reads back as -1.
struct LookValues {
    int style = -1;
    std::uint8_t opacity = 0;
    bool useOwnColor = false;
    ColorValue color = 0;
    int pictureNumber = 0;
};

// The look a sticker's placement block holds.
[[nodiscard]] LookValues LookOf(const PlacementBlock& placement);

class LookPage {
public:
    // Makes the controls on `parent`; `pictures` draws the preview (none: no preview).
    void Create(HWND parent, const LookPageLayout& layout, HFONT font, dialogs::PreviewPictures* pictures,
                const LookPageOptions& options = {});
    // Captions, the random button's hint and the style names from the current language.
    void ApplyTexts(const TextLookup& text, Hints& hints);

    void Fill(const LookValues& values);
    [[nodiscard]] LookValues Read() const;

    void CB_styleClick();
    void SBrandomClick();
    // The colour box follows its check box (the properties dialog's choice).
    void CBuseColorClick();

    GroupBox GB, Ltran, TS5;
    ImageControl I_style;
    ComboBox CB_style;
    TrackBar trackBar;
    CheckBox CBuseColor, CB_pic_use;
    ColorBox CBColorMask;
    SpeedButton SBrandom;
    IconBox CB_icons;

private:
    dialogs::PreviewPictures* m_pictures = nullptr;
    bool m_spacedTransparencyCaption = false;
};

// A text size box: the sizes smallest first, as high as the font and colour boxes of its row.
void CreateTextSizeBox(ComboBox& box, HWND parent, const Bounds& bounds, HFONT font);
// The memo previews the size chosen in the box (none chosen: it keeps its size).
void ShowTextSize(const ComboBox& box, Memo& memo);
// "1,5 s": the hide delay of `step` with its unit.
[[nodiscard]] std::wstring SecondsText(int step, const std::wstring& unit);

}  // namespace velpiners
