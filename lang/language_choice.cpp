#include "lang/language_choice.h"

namespace velpiners {

LanguageChoice ChooseStartLanguage(bool configExists, const StoredLanguage& stored, std::uint16_t systemLanguageId,
                                   std::string_view programFolder) {
    LanguageChoice choice;
    if (!configExists) {
        choice.language = systemLanguageId == kRussianLanguageId ? StartLanguage::Russian : StartLanguage::English;
    } else if (stored.english) {
        choice.language = StartLanguage::English;
    } else if (stored.russian) {
        choice.language = StartLanguage::Russian;
    } else {
        choice.language = StartLanguage::File;
        choice.filePath = std::string(programFolder) + "Languages\\" + stored.fileName;
    }
    return choice;
}

}  // namespace velpiners
