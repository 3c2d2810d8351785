// Notes that cannot be lost, with the real controller and sticker windows: a base.db another writer
// replaced is kept aside before a save, the notes of a file are added without duplicates, and the find
// dialog brings a rolled-up, stranded sticker forward.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "base/wide_string_win.h"
#include "dialogs/find_form_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::PumpMessages;
using test::ReadAll;
using test::TempFolder;
using test::WriteAll;

StickerRecord Note(int i) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    r.caption.fontSize = 10;
    r.caption.fontName.Set("Tahoma");
    r.caption.text.Set("Caption " + std::to_string(i));
    r.date = r.caption;
    r.date.text.Set("5.03.26");
    r.body = r.caption;
    r.body.y = 26;
    r.body.width = 208;
    r.body.text.Set("Body of note " + std::to_string(i));
    r.placement.left = 100 + 40 * i;
    r.placement.top = 100 + 30 * i;
    r.placement.opacity = 255;
    r.placement.unrolled = 1;
    r.placement.layer = 1;
    r.inUse = 1;
    return r;
}

std::vector<std::uint8_t> Image(const std::vector<StickerRecord>& records, std::size_t tail = 0) {
    std::vector<std::uint8_t> bytes(records.size() * kStickerRecordSize + tail, 0x5A);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::memcpy(&bytes[i * kStickerRecordSize], &records[i], kStickerRecordSize);
    return bytes;
}

class NotesKeptTest : public ::testing::Test {
protected:
    void Start(const std::vector<StickerRecord>& stored) {
        WriteAll(folder.File("base.db"), Image(stored));
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        controller->onInform = [this](const std::wstring& text) { told.push_back(text); };
        ASSERT_TRUE(controller->FormCreate(false));
        PumpMessages();
    }
    void TearDown() override {
        if (controller) controller->DestroyFormWindow();
        PumpMessages();
    }
    void SaveCycle() { test::SaveCycle(controller->Handle()); }
    std::vector<std::string> ChangedFiles() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE search = ::FindFirstFileA(folder.File("base.db.changed-*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do names.push_back(found.cFileName);
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return names;
    }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
    std::vector<std::wstring> told;
};

TEST_F(NotesKeptTest, AFileAnotherWriterPutInPlaceIsKeptAsideBeforeTheSaveAndToldOnce) {
    Start({Note(0), Note(1)});
    SaveCycle();
    ASSERT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    EXPECT_TRUE(ChangedFiles().empty());

    // Another computer's version through a synced folder: one note, another size.
    const std::vector<std::uint8_t> theirs = Image({Note(7)});
    WriteAll(folder.File("base.db"), theirs);
    SaveCycle();
    const std::vector<std::string> kept = ChangedFiles();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadAll(folder.File(kept[0])), theirs);
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(WideFromCodePage(kept[0], CP_ACP)), std::wstring::npos);

    // The same bytes written again (a sync that only touches the file) and the program's own file: kept.
    WriteAll(folder.File("base.db"), ReadAll(folder.File("base.db")));
    SaveCycle();
    SaveCycle();
    EXPECT_EQ(ChangedFiles().size(), 1u);
    EXPECT_EQ(told.size(), 1u);

    // An edit elsewhere keeps the size: the content tells it.
    std::vector<std::uint8_t> edited = ReadAll(folder.File("base.db"));
    edited[kStickerRecordSize + 777 + 1] ^= 0x20;
    WriteAll(folder.File("base.db"), edited);
    SaveCycle();
    EXPECT_EQ(ChangedFiles().size(), 2u);
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(NotesKeptTest, AddingAFileSkipsTheNotesOpenAlreadyAndTellsTheCounts) {
    Start({Note(0), Note(1)});
    StickerRecord moved = Note(1);  // the same note elsewhere, in another look: a duplicate all the same
    moved.placement.left = 600;
    moved.placement.style = 3;
    WriteAll(folder.File("other.db"), Image({moved, Note(2), Note(2), Note(3)}, 10));
    controller->AddNotesFromFile(WideFromCodePage(folder.File("other.db"), CP_ACP));
    PumpMessages();
    EXPECT_EQ(controller->Table().Count(), 4);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0],
              L"Notes added: 2\r\nAlready open, skipped: 2\r\nNot added, no room (256 at most): 0\r\n"
              L"The file does not end with a whole note: its last bytes were left out.");
    SaveCycle();
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 4 * kStickerRecordSize);
    EXPECT_EQ(std::string(controller->Table().Slot(3).body.text.View()), "Body of note 3");
}

TEST_F(NotesKeptTest, FindListsTheMatchingNotesAndBringsTheChosenOneForward) {
    StickerRecord stranded = Note(1);
    stranded.placement.unrolled = 0;
    stranded.placement.left = -5000;
    Start({Note(0), stranded, Note(2)});
    controller->FindNoteClick();
    TFindForm* form = controller->FindForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Showing());
    EXPECT_EQ(form->Listed(), (std::vector<int>{0, 1, 2}));
    form->E_find.SetText("NOTE 1");  // any case
    EXPECT_EQ(form->Listed(), (std::vector<int>{1}));

    ::SendMessageW(form->E_find.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    HWND window = HandleFromValue(controller->Table().Slot(1).window);
    TStickForm* sticker = TStickForm::OfWindow(window);
    ASSERT_NE(sticker, nullptr);
    EXPECT_EQ(sticker->Placement().unrolled, 1);
    // Above every window until it loses the focus (which, on this display without a window manager, may
    // come at any moment after).
    EXPECT_TRUE(sticker->Raised());
    PumpMessages();
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_GE(rect.left, ::GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_GT(rect.bottom - rect.top, 40);  // the whole sticker, not its caption strip

    // A second opening brings the same dialog forward.
    controller->FindNoteClick();
    EXPECT_EQ(controller->FindForm(), form);
    EXPECT_EQ(TStickForm::OfWindow(controller->Handle()), nullptr);
}

}  // namespace
}  // namespace velpiners
