// Notes that cannot be lost: every way of deleting fills trash.db and "Deleted notes" brings a note back;
// base.db is copied before the day's first save and before a restore, which brings a copy's notes back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/velpin_win.h"
#include "dialogs/form_dialog_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "store/database_image.h"
#include "store/snapshots.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::FileExists;
using test::FilesMatching;
using test::PumpMessages;
using test::ReadAll;
using test::TempFolder;
using test::WriteAll;

StickerRecord NoteRecord(const std::string& caption, const std::string& body, std::int32_t left) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    r.caption.fontName.Set("Tahoma");
    r.caption.text.Set(caption);
    r.body.fontName.Set("Tahoma");
    r.body.text.Set(body);
    r.placement.opacity = 255;
    r.placement.unrolled = 1;
    r.placement.layer = 1;
    r.placement.left = left;
    r.placement.top = 100;
    r.inUse = 1;
    return r;
}

std::vector<std::uint8_t> DatabaseOf(const std::vector<StickerRecord>& records) {
    std::vector<std::uint8_t> bytes(records.size() * kStickerRecordSize);
    if (!bytes.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    return bytes;
}

// The body texts of a file of records, in file order.
std::vector<std::string> BodiesIn(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    std::vector<std::string> bodies;
    for (const StickerRecord& r : ParseDatabaseImage(bytes.data(), bytes.size())) bodies.push_back(r.body.text.Get());
    return bodies;
}

std::vector<std::string> BodiesOnScreen(const TVelpin& controller) {
    std::vector<std::string> bodies;
    controller.Table().ForEachInUse(
        [&bodies](int, const StickerRecord& slot) { bodies.push_back(slot.body.text.Get()); });
    return bodies;
}

class KeepingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(controller.FormCreate(false));
        ASSERT_TRUE(dialog.FormCreate([this](TextKey key) { return controller.ShownText(key); }));
        controller.SetFormDialog(&dialog);
    }
    void TearDown() override {
        controller.DestroyFormWindow();
        dialog.DestroyFormWindow();
        PumpMessages();
    }
    TStickForm* Make(const std::string& caption, const std::string& body, std::int32_t left = 100) {
        const StickerRecord r = NoteRecord(caption, body, left);
        return controller.MakeStickerFromRecord(r.caption, r.date, r.placement, r.body);
    }
    void Command(UINT id) {
        ::SendMessageA(controller.Handle(), WM_COMMAND, id, 0);
        PumpMessages();
    }
    void AnswerYes() { ::PostMessageA(dialog.Control(TFormDialog::kBOK), BM_CLICK, 0, 0); }

    TempFolder folder;
    ErrorCapture errors;
    TVelpin controller{folder.Path(), test::ProgramResources()};
    TFormDialog dialog;
};

TEST_F(KeepingTest, EveryWayOfDeletingPutsTheNoteInTheTrash) {
    TStickForm* pinned = Make("Pin", "closed by its pin");
    TStickForm* menu = Make("Menu", "deleted from its menu");
    TStickForm* other = Make("Other", "deleted by another program");
    Make("All", "gone with delete all");
    PumpMessages();

    // The close pin: the first click on a focused sticker activates it, the second deletes (locked, so that
    // no press starts the platform's move loop).
    HWND pin = pinned->Handle();
    pinned->Placement().locked = 1;
    const LPARAM closePin = MAKELPARAM(pinned->Composed().Width() - 26 + 9, pinned->Composed().Height() - 25 + 7);
    ::SendMessageA(pin, WM_SETFOCUS, 0, 0);
    ::SendMessageA(pin, WM_LBUTTONDOWN, MK_LBUTTON, closePin);
    ::SendMessageA(pin, WM_LBUTTONDOWN, MK_LBUTTON, closePin);
    ASSERT_FALSE(::IsWindow(pin));
    ::SendMessageA(menu->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    ::SendMessageA(controller.Handle(), protocol::kControllerCommandMessage, reinterpret_cast<WPARAM>(other->Handle()),
                   protocol::kCtlStickerDeleted);
    PumpMessages();
    EXPECT_EQ(BodiesIn(controller.TrashPath()),
              (std::vector<std::string>{"closed by its pin", "deleted from its menu", "deleted by another program"}));

    AnswerYes();
    controller.Ndeleteall1Click();
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 0);
    ASSERT_EQ(BodiesIn(controller.TrashPath()).size(), 4u);
    EXPECT_EQ(BodiesIn(controller.TrashPath())[3], "gone with delete all");
    EXPECT_TRUE(errors.Errors().empty()) << errors.Errors()[0];
}

TEST_F(KeepingTest, DeletedNotesBringANoteBackAtItsPlaceAndEmptyTheTrashAsks) {
    controller.TrashMenuPopup();
    ASSERT_EQ(::GetMenuItemCount(controller.TrashMenu()), 1);
    EXPECT_EQ(MenuItemText(controller.TrashMenu(), 0, true), L"(empty)");
    EXPECT_TRUE(::GetMenuState(controller.TrashMenu(), 0, MF_BYPOSITION) & MF_GRAYED);

    TStickForm* first = Make("Milk", "Buy milk & bread", 150);
    TStickForm* second = Make("Call", "Call mum");
    ::SendMessageA(first->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    ::SendMessageA(second->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    PumpMessages();
    ASSERT_EQ(controller.Table().Count(), 0);

    controller.TrashMenuPopup();
    HMENU trash = controller.TrashMenu();
    ASSERT_EQ(::GetMenuItemCount(trash), 4);  // two notes, a separator, "Empty the trash"
    EXPECT_EQ(MenuItemText(trash, 0, true), L"Call \x2014 Call mum");
    EXPECT_EQ(MenuItemText(trash, 1, true), L"Milk \x2014 Buy milk && bread");
    EXPECT_EQ(MenuItemText(trash, 3, true), L"Empty the trash");

    // The older one back: at its stored place, out of the trash, and saved.
    Command(::GetMenuItemID(trash, 1));
    ASSERT_EQ(BodiesOnScreen(controller), (std::vector<std::string>{"Buy milk & bread"}));
    RECT rect{};
    ::GetWindowRect(HandleFromValue(controller.Table().Slot(0).window), &rect);
    EXPECT_EQ(rect.left, 150);
    EXPECT_EQ(BodiesIn(controller.TrashPath()), (std::vector<std::string>{"Call mum"}));
    EXPECT_EQ(BodiesIn(controller.DatabasePath()), (std::vector<std::string>{"Buy milk & bread"}));

    // "Empty the trash" answered No keeps it; Yes leaves an empty file.
    controller.TrashMenuPopup();
    ::PostMessageA(dialog.Control(TFormDialog::kBNO), BM_CLICK, 0, 0);
    Command(MenuCommand(TVelpin::MenuId::kEmptyTrash));
    EXPECT_EQ(BodiesIn(controller.TrashPath()).size(), 1u);
    AnswerYes();
    Command(MenuCommand(TVelpin::MenuId::kEmptyTrash));
    EXPECT_TRUE(FileExists(controller.TrashPath()));
    EXPECT_TRUE(ReadAll(controller.TrashPath()).empty());
}

TEST_F(KeepingTest, ADamagedTrashIsKeptAsideAndNeverStopsADeletion) {
    WriteAll(controller.TrashPath(), std::vector<std::uint8_t>(kStickerRecordSize + 10, 0x41));
    TStickForm* note = Make("Note", "still deleted");
    ::SendMessageA(note->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 0);
    EXPECT_EQ(FilesMatching(folder.Path() + "trash.db.unreadable-*").size(), 1u);
    // The whole record read from the damaged file stays in the trash with the new one.
    ASSERT_EQ(BodiesIn(controller.TrashPath()).size(), 2u);
    EXPECT_EQ(BodiesIn(controller.TrashPath())[1], "still deleted");
    EXPECT_TRUE(errors.Errors().empty()) << errors.Errors()[0];
}

TEST_F(KeepingTest, ATrashThatCannotBeWrittenIsToldOnceAndTheSavesGoOn) {
    // A folder where the trash's temporary file would go: no trash can be written.
    ASSERT_TRUE(::CreateDirectoryA((controller.TrashPath() + ".new").c_str(), nullptr));
    TStickForm* first = Make("One", "first");
    TStickForm* second = Make("Two", "second");
    Make("Three", "stays");
    ::SendMessageA(first->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    PumpMessages();
    ::SendMessageA(second->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNDelete), 0);
    PumpMessages();
    EXPECT_EQ(BodiesIn(controller.DatabasePath()), (std::vector<std::string>{"stays"}));
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_NE(errors.Errors()[0].find("trash.db"), std::string::npos);
}

TEST_F(KeepingTest, TheDaysFirstSaveCopiesBaseDbOnceAndARestoreBringsACopyBack) {
    // A base.db from an earlier run: the first save of the day copies it before replacing it.
    const std::vector<std::uint8_t> earlier = DatabaseOf({NoteRecord("Old", "from yesterday", 40)});
    WriteAll(controller.DatabasePath(), earlier);
    Make("New", "made today");
    test::SaveCycle(controller.Handle());
    const std::vector<std::string> copies = FilesMatching(controller.BackupFolder() + "*");
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_TRUE(ParseSnapshotFileName(copies[0]));
    EXPECT_TRUE(ParseSnapshotFileName(copies[0])->daily);
    EXPECT_EQ(ReadAll(controller.BackupFolder() + copies[0]), earlier);
    // The next save leaves the day's copy as it was.
    Make("Newer", "made later");
    test::SaveCycle(controller.Handle());
    EXPECT_EQ(FilesMatching(controller.BackupFolder() + "*").size(), 1u);
    EXPECT_EQ(ReadAll(controller.BackupFolder() + copies[0]), earlier);

    // A copy from an older day shows below it, with its date and notes.
    WriteAll(controller.BackupFolder() + "base-20200101.db",
             DatabaseOf({NoteRecord("A", "first of two", 40), NoteRecord("B", "second of two", 80)}));
    controller.RestoreMenuPopup();
    ASSERT_EQ(::GetMenuItemCount(controller.RestoreMenu()), 2);
    EXPECT_EQ(MenuItemText(controller.RestoreMenu(), 1, true), L"1 January 2020 \x2014 2 notes");

    // Answered No nothing changes; Yes: the notes now are copied, and the copy's notes replace them.
    ::PostMessageA(dialog.Control(TFormDialog::kBNO), BM_CLICK, 0, 0);
    Command(MenuCommand(TVelpin::MenuId::kSnapshotItemsBase) + 1);
    EXPECT_EQ(controller.Table().Count(), 2);
    const std::vector<std::uint8_t> before = ReadAll(controller.DatabasePath());
    AnswerYes();
    Command(MenuCommand(TVelpin::MenuId::kSnapshotItemsBase) + 1);
    EXPECT_EQ(BodiesOnScreen(controller), (std::vector<std::string>{"first of two", "second of two"}));
    EXPECT_EQ(BodiesIn(controller.DatabasePath()), (std::vector<std::string>{"first of two", "second of two"}));
    const std::vector<std::string> after = FilesMatching(controller.BackupFolder() + "*");
    ASSERT_EQ(after.size(), 3u);  // the day's copy, the older one and the copy taken before the restore
    std::string taken;
    for (const std::string& name : after)
        if (!ParseSnapshotFileName(name)->daily) taken = name;
    ASSERT_FALSE(taken.empty());
    EXPECT_EQ(ReadAll(controller.BackupFolder() + taken), before);
    EXPECT_TRUE(errors.Errors().empty()) << errors.Errors()[0];
}

TEST_F(KeepingTest, ACopyThatCannotBeReadIsToldAndChangesNothing) {
    Make("Kept", "stays on the screen");
    ::CreateDirectoryA(controller.BackupFolder().c_str(), nullptr);
    const std::string copy = controller.BackupFolder() + "base-20200101.db";
    WriteAll(copy, DatabaseOf({NoteRecord("A", "never shown", 40)}));
    // Another program holds the copy without sharing it.
    HANDLE held = ::CreateFileA(copy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    controller.RestoreMenuPopup();
    AnswerYes();
    Command(MenuCommand(TVelpin::MenuId::kSnapshotItemsBase));
    ::CloseHandle(held);
    EXPECT_EQ(BodiesOnScreen(controller), (std::vector<std::string>{"stays on the screen"}));
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_NE(errors.Errors()[0].find("base-20200101.db"), std::string::npos);
    EXPECT_EQ(FilesMatching(controller.BackupFolder() + "*").size(), 1u);  // no copy of the notes now either
}

}  // namespace
}  // namespace velpiners
