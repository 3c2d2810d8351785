#include "lang/language_file_win.h"

#include "base/private_profile_win.h"

namespace velpiners {

LanguageInfo ReadLanguageInfo(const std::string& path) { return ReadLanguageInfo(path, PrivateProfileReader(path)); }

}  // namespace velpiners
