// The single-instance mutex and the program folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/autorun_win.h"
#include "app/program_path_win.h"

namespace velpiners {
namespace {

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
