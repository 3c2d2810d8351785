// A language file on disk, read through the private-profile functions.
#pragma once

#include <string>

#include "lang/language_info.h"

namespace velpiners {

// Name and flag index of a language file; a missing file gives its file name and no flag.
[[nodiscard]] LanguageInfo ReadLanguageInfo(const std::string& path);

}  // namespace velpiners
