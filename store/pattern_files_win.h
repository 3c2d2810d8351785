// Pattern files on disk, in the folder "patterns\" of the program folder, through the private-profile
// functions (store/pattern.h has the keys and the list items; dialogs/patterns_page_win.h lists them).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "store/pattern.h"
#include "store/record.h"

namespace velpiners {

// The program folder (with its trailing backslash) + "patterns\".
[[nodiscard]] std::string PatternFolderOf(const std::string& programFolder);

// The local time now.
[[nodiscard]] PatternTime PatternTimeNow();

// Writes a new pattern file named after `now` (the next free name when that one is taken), creating the
// patterns folder when it is missing; returns the file's name. Throws AppError "Unable to write to <path>"
// when the file cannot be written; no file is left then.
std::string WritePatternFile(const std::string& programFolder, std::string_view name, const PatternLook& look,
                             const PatternTime& now);

// The names of the pattern files in the patterns folder; false when there is no such folder.
bool ListPatternFiles(const std::string& programFolder, std::vector<std::string>& names);

// The path of the pattern file named in a list item ("name||file"); empty when the name is not a plain file
// name or no such file exists.
[[nodiscard]] std::string PatternPathOfItem(const std::string& programFolder, const std::string& item);

// ReadPattern from the file at `path`; a missing file reads as all defaults.
void ReadPatternFile(const std::string& path, StickerRecord& record);
[[nodiscard]] std::string ReadPatternFileName(const std::string& path);

// The pattern item both sticker dialogs select when they fill their pattern box, kept in config.txt
// ([Settings] pattern; empty when there is none), and writing it back (false when config.txt cannot be
// written).
[[nodiscard]] std::string ReadRememberedPattern(const std::string& programFolder);
bool WriteRememberedPattern(const std::string& programFolder, const std::string& item);

// Deletes a pattern file, also a read-only one. Throws AppError "Unable to delete <path>" when the file
// stays, with its attributes as they were.
void DeletePatternFile(const std::string& path);

}  // namespace velpiners
