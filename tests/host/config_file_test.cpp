// config.txt read and written through an INI file (FakeIni records the order), its number rules, and the
// hot-key choice model it feeds.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/hot_key.h"
#include "base/profile_integer.h"
#include "store/config_file.h"
#include "tests/common/fake_ini.h"

namespace velpiners {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

TEST(ConfigFileTest, AFileWithoutKeysGivesTheFileDefaultsNotTheStartValues) {
    test::FakeIni ini;
    StickerDefaults current;
    current.stickerColor = 0x123456;
    const Configuration c = ReadConfiguration(ini, current);
    EXPECT_TRUE(c.englishLanguage);
    EXPECT_FALSE(c.russianLanguage);
    EXPECT_EQ(c.otherLanguage, "");
    EXPECT_EQ(c.defaults.style, 0);  // a start without any file keeps 5
    EXPECT_EQ(c.defaults.opacity, 255);
    EXPECT_EQ(c.defaults.hideDelayStep, 30);
    EXPECT_TRUE(c.defaults.captionShadow);
    EXPECT_TRUE(c.defaults.textShadow);
    EXPECT_EQ(c.defaults.textColor, 0xFFFFFF);
    EXPECT_EQ(c.defaults.captionFont, "Tahoma");
    EXPECT_EQ(c.defaults.textSize, 8);
    EXPECT_EQ(c.defaults.stickerColor, 0x123456);  // not in the file
    THotKey hotKey;
    hotKey.Select(c.hotKey);
    EXPECT_EQ(hotKey.FirstSet(), 0);  // NWin

    const Keys expected = {{"Language", "DefualtLanguageEng"},
                           {"Language", "DefualtLanguageRus"},
                           {"Language", "OtherLanguage"},
                           {"Default", "Style"},
                           {"Default", "Transparent"},
                           {"Default", "Color"},
                           {"Default", "Pos"},
                           {"Default", "Wrap"},
                           {"Default", "ColorText"},
                           {"Default", "ColorCapt"},
                           {"Default", "FontText"},
                           {"Default", "FontCapt"},
                           {"Default", "SizeText"},
                           {"Default", "UP"},
                           {"Default", "NP"},
                           {"Default", "UML"},
                           {"Default", "IML"},
                           {"Default", "sh_c"},
                           {"Default", "sh_t"},
                           {"Default", "colorSh"},
                           {"Default", "align"},
                           {"HotKey", "NEW"}};
    EXPECT_EQ(ini.reads, expected);
}

TEST(ConfigFileTest, ValuesAreReadByTheirTypes) {
    test::FakeIni ini;
    ini.Set("language", "defualtlanguageeng", "0");
    ini.Set("Language", "DefualtLanguageRus", "7");  // any integer but 0 is true
    ini.Set("Language", "OtherLanguage", std::string(300, 'n'));
    ini.Set("Default", "Style", "3");
    ini.Set("Default", "Transparent", "300");  // kept in 8 bits
    ini.Set("Default", "Color", "0");
    ini.Set("Default", "Pos", "yes");  // not a number: the default, true
    ini.Set("Default", "Wrap", "$0");
    ini.Set("Default", "ColorText", "$FF");
    ini.Set("Default", "ColorCapt", "0x00ff00");
    ini.Set("Default", "FontText", "Courier New");
    ini.Set("Default", "SizeText", "-1");
    ini.Set("Default", "NP", "357");
    ini.Set("Default", "IML", "256");
    ini.Set("Default", "colorSh", "-2147483643");
    ini.Set("Default", "align", "2");
    ini.Set("HotKey", "NEW", "-1");
    const Configuration c = ReadConfiguration(ini, StickerDefaults{});
    EXPECT_FALSE(c.englishLanguage);
    EXPECT_TRUE(c.russianLanguage);
    EXPECT_EQ(c.otherLanguage, std::string(255, 'n'));
    EXPECT_EQ(c.defaults.style, 3);
    EXPECT_EQ(c.defaults.opacity, 44);
    EXPECT_FALSE(c.defaults.useOwnColor);
    EXPECT_TRUE(c.defaults.onTop);
    EXPECT_FALSE(c.defaults.wordWrap);
    EXPECT_EQ(c.defaults.textColor, 0xFF);
    EXPECT_EQ(c.defaults.captionColor, 0x00FF00);
    EXPECT_EQ(c.defaults.textFont, "Courier New");
    EXPECT_EQ(c.defaults.textSize, 255);
    EXPECT_EQ(c.defaults.pictureNumber, 357);
    EXPECT_EQ(c.defaults.hideDelayStep, 0);
    EXPECT_EQ(c.defaults.shadowColor, static_cast<ColorValue>(0x80000005u));
    EXPECT_EQ(c.defaults.alignment, 2);
    EXPECT_EQ(c.hotKey, -1);
}

TEST(ConfigFileTest, WritesTheTwentyTwoKeysInOrderAndKeepsEveryOtherKey) {
    test::FakeIni ini;
    ini.Set("Settings", "pattern", "mine.pat");
    ini.Set("Default", "Extra", "kept");
    Configuration c;
    c.englishLanguage = false;
    c.russianLanguage = false;
    c.otherLanguage = "Deutsch.lng";
    c.defaults.style = 12;
    c.defaults.opacity = 200;
    c.defaults.shadowColor = static_cast<ColorValue>(0x80000005u);
    c.defaults.captionShadow = true;
    c.hotKey = -1;
    ASSERT_TRUE(WriteConfiguration(ini, c));
    const Keys expected = {{"Language", "DefualtLanguageEng"},
                           {"Language", "DefualtLanguageRus"},
                           {"Language", "OtherLanguage"},
                           {"Default", "Color"},
                           {"Default", "Pos"},
                           {"Default", "Style"},
                           {"Default", "Transparent"},
                           {"Default", "Wrap"},
                           {"Default", "ColorText"},
                           {"Default", "ColorCapt"},
                           {"Default", "FontText"},
                           {"Default", "FontCapt"},
                           {"Default", "SizeText"},
                           {"Default", "NP"},
                           {"Default", "UP"},
                           {"Default", "UML"},
                           {"Default", "IML"},
                           {"Default", "sh_c"},
                           {"Default", "sh_t"},
                           {"Default", "colorSh"},
                           {"Default", "align"},
                           {"HotKey", "NEW"}};
    EXPECT_EQ(ini.writes, expected);
    EXPECT_EQ(ini.Read("Language", "DefualtLanguageEng", ""), "0");
    EXPECT_EQ(ini.Read("Language", "OtherLanguage", ""), "Deutsch.lng");
    EXPECT_EQ(ini.Read("Default", "Style", ""), "12");
    EXPECT_EQ(ini.Read("Default", "sh_c", ""), "1");
    EXPECT_EQ(ini.Read("Default", "colorSh", ""), "-2147483643");
    EXPECT_EQ(ini.Read("Default", "FontCapt", ""), "Tahoma");
    EXPECT_EQ(ini.Read("HotKey", "NEW", ""), "-1");
    EXPECT_EQ(ini.Read("Settings", "pattern", ""), "mine.pat");
    EXPECT_EQ(ini.Read("Default", "Extra", ""), "kept");

    // What was written reads back as the same configuration.
    const Configuration back = ReadConfiguration(ini, c.defaults);
    EXPECT_EQ(back.otherLanguage, c.otherLanguage);
    EXPECT_EQ(back.defaults.style, 12);
    EXPECT_EQ(back.defaults.opacity, 200);
    EXPECT_EQ(back.defaults.shadowColor, c.defaults.shadowColor);
    EXPECT_EQ(back.hotKey, -1);
}

TEST(ConfigFileTest, AKeyThatCannotBeWrittenStopsTheWrite) {
    test::FakeIni ini;
    ini.failWrites = true;
    EXPECT_FALSE(WriteConfiguration(ini, Configuration{}));
    EXPECT_TRUE(ini.writes.empty());
}

TEST(ProfileIntegerTest, DecimalAndHexadecimalWithinThirtyTwoBits) {
    EXPECT_EQ(ParseProfileInteger("0"), 0);
    EXPECT_EQ(ParseProfileInteger("16777215"), 16777215);
    EXPECT_EQ(ParseProfileInteger("-1"), -1);
    EXPECT_EQ(ParseProfileInteger("+12"), 12);
    EXPECT_EQ(ParseProfileInteger("$1F"), 31);
    EXPECT_EQ(ParseProfileInteger("0x1f"), 31);
    EXPECT_EQ(ParseProfileInteger("0X10"), 16);
    EXPECT_EQ(ParseProfileInteger("-$10"), -16);
    EXPECT_EQ(ParseProfileInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseProfileInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseProfileInteger("-2147483648"), INT32_MIN);
    for (const char* bad :
         {"", "-", "$", "0x", "2147483648", "-2147483649", "$100000000", "12a", "1 2", "0x1g", "1.5", "one", " 1"})
        EXPECT_EQ(ParseProfileInteger(bad), std::nullopt) << bad;
}

TEST(THotKeyTest, PublishesAllFiveFlagsInIndexOrder) {
    THotKey hotKey;
    EXPECT_EQ(hotKey.FirstSet(), kNoHotKey);
    hotKey.Select(0);  // NWin
    hotKey.Select(1);  // then NFind
    std::vector<std::pair<int, int>> calls;
    hotKey.Publish([&calls](int enabled, int index) { calls.emplace_back(enabled, index); });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {0, 2}, {0, 3}, {0, 4}}));
    EXPECT_EQ(hotKey.FirstSet(), 1);
}

TEST(THotKeyTest, ChoicesOutsideTheKeysAndTheirMenuTags) {
    THotKey hotKey;
    hotKey.Select(7);
    EXPECT_EQ(hotKey.FirstSet(), 0);
    hotKey.Select(-2);
    EXPECT_EQ(hotKey.FirstSet(), 0);
    hotKey.Select(4);
    EXPECT_TRUE(hotKey.Flag(4));
    EXPECT_FALSE(hotKey.Flag(0));
    hotKey.Select(kNoHotKey);
    EXPECT_EQ(hotKey.FirstSet(), kNoHotKey);
    EXPECT_FALSE(hotKey.Flag(4));

    EXPECT_EQ(HotKeyChoiceOfTag(0), kNoHotKey);
    EXPECT_EQ(HotKeyChoiceOfTag(2), 1);
    EXPECT_EQ(HotKeyTagOfChoice(kNoHotKey), 0);
    EXPECT_EQ(HotKeyTagOfChoice(4), 5);
    EXPECT_EQ(HotKeyOfNotification(201), 0);
    EXPECT_EQ(HotKeyOfNotification(205), 4);
    EXPECT_EQ(HotKeyOfNotification(200), std::nullopt);
    EXPECT_EQ(HotKeyOfNotification(206), std::nullopt);
}

}  // namespace
}  // namespace velpiners
