// The files of a folder with one extension, as the program finds its language files, patterns and icon
// packs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velpiners {

// Appends to names the names (no folder) of the files in folder whose extension (".lng"), lower-cased,
// equals extension. Sub-folders and system files are skipped; hidden and read-only files are listed. The
// order is the file system's. A missing folder adds nothing.
void ListFilesWithExtension(const std::string& folder, std::string_view extension, std::vector<std::string>& names);

}  // namespace velpiners
