// Files the program rewrites are replaced whole (IniFileReplacement), and a file whose state the system
// cannot tell is not taken as absent (ProbeFile).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/file_probe_win.h"
#include "base/ini_file_replacement_win.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using test::FileExists;
using test::TempFolder;

std::string ReadText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = test::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
    test::WriteAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string Value(const std::string& path, const char* section, const char* key) {
    char buffer[64] = {};
    ::GetPrivateProfileStringA(section, key, "?", buffer, sizeof buffer, path.c_str());
    return buffer;
}

TEST(IniFileReplacementTest, AWriteThatStopsHalfWayLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string path = folder.File("config.txt");
    WriteText(path, "[Default]\r\nStyle=7\r\nmine=kept\r\n");
    const std::string before = ReadText(path);
    {
        IniFileReplacement file(path);
        ASSERT_TRUE(file.Begin());
        ASSERT_TRUE(file.Write("Default", "Style", "3"));
        ASSERT_TRUE(file.Write("Language", "OtherLanguage", "x.lng"));
        // ... and no Commit: a key that failed, the program ended.
    }
    EXPECT_EQ(ReadText(path), before);
    EXPECT_FALSE(FileExists(path + ".new"));

    IniFileReplacement file(path);
    ASSERT_TRUE(file.Begin());
    ASSERT_TRUE(file.Write("Default", "Style", "3"));
    EXPECT_EQ(ReadText(path), before);  // nothing reaches the file before the commit
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Value(path, "Default", "Style"), "3");
    EXPECT_EQ(Value(path, "Default", "mine"), "kept");
    EXPECT_FALSE(FileExists(path + ".new"));
}

TEST(IniFileReplacementTest, FilesThatMayNotBeReplacedAreLeftAlone) {
    TempFolder folder;
    // An absent file is made; a stale copy of an earlier run does not leak into it.
    const std::string fresh = folder.File("fresh.ini");
    WriteText(fresh + ".new", "[Stale]\r\nold=1\r\n");
    {
        IniFileReplacement file(fresh);
        ASSERT_TRUE(file.Begin());
        ASSERT_TRUE(file.Write("A", "b", "c"));
        ASSERT_TRUE(file.Commit());
    }
    EXPECT_EQ(Value(fresh, "A", "b"), "c");
    EXPECT_EQ(Value(fresh, "Stale", "old"), "?");

    // Read-only (the user's "do not write"), a folder of that name, a file held without sharing.
    const std::string readOnly = folder.File("readonly.ini");
    WriteText(readOnly, "[A]\r\nb=1\r\n");
    ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string directory = folder.File("folder.ini");
    ASSERT_TRUE(::CreateDirectoryA(directory.c_str(), nullptr));
    const std::string held = folder.File("held.ini");
    WriteText(held, "[A]\r\nb=1\r\n");
    HANDLE lock = ::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (const std::string& path : {readOnly, directory, held}) {
        IniFileReplacement file(path);
        EXPECT_FALSE(file.Begin()) << path;
        EXPECT_FALSE(file.Write("A", "b", "2")) << path;
        EXPECT_FALSE(file.Commit()) << path;
        EXPECT_FALSE(FileExists(path + ".new")) << path;
    }
    ::CloseHandle(lock);
    EXPECT_EQ(Value(readOnly, "A", "b"), "1");
    EXPECT_EQ(Value(held, "A", "b"), "1");
    ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(directory.c_str());
}

TEST(FileProbeTest, OnlyNotFoundMeansAbsent) {
    TempFolder folder;
    WriteText(folder.File("there"), "x");
    EXPECT_EQ(ProbeFile(folder.File("there")).state, FileState::kPresent);
    EXPECT_EQ(ProbeFile(folder.File("missing")).state, FileState::kAbsent);
    EXPECT_EQ(ProbeFile(folder.File("no folder\\missing")).state, FileState::kAbsent);
    // A name the system cannot take is not a missing file.
    const FileProbe bad = ProbeFile(folder.File("a|b"));
    EXPECT_EQ(bad.state, FileState::kUnknown);
    EXPECT_NE(bad.failure, static_cast<DWORD>(ERROR_SUCCESS));
}

}  // namespace
}  // namespace velpiners
