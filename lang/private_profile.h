// INI files through the Windows private-profile functions (language files, and the folder listing that finds
// them). Paths are full paths: the private-profile functions look for a bare file name in the Windows folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/ini_reader.h"
#include "lang/language_info.h"

namespace velpiners {

class PrivateProfileReader final : public IniReader {
public:
    // Longer values are cut to this many characters less one, so a hostile file cannot make a read allocate
    // without bound.
    static constexpr std::size_t kValueLimit = 64 * 1024;

    explicit PrivateProfileReader(std::string path) : m_path(std::move(path)) {}

    [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const override;

private:
    std::string m_path;
};

// Name and flag index of a language file; a missing file gives its file name and no flag.
[[nodiscard]] LanguageInfo ReadLanguageInfo(const std::string& path);

// Appends to names the names (no folder) of the files in folder whose extension (".lng"), lower-cased,
// equals extension. Sub-folders and system files are skipped; hidden and read-only files are listed. The
// order is the file system's. A missing folder adds nothing.
void ListFilesWithExtension(const std::string& folder, std::string_view extension, std::vector<std::string>& names);

}  // namespace velpiners
