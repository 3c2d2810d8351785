// The controller with real windows standing in for stickers: the save cycle end to end, reports from other
// programs, the WM_USER control interface, loading base.db and failed writes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/phase_times.h"
#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "tests/win32/test_support.h"
#include "ui/error_box_win.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::FileExists;
using test::PumpMessages;
using test::ReadAll;
using test::StandInSticker;
using test::TempFolder;
using test::WriteAll;

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(controller->FormCreate(false)); }

    // Stand-ins that hold slots in the table, each with a recognisable record.
    void AddStickers(int count) {
        for (int i = 0; i < count; ++i) {
            auto sticker = std::make_unique<StandInSticker>();
            sticker->record.placement.left = 100 + static_cast<int>(stickers.size());
            sticker->record.placement.opacity = 255;
            sticker->record.body.text.Set("note " + std::to_string(stickers.size()));
            sticker->record.caption.fontName.Set("Tahoma");
            ASSERT_GE(controller->TakeSlot(sticker->Handle()), 0);
            stickers.push_back(std::move(sticker));
        }
    }

    LRESULT Command(std::uint32_t code, WPARAM wParam = 0) {
        return ::SendMessageA(controller->Handle(), protocol::kControllerCommandMessage, wParam, code);
    }

    LRESULT User(LPARAM command, WPARAM wParam = 0) {
        return ::SendMessageA(controller->Handle(), WM_USER, wParam, command);
    }

    LRESULT SendReport(const void* bytes, DWORD size) {
        COPYDATASTRUCT data{};
        data.dwData = protocol::kRecordReportDwData;
        data.cbData = size;
        data.lpData = const_cast<void*>(bytes);
        return ::SendMessageA(controller->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }

    void SaveCycle() { test::SaveCycle(controller->Handle()); }

    [[nodiscard]] std::string DbPath() const { return folder.File("base.db"); }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
    std::vector<std::unique_ptr<StandInSticker>> stickers;
};

TEST_F(ControllerTest, SaveCycleWritesEveryInUseRecordInSlotOrder) {
    AddStickers(3);
    SaveCycle();
    const auto bytes = ReadAll(DbPath());
    ASSERT_EQ(bytes.size(), 3 * kStickerRecordSize);
    for (std::size_t i = 0; i < 3; ++i) {
        StickerRecord stored;
        std::memcpy(&stored, &bytes[i * kStickerRecordSize], sizeof stored);
        EXPECT_EQ(stored.window, HandleValue(stickers[i]->Handle()));
        EXPECT_EQ(stored.body.text.Get(), "note " + std::to_string(i));
        EXPECT_EQ(stored.placement.left, static_cast<int>(100 + i));
        EXPECT_EQ(stored.inUse, 1);
        EXPECT_EQ(stored.reported, 1);
        EXPECT_EQ(stickers[i]->reportsSent, 1);
    }
    EXPECT_TRUE(errors.Errors().empty());
    EXPECT_FALSE(FileExists(DbPath() + ".new"));
}

TEST_F(ControllerTest, AStickerThatDoesNotAnswerHoldsTheWriteBack) {
    const std::vector<std::uint8_t> previous(kStickerRecordSize, 0x42);
    WriteAll(DbPath(), previous);
    AddStickers(2);
    stickers[1]->answers = false;
    SaveCycle();
    EXPECT_EQ(ReadAll(DbPath()), previous);

    stickers[1]->answers = true;  // a later cycle in which it answers writes
    SaveCycle();
    EXPECT_EQ(ReadAll(DbPath()).size(), 2 * kStickerRecordSize);
}

TEST_F(ControllerTest, AStickerWindowThatIsGoneNoLongerHoldsTheWriteBack) {
    AddStickers(2);
    SaveCycle();
    stickers[0].reset();  // its window is destroyed behind the controller's back
    stickers[1]->record.body.text.Set("changed");
    SaveCycle();
    const auto bytes = ReadAll(DbPath());
    ASSERT_EQ(bytes.size(), 2 * kStickerRecordSize);
    StickerRecord gone;
    StickerRecord alive;
    std::memcpy(&gone, bytes.data(), sizeof gone);
    std::memcpy(&alive, &bytes[kStickerRecordSize], sizeof alive);
    EXPECT_EQ(gone.body.text.Get(), "note 0");  // what it last reported
    EXPECT_EQ(alive.body.text.Get(), "changed");
}

TEST_F(ControllerTest, ABurstOfReportsIsWrittenOnceOrTwice) {
    AddStickers(2);
    SaveCycle();
    // Another program sends report after report for a live sticker, faster than a write takes.
    StickerRecord report = stickers[1]->record;
    report.window = HandleValue(stickers[1]->Handle());
    constexpr int kReports = 1000;
    phase::Reset();
    phase::Enable(true);
    for (int i = 0; i < kReports; ++i) {
        report.placement.left = i;
        ASSERT_EQ(SendReport(&report, sizeof report), 1);
    }
    PumpMessages();
    const std::int64_t writes = phase::Get(phase::Phase::kWriteDatabase).calls;
    phase::Enable(false);
    EXPECT_GE(writes, 1);
    EXPECT_LE(writes, 2);
    const auto bytes = ReadAll(DbPath());
    ASSERT_EQ(bytes.size(), 2 * kStickerRecordSize);
    StickerRecord last;
    std::memcpy(&last, &bytes[kStickerRecordSize], sizeof last);
    EXPECT_EQ(last.placement.left, kReports - 1);
}

TEST_F(ControllerTest, DeletedStickerReleasesItsSlotAndRewrites) {
    AddStickers(2);
    SaveCycle();
    Command(protocol::kCtlStickerDeleted, reinterpret_cast<WPARAM>(stickers[0]->Handle()));
    PumpMessages();
    EXPECT_EQ(User(protocol::kUserCount), 1);
    const auto bytes = ReadAll(DbPath());
    ASSERT_EQ(bytes.size(), kStickerRecordSize);
    StickerRecord stored;
    std::memcpy(&stored, bytes.data(), sizeof stored);
    EXPECT_EQ(stored.body.text.Get(), "note 1");

    // Deleting the last sticker finds none in use and leaves a zero-length file.
    Command(protocol::kCtlStickerDeleted, reinterpret_cast<WPARAM>(stickers[1]->Handle()));
    PumpMessages();
    EXPECT_TRUE(FileExists(DbPath()));
    EXPECT_TRUE(ReadAll(DbPath()).empty());
}

TEST_F(ControllerTest, NoStickerInUseWritesAZeroLengthFile) {
    WriteAll(DbPath(), std::vector<std::uint8_t>(kStickerRecordSize * 2, 1));
    SaveCycle();
    EXPECT_TRUE(FileExists(DbPath()));
    EXPECT_TRUE(ReadAll(DbPath()).empty());
}

TEST_F(ControllerTest, DeleteOfAWindowNotInTheTableStartsNoCycle) {
    AddStickers(1);
    StandInSticker stranger;
    Command(protocol::kCtlStickerDeleted, reinterpret_cast<WPARAM>(stranger.Handle()));
    PumpMessages();
    EXPECT_FALSE(FileExists(DbPath()));
    EXPECT_EQ(stickers[0]->reportsSent, 0);
    EXPECT_EQ(User(protocol::kUserCount), 1);
}

TEST_F(ControllerTest, ReportFromAnUnknownWindowChangesNothing) {
    AddStickers(1);
    StickerRecord report;
    std::memset(&report, 0x77, sizeof report);
    report.window = 0x0BADF00D;
    EXPECT_EQ(SendReport(&report, sizeof report), 0);
    PumpMessages();
    EXPECT_FALSE(FileExists(DbPath()));
    EXPECT_EQ(controller->Table().Slot(0).reported, 0);
    EXPECT_NE(controller->Table().Slot(0).placement.opacity, 0x77);
}

TEST_F(ControllerTest, ShortOrEmptyReportsAreIgnored) {
    AddStickers(1);
    StickerRecord report = stickers[0]->record;
    report.window = HandleValue(stickers[0]->Handle());
    report.placement.left = -12345;
    EXPECT_EQ(SendReport(&report, kStickerRecordSize - 1), 0);
    EXPECT_EQ(SendReport(nullptr, kStickerRecordSize), 0);
    EXPECT_EQ(SendReport(&report, 0), 0);
    PumpMessages();
    EXPECT_EQ(controller->Table().Slot(0).reported, 0);
    EXPECT_NE(controller->Table().Slot(0).placement.left, -12345);
    EXPECT_FALSE(FileExists(DbPath()));

    // A longer payload is a report: its first 1076 bytes count.
    std::vector<std::uint8_t> longer(kStickerRecordSize + 50, 0);
    std::memcpy(longer.data(), &report, sizeof report);
    EXPECT_EQ(SendReport(longer.data(), static_cast<DWORD>(longer.size())), 1);
    EXPECT_EQ(controller->Table().Slot(0).placement.left, -12345);
}

TEST_F(ControllerTest, UserInterfaceAnswers) {
    EXPECT_EQ(User(protocol::kUserPresence), 108);
    EXPECT_EQ(User(0x00FF0000 | protocol::kUserPresence), 108);  // only the low 16 bits name the command
    EXPECT_EQ(User(protocol::kUserCount), 0);
    AddStickers(3);
    EXPECT_EQ(User(protocol::kUserCount), 3);
    EXPECT_EQ(User(protocol::kUserSlotOf, reinterpret_cast<WPARAM>(stickers[2]->Handle())), 2);
    EXPECT_EQ(User(protocol::kUserSlotOf, reinterpret_cast<WPARAM>(controller->Handle())), 0);
    EXPECT_EQ(User(4321), 0);
}

TEST_F(ControllerTest, ControllerIsAHiddenToolWindowFoundByItsClass) {
    EXPECT_EQ(::FindWindowA("TVelpin", nullptr), controller->Handle());
    EXPECT_FALSE(::IsWindowVisible(controller->Handle()));
    EXPECT_TRUE(::GetWindowLongA(controller->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_NE(controller->TaskbarCreatedMessage(), 0u);
    EXPECT_EQ(controller->TaskbarCreatedMessage(), ::RegisterWindowMessageA("TaskbarCreated"));
}

TEST_F(ControllerTest, TaskbarCreatedClosesStickersAndReloadsTheDatabase) {
    AddStickers(2);
    SaveCycle();
    ::SendMessageA(controller->Handle(), controller->TaskbarCreatedMessage(), 0, 0);
    PumpMessages();
    EXPECT_EQ(stickers[0]->closeCommands, 1);
    EXPECT_EQ(stickers[1]->closeCommands, 1);
    // The stored stickers come back as new windows in the lowest slots.
    ASSERT_EQ(User(protocol::kUserCount), 2);
    EXPECT_EQ(controller->Table().Slot(1).body.text.Get(), "note 1");
    EXPECT_NE(controller->Table().Slot(0).window, HandleValue(stickers[0]->Handle()));
    EXPECT_TRUE(::IsWindow(HandleFromValue(controller->Table().Slot(0).window)));
}

TEST_F(ControllerTest, FailedWriteKeepsTheOldFileAndTellsTheUser) {
    const std::vector<std::uint8_t> previous(kStickerRecordSize, 0x42);
    WriteAll(DbPath(), previous);
    AddStickers(1);
    {
        // Another process holding the file without sharing makes the replace fail.
        HANDLE lock = ::CreateFileA(DbPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        SaveCycle();
        ::CloseHandle(lock);
    }
    EXPECT_EQ(ReadAll(DbPath()), previous);
    EXPECT_FALSE(FileExists(DbPath() + ".new"));
    ASSERT_EQ(errors.Errors().size(), 1u);
    const std::string expectedStart = "Cannot create file \"" + DbPath() + "\". ";
    EXPECT_EQ(errors.Errors()[0].rfind(expectedStart, 0), 0u) << errors.Errors()[0];
    EXPECT_GT(errors.Errors()[0].size(), expectedStart.size());
    EXPECT_EQ(controller->Table().Count(), 1);

    // The next cycle tries again and succeeds.
    SaveCycle();
    EXPECT_EQ(ReadAll(DbPath()).size(), kStickerRecordSize);
}

TEST_F(ControllerTest, WriteIntoAMissingFolderFailsCleanly) {
    auto orphan = std::make_unique<TVelpin>(folder.File("gone\\"), test::ProgramResources());
    ASSERT_TRUE(orphan->FormCreate(false));
    ::PostMessageA(orphan->Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
    PumpMessages();
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0].rfind("Cannot create file \"" + folder.File("gone\\base.db") + "\". ", 0), 0u);
    EXPECT_EQ(errors.Errors()[0].back(), '.');
}

class DatabaseLoadTest : public ::testing::Test {
protected:
    std::vector<std::uint8_t> Records(int count, std::size_t tail) {
        std::vector<std::uint8_t> bytes(count * kStickerRecordSize + tail, 0);
        for (int i = 0; i < count; ++i) {
            StickerRecord r;
            std::memset(&r, 0, sizeof r);
            r.placement.left = i;
            std::memcpy(&bytes[i * kStickerRecordSize], &r, sizeof r);
        }
        return bytes;
    }

    TempFolder folder;
    ErrorCapture errors;
};

TEST_F(DatabaseLoadTest, WholeRecordsOnlyAndAtMost256) {
    WriteAll(folder.File("base.db"), Records(3, 10));
    TVelpin three(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(three.FormCreate(false));
    EXPECT_EQ(three.Table().Count(), 3);
    three.DestroyFormWindow();

    WriteAll(folder.File("base.db"), Records(300, 0));
    TVelpin many(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(many.FormCreate(false));
    ASSERT_EQ(many.Table().Count(), 256);
    EXPECT_EQ(many.Table().Slot(255).placement.left, 255);
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(DatabaseLoadTest, NoFileLoadsNothingAndCreatesNone) {
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 0);
    EXPECT_FALSE(FileExists(folder.File("base.db")));
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(DatabaseLoadTest, AnUnreadableDatabaseIsMovedAsideBeforeTheFirstWrite) {
    const std::vector<std::uint8_t> stored = Records(2, 0);
    WriteAll(folder.File("base.db"), stored);
    // Another program holds the file without sharing while the controller starts.
    HANDLE lock = ::CreateFileA(folder.File("base.db").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    ::CloseHandle(lock);
    EXPECT_EQ(controller.Table().Count(), 0);
    ASSERT_EQ(errors.Errors().size(), 1u);
    const std::string& error = errors.Errors()[0];
    EXPECT_EQ(error.rfind("Cannot open file \"" + folder.File("base.db") + "\". ", 0), 0u) << error;
    const std::size_t named = error.find(folder.File("base.db.unreadable-"));
    ASSERT_NE(named, std::string::npos) << error;
    const std::string aside = error.substr(named, error.find('"', named) - named);
    EXPECT_EQ(aside.size(), folder.File("base.db.unreadable-YYYYMMDD-HHMMSS").size());
    EXPECT_FALSE(FileExists(aside));  // nothing moves until a write would replace it

    ASSERT_NE(controller.MakeDefaultSticker(), nullptr);
    ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
    PumpMessages();
    EXPECT_EQ(ReadAll(aside), stored);
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), kStickerRecordSize);
    EXPECT_EQ(errors.Errors().size(), 1u);
}

// The system's number for the file at a path: the same after a rename, another for a copy.
std::uint64_t FileIndexOf(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL got = ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    return got ? (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
}

TEST_F(DatabaseLoadTest, ATornDatabaseLoadsItsRecordsAndIsMovedAsideOnce) {
    const std::vector<std::uint8_t> stored = Records(2, 10);
    WriteAll(folder.File("base.db"), stored);
    const std::uint64_t storedFile = FileIndexOf(folder.File("base.db"));
    ASSERT_NE(storedFile, 0u);
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    EXPECT_EQ(controller.Table().Count(), 2);
    EXPECT_TRUE(test::FilesMatching(folder.File("base.db.unreadable-*")).empty());
    for (int save = 0; save < 2; ++save) {
        ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
        PumpMessages();
    }
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    const std::vector<std::string> kept = test::FilesMatching(folder.File("base.db.unreadable-*"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadAll(folder.File(kept[0])), stored);
    // Renamed, not copied: keeping it costs no space and no time, however large the file.
    EXPECT_EQ(FileIndexOf(folder.File(kept[0])), storedFile);
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(DatabaseLoadTest, ATornDatabaseHeldByAnotherProgramIsToldOnceAndMovedWhenFree) {
    const std::vector<std::uint8_t> stored = Records(2, 10);
    WriteAll(folder.File("base.db"), stored);
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    // Held open (without leave to delete or rename) through three saves: none can move or replace it.
    HANDLE lock = ::CreateFileA(folder.File("base.db").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (int save = 1; save <= 3; ++save) {
        ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
        PumpMessages();
        EXPECT_EQ(errors.Errors().size(), save < 3 ? 0u : 1u) << save;
    }
    ::CloseHandle(lock);
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0].rfind("Cannot keep the file \"" + folder.File("base.db") + "\" aside. ", 0), 0u)
        << errors.Errors()[0];
    EXPECT_EQ(ReadAll(folder.File("base.db")), stored);

    // Free again: the next save keeps the whole file aside and writes the notes.
    ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
    PumpMessages();
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    const std::vector<std::string> kept = test::FilesMatching(folder.File("base.db.unreadable-*"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadAll(folder.File(kept[0])), stored);
    EXPECT_EQ(errors.Errors().size(), 1u);
}

TEST_F(DatabaseLoadTest, TaskbarCreatedWhileTheFileIsHeldKeepsTheStickersOnScreen) {
    const std::vector<std::uint8_t> stored = Records(2, 0);
    WriteAll(folder.File("base.db"), stored);
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    PumpMessages();
    const std::uint32_t first = controller.Table().Slot(0).window;
    // Any program may broadcast "TaskbarCreated"; meanwhile a backup holds base.db without sharing.
    HANDLE lock = ::CreateFileA(folder.File("base.db").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ::SendMessageA(controller.Handle(), controller.TaskbarCreatedMessage(), 0, 0);
    ::CloseHandle(lock);
    PumpMessages();
    ASSERT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(controller.Table().Slot(0).window, first);  // the very windows, not reopened ones
    EXPECT_TRUE(::IsWindow(HandleFromValue(first)));

    ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
    PumpMessages();
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    EXPECT_TRUE(test::FilesMatching(folder.File("base.db.unreadable-*")).empty());
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(DatabaseLoadTest, UnreadableDatabaseIsReportedAndLoadsNothing) {
    ASSERT_TRUE(::CreateDirectoryA(folder.File("base.db").c_str(), nullptr));
    TVelpin controller(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller.FormCreate(false));
    EXPECT_EQ(controller.Table().Count(), 0);
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0].rfind("Cannot open file \"" + folder.File("base.db") + "\". ", 0), 0u);
}

// Everything another program or the user can do while an error box of the start shows: the box's message
// loop runs the controller's handlers before the start has read base.db.
TVelpin* g_starting = nullptr;
std::vector<LRESULT> g_answers;
int g_boxes = 0;

void AnswerWhileTheBoxShows(const std::string&) {
    ++g_boxes;
    HWND controller = g_starting->Handle();
    g_answers.push_back(::SendMessageA(controller, WM_USER, 0, protocol::kUserCount));
    g_answers.push_back(::SendMessageA(controller, WM_USER, 0, protocol::kUserPresence));
    StickerRecord report{};
    report.window = 0x4242;
    COPYDATASTRUCT data{protocol::kRecordReportDwData, static_cast<DWORD>(kStickerRecordSize), &report};
    g_answers.push_back(::SendMessageA(controller, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
    ::SendMessageA(controller, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ::SendMessageA(controller, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(g_starting->Menu()), 0);
    ::PostMessageA(controller, protocol::kControllerCommandMessage, 0, protocol::kCtlSaveRequest);
    PumpMessages();
}

TEST_F(DatabaseLoadTest, HandlersAreSafeWhileAnErrorBoxOfTheStartShows) {
    const std::vector<std::uint8_t> stored = Records(2, 0);
    WriteAll(folder.File("base.db"), stored);
    ASSERT_TRUE(::CreateDirectoryA(folder.File("pic").c_str(), nullptr));
    WriteAll(folder.File("pic\\damaged.vpi"), std::vector<std::uint8_t>{1, 0, 0});  // shorter than a header

    TVelpin controller(folder.Path(), test::ProgramResources());
    g_starting = &controller;
    g_answers.clear();
    g_boxes = 0;
    const ErrorSink previous = SetErrorSink(&AnswerWhileTheBoxShows);
    const bool created = controller.FormCreate(false);
    SetErrorSink(previous);
    ASSERT_TRUE(created);
    PumpMessages();

    ASSERT_EQ(g_boxes, 1);
    EXPECT_EQ(g_answers, (std::vector<LRESULT>{0, protocol::kPresenceAnswer, 0}));
    // The stored notes opened once, and nothing was written before they were read.
    EXPECT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(ReadAll(folder.File("base.db")), stored);
}

}  // namespace
}  // namespace velpiners
