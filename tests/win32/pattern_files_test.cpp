// Pattern files on disk through the private-profile functions: the first save makes the patterns folder,
// saves within one second keep every file, a folder that cannot be made is reported, and the pattern box
// is filled sorted with the remembered pattern selected and clicked.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/app_error.h"
#include "dialogs/patterns_page_win.h"
#include "store/pattern_files_win.h"
#include "tests/win32/test_support.h"
#include "ui/dialog_form_win.h"

namespace velpiners {
namespace {

using test::FilesMatching;
using test::TempFolder;

PatternLook LookOfStyle(int style) {
    PatternLook look;
    look.style = style;
    look.textFont = "Tahoma";
    look.captionFont = "Verdana";
    look.alignment = 1;
    look.pictureNumber = 3;
    return look;
}

class PatternFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.CreateDialogForm("PatternFilesTestHost", 361, 281, DialogBorder::kSingle);
        box.Create(host.Handle(), Bounds{8, 8, 200, 22}, host.DialogFont());
        box.onClick = [this] { selectedWhenClicked.push_back(box.Selected()); };
    }

    std::string Save(std::string_view name, int style, int second) {
        return WritePatternFile(folder.Path(), name, LookOfStyle(style), PatternTime{2026, 12, 7, 3, 45, second});
    }

    TempFolder folder;
    DialogForm host;
    PatternBox box;
    std::vector<int> selectedWhenClicked;
};

TEST_F(PatternFilesTest, FirstSaveMakesTheFolderAndSavesInOneSecondKeepEveryFile) {
    EXPECT_EQ(Save("Beta", 5, 12), "071226_034512.pat");
    EXPECT_EQ(Save("Alpha", 6, 12), "071226_034512_1.pat");
    EXPECT_EQ(Save("Gamma||work", 7, 12), "071226_034512_2.pat");
    const std::string patterns = folder.File("patterns\\");
    EXPECT_EQ(FilesMatching(patterns + "*.pat").size(), 3u);
    EXPECT_EQ(ReadPatternFileName(patterns + "071226_034512_2.pat"), "Gamma|work");

    StickerRecord record{};
    ReadPatternFile(patterns + "071226_034512_1.pat", record);
    EXPECT_EQ(record.placement.style, 6);
    EXPECT_EQ(record.placement.alignment, 1);
    EXPECT_EQ(record.placement.PictureNumber(), 3);
    EXPECT_EQ(record.caption.fontName.Get(), "Verdana");

    // The file as another program or a later version reads it: sections in the order written, 1/0 flags.
    const std::vector<std::uint8_t> bytes = test::ReadAll(patterns + "071226_034512.pat");
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t info = text.find("[Info]");
    const std::size_t window = text.find("[Window]");
    const std::size_t body = text.find("[Text]");
    const std::size_t caption = text.find("[TextC]");
    ASSERT_NE(caption, std::string::npos);
    EXPECT_LT(info, window);
    EXPECT_LT(window, body);
    EXPECT_LT(body, caption);
    EXPECT_NE(text.find("name=Beta"), std::string::npos);
    EXPECT_NE(text.find("Date=07.12.2026 03:45"), std::string::npos);
    EXPECT_NE(text.find("UColor=1"), std::string::npos);

    // A missing file reads as the defaults.
    ReadPatternFile(patterns + "absent.pat", record);
    EXPECT_EQ(record.placement.style, 0);
    EXPECT_EQ(ReadPatternFileName(patterns + "absent.pat"), "unknown pattern");
}

TEST_F(PatternFilesTest, AFolderThatCannotBeMadeIsReportedAndLeavesNoFile) {
    const std::string program = folder.File("missing\\deeper\\");
    try {
        WritePatternFile(program, "x", LookOfStyle(0), PatternTime{2026, 12, 7, 3, 45, 12});
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + program + "patterns\\071226_034512.pat");
    }
    EXPECT_FALSE(test::FileExists(folder.File("missing")));
}

TEST_F(PatternFilesTest, ListIsSortedAndTheRememberedPatternIsSelectedAndClicked) {
    box.Add("kept");
    FillPatternList(box, folder.Path(), "kept");
    EXPECT_EQ(box.Count(), 1);  // no patterns folder: the box keeps what it had
    EXPECT_TRUE(selectedWhenClicked.empty());

    const std::string beta = Save("beta", 1, 1);
    Save("Alpha", 2, 2);
    Save("gamma", 3, 3);
    FillPatternList(box, folder.Path(), "");
    ASSERT_EQ(box.Count(), 3);
    EXPECT_EQ(PatternNameOf(box.Item(0)), "Alpha");
    EXPECT_EQ(PatternNameOf(box.Item(1)), "beta");
    EXPECT_EQ(PatternNameOf(box.Item(2)), "gamma");
    EXPECT_EQ(box.Selected(), -1);
    EXPECT_TRUE(selectedWhenClicked.empty());

    FillPatternList(box, folder.Path(), "BETA||" + beta);
    EXPECT_EQ(box.Selected(), 1);
    ASSERT_EQ(selectedWhenClicked.size(), 1u);
    EXPECT_EQ(selectedWhenClicked[0], 1);
    EXPECT_EQ(::SendMessageA(box.Handle(), CB_GETDROPPEDSTATE, 0, 0), FALSE);
    const std::string path = SelectedPatternPath(box, folder.Path());
    EXPECT_EQ(path, folder.File("patterns\\") + beta);

    // A read-only pattern is deleted too; its entry then leads nowhere.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    DeletePatternFile(path);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_EQ(SelectedPatternPath(box, folder.Path()), "");

    FillPatternList(box, folder.Path(), "nope||x.pat");
    EXPECT_EQ(box.Count(), 2);
    EXPECT_EQ(box.Selected(), -1);
    EXPECT_EQ(selectedWhenClicked.size(), 2u);
}

}  // namespace
}  // namespace velpiners
