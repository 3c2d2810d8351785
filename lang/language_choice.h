// The language the program starts in. With config.txt the stored choice decides (English before Russian
// before a language file from the "Languages\" folder); without it, a Russian system (language id 1049)
// starts in Russian and every other system in English.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velpiners {

inline constexpr std::uint16_t kRussianLanguageId = 1049;

// The three values config.txt keeps in section Language, with the defaults of a config.txt that lacks them.
struct StoredLanguage {
    bool english = true;   // DefualtLanguageEng
    bool russian = false;  // DefualtLanguageRus
    std::string fileName;  // OtherLanguage
};

enum class StartLanguage : std::uint8_t { Russian, English, File };

struct LanguageChoice {
    StartLanguage language = StartLanguage::English;
    std::string filePath;  // for File: programFolder + "Languages\" + the stored file name
};

// programFolder ends with a backslash.
[[nodiscard]] LanguageChoice ChooseStartLanguage(bool configExists, const StoredLanguage& stored,
                                                 std::uint16_t systemLanguageId, std::string_view programFolder);

}  // namespace velpiners
