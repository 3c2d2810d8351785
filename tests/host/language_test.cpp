// Flags of country codes, the name and flag of a language file, and the language chosen at start.
#include <gtest/gtest.h>

#include "lang/language_choice.h"
#include "lang/language_info.h"
#include "lang/text_table.h"
#include "tests/common/fake_ini.h"

namespace velpiners {
namespace {

TEST(FlagIndexOfCode, ExactTwoLetterCodesInEitherCase) {
    EXPECT_EQ(FlagIndexOfCode("ru"), kRussianFlag);
    EXPECT_EQ(FlagIndexOfCode("RU"), 175);
    EXPECT_EQ(FlagIndexOfCode("rU"), 175);
    EXPECT_EQ(FlagIndexOfCode("uk"), kEnglishFlag);
    EXPECT_EQ(FlagIndexOfCode("uk"), 213);
    EXPECT_EQ(FlagIndexOfCode("tg"), 198);  // the first of its two places
    EXPECT_EQ(FlagIndexOfCode("th"), 199);
    EXPECT_EQ(FlagIndexOfCode("tk"), 201);
    EXPECT_EQ(FlagIndexOfCode("hh"), 91);
}

TEST(FlagIndexOfCode, TheStartOfEveryLetterGroupSitsAtItsPlace) {
    // The flag strip is drawn in this order, so one code dropped or doubled would shift every flag after it.
    const std::pair<const char*, int> starts[] = {
        {"ad", 0},   {"ba", 16},  {"ca", 35},  {"de", 54},  {"fi", 68},  {"hk", 89},  {"jm", 104}, {"la", 118},
        {"ma", 129}, {"na", 149}, {"pa", 160}, {"qa", 173}, {"tc", 196}, {"ua", 211}, {"zw", 229},
    };
    for (const auto& [code, index] : starts) EXPECT_EQ(FlagIndexOfCode(code), index) << code;
}

TEST(FlagIndexOfCode, AnythingButAListedTwoLetterCodeHasNoFlag) {
    EXPECT_EQ(FlagIndexOfCode(""), -1);
    EXPECT_EQ(FlagIndexOfCode("_"), -1);
    EXPECT_EQ(FlagIndexOfCode("u"), -1);
    EXPECT_EQ(FlagIndexOfCode("rus"), -1);
    EXPECT_EQ(FlagIndexOfCode("1a"), -1);
    EXPECT_EQ(FlagIndexOfCode("a1"), -1);
    EXPECT_EQ(FlagIndexOfCode("xx"), -1);
    EXPECT_EQ(FlagIndexOfCode(" r"), -1);
    EXPECT_EQ(FlagIndexOfCode("d "), -1);  // would otherwise straddle "ad" and the next code
    EXPECT_EQ(FlagIndexOfCode("ad][ae"), -1);
    EXPECT_EQ(FlagIndexOfCode("\xD0\xF3"), -1);  // Cyrillic "ру" in code page 1251
}

TEST(ReadLanguageInfo, NameAndFlagFromOptionsWithFileDefaults) {
    test::FakeIni ini;
    LanguageInfo info = ReadLanguageInfo("C:\\P\\Languages\\Deutsch.lng", ini);
    EXPECT_EQ(info.name, "Deutsch.lng");
    EXPECT_EQ(info.flagIndex, -1);

    ini.Set("options", "NAME", "Deutsch (de)");
    ini.Set("Options", "Flag", "DE");
    info = ReadLanguageInfo("C:\\P\\Languages\\Deutsch.lng", ini);
    EXPECT_EQ(info.name, "Deutsch (de)");
    EXPECT_EQ(info.flagIndex, 54);

    ini.Set("Options", "Flag", "deu");
    EXPECT_EQ(ReadLanguageInfo("x.lng", ini).flagIndex, -1);
}

TEST(ReadLanguageInfo, TheDeclaredCodePageOrTheSystemsForAnythingElse) {
    test::FakeIni ini;
    EXPECT_EQ(ReadLanguageInfo("x.lng", ini).codePage, kSystemCodePage);
    ini.Set("Options", "CodePage", "1251");
    EXPECT_EQ(ReadLanguageInfo("x.lng", ini).codePage, 1251u);
    ini.Set("Options", "CodePage", "$4E3");  // 1251 in hexadecimal, as every number of these files may be
    EXPECT_EQ(ReadLanguageInfo("x.lng", ini).codePage, 1251u);
    for (const char* odd : {"cp1251", "-1251", "0", "70000"}) {
        ini.Set("Options", "CodePage", odd);
        EXPECT_EQ(ReadLanguageInfo("x.lng", ini).codePage, kSystemCodePage) << odd;
    }
    TextTable texts;
    ini.Set("Options", "CodePage", "1251");
    texts.LoadLanguageFile("C:\\P\\Languages\\uk.lng", ini);
    EXPECT_EQ(texts.CodePage(), 1251u);
    texts.LoadEnglishTexts();
    EXPECT_EQ(texts.CodePage(), kSystemCodePage);
    texts.LoadRussianTexts();
    EXPECT_EQ(texts.CodePage(), 1251u);
}

TEST(ChooseStartLanguage, WithoutConfigTheSystemLanguageDecides) {
    const StoredLanguage ignored{false, false, "ignored.lng"};
    EXPECT_EQ(ChooseStartLanguage(false, ignored, 1049, "C:\\P\\").language, StartLanguage::Russian);
    EXPECT_EQ(ChooseStartLanguage(false, ignored, 1033, "C:\\P\\").language, StartLanguage::English);
    // Only Russian as spoken in Russia counts, not the other Russian sub-languages (Moldova: 2073).
    EXPECT_EQ(ChooseStartLanguage(false, ignored, 2073, "C:\\P\\").language, StartLanguage::English);
    EXPECT_EQ(ChooseStartLanguage(false, ignored, 1049, "C:\\P\\").filePath, "");
}

TEST(ChooseStartLanguage, WithConfigEnglishComesBeforeRussianBeforeAFile) {
    EXPECT_EQ(ChooseStartLanguage(true, StoredLanguage{}, 1049, "C:\\P\\").language, StartLanguage::English);
    EXPECT_EQ(ChooseStartLanguage(true, {true, true, "a.lng"}, 1049, "C:\\P\\").language, StartLanguage::English);
    EXPECT_EQ(ChooseStartLanguage(true, {false, true, "a.lng"}, 1033, "C:\\P\\").language, StartLanguage::Russian);

    const LanguageChoice file = ChooseStartLanguage(true, {false, false, "Deutsch.lng"}, 1049, "C:\\P\\");
    EXPECT_EQ(file.language, StartLanguage::File);
    EXPECT_EQ(file.filePath, "C:\\P\\Languages\\Deutsch.lng");
}

}  // namespace
}  // namespace velpiners
