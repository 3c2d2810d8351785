// Language files through the private-profile functions, and the folder listing that finds them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/file_list_win.h"
#include "base/private_profile_win.h"
#include "lang/language_file_win.h"
#include "lang/text_table.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using test::TempFolder;

void WriteText(const std::string& path, const std::string& text) {
    test::WriteAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(LanguageFile, OnlyOptionsGivesEnglishExceptTheFourFileDefaults) {
    TempFolder folder;
    const std::string path = folder.File("Deutsch.lng");
    WriteText(path, "[Options]\r\nName=Deutsch\r\nFlag=RU\r\n");

    TextTable table;
    table.LoadRussianTexts();
    table.LoadLanguageFile(path, PrivateProfileReader(path));
    EXPECT_EQ(table.Kind(), LanguageKind::File);
    EXPECT_FALSE(table.EnglishFlag());
    EXPECT_FALSE(table.RussianFlag());
    EXPECT_EQ(table.FileName(), "Deutsch.lng");
    for (const TextInfo& info : AllTexts()) {
        const bool differs = info.id == TextKey::mCopys || info.id == TextKey::capLColor ||
                             info.id == TextKey::vidCBSC || info.id == TextKey::vidCBST;
        EXPECT_EQ(table.Get(info.id) == info.english, !differs) << info.key;
    }
    EXPECT_EQ(table.Get("mCopys"), "Duplicate Window");
    EXPECT_EQ(table.Get("fConfig"), "Properties:");

    const LanguageInfo info = ReadLanguageInfo(path);
    EXPECT_EQ(info.name, "Deutsch");
    EXPECT_EQ(info.flagIndex, 175);
}

TEST(LanguageFile, TextsAreReadFromTheirSectionsWithoutRegardToCase) {
    TempFolder folder;
    const std::string path = folder.File("x.lng");
    WriteText(path,
              "[STICKER]\r\nmconfig=Eigenschaften\r\n"
              "[Tray]\r\nmClose=Beenden\r\nmDeleteAll = Alle entfernen \r\n"
              "[Setting]\r\nfConfig=Eigenschaften\r\nmdelete=not here\r\nunknown=ignored\r\n");
    TextTable table;
    table.LoadLanguageFile(path, PrivateProfileReader(path));
    EXPECT_EQ(table.Get("mConfig"), "Eigenschaften");
    EXPECT_EQ(table.Get("mClose"), "Beenden");
    EXPECT_EQ(table.Get("mDeleteAll"), "Alle entfernen");  // the profile functions trim blanks
    EXPECT_EQ(table.Get("fConfig"), "Eigenschaften:");
    EXPECT_EQ(table.Get("mdelete"), "Delete sticker");
}

TEST(LanguageFile, LongValuesAreReadWholeUpToTheBound) {
    TempFolder folder;
    const std::string path = folder.File("long.lng");
    const std::string longText(1000, 'l');
    const std::string hugeText(PrivateProfileReader::kValueLimit + 5000, 'h');
    WriteText(path, "[Sticker]\r\nmConfig=" + longText + "\r\n[Setting]\r\ndPattFile=" + longText +
                        "\r\n[Huge]\r\nValue=" + hugeText + "\r\nEdge=" + std::string(511, 'e') + "\r\n");
    TextTable table;
    table.LoadLanguageFile(path, PrivateProfileReader(path));
    EXPECT_EQ(table.Get("mConfig"), std::string(255, 'l'));
    EXPECT_EQ(table.Get("dPattFile"), longText);

    const PrivateProfileReader reader(path);
    EXPECT_EQ(reader.Read("Huge", "Edge", ""), std::string(511, 'e'));  // exactly fills a grown buffer
    EXPECT_EQ(reader.Read("Huge", "Value", "").size(), PrivateProfileReader::kValueLimit - 1);
    EXPECT_EQ(reader.Read("Huge", "Missing", "fallback"), "fallback");
}

TEST(LanguageFile, MissingFileGivesEveryDefault) {
    TempFolder folder;
    const std::string path = folder.File("gone.lng");
    TextTable table;
    table.LoadLanguageFile(path, PrivateProfileReader(path));
    for (const TextInfo& info : AllTexts()) {
        const std::string expected = std::string(info.fileDefault) + (info.id == TextKey::fConfig ? ":" : "");
        EXPECT_EQ(table.Get(info.id), expected) << info.key;
    }
    EXPECT_EQ(table.FileName(), "gone.lng");

    const LanguageInfo info = ReadLanguageInfo(path);
    EXPECT_EQ(info.name, "gone.lng");
    EXPECT_EQ(info.flagIndex, -1);
}

TEST(ListFilesWithExtension, ListsFilesOfTheExtensionAndSkipsFoldersAndSystemFiles) {
    TempFolder folder;
    for (const char* name :
         {"a.lng", "B.LNG", "hidden.lng", "readonly.lng", "system.lng", "c.txt", "lng", "d.lng.bak", "e.lngx"})
        WriteText(folder.File(name), "[Options]\r\n");
    ASSERT_TRUE(::CreateDirectoryA(folder.File("x.lng").c_str(), nullptr));
    ASSERT_TRUE(::SetFileAttributesA(folder.File("hidden.lng").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::SetFileAttributesA(folder.File("readonly.lng").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(::SetFileAttributesA(folder.File("system.lng").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_NE(::GetFileAttributesA(folder.File("system.lng").c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u)
        << "this file system cannot keep the system attribute";

    std::vector<std::string> names = {"kept.lng"};
    ListFilesWithExtension(folder.Path(), ".lng", names);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "kept.lng");  // appended, never cleared
    std::sort(names.begin() + 1, names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"kept.lng", "B.LNG", "a.lng", "hidden.lng", "readonly.lng"}));

    // The same without the trailing backslash, and for another extension.
    std::vector<std::string> texts;
    std::string bare = folder.Path();
    bare.pop_back();
    ListFilesWithExtension(bare, ".txt", texts);
    EXPECT_EQ(texts, std::vector<std::string>{"c.txt"});
}

TEST(ListFilesWithExtension, MissingFolderAddsNothing) {
    TempFolder folder;
    std::vector<std::string> names;
    ListFilesWithExtension(folder.File("Languages\\"), ".lng", names);
    EXPECT_TRUE(names.empty());
}

}  // namespace
}  // namespace velpiners
