// The controller with real sticker windows: stickers opened from base.db at their stored places, written back
// unchanged by a save cycle, hostile field values, and the summaries other programs ask for.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "base/wide_string_win.h"
#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::PumpMessages;
using test::ReadAll;
using test::Receiver;
using test::TempFolder;
using test::WriteAll;

StickerRecord StoredSticker(int i) {
    StickerRecord r;
    std::memset(&r, 0, sizeof r);
    r.window = 0x1000 + i;
    r.caption.color = 0xFFFFFF;
    r.caption.shadow = 1;
    r.caption.x = 14;
    r.caption.y = 2;
    r.caption.width = 255;
    r.caption.fontSize = 10;
    r.caption.fontName.Set("Tahoma");
    r.caption.text.Set("Caption " + std::to_string(i));
    r.date = r.caption;
    r.date.fontSize = 7;
    r.date.text.Set("1.02.26");
    r.date.SetShowDate(1);
    r.body = r.caption;
    r.body.x = 16;
    r.body.y = 26;
    r.body.width = 208;
    r.body.text.Set("Body of sticker " + std::to_string(i));
    PlacementBlock& p = r.placement;
    p.left = 100 + 50 * i;
    p.top = 80 + 30 * i;
    p.opacity = static_cast<std::uint8_t>(200 + i);
    p.style = static_cast<std::uint8_t>(i);
    p.useOwnColor = 1;
    p.color = 0x123456 + i;
    p.unrolled = 1;
    p.layer = static_cast<std::uint8_t>(i % 2);
    p.wordWrap = 1;
    p.hideDelayStep = 30;
    p.SetPictureNumber(3 + i);
    p.showPicture = 1;  // as the painter keeps it: set exactly when there is a picture number
    r.inUse = 1;
    return r;
}

std::vector<std::uint8_t> Image(const std::vector<StickerRecord>& records, std::size_t tail = 0) {
    std::vector<std::uint8_t> bytes(records.size() * kStickerRecordSize + tail, 0x5A);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::memcpy(&bytes[i * kStickerRecordSize], &records[i], kStickerRecordSize);
    return bytes;
}

// A window whose thread waits without reading its messages, as a stuck program's does, until released (or
// for at most kHungFor): a message sent to it is not answered meanwhile. Its procedure never reads what it
// is sent.
class HungWindow {
public:
    static constexpr DWORD kHungFor = 20000;

    HungWindow() {
        HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = std::thread([this, ready] {
            m_hwnd = ::CreateWindowExA(0, "STATIC", "hung", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            ::SetEvent(ready);
            ::WaitForSingleObject(m_release, kHungFor);
            ::DestroyWindow(m_hwnd);
        });
        ::WaitForSingleObject(ready, INFINITE);
        ::CloseHandle(ready);
    }
    ~HungWindow() {
        ::SetEvent(m_release);
        m_thread.join();
        ::CloseHandle(m_release);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }

private:
    HANDLE m_release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND m_hwnd = nullptr;
    std::thread m_thread;
};

class StoredStickersTest : public ::testing::Test {
protected:
    void Start() {
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        ASSERT_TRUE(controller->FormCreate(false));
        PumpMessages();
    }
    void TearDown() override {
        if (controller) controller->DestroyFormWindow();
        PumpMessages();
    }
    void SaveCycle() { test::SaveCycle(controller->Handle()); }
    HWND WindowOfSlot(int i) const { return HandleFromValue(controller->Table().Slot(i).window); }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
};

TEST_F(StoredStickersTest, StickersOpenAtTheirPlacesAndAreWrittenBackUnchanged) {
    std::vector<StickerRecord> stored = {StoredSticker(0), StoredSticker(1), StoredSticker(2)};
    WriteAll(folder.File("base.db"), Image(stored, 10));
    Start();
    ASSERT_EQ(controller->Table().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        HWND window = WindowOfSlot(i);
        ASSERT_TRUE(::IsWindow(window));
        EXPECT_TRUE(::IsWindowVisible(window));
        RECT rect{};
        ::GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, stored[i].placement.left);
        EXPECT_EQ(rect.top, stored[i].placement.top);
        EXPECT_GT(rect.right - rect.left, 0);
        // Layer 0 ends topmost once the posted layer command ran; layer 1 has no shell desktop here.
        const bool topmost = (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        if (stored[i].placement.layer == 0) {
            EXPECT_TRUE(topmost) << i;
        }
    }

    SaveCycle();
    const std::vector<std::uint8_t> written = ReadAll(folder.File("base.db"));
    ASSERT_EQ(written.size(), 3 * kStickerRecordSize);
    for (int i = 0; i < 3; ++i) {
        StickerRecord record;
        std::memcpy(&record, &written[i * kStickerRecordSize], sizeof record);
        EXPECT_EQ(record.window, HandleValue(WindowOfSlot(i)));
        StickerRecord expected = stored[i];
        expected.window = record.window;
        expected.reported = record.reported;
        expected.placement.parented = record.placement.parented;
        expected.caption.y = record.caption.y;
        EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << "record " << i;
    }
}

TEST_F(StoredStickersTest, AFullTableDropsTheRestAndSaves256) {
    std::vector<StickerRecord> stored;
    for (int i = 0; i < 300; ++i) {
        StickerRecord r = StoredSticker(i % 5);
        r.placement.left = i;
        stored.push_back(r);
    }
    WriteAll(folder.File("base.db"), Image(stored));
    Start();
    ASSERT_EQ(controller->Table().Count(), 256);
    EXPECT_EQ(controller->Table().Slot(255).placement.left, 255);
    SaveCycle();
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 256 * kStickerRecordSize);
    // The records the table could not take stay in a copy of the file as it was.
    const std::vector<std::string> kept = test::FilesMatching(folder.File("base.db.unreadable-*"));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadAll(folder.File(kept[0])), Image(stored));
}

TEST_F(StoredStickersTest, ASystemCloseOfOneStickerStopsNoSave) {
    WriteAll(folder.File("base.db"), Image({StoredSticker(0), StoredSticker(1)}));
    Start();
    HWND first = WindowOfSlot(0);
    // Alt+F4 on a focused sticker, the window menu's Close, another program's WM_CLOSE.
    ::SendMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageA(first, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(first));
    ::PostMessageA(WindowOfSlot(1), protocol::kStickerCommandMessage, 77, protocol::kStkOpacity);
    SaveCycle();
    const std::vector<std::uint8_t> written = ReadAll(folder.File("base.db"));
    ASSERT_EQ(written.size(), 2 * kStickerRecordSize);
    StickerRecord second;
    std::memcpy(&second, &written[kStickerRecordSize], sizeof second);
    EXPECT_EQ(second.placement.opacity, 77);
}

// Every sticker window that ends while the controller goes, with whether its slot was still readable then.
TVelpin* g_ending = nullptr;
std::vector<bool> g_slotsAtStickerEnd;

LRESULT CALLBACK WatchStickerEnds(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char name[32] = {};
    if (code == HC_ACTION && message->message == WM_DESTROY && ::GetClassNameA(message->hwnd, name, sizeof name) &&
        std::string(name) == "TStickForm") {
        g_slotsAtStickerEnd.push_back(g_ending->Table().SlotOfWindow(HandleValue(message->hwnd)) >= 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StoredStickersTest, StickersEndBeforeTheControllerTheyUse) {
    WriteAll(folder.File("base.db"), Image({StoredSticker(0), StoredSticker(1)}));
    Start();
    ::SetFocus(WindowOfSlot(1));  // its focus loss repaints it with the controller's pictures
    PumpMessages();
    g_ending = controller.get();
    g_slotsAtStickerEnd.clear();
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchStickerEnds, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    controller.reset();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_slotsAtStickerEnd, (std::vector<bool>{true, true}));
}

TEST_F(StoredStickersTest, HostileFieldValuesOpenWindowsAllTheSame) {
    StickerRecord odd = StoredSticker(0);
    odd.placement.style = 200;
    odd.placement.alignment = 9;
    odd.placement.opacity = 0;
    odd.placement.layer = 7;
    odd.placement.left = 2000000000;
    odd.placement.top = -2000000000;
    std::memset(&odd.body.text, 0xFF, sizeof odd.body.text);                // length byte 255, no zero anywhere
    std::memset(&odd.caption.fontName, 0xEE, sizeof odd.caption.fontName);  // length beyond the field
    odd.body.fontSize = 255;
    odd.placement.SetPictureNumber(0xFFFF);
    WriteAll(folder.File("base.db"), Image({odd, StoredSticker(1)}));
    Start();
    ASSERT_EQ(controller->Table().Count(), 2);
    EXPECT_TRUE(::IsWindow(WindowOfSlot(0)));
    SaveCycle();
    EXPECT_EQ(ReadAll(folder.File("base.db")).size(), 2 * kStickerRecordSize);
    // The stray opacity 0 is what the record says; the window still answers.
    ::PostMessageA(WindowOfSlot(0), protocol::kStickerCommandMessage, 25, protocol::kStkBringIntoView);
    PumpMessages();
    RECT rect{};
    ::GetWindowRect(WindowOfSlot(0), &rect);
    EXPECT_LT(rect.left, 5000);
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(StoredStickersTest, SummariesForEveryStickerOrForTheNth) {
    WriteAll(folder.File("base.db"), Image({StoredSticker(0), StoredSticker(1), StoredSticker(2)}));
    Start();
    // A hole in the table: n counts in-use slots, the index byte of 301 is the slot index.
    ::PostMessageA(WindowOfSlot(1), protocol::kStickerCommandMessage, 0, protocol::kStkClose);
    ::SendMessageA(controller->Handle(), protocol::kControllerCommandMessage, 0, 0);
    controller->Table().ReleaseSlot(1);
    PumpMessages();

    Receiver program;
    const WPARAM target = reinterpret_cast<WPARAM>(program.Handle());
    EXPECT_EQ(::SendMessageA(controller->Handle(), WM_USER, target, protocol::kUserSummaries), 0);
    PumpMessages();
    ASSERT_EQ(program.copies.size(), 2u);
    EXPECT_EQ(program.copies[0].bytes[1012], 0);
    EXPECT_EQ(program.copies[1].bytes[1012], 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&program.copies[1].bytes[70]), 9), "Caption 2");

    program.copies.clear();
    ::SendMessageA(controller->Handle(), WM_USER, target, protocol::kUserSummaryOf | (1 << 16));
    ASSERT_EQ(program.copies.size(), 1u);  // sent synchronously
    EXPECT_EQ(program.copies[0].bytes[1012], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&program.copies[0].bytes[70]), 9), "Caption 2");

    program.copies.clear();
    ::SendMessageA(controller->Handle(), WM_USER, target, protocol::kUserSummaryOf | (2 << 16));
    PumpMessages();
    EXPECT_TRUE(program.copies.empty());
}

TEST_F(StoredStickersTest, AWindowThatNeverAnswersHoldsUpNeitherSavesNorCommands) {
    WriteAll(folder.File("base.db"), Image({StoredSticker(0), StoredSticker(1)}));
    Start();
    ASSERT_TRUE(::DeleteFileA(folder.File("base.db").c_str()));
    HungWindow hung;
    const HWND controllerWindow = controller->Handle();
    const auto hungWindow = reinterpret_cast<WPARAM>(hung.Handle());
    constexpr std::uint8_t kNewOpacity = 77;
    // Both stickers are asked to send their summaries to the hung window; then what the user and the
    // program do next only queues behind those requests.
    ::PostMessageA(controllerWindow, WM_USER, hungWindow, protocol::kUserSummaries);
    ::PostMessageA(controllerWindow, protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                   protocol::kCtlSaveRequest);
    ::PostMessageA(WindowOfSlot(1), protocol::kStickerCommandMessage, kNewOpacity, protocol::kStkOpacity);

    constexpr DWORD kWithin = 3000;
    const DWORD start = ::GetTickCount();
    MSG message;
    while (!test::FileExists(folder.File("base.db")) && ::GetTickCount() - start < HungWindow::kHungFor) {
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    const DWORD took = ::GetTickCount() - start;
    EXPECT_LT(took, kWithin);
    PumpMessages();
    const std::vector<std::uint8_t> written = ReadAll(folder.File("base.db"));
    ASSERT_EQ(written.size(), 2 * kStickerRecordSize);
    StickerRecord second;
    std::memcpy(&second, &written[kStickerRecordSize], sizeof second);
    EXPECT_EQ(second.placement.opacity, kNewOpacity);
}

TEST_F(StoredStickersTest, ADuplicateAtTheEndOfThe32BitRangeKeepsItsPlace) {
    StickerRecord edge = StoredSticker(0);
    edge.placement.left = std::numeric_limits<std::int32_t>::max() - 5;
    edge.placement.top = 300;
    Start();
    TStickForm* original = controller->MakeStickerFromRecord(edge.caption, edge.date, edge.placement, edge.body);
    ASSERT_NE(original, nullptr);
    TStickForm* copy = controller->DuplicateSticker(original->Blocks());
    ASSERT_NE(copy, nullptr);
    // 18 pixels further would leave the range: the copy stays where the original is stored, never at the
    // far side of the screen space.
    EXPECT_EQ(copy->Blocks().placement.left, edge.placement.left);
    EXPECT_EQ(copy->Blocks().placement.top, 318);
}

TEST_F(StoredStickersTest, NewStickersStoreDefaultTextsTheSystemCodePageHolds) {
    Start();
    controller->SelectBuiltInLanguage(true);
    TStickForm* made = controller->MakeDefaultSticker();
    ASSERT_NE(made, nullptr);
    // The interface stays Russian; the note's own text is stored in the system's ANSI code page, so a
    // Russian default it cannot hold is stored in English.
    if (::GetACP() != kCyrillicCodePage) {
        EXPECT_EQ(made->Blocks().body.text.Get(), InfoOf(TextKey::dfText).english);
        EXPECT_EQ(made->Blocks().caption.text.Get(), InfoOf(TextKey::dfNapom).english);
    } else {
        EXPECT_EQ(made->Blocks().body.text.Get(), controller->Texts().Get(TextKey::dfText));
    }
    const std::string_view russian = InfoOf(TextKey::mNewStick).russianUtf8;
    EXPECT_EQ(controller->ShownText(TextKey::mNewStick), WideFromCodePage(russian, CP_UTF8));
}

}  // namespace
}  // namespace velpiners
