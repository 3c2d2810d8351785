// The box both sticker dialogs list the pattern files in (store/pattern_files_win.h reads and writes them).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "store/pattern.h"
#include "ui/combo_box_win.h"

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

}  // namespace velpiners
