#include "dialogs/pattern_box_win.h"

#include <vector>

#include "store/pattern_files_win.h"

namespace velpiners {

void PatternBox::Create(HWND parent, const Bounds& bounds, HFONT font) {
    ComboBox::Create(parent, bounds, font, Kind::kOwnerDrawFixed, kItemHeight, true);
}

void FillPatternList(ComboBox& box, const std::string& programFolder, std::string_view remembered) {
    std::vector<std::string> names;
    if (!ListPatternFiles(programFolder, names)) return;
    const std::string folder = PatternFolderOf(programFolder);
    box.Clear();
    for (const std::string& name : names) box.Add(PatternItem(ReadPatternFileName(folder + name), name));
    if (remembered.empty()) return;
    box.SelectText(remembered);
    box.PressAndRelease();
}

std::string SelectedPatternPath(const ComboBox& box, const std::string& programFolder) {
    const int index = box.Selected();
    if (index < 0) return {};
    return PatternPathOfItem(programFolder, box.Item(index));
}

}  // namespace velpiners
