// Real sticker windows driven by the messages other windows send them: command storing, strings, record
// reports, summaries, layers with and without the shell's desktop window, raise and focus, bringing into
// view, the hide delay and closing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "protocol/protocol.h"
#include "app/shared_pictures_win.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_state.h"
#include "tests/win32/heap_quarantine.h"
#include "tests/win32/test_support.h"
#include "ui/menu_text_win.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::PumpMessages;
using test::Receiver;

// A controller stand-in with the program's real pictures.
class FakeHost : public StickerHost {
public:
    FakeHost() { pictures.Load(test::ProgramResources()); }
    const graphics::Picture& SharedPicture(std::string_view name) const override { return pictures.Get(name); }
    void PictureByNumber(graphics::Picture& target, int number) override {
        if (number <= 100) target = pictures.BuiltInIcon(number >= 1 && number <= 34 ? number - 1 : 0);
    }
    SharedPictures pictures;
    HWND ControllerWindow() const override { return controller.Handle(); }
    std::string Text(TextKey key) const override { return "<" + std::string(InfoOf(key).key) + ">"; }
    std::wstring ShownText(TextKey key) const override {
        const std::string text = Text(key);
        return std::wstring(text.begin(), text.end());
    }
    void Duplicate(const StickerRecord& blocks) override { duplicated.push_back(blocks); }
    void OpenProperties(HWND sticker, const StickerRecord&, int page) override {
        properties.emplace_back(sticker, page);
    }
    std::vector<StickerRecord> duplicated;
    std::vector<std::pair<HWND, int>> properties;
    Receiver controller;
};

// A stand-in for the shell's desktop window, which Wine does not have. With a monitor left of or above the
// primary one it starts at negative screen coordinates.
class ShellDesktop {
public:
    explicit ShellDesktop(int left = 0, int top = 0) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "Progman";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP, left, top, 800, 600, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    }
    ~ShellDesktop() { ::DestroyWindow(m_hwnd); }
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

class StickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sticker = TStickForm::Create(host, nullptr);
        ASSERT_NE(sticker, nullptr);
        hwnd = sticker->Handle();
    }
    void TearDown() override {
        if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
        PumpMessages();
    }

    void Command(std::uint32_t code, WPARAM value) {
        ::PostMessageA(hwnd, protocol::kStickerCommandMessage, value, code);
        PumpMessages();
    }

    LRESULT SendString(WPARAM kind, const void* bytes, DWORD size) {
        COPYDATASTRUCT data{};
        data.cbData = size;
        data.lpData = const_cast<void*>(bytes);
        return ::SendMessageA(hwnd, WM_COPYDATA, kind, reinterpret_cast<LPARAM>(&data));
    }

    void MoveTo(int left, int top) {
        ::SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static bool Checked(HMENU menu, UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    FakeHost host;
    TStickForm* sticker = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(StickerTest, CreatedHiddenLayeredTopmostWithTheDefaults) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    EXPECT_STREQ(className, "TStickForm");
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    const LONG exStyle = ::GetWindowLongA(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(::GetWindowLongA(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

    const StickerRecord& blocks = sticker->Blocks();
    EXPECT_EQ(blocks.caption.text.Get(), "<dfNapom>");
    EXPECT_EQ(blocks.body.text.Get(), "<dfText>");
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    EXPECT_EQ(blocks.date.text.Get(), FormatStickerDate(now.wDay, now.wMonth, now.wYear));
    EXPECT_EQ(blocks.placement.left, 309);
    EXPECT_EQ(blocks.placement.top, 431);
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
    EXPECT_FALSE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNUpper)));
    EXPECT_EQ(sticker->HideInterval(), 3000u);  // until SetHideDelay reads the step
    EXPECT_FALSE(sticker->HideTimerRunning());
}

TEST_F(StickerTest, CommandsStoreByTheirRules) {
    Command(protocol::kStkOpacity, 0);
    EXPECT_EQ(sticker->Placement().opacity, 1);
    Command(protocol::kStkLock, 5);
    EXPECT_EQ(sticker->Placement().locked, 0);
    Command(protocol::kStkLock, 1);
    EXPECT_EQ(sticker->Placement().locked, 1);
    Command(protocol::kStkPictureNumber, 0x0165);
    const auto* placement = reinterpret_cast<const std::uint8_t*>(&sticker->Placement());
    EXPECT_EQ(placement[18], 0x65);
    EXPECT_EQ(placement[25], 0x01);
    Command(protocol::kStkHideDelay, 1);
    EXPECT_EQ(sticker->HideInterval(), 20u);
    Command(protocol::kStkHideDelay, 0);
    EXPECT_EQ(sticker->HideInterval(), 3000u);
    // Storing never repaints: nothing was presented yet.
    EXPECT_EQ(sticker->PresentedOpacity(), 0);
    Command(protocol::kStkRepaint, 99);
    EXPECT_EQ(sticker->PresentedOpacity(), 1);
}

TEST_F(StickerTest, StringsAreCutAndNeverReadPastTheirSize) {
    const std::string seventy(70, 'F');
    EXPECT_EQ(SendString(protocol::kStrCaptionFont, seventy.c_str(), 71), 1);
    EXPECT_EQ(sticker->Blocks().caption.fontName.Get(), std::string(63, 'F'));

    const std::string longText(300, 'x');
    SendString(protocol::kStrBodyText, longText.c_str(), 301);
    EXPECT_EQ(sticker->Blocks().body.text.Length(), 255u);

    // No terminating zero inside cbData: a page-end buffer makes an overrun fault.
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    auto* pages =
        static_cast<char*>(::VirtualAlloc(nullptr, 2 * system.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old = 0;
    ::VirtualProtect(pages + system.dwPageSize, system.dwPageSize, PAGE_NOACCESS, &old);
    char* tail = pages + system.dwPageSize - 4;
    std::memcpy(tail, "Note", 4);
    SendString(protocol::kStrCaptionText, tail, 4);
    EXPECT_EQ(sticker->Blocks().caption.text.Get(), "Note");
    ::VirtualFree(pages, 0, MEM_RELEASE);

    SendString(protocol::kStrDateText, nullptr, 10);
    EXPECT_EQ(sticker->Blocks().date.text.Get(), "");
    SendString(protocol::kStrTextFont, "Arial", 0);
    EXPECT_EQ(sticker->Blocks().body.fontName.Get(), "");
    EXPECT_EQ(SendString(7, "ignored", 8), 0);
    EXPECT_EQ(sticker->Blocks().caption.text.Get(), "Note");
}

TEST_F(StickerTest, SummariesCarryTheLiveBlocksAndTheIndexByte) {
    Receiver program;
    sticker->Relayout();
    MoveTo(50, 60);
    SendString(protocol::kStrCaptionText, "Shopping", 9);
    Command(protocol::kStkStyle, 7);

    const LPARAM requests[] = {998, 999, 1254, 1255, -5};
    for (LPARAM request : requests) ::SendMessageA(hwnd, WM_USER, reinterpret_cast<WPARAM>(program.Handle()), request);
    ASSERT_EQ(program.copies.size(), 3u);  // 998 and negative numbers get the ordinary handling
    const std::uint8_t expectedIndex[] = {0, 255, 0};
    for (int i = 0; i < 3; ++i) {
        const Receiver::Copy& copy = program.copies[i];
        EXPECT_EQ(copy.wParam, protocol::kCopySummary);
        EXPECT_EQ(copy.dwData, 1u);
        ASSERT_EQ(copy.bytes.size(), 1029u);
        EXPECT_EQ(copy.bytes[1012], expectedIndex[i]);
    }
    const std::vector<std::uint8_t>& bytes = program.copies[0].bytes;
    EXPECT_EQ(bytes[69], 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[70]), 8), "Shopping");
    std::int32_t place[4];
    std::memcpy(place, &bytes[984], sizeof place);
    EXPECT_EQ(place[0], 50);
    EXPECT_EQ(place[1], 60);
    EXPECT_EQ(place[2], sticker->Composed().Width());
    EXPECT_EQ(place[3], sticker->Composed().Height());
    EXPECT_EQ(bytes[1000], 255);
    EXPECT_EQ(bytes[1002], 7);
    EXPECT_EQ(bytes[1008], 1);
    EXPECT_EQ(bytes[1011], 1);
    for (int offset : {325, 326, 327, 653, 981, 1013, 1028}) EXPECT_EQ(bytes[offset], 0) << offset;
    // A summary does not store the position; a report does.
    EXPECT_EQ(sticker->Placement().left, 309);

    ::SendMessageA(hwnd, WM_USER, 0, 999);  // no target: nothing sent
    EXPECT_EQ(program.copies.size(), 3u);
}

TEST_F(StickerTest, RecordReportCopiesTheBlocksAfterStoringThePosition) {
    Receiver controller;
    MoveTo(-40, 77);
    Command(protocol::kStkReport, 0);
    EXPECT_TRUE(controller.copies.empty());
    Command(protocol::kStkReport, reinterpret_cast<WPARAM>(controller.Handle()));
    ASSERT_EQ(controller.copies.size(), 1u);
    const Receiver::Copy& copy = controller.copies[0];
    EXPECT_EQ(copy.wParam, protocol::kCopyRecordReport);
    EXPECT_EQ(copy.dwData, 1u);
    ASSERT_EQ(copy.bytes.size(), kStickerRecordSize);
    StickerRecord record;
    std::memcpy(&record, copy.bytes.data(), sizeof record);
    EXPECT_EQ(record.window, HandleValue(hwnd));
    EXPECT_EQ(record.placement.left, -40);
    EXPECT_EQ(record.placement.top, 77);
    EXPECT_EQ(sticker->Placement().left, -40);
    EXPECT_EQ(std::memcmp(&record.caption, &sticker->Blocks().caption, 1068), 0);
}

TEST_F(StickerTest, BringIntoViewMovesOnlyWindowsOutOfView) {
    sticker->Relayout();
    const int width = sticker->Composed().Width();
    ASSERT_GT(width, 224);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MoveTo(-200, 100);
    Command(protocol::kStkBringIntoView, 25);
    EXPECT_EQ(sticker->Position().x, -200);
    MoveTo(-500, 100);
    Command(protocol::kStkBringIntoView, 25);
    EXPECT_EQ(sticker->Position().x, (work.right - work.left - width) / 2);
    EXPECT_EQ(sticker->Position().y, (work.bottom - work.top - sticker->Composed().Height()) / 2);
}

TEST_F(StickerTest, MakeVisibleOnlyBelowOpacity64) {
    sticker->Relayout();
    Command(protocol::kStkOpacity, 64);
    Command(protocol::kStkMakeVisible, 26);
    EXPECT_EQ(sticker->Placement().opacity, 64);
    Command(protocol::kStkOpacity, 63);
    Command(protocol::kStkMakeVisible, 26);
    EXPECT_EQ(sticker->Placement().opacity, 255);
    EXPECT_EQ(sticker->PresentedOpacity(), 255);
}

TEST_F(StickerTest, DesktopLayerWithoutTheShellStaysAtTheBottom) {
    ASSERT_EQ(::FindWindowA("Progman", "Program Manager"), nullptr);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    Command(protocol::kStkLayer, 1);
    EXPECT_EQ(sticker->Placement().parented, 0);
    Receiver other;
    ::ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
    ::SetWindowPos(other.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Asked to come to the top, it went to the bottom instead: the other window is above it.
    bool otherAbove = false;
    for (HWND above = ::GetWindow(hwnd, GW_HWNDPREV); above != nullptr; above = ::GetWindow(above, GW_HWNDPREV))
        otherAbove = otherAbove || above == other.Handle();
    EXPECT_TRUE(otherAbove);
    EXPECT_EQ(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    Command(protocol::kStkLayer, 0);
    MoveTo(20, 20);
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(sticker->Placement().layer, 0);
}

TEST_F(StickerTest, DesktopLayerBecomesAChildOfTheShellDesktop) {
    ShellDesktop shell;
    Command(protocol::kStkLayer, 1);
    EXPECT_EQ(sticker->Placement().parented, 1);
    EXPECT_EQ(::GetAncestor(hwnd, GA_PARENT), shell.Handle());

    Command(protocol::kStkLayer, 0);
    EXPECT_EQ(sticker->Placement().parented, 0);
    EXPECT_NE(::GetAncestor(hwnd, GA_PARENT), shell.Handle());
    MoveTo(30, 30);
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Leaving the desktop by code 17 keeps the stored layer.
    Command(protocol::kStkLayer, 1);
    Command(protocol::kStkLeaveDesktop, 0);
    EXPECT_EQ(sticker->Placement().layer, 1);
    EXPECT_EQ(sticker->Placement().parented, 0);
    // A layer change by command leaves the menu's check marks alone.
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
}

TEST_F(StickerTest, ARepaintLeavesADesktopStickerWhereItIsInTheShellsWindow) {
    ShellDesktop shell(-300, -200);
    Command(protocol::kStkLayer, 1);
    ASSERT_EQ(::GetAncestor(hwnd, GA_PARENT), shell.Handle());
    MoveTo(40, 30);
    Command(protocol::kStkRepaint, 99);
    Command(protocol::kStkRepaint, 99);
    const POINT place = sticker->Position();
    EXPECT_EQ(place.x, 40);
    EXPECT_EQ(place.y, 30);
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, -260);
    EXPECT_EQ(rect.top, -170);
}

TEST_F(StickerTest, SystemClosesLeaveTheStickerStanding) {
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_TRUE(host.controller.controllerCommands.empty());
    // Its own close command still ends it.
    Command(protocol::kStkClose, 0);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(StickerTest, FocusLossEndsARaiseAndRestoresTheStoredLayer) {
    ShellDesktop shell;
    sticker->Relayout();
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    Command(protocol::kStkLayer, 1);
    ASSERT_EQ(::GetAncestor(hwnd, GA_PARENT), shell.Handle());
    Command(protocol::kStkRaise, 98);
    EXPECT_TRUE(sticker->Raised());
    EXPECT_TRUE(sticker->ClickedSinceFocus());
    EXPECT_EQ(sticker->Placement().parented, 0);
    EXPECT_EQ(sticker->Placement().layer, 1);

    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(sticker->Focused());
    ::SendMessageA(hwnd, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(sticker->Focused());
    EXPECT_FALSE(sticker->Raised());
    EXPECT_FALSE(sticker->ClickedSinceFocus());
    EXPECT_EQ(sticker->Placement().parented, 1);
    EXPECT_EQ(::GetAncestor(hwnd, GA_PARENT), shell.Handle());

    Command(protocol::kStkRaise, 98);
    Command(protocol::kStkEndRaise, 0);
    EXPECT_FALSE(sticker->Raised());
    EXPECT_EQ(sticker->Placement().parented, 1);
}

TEST_F(StickerTest, EndOfAMoveAsksTheControllerToSave) {
    ::SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
    PumpMessages();
    ASSERT_EQ(host.controller.controllerCommands.size(), 1u);
    EXPECT_EQ(host.controller.controllerCommands[0].second, static_cast<LPARAM>(protocol::kCtlSaveRequest));
}

TEST_F(StickerTest, LanguageCommandSetsTheMenuCaptions) {
    Command(protocol::kStkLanguage, 100);
    char caption[64] = {};
    ::GetMenuStringA(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNCopy), caption, sizeof caption, MF_BYCOMMAND);
    EXPECT_STREQ(caption, "<mCopys>");
    ::GetMenuStringA(sticker->Menu(), MenuCommand(TStickForm::MenuId::kBuffTextOut), caption, sizeof caption,
                     MF_BYCOMMAND);
    EXPECT_STREQ(caption, "<buffIn>");
}

TEST_F(StickerTest, CloseCommandDestroysTheWindow) {
    Command(protocol::kStkClose, 0);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(StickerTest, ShiftHeldWhileEnteringKeepsTheStickerVisible) {
    sticker->Relayout();
    Command(protocol::kStkHideAtPointer, 1);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, 0);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(sticker->PresentedOpacity(), 255);
    EXPECT_FALSE(sticker->HideTimerRunning());
    // Releasing Shift inside does not hide it: only the next entry does.
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(sticker->PresentedOpacity(), 255);
    ::SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(sticker->PresentedOpacity(), 0);
}

TEST_F(StickerTest, HideAtPointerHidesUntilATickFindsThePointerOutside) {
    sticker->Relayout();
    Command(protocol::kStkHideAtPointer, 1);
    Command(protocol::kStkHideDelay, 1);
    MoveTo(5000, 5000);  // the pointer cannot be inside it
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(sticker->PresentedOpacity(), 0);
    EXPECT_TRUE(sticker->HideTimerRunning());
    for (int i = 0; i < 50 && sticker->HideTimerRunning(); ++i) {
        ::Sleep(10);
        PumpMessages();
    }
    EXPECT_FALSE(sticker->HideTimerRunning());
    EXPECT_EQ(sticker->PresentedOpacity(), 255);
}

}  // namespace
}  // namespace velpiners

namespace velpiners {
namespace {

// The user's mouse and keys on a sticker (locked, so no press starts the platform's move loop).
class StickerInteractionTest : public StickerTest {
protected:
    void SetUp() override {
        StickerTest::SetUp();
        sticker->Relayout();
        ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        Command(protocol::kStkLock, 1);
        width = sticker->Composed().Width();
        height = sticker->Composed().Height();
    }

    void Press(int x, int y) { ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void DoubleClick(int x, int y) {
        Press(x, y);
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        ::SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        PumpMessages();
    }
    int SaveRequests() const {
        int count = 0;
        for (const auto& command : host.controller.controllerCommands)
            if (command.second == static_cast<LPARAM>(protocol::kCtlSaveRequest)) ++count;
        return count;
    }
    void HoldControl(bool down) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    int width = 0;
    int height = 0;
};

TEST_F(StickerInteractionTest, TheFirstClickOnAClosePinOnlyActivatesTheSecondDeletes) {
    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    const int closeX = width - 26 + 9;
    const int closeY = height - 25 + 7;
    Press(closeX, closeY);
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_TRUE(sticker->ClickedSinceFocus());
    Press(closeX, closeY);
    EXPECT_FALSE(::IsWindow(hwnd));
    ASSERT_EQ(host.controller.controllerCommands.size(), 1u);
    EXPECT_EQ(host.controller.controllerCommands[0].first, reinterpret_cast<WPARAM>(hwnd));
    EXPECT_EQ(host.controller.controllerCommands[0].second, static_cast<LPARAM>(protocol::kCtlStickerDeleted));
}

TEST_F(StickerInteractionTest, PinsActOnlyWhileFocusedEvenWhenLocked) {
    const int duplicateX = width - 26 - 9;
    const int pinY = height - 25 + 7;
    Press(10, 40);  // clicked since focus, but not focused: pins do nothing
    Press(duplicateX, pinY);
    EXPECT_TRUE(host.duplicated.empty());
    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    Press(10, 40);
    Press(duplicateX, pinY);
    ASSERT_EQ(host.duplicated.size(), 1u);
    EXPECT_EQ(host.duplicated[0].body.text.Get(), "<dfText>");
    Press(width - 26 - 27, pinY);  // the edit pin opens the properties on the last page
    ASSERT_EQ(host.properties.size(), 1u);
    EXPECT_EQ(host.properties[0].second, -1);
    Press(width - 26 - 45, pinY);  // the roll pin rolls up
    EXPECT_EQ(sticker->Placement().unrolled, 0);
    EXPECT_TRUE(::IsWindow(hwnd));
}

TEST_F(StickerInteractionTest, DoubleClickOnTheCaptionRollsUpOnTheBodyOpensTheTextPage) {
    DoubleClick(60, 10);
    EXPECT_EQ(sticker->Placement().unrolled, 0);
    EXPECT_EQ(SaveRequests(), 1);
    EXPECT_LT(sticker->Composed().Height(), height);
    DoubleClick(60, 10);
    EXPECT_EQ(sticker->Placement().unrolled, 1);
    DoubleClick(60, 40);
    EXPECT_EQ(sticker->Placement().unrolled, 1);
    ASSERT_EQ(host.properties.size(), 1u);
    EXPECT_EQ(host.properties[0].second, 1);
    EXPECT_EQ(SaveRequests(), 3);
}

TEST_F(StickerInteractionTest, ThePushpinSwitchesTheLayerAndAsksForASave) {
    ASSERT_EQ(sticker->Placement().layer, 1);
    Press(width - 17, 12);
    EXPECT_EQ(sticker->Placement().layer, 0);
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNUpper)));
    EXPECT_FALSE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    PumpMessages();
    EXPECT_EQ(SaveRequests(), 1);
}

TEST_F(StickerInteractionTest, MenuLayerItemsActOnlyOnAChange) {
    Command(protocol::kStkLayer, 0);  // a command leaves the check marks alone
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
    ::SendMessageA(hwnd, WM_COMMAND, MenuCommand(TStickForm::MenuId::kNUpper), 0);
    PumpMessages();
    EXPECT_EQ(SaveRequests(), 0);
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
    ::SendMessageA(hwnd, WM_COMMAND, MenuCommand(TStickForm::MenuId::kNBottomer), 0);
    PumpMessages();
    EXPECT_EQ(sticker->Placement().layer, 1);
    EXPECT_TRUE(Checked(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNBottomer)));
    EXPECT_EQ(SaveRequests(), 1);
}

TEST_F(StickerInteractionTest, PasteKeepsTheFirst255CharactersAndCopyGivesThemBack) {
    // Another program's text of any size: only what the note holds is read.
    constexpr std::size_t kLargeText = 16 << 20;
    const std::string text = std::string(250, 'a') + std::string(kLargeText, 'z');
    ASSERT_TRUE(::OpenClipboard(hwnd));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();

    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    HoldControl(true);
    {
        test::AllocationWatch watch;
        ::SendMessageA(hwnd, WM_KEYDOWN, 'V', 0);
        EXPECT_LT(watch.Largest(), kLargeText / 4);
    }
    HoldControl(false);
    EXPECT_EQ(sticker->Blocks().body.text.Get(), text.substr(0, 255));
    EXPECT_EQ(::GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);  // unlocked again
    PumpMessages();
    EXPECT_EQ(SaveRequests(), 1);

    Command(protocol::kStkRepaint, 99);
    ::SendMessageA(hwnd, WM_COMMAND, MenuCommand(TStickForm::MenuId::kBuffTextIn), 0);
    ASSERT_TRUE(::OpenClipboard(hwnd));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied(static_cast<const wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ(copied, std::wstring(250, L'a') + std::wstring(5, L'z'));
}

TEST_F(StickerInteractionTest, AStyleAbove16IsHitWhereStyle0PaintsItsPinsAndPushpin) {
    sticker->Placement().style = 40;
    sticker->Relayout();
    ASSERT_EQ(sticker->Composed().Width(), width);
    Press(width - 17, 12);  // the pushpin of the framed styles
    EXPECT_EQ(sticker->Placement().layer, 0);
    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    Press(10, 40);
    Press(width - 26 + 9, height - 25 + 7);  // the close pin
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(StickerInteractionTest, ACloseCommandDuringTheDragEndsTheStickerCleanly) {
    Command(protocol::kStkLock, 0);
    test::Quarantine quarantine;
    // The move loop dispatches what is queued: the close command first; a button release ends the loop.
    ::PostMessageA(hwnd, protocol::kStickerCommandMessage, 0, protocol::kStkClose);
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_LBUTTONUP, 0, 0);
    Press(60, 40);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_GT(quarantine.KeptBlocks(), 0u);
    EXPECT_TRUE(quarantine.Clean()) << "the sticker wrote into itself after it was gone";
}

TEST_F(StickerInteractionTest, AClipboardHeldByAnotherWindowIsReportedAndChangesNothing) {
    test::ErrorCapture errors;
    Receiver other;
    ::SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
    ASSERT_TRUE(::OpenClipboard(other.Handle()));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(::GlobalLock(block), "other", 6);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    // Still open: the sticker cannot have it.
    ::SendMessageA(hwnd, WM_COMMAND, MenuCommand(TStickForm::MenuId::kBuffTextIn), 0);
    ::SendMessageA(hwnd, WM_COMMAND, MenuCommand(TStickForm::MenuId::kBuffTextOut), 0);
    ::CloseClipboard();
    ASSERT_EQ(errors.Errors().size(), 2u);
    EXPECT_EQ(errors.Errors()[0], "Cannot open clipboard.");
    EXPECT_EQ(errors.Errors()[1], "Cannot open clipboard.");
    EXPECT_EQ(sticker->Blocks().body.text.Get(), "<dfText>");
    ASSERT_TRUE(::OpenClipboard(hwnd));
    HANDLE data = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(data)), "other");
    ::GlobalUnlock(data);
    ::CloseClipboard();
}

TEST_F(StickerInteractionTest, KeysNeedTheFocusAndControl) {
    ::SendMessageA(hwnd, WM_KEYDOWN, 'V', 0);  // no Ctrl
    HoldControl(true);
    ::SendMessageA(hwnd, WM_KEYDOWN, 'V', 0);  // not focused
    HoldControl(false);
    EXPECT_EQ(sticker->Blocks().body.text.Get(), "<dfText>");
}

}  // namespace
}  // namespace velpiners
