// Pattern files on disk, in the folder "patterns\" of the program folder, through the private-profile
// functions, and the pattern box that lists them (store/pattern.h has the keys and the list items).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "store/pattern.h"
#include "store/record.h"
#include "ui/combo_box_win.h"

namespace velpiners {

// The pattern box: sorted, owner-drawn with items 16 pixels high, each item shown by its display name.
class PatternBox : public ComboBox {
public:
    static constexpr int kItemHeight = 16;
    void Create(HWND parent, const Bounds& bounds, HFONT font);

protected:
    [[nodiscard]] std::string DisplayText(const std::string& item) const override { return PatternNameOf(item); }
};

// The program folder (with its trailing backslash) + "patterns\".
[[nodiscard]] std::string PatternFolderOf(const std::string& programFolder);

// The local time now.
[[nodiscard]] PatternTime PatternTimeNow();

// Writes a new pattern file named after `now` (the next free name when that one is taken), creating the
// patterns folder when it is missing; returns the file's name. Throws AppError "Unable to write to <path>"
// when the file cannot be written; no file is left then.
std::string WritePatternFile(const std::string& programFolder, std::string_view name, const PatternLook& look,
                             const PatternTime& now);

// ReadPattern from the file at `path`; a missing file reads as all defaults.
void ReadPatternFile(const std::string& path, StickerRecord& record);
[[nodiscard]] std::string ReadPatternFileName(const std::string& path);

// Lists the pattern files into the box as "name||file" items. A missing patterns folder leaves the box as it
// was. Then, when `remembered` is not empty, selects the item equal to it ignoring case (none when absent)
// and clicks the box (ComboBox::PressAndRelease), so the box's onClick previews it.
void FillPatternList(ComboBox& box, const std::string& programFolder, std::string_view remembered);

// The path of the file of the box's selected item; empty when nothing is selected or the file does not exist.
[[nodiscard]] std::string SelectedPatternPath(const ComboBox& box, const std::string& programFolder);

// The pattern item both sticker dialogs select when they fill their pattern box, kept in config.txt
// ([Settings] pattern; empty when there is none), and writing it back (false when config.txt cannot be
// written).
[[nodiscard]] std::string ReadRememberedPattern(const std::string& programFolder);
bool WriteRememberedPattern(const std::string& programFolder, const std::string& item);

// Deletes a pattern file, also a read-only one. Throws AppError "Unable to delete <path>" when the file
// stays, with its attributes as they were.
void DeletePatternFile(const std::string& path);

}  // namespace velpiners
