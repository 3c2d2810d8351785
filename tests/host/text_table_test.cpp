// The text table: its keys, the built-in texts, filling it from a language file, and the tray captions
// taken from it.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "lang/cp1251.h"
#include "lang/menu_captions.h"
#include "lang/text_table.h"
#include "tests/common/fake_ini.h"

namespace velpiners {
namespace {

using test::FakeIni;

// The key names as language files spell them; renaming one would break every existing language file.
constexpr const char* kKeyNames =
    "mConfig mdelete mCopys dfNapom dfText dfSver dfRazver "
    "mNewStick mClose mLang mmRus mmEng mAbout mDeleteAll mHotKey mSticks mSticksView mDeist mFindSreen "
    "mFindTransp bOk bNO bPrim capLtext capLFont capLColor capLDatatext capCBusedata vidLTransp vidBGSt "
    "vidCBLock vidCBSC vidCBST vidSt1 vidSt2 vidSt3 vidSt4 vidSt5 vidSt6 vidSt7 vidSt8 vidSt9 vidSt10 vidSt11 "
    "vidSt12 vidSt13 vidSt14 vidSt15 vidSt16 vidSt17 vidInterval vidMouseLook vidIntSec bPattPrim bPattSave "
    "bPattDel dPattFile fConfig posUp posBottom tabCapt tabText tabVid tabIcon tabPos tabPattern aligL aligC "
    "aligR fSBrandhint fUseColor buffIn buffOut dialCaptionDeleteAll dialTextDeleteAll capCBAutoPer "
    "mFindNote mExport mAddFromFile fFind mAllFiles mTextFiles mAdded mDuplicates mNoRoom mTorn mChangedKept "
    "mTrash mRestore mTrashEmpty mMenuEmpty dialTextEmptyTrash dialTextRestore mNotesCount mMonth1 mMonth2 "
    "mMonth3 mMonth4 mMonth5 mMonth6 mMonth7 mMonth8 mMonth9 mMonth10 mMonth11 mMonth12";

std::vector<std::string> Words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Answers every read with the key's own name, so a caption shows which key it came from.
class EchoIni : public IniReader {
public:
    [[nodiscard]] std::string Read(std::string_view, std::string_view key, std::string_view) const override {
        return std::string(key);
    }
};

class ThrowingIni : public IniReader {
public:
    [[nodiscard]] std::string Read(std::string_view, std::string_view key, std::string_view) const override {
        if (key == "posUp") throw std::runtime_error("read failed");
        return "x";
    }
};

TEST(TextKeys, EveryKeyOnceInTableOrderWithItsSection) {
    const std::vector<std::string> expected = Words(kKeyNames);
    ASSERT_EQ(expected.size(), kTextCount);
    std::set<std::string_view> seen;
    int perSection[3] = {};
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const TextInfo& info = AllTexts()[i];
        EXPECT_EQ(info.key, expected[i]);
        EXPECT_TRUE(seen.insert(info.key).second) << info.key;
        EXPECT_EQ(FindTextKey(info.key), info.id);
        EXPECT_EQ(&InfoOf(info.id), &info);
        ++perSection[static_cast<int>(info.section)];
        EXPECT_FALSE(info.english.empty()) << info.key;
        EXPECT_FALSE(info.russianUtf8.empty()) << info.key;
    }
    EXPECT_EQ(perSection[static_cast<int>(TextSection::Sticker)], 7);
    EXPECT_EQ(perSection[static_cast<int>(TextSection::Tray)], 15 + 11 + 19);
    EXPECT_EQ(perSection[static_cast<int>(TextSection::Setting)], 54);
    EXPECT_EQ(InfoOf(TextKey::dialTextDeleteAll).section, TextSection::Tray);
    EXPECT_EQ(InfoOf(TextKey::mSticksView).kind, TextKind::Long);
    EXPECT_EQ(InfoOf(TextKey::fConfig).kind, TextKind::Short);
    EXPECT_EQ(FindTextKey("mconfig"), std::nullopt);  // key names in code are exact
    EXPECT_EQ(FindTextKey(""), std::nullopt);
}

TEST(TextTable, StartsInEnglishAndAnswersUnknownKeysWithEmptyText) {
    const TextTable table;
    EXPECT_EQ(table.Kind(), LanguageKind::English);
    EXPECT_TRUE(table.EnglishFlag());
    EXPECT_FALSE(table.RussianFlag());
    EXPECT_EQ(table.Get("mFindSreen"), "Show off-screen stickers");
    EXPECT_EQ(table.Get(TextKey::fConfig), "Properties:");
    EXPECT_EQ(table.Get("vidSt15"), "H.Z.");
    EXPECT_EQ(table.Get("nothing"), "");
    EXPECT_EQ(table.Get("MCONFIG"), "");
}

TEST(TextTable, RussianTextsAreCodePage1251AndConvertWhole) {
    TextTable table;
    table.LoadRussianTexts();
    EXPECT_EQ(table.Kind(), LanguageKind::Russian);
    EXPECT_TRUE(table.RussianFlag());
    EXPECT_FALSE(table.EnglishFlag());
    EXPECT_EQ(table.FileName(), "");
    EXPECT_EQ(table.Get("mConfig"), "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8");  // "Настройки"
    EXPECT_EQ(table.Get("vidSt15"), "\xD5.\xC7.");                            // "Х.З." with Cyrillic letters
    EXPECT_EQ(table.Get("vidSt12"), "Vista Glass");
    for (const TextInfo& info : AllTexts()) {
        const std::string& text = table.Get(info.id);
        EXPECT_EQ(Cp1251ToUtf8(text), info.russianUtf8) << info.key;
        // A '?' in the result that the source does not have would be a character the code page lacks.
        EXPECT_EQ(text.find('?') != std::string::npos, info.russianUtf8.find('?') != std::string_view::npos)
            << info.key;
        EXPECT_LE(text.size(), kShortTextLimit);
    }
}

TEST(TextTable, LanguageFileWithoutTextsGivesTheFileDefaults) {
    TextTable table;
    table.LoadRussianTexts();
    FakeIni ini;
    ini.Set("Options", "Name", "Deutsch");
    table.LoadLanguageFile("C:\\Velpiners\\Languages\\Deutsch.lng", ini);
    EXPECT_EQ(table.Kind(), LanguageKind::File);
    EXPECT_FALSE(table.EnglishFlag());
    EXPECT_FALSE(table.RussianFlag());
    EXPECT_EQ(table.FileName(), "Deutsch.lng");

    const std::set<TextKey> differing = {TextKey::mCopys, TextKey::capLColor, TextKey::vidCBSC, TextKey::vidCBST};
    for (const TextInfo& info : AllTexts()) {
        if (differing.count(info.id) == 0) {
            EXPECT_EQ(table.Get(info.id), info.english) << info.key;
        }
    }
    EXPECT_EQ(table.Get("mCopys"), "Duplicate Window");
    EXPECT_EQ(table.Get("capLColor"), "Caption color");
    EXPECT_EQ(table.Get("vidCBSC"), "Caption shadow");
    EXPECT_EQ(table.Get("vidCBST"), "Text shadow");
    EXPECT_EQ(table.Get("fConfig"), "Properties:");

    // Every key is read once, from its own section, in table order; then the code page the file declares.
    ASSERT_EQ(ini.reads.size(), kTextCount + 1);
    for (std::size_t i = 0; i < kTextCount; ++i) {
        EXPECT_EQ(ini.reads[i].first, SectionName(AllTexts()[i].section));
        EXPECT_EQ(ini.reads[i].second, AllTexts()[i].key);
    }
    EXPECT_EQ(ini.reads[kTextCount].second, "CodePage");
}

TEST(TextTable, LanguageFileValuesComeFromTheirOwnSection) {
    FakeIni ini;
    ini.Set("sticker", "MCONFIG", "Eigenschaften");
    ini.Set("Setting", "mdelete", "in the wrong section");
    ini.Set("Setting", "fConfig", "Eigenschaften");
    ini.Set("Tray", "dialTextDeleteAll", "Alle löschen?");
    TextTable table;
    table.LoadLanguageFile("Languages/de.lng", ini);
    EXPECT_EQ(table.Get("mConfig"), "Eigenschaften");
    EXPECT_EQ(table.Get("mdelete"), "Delete sticker");
    EXPECT_EQ(table.Get("fConfig"), "Eigenschaften:");
    EXPECT_EQ(table.Get("dialTextDeleteAll"), "Alle löschen?");
    EXPECT_EQ(table.FileName(), "de.lng");
}

TEST(TextTable, ShortTextsAreCutTo255AndLongTextsKeptWhole) {
    FakeIni ini;
    ini.Set("Sticker", "mConfig", std::string(300, 'a'));
    ini.Set("Setting", "dPattFile", std::string(5000, 'b'));
    ini.Set("Setting", "fConfig", std::string(254, 'c'));
    ini.Set("Tray", "dialCaptionDeleteAll", std::string(255, 'd'));
    TextTable table;
    table.LoadLanguageFile(std::string(300, 'n'), ini);
    EXPECT_EQ(table.Get("mConfig"), std::string(255, 'a'));
    EXPECT_EQ(table.Get("dPattFile"), std::string(5000, 'b'));
    EXPECT_EQ(table.Get("fConfig"), std::string(254, 'c') + ":");
    EXPECT_EQ(table.Get("dialCaptionDeleteAll"), std::string(255, 'd'));
    EXPECT_EQ(table.FileName(), std::string(255, 'n'));

    // A 255-character prefix leaves no room for the colon.
    ini.Set("Setting", "fConfig", std::string(400, 'c'));
    table.LoadLanguageFile("x.lng", ini);
    EXPECT_EQ(table.Get("fConfig"), std::string(255, 'c'));
}

TEST(TextTable, BuiltInLanguageAfterAFileClearsTheFileName) {
    TextTable table;
    table.LoadLanguageFile("C:\\L\\a.lng", FakeIni());
    table.LoadEnglishTexts();
    EXPECT_EQ(table.Kind(), LanguageKind::English);
    EXPECT_TRUE(table.EnglishFlag());
    EXPECT_EQ(table.FileName(), "");
    EXPECT_EQ(table.Get("mCopys"), "Duplicate sticker");
}

TEST(TextTable, AFailedFileReadLeavesTheLanguageWhole) {
    TextTable table;
    table.LoadRussianTexts();
    const TextTable before = table;
    EXPECT_THROW(table.LoadLanguageFile("C:\\L\\broken.lng", ThrowingIni()), std::runtime_error);
    EXPECT_EQ(table.Kind(), LanguageKind::Russian);
    EXPECT_TRUE(table.RussianFlag());
    for (const TextInfo& info : AllTexts()) EXPECT_EQ(table.Get(info.id), before.Get(info.id)) << info.key;
}

TEST(FileNameOfPath, TakesWhatFollowsTheLastSeparator) {
    EXPECT_EQ(FileNameOfPath("C:\\a\\b\\x.lng"), "x.lng");
    EXPECT_EQ(FileNameOfPath("a/b\\c/y.lng"), "y.lng");
    EXPECT_EQ(FileNameOfPath("plain.lng"), "plain.lng");
    EXPECT_EQ(FileNameOfPath("C:\\Languages\\"), "");
    EXPECT_EQ(FileNameOfPath(""), "");
}

TEST(TrayMenuCaptions, EachItemTakesItsKey) {
    TextTable table;
    table.LoadLanguageFile("echo.lng", EchoIni());
    const TrayMenuCaptions c = MenuCaptionsOf(table);
    EXPECT_EQ(c.n1, "mNewStick");
    EXPECT_EQ(c.newst1, "mNewStick (mConfig)");
    EXPECT_EQ(c.nClose, "mClose");
    EXPECT_EQ(c.nLang, "mLang");
    EXPECT_EQ(c.nRus, "mmRus");
    EXPECT_EQ(c.nEng, "mmEng");
    EXPECT_EQ(c.nAbout, "mAbout");
    EXPECT_EQ(c.ndeleteall, "mDeleteAll");
    EXPECT_EQ(c.nHotkey, "mHotKey");
    EXPECT_EQ(c.nHotCreate, "mNewStick");
    EXPECT_EQ(c.destv, "mDeist");
    EXPECT_EQ(c.findSrc, "mFindSreen");
    EXPECT_EQ(c.findTransp, "mFindTransp");
    EXPECT_EQ(c.nStickers, "mSticks");
}

TEST(TrayMenuCaptions, BuiltInLanguages) {
    TextTable table;
    EXPECT_EQ(MenuCaptionsOf(table).newst1, "New sticker (Properties)");
    table.LoadRussianTexts();
    EXPECT_EQ(MenuCaptionsOf(table).newst1, Utf8ToCp1251("Новый стикер (Настройки)"));
    EXPECT_EQ(MenuCaptionsOf(table).nClose, Utf8ToCp1251("Закрыть программу"));
}

}  // namespace
}  // namespace velpiners
