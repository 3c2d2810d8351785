// The patterns page both sticker dialogs show: the pattern files in a box, the chosen one previewed with the
// sticker's text, and Load, which hands the pattern to the dialog; the properties dialog adds Save and
// Delete. Each dialog places it by its own bounds.
//
// The controls are public under their form names, as the dialogs' tests drive them.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/preview.h"
#include "graphics/picture.h"
#include "lang/text_lookup.h"
#include "store/pattern.h"
#include "store/record.h"
#include "ui/combo_box_win.h"
#include "ui/control_win.h"
#include "ui/hints_win.h"
#include "ui/image_control_win.h"
#include "ui/memo_win.h"
#include "ui/speed_button_win.h"

namespace velpiners {

// The pattern box of both sticker dialogs: sorted, owner-drawn with items 16 pixels high, each item shown by its
// display name.
class PatternBox : public ComboBox {
public:
    static constexpr int kItemHeight = 16;
    void Create(HWND parent, const Bounds& bounds, HFONT font);

protected:
    [[nodiscard]] std::string DisplayText(const std::string& item) const override { return PatternNameOf(item); }
};

// Lists the pattern files into the box as "name||file" items. A missing patterns folder leaves the box as it
// was. Then, when `remembered` is not empty, selects the item equal to it ignoring case (none when absent)
// and clicks the box (ComboBox::PressAndRelease), so the box's onClick previews it.
void FillPatternList(ComboBox& box, const std::string& programFolder, std::string_view remembered);

// The path of the file of the box's selected item; empty when nothing is selected or the file does not exist.
[[nodiscard]] std::string SelectedPatternPath(const ComboBox& box, const std::string& programFolder);

struct PatternsPageLayout {
    Bounds GB_prew_press, I_press, CB_press, B_press_prim;
    // Save and Delete exist only where they are placed.
    std::optional<Bounds> BsavePattern, BdelPattern;
};

class PatternsPage {
public:
    // Makes the controls on `parent`. The preview shows `memo`'s text; `pictures` draws it (none: no preview);
    // `resources` holds the buttons' glyphs (nullptr: the program itself).
    void Create(HWND parent, const PatternsPageLayout& layout, HFONT font, std::string programFolder, const Memo& memo,
                dialogs::PreviewPictures* pictures, HMODULE resources);
    void ApplyTexts(const TextLookup& text, Hints& hints);

    // Lists the pattern files with Load and Delete disabled; the remembered pattern, when listed, is chosen
    // and previewed.
    void Fill(std::string_view remembered);
    // No pattern chosen: the box without a selection, Load and Delete disabled, the preview empty.
    void ShowNoPattern();
    [[nodiscard]] std::string SelectedPath() const;

    void CB_pressClick();
    void B_press_primClick();

    // Load: the pattern read from the chosen file; the page draws nothing more.
    std::function<void(const StickerRecord& pattern)> onLoad;

    GroupBox GB_prew_press;
    ImageControl I_press;
    PatternBox CB_press;
    Button B_press_prim;
    SpeedButton BsavePattern, BdelPattern;

private:
    void EnableChosen(bool enabled);

    std::string m_folder;
    const Memo* m_memo = nullptr;
    dialogs::PreviewPictures* m_pictures = nullptr;
    bool m_savesPatterns = false;
};

// A button's picture from the resources; an empty one when it is missing (the button still works).
[[nodiscard]] graphics::Picture Glyph(const char* name, HMODULE resources);

}  // namespace velpiners
