// The registry writer, the single-instance mutex and the program folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/autorun.h"
#include "app/velpin.h"

namespace velpiners {
namespace {

std::string ReadValue(const char* key, const char* name, DWORD* type, DWORD* size) {
    char data[1024] = {};
    *size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, type, data, size) != ERROR_SUCCESS) return "<none>";
    return std::string(data);
}

TEST(RegistryWriter, SplitsAtTheLastBackslashAndStoresTheGivenBytes) {
    const char text[] = "C:\\dir\\velpiners.exe";
    ASSERT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, "Software\\VelpinersTest\\Inner\\Value", REG_SZ, text,
                                   sizeof text));
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(ReadValue("Software\\VelpinersTest\\Inner", "Value", &type, &size), text);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof text);  // the terminating zero is stored
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VelpinersTest\\Inner");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VelpinersTest");
}

TEST(RegistryWriter, PathWithoutBackslashFails) {
    EXPECT_FALSE(WriteRegistryValue(HKEY_CURRENT_USER, "NoBackslash", REG_SZ, "x", 2));
}

TEST(SingleInstance, TheSecondCreationSeesTheFirst) {
    // Within one process the second creation opens the same mutex and reports another instance.
    const bool first = AnotherInstanceRuns();
    EXPECT_TRUE(AnotherInstanceRuns());
    EXPECT_FALSE(first);
}

TEST(ProgramFolder, IsTheExecutableFolderWithATrailingBackslash) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(std::string(path).rfind(folder, 0), 0u);
}

}  // namespace
}  // namespace velpiners
