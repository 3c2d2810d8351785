// The appearance page both sticker dialogs show: the style list over its preview, the transparency, the
// sticker's own colour with its random choice, and the icon. Each dialog places it by its own bounds and
// fills it from, and reads it back into, a LookValues.
//
// The controls are public under their form names, as the dialogs' tests drive them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "base/color_value.h"
#include "base/unique_handle_win.h"
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

// The icon box: an owner-drawn list of the icon items (dialogs/icon_items.h), each drawn as its 32 x 32
// image and its size label.
class IconBox : public ComboBox {
public:
    static constexpr int kImageSide = 32;
    static constexpr int kItemHeight = 34;

    // `variable`: every item is measured (all at the same height).
    void Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight = kItemHeight, bool variable = true);
    // The image list of the items: image i - 1 belongs to item i.
    [[nodiscard]] HIMAGELIST Images() const { return m_images.get(); }
    // The icon list's items (dialogs/icon_items.h), whose images are already in Images().
    void SetItems(std::vector<std::string> items);
    [[nodiscard]] const std::vector<std::string>& Items() const { return m_items; }
    // Selects the item that shows picture `number` (item 0, no icon, when none does).
    void SelectPicture(int number);
    // The picture number of the selected item; 0 when none is selected.
    [[nodiscard]] int PictureNumber() const;

protected:
    void DrawItem(HDC dc, const RECT& rect, int index, UINT state) override;

private:
    UniqueImageList m_images;
    std::vector<std::string> m_items;
};

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
