// What the language submenu shows of a language file: its name and the index of its flag in the flag strip.
// The flag strip holds 230 flags in the order of the country-code list; "ru" is 175 and "uk" 213.
#pragma once

#include <string>
#include <string_view>

#include "base/ini_reader.h"

namespace velpiners {

inline constexpr int kFlagCount = 230;
inline constexpr int kRussianFlag = 175;
inline constexpr int kEnglishFlag = 213;

// The flag of a two-letter country code (either case); -1 for anything else, which shows no flag.
[[nodiscard]] int FlagIndexOfCode(std::string_view code);

struct LanguageInfo {
    std::string name;
    int flagIndex = -1;
    unsigned codePage = 0;  // what the name and texts are written in; 0: the system's ANSI code page
};

// Name, Flag and CodePage of section Options; the name defaults to the file name of path, the flag to none,
// the code page to the system's.
[[nodiscard]] LanguageInfo ReadLanguageInfo(std::string_view path, const IniReader& ini);

}  // namespace velpiners
