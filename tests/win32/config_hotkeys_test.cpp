// The controller's config.txt, hot keys and language submenu against real files: the configuration read at
// start and after "TaskbarCreated", written at close and at the session end (also when it cannot be
// written), the hot-key library as the program loads, calls and frees it (stand-ins that log every call),
// the hot-key notifications, the language files' items and their owner drawing.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/menu_drawing_win.h"
#include "app/velpin_win.h"
#include "base/file_list_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"
#include "tray/tray_icon_win.h"
#include "graphics/gdi_surface_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;
using test::ErrorCapture;
using test::PumpMessages;
using test::TempFolder;

void WriteText(const std::string& path, const std::string& text) {
    test::WriteAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string ReadText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = test::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// (section, key, value) of every entry of an INI file in file order.
using Entry = std::tuple<std::string, std::string, std::string>;
std::vector<Entry> Entries(const std::string& path) {
    std::vector<Entry> entries;
    std::string section;
    for (const std::string& line : Lines(ReadText(path))) {
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (const std::size_t eq = line.find('='); eq != std::string::npos) {
            entries.emplace_back(section, line.substr(0, eq), line.substr(eq + 1));
        }
    }
    return entries;
}

// The value of one key in an INI file's entries; "?" when it is not there.
std::string ValueOf(const std::vector<Entry>& entries, const std::string& section, const std::string& key) {
    for (const auto& [s, k, v] : entries)
        if (s == section && k == key) return v;
    return "?";
}

class ConfigTest : public ::testing::Test {
protected:
    // Copies one of the built stand-ins (or the real library) into the program folder as HotKey.dll.
    void InstallLibrary(const char* name) {
        ASSERT_TRUE(::CopyFileA((test::TestProgramFolder() + name).c_str(), folder.File("HotKey.dll").c_str(), FALSE));
    }

    void Start(bool showTray = false) {
        controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
        ASSERT_TRUE(controller->FormCreate(showTray));
        window = controller->Handle();
        controller->SetNewStickerDialog({[this] { ++dialogOpened; }});
    }

    [[nodiscard]] std::vector<std::string> Log() const { return Lines(ReadText(folder.File("HotKey.log"))); }
    void ClearLog() { ::DeleteFileA(folder.File("HotKey.log").c_str()); }
    [[nodiscard]] std::string HookLine(int mode) const {
        return "Hook " + std::to_string(mode) + " " + std::to_string(static_cast<int>(HandleValue(window)));
    }

    void Command(MenuId id) { ::SendMessageA(window, WM_COMMAND, MenuCommand(id), 0); }

    // A close ends the thread's message loop; the quit it posts is taken away so later tests keep theirs.
    void Close() {
        ::SendMessageA(window, WM_CLOSE, 0, 0);
        TakeQuit();
    }
    static bool TakeQuit() {
        MSG quit{};
        return ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }
    LRESULT User(std::uint32_t command, WPARAM wParam) { return ::SendMessageA(window, WM_USER, wParam, command); }

    [[nodiscard]] bool Checked(HMENU menu, UINT id) const {
        return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    [[nodiscard]] std::vector<MenuId> CheckedHotKeys() const {
        std::vector<MenuId> checked;
        for (UINT id = MenuCommand(MenuId::kNNone); id <= MenuCommand(MenuId::kNFavorit); ++id)
            if (Checked(controller->HotKeyChoiceMenu(), id)) checked.push_back(static_cast<MenuId>(id));
        return checked;
    }

    TempFolder folder;
    ErrorCapture errors;
    std::unique_ptr<TVelpin> controller;
    HWND window = nullptr;
    int dialogOpened = 0;
};

TEST_F(ConfigTest, WithoutConfigTheSystemLanguageIsChosenAndNoHotKeyIsTouched) {
    InstallLibrary("HotKeyRecorder.dll");
    Start();
    EXPECT_EQ(controller->Texts().RussianFlag(), ::GetSystemDefaultLangID() == 1049);
    EXPECT_EQ(controller->Defaults().style, 5);  // the start value, not the file's 0
    EXPECT_TRUE(CheckedHotKeys().empty());
    EXPECT_EQ(Log(), std::vector<std::string>{HookLine(1)});  // no HookTablenum until a choice

    Close();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Log(), (std::vector<std::string>{HookLine(1), HookLine(0), "unloaded"}));
    EXPECT_EQ(::GetModuleHandleA(folder.File("HotKey.dll").c_str()), nullptr);
    const std::vector<Entry> written = Entries(folder.File("config.txt"));
    ASSERT_EQ(written.size(), 22u);
    EXPECT_EQ(written[2], (Entry{"Language", "OtherLanguage", ""}));
    EXPECT_EQ(written[5], (Entry{"Default", "Style", "5"}));
    EXPECT_EQ(written[21], (Entry{"HotKey", "NEW", "-1"}));
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(ConfigTest, ConfigIsAppliedAtStartAndAgainWhenTheNotificationAreaReturns) {
    InstallLibrary("HotKeyRecorder.dll");
    WriteText(folder.File("config.txt"),
              "[Language]\r\nDefualtLanguageEng=0\r\nDefualtLanguageRus=1\r\n"
              "[Default]\r\nStyle=3\r\nTransparent=300\r\n[HotKey]\r\nNEW=1\r\n");
    Start();
    EXPECT_TRUE(controller->Texts().RussianFlag());
    EXPECT_EQ(controller->Defaults().style, 3);
    EXPECT_EQ(controller->Defaults().opacity, 44);
    EXPECT_EQ(controller->Defaults().hideDelayStep, 30);
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNFind});
    EXPECT_EQ(Log(), (std::vector<std::string>{HookLine(1), "HookTablenum 0 0", "HookTablenum 1 1", "HookTablenum 0 2",
                                               "HookTablenum 0 3", "HookTablenum 0 4"}));

    WriteText(folder.File("config.txt"), "[HotKey]\r\nNEW=3\r\n");
    ::SendMessageA(window, controller->TaskbarCreatedMessage(), 0, 0);
    PumpMessages();
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNForward});
    EXPECT_TRUE(controller->Texts().EnglishFlag());
    EXPECT_EQ(controller->Defaults().style, 0);
}

TEST_F(ConfigTest, ChoosingAHotKeyPublishesAllFiveAndTheCheckedItemNothing) {
    InstallLibrary("HotKeyRecorder.dll");
    WriteText(folder.File("config.txt"), "[HotKey]\r\nNEW=0\r\n");
    Start();
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNWin});
    ClearLog();
    Command(MenuId::kNFind);
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNFind});
    EXPECT_EQ(Log(), (std::vector<std::string>{"HookTablenum 0 0", "HookTablenum 1 1", "HookTablenum 0 2",
                                               "HookTablenum 0 3", "HookTablenum 0 4"}));
    ClearLog();
    Command(MenuId::kNFind);
    EXPECT_TRUE(Log().empty());
    Command(MenuId::kNNone);
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNNone});
    EXPECT_EQ(Log().size(), 5u);
    EXPECT_EQ(Log()[1], "HookTablenum 0 1");

    Close();
    EXPECT_EQ(ValueOf(Entries(folder.File("config.txt")), "HotKey", "NEW"), "-1");
}

TEST_F(ConfigTest, ALibraryWithoutHookTablenumIsStillHookedAndFreed) {
    InstallLibrary("HotKeyHookOnly.dll");
    WriteText(folder.File("config.txt"), "[HotKey]\r\nNEW=2\r\n");
    Start();
    EXPECT_EQ(CheckedHotKeys(), std::vector<MenuId>{MenuId::kNBack});
    Command(MenuId::kNFavorit);
    Close();
    EXPECT_EQ(Log(), (std::vector<std::string>{HookLine(1), HookLine(0), "unloaded"}));
}

// What they do while a dialog shows: new_sticker_test.
TEST_F(ConfigTest, HotKeysAndOtherOpenersReachTheNewStickerDialog) {
    WriteText(folder.File("config.txt"), "[HotKey]\r\nNEW=0\r\n");
    Start(true);
    User(protocol::kUserHotKey, 202);  // Find, but Win with "+" is the chosen key
    User(protocol::kUserHotKey, 206);
    EXPECT_EQ(dialogOpened, 0);
    User(protocol::kUserHotKey, 201);
    EXPECT_EQ(dialogOpened, 1);
    Command(MenuId::kNBack);
    User(protocol::kUserHotKey, 201);
    User(protocol::kUserHotKey, 203);
    EXPECT_EQ(dialogOpened, 2);
    User(protocol::kUserMake, protocol::kUserMakeDialog);
    ::SendMessageA(controller->Tray()->CallbackWindow(), TTrayIconAdv::kCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(dialogOpened, 4);
    Command(MenuId::kNewst1);
    EXPECT_EQ(dialogOpened, 5);
}

TEST_F(ConfigTest, CloseKeepsEveryOtherSectionAndKeyAndWritesTheKeysInOrder) {
    WriteText(folder.File("config.txt"),
              "[Settings]\r\npattern=mine.pat\r\n[Default]\r\nmine=kept\r\nStyle=7\r\n[Other]\r\nx=1\r\n");
    Start();
    Close();
    const std::vector<Entry> entries = Entries(folder.File("config.txt"));
    ASSERT_EQ(entries.size(), 22u + 3u);
    EXPECT_EQ(entries[0], (Entry{"Settings", "pattern", "mine.pat"}));
    EXPECT_EQ(entries[1], (Entry{"Default", "mine", "kept"}));
    EXPECT_EQ(entries[2], (Entry{"Default", "Style", "7"}));  // rewritten where it stood
    EXPECT_EQ(entries[3], (Entry{"Default", "Color", "1"}));
    EXPECT_EQ(entries[4], (Entry{"Default", "Pos", "1"}));
    EXPECT_EQ(entries[5], (Entry{"Default", "Transparent", "255"}));
    EXPECT_EQ(entries[19], (Entry{"Default", "align", "0"}));
    EXPECT_EQ(entries[20], (Entry{"Other", "x", "1"}));
    EXPECT_EQ(entries[21], (Entry{"Language", "DefualtLanguageEng", "1"}));
    EXPECT_EQ(entries[23], (Entry{"Language", "OtherLanguage", ""}));
    EXPECT_EQ(entries[24], (Entry{"HotKey", "NEW", "0"}));  // a file without the key chose Win with "+"
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(ConfigTest, AConfigThatCannotBeWrittenIsToldOnceAndTheProgramStillEnds) {
    InstallLibrary("HotKeyRecorder.dll");
    WriteText(folder.File("config.txt"), "[HotKey]\r\nNEW=4\r\n");
    Start();
    const std::string before = ReadText(folder.File("config.txt"));
    // Another program holding the file open without sharing: no key can be written.
    HANDLE lock = ::CreateFileA(folder.File("config.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Close();
    ::CloseHandle(lock);
    EXPECT_EQ(errors.Errors(), std::vector<std::string>{"Unable to write to " + folder.File("config.txt") + "."});
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Log().back(), "unloaded");
    EXPECT_EQ(ReadText(folder.File("config.txt")), before);
}

TEST_F(ConfigTest, AConfigThatCouldNotBeReadIsNotWrittenOver) {
    // Held by another program (a backup) while the program starts, released before it closes.
    WriteText(folder.File("config.txt"), "[Default]\r\nStyle=7\r\nmine=kept\r\n[HotKey]\r\nNEW=4\r\n");
    const std::string before = ReadText(folder.File("config.txt"));
    HANDLE lock = ::CreateFileA(folder.File("config.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Start();
    ::CloseHandle(lock);
    Command(MenuId::kNBack);  // a choice of this run, which has nowhere to go
    Close();
    EXPECT_EQ(ReadText(folder.File("config.txt")), before);
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0].rfind("Cannot open file \"" + folder.File("config.txt") + "\". ", 0), 0u);

    // A folder of that name: told once as well, and left as it is.
    ASSERT_TRUE(::DeleteFileA(folder.File("config.txt").c_str()));
    ASSERT_TRUE(::CreateDirectoryA(folder.File("config.txt").c_str(), nullptr));
    Start();
    Close();
    EXPECT_EQ(errors.Errors().size(), 2u);
    EXPECT_TRUE(::RemoveDirectoryA(folder.File("config.txt").c_str()));
}

TEST_F(ConfigTest, TheCloseWritesTheStickersAsTheyAreAndEndsWhenItCannot) {
    Start();
    TStickForm* sticker = controller->MakeDefaultSticker();
    ASSERT_NE(sticker, nullptr);
    // Moved by a program, and no save asked for: the close is the last chance.
    ::SetWindowPos(sticker->Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Close();
    const std::vector<std::uint8_t> written = test::ReadAll(folder.File("base.db"));
    ASSERT_EQ(written.size(), kStickerRecordSize);
    StickerRecord record;
    std::memcpy(&record, written.data(), sizeof record);
    EXPECT_EQ(record.placement.left, 123);
    EXPECT_EQ(record.placement.top, 45);
    EXPECT_TRUE(errors.Errors().empty());

    // base.db held by another program at the next close: told once, and the program still ends.
    Start();
    HANDLE lock = ::CreateFileA(folder.File("base.db").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Close();
    ::CloseHandle(lock);
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0].rfind("Cannot create file \"" + folder.File("base.db") + "\". ", 0), 0u);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(test::ReadAll(folder.File("base.db")), written);
}

TEST_F(ConfigTest, AnOpacityOfZeroMakesNewStickersFaintNotInvisible) {
    // Transparent keeps its low 8 bits: 256 reads as 0, 300 as 44. A new sticker never stores 0.
    const std::pair<const char*, int> cases[] = {{"0", 1}, {"256", 1}, {"300", 44}};
    for (const auto& [value, opacity] : cases) {
        SCOPED_TRACE(value);
        WriteText(folder.File("config.txt"), std::string("[Default]\r\nTransparent=") + value + "\r\n");
        Start();
        TStickForm* fromTray = controller->MakeDefaultSticker();
        TStickForm* fromDialog = controller->MakeStickerFromDialog("caption", "1.12.26", true, true, "body");
        ASSERT_NE(fromTray, nullptr);
        ASSERT_NE(fromDialog, nullptr);
        EXPECT_EQ(fromTray->Blocks().placement.opacity, opacity);
        EXPECT_EQ(fromDialog->Blocks().placement.opacity, opacity);
        Close();
    }
}

TEST_F(ConfigTest, TheSessionEndWritesTheConfigRemovesTheIconAndEnds) {
    InstallLibrary("HotKeyRecorder.dll");
    Start(true);
    ASSERT_TRUE(controller->Tray()->Enabled());
    Command(MenuId::kNForward);
    EXPECT_EQ(::SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(controller->Tray()->Enabled());
    EXPECT_EQ(Entries(folder.File("config.txt")).back(), (Entry{"HotKey", "NEW", "3"}));
    EXPECT_EQ(Log().back(), "unloaded");
    EXPECT_TRUE(TakeQuit());  // the message loop ends
    EXPECT_TRUE(errors.Errors().empty());
}

TEST_F(ConfigTest, ASessionEndThatCannotWriteTellsOnce) {
    Start();
    HANDLE lock = ::CreateFileA(folder.File("config.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(::SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
    ::CloseHandle(lock);
    EXPECT_EQ(errors.Errors().size(), 1u);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(TakeQuit());
}

class LanguageMenuTest : public ConfigTest {
protected:
    void Open() { ::SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Menu()), 3); }
    [[nodiscard]] HMENU Menu() const { return controller->LanguageMenu(); }
    [[nodiscard]] std::wstring Caption(int position) const { return MenuItemText(Menu(), position, true); }
    [[nodiscard]] int Flag(int position) const {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        ::GetMenuItemInfoW(Menu(), position, TRUE, &info);
        return static_cast<int>(static_cast<LONG_PTR>(info.dwItemData));
    }
    [[nodiscard]] bool CheckedAt(int position) const {
        return (::GetMenuState(Menu(), position, MF_BYPOSITION) & MF_CHECKED) != 0;
    }
    [[nodiscard]] UINT IdAt(int position) const { return ::GetMenuItemID(Menu(), position); }

    std::string Languages() const { return folder.File("Languages\\"); }
};

TEST_F(LanguageMenuTest, FilesStandAboveTheBuiltInsInReverseListingOrderWithTheirFlags) {
    ASSERT_TRUE(::CreateDirectoryA(Languages().c_str(), nullptr));
    WriteText(Languages() + "A.lng", "[Options]\r\nName=Alpha\r\nFlag=RU\r\n");
    WriteText(Languages() + "B.lng", "[Options]\r\nFlag=rus\r\n");
    WriteText(Languages() + "notes.txt", "[Options]\r\nName=Not a language\r\n");
    Start();
    std::vector<std::string> listed;
    ListFilesWithExtension(Languages(), ".lng", listed);
    ASSERT_EQ(listed.size(), 2u);
    const std::wstring name[2] = {listed[0] == "A.lng" ? L"Alpha" : L"B.lng",
                                  listed[1] == "A.lng" ? L"Alpha" : L"B.lng"};

    Open();
    Open();  // rebuilt, not piled up
    ASSERT_EQ(::GetMenuItemCount(Menu()), 5);
    EXPECT_EQ(Caption(0), name[1]);
    EXPECT_EQ(Caption(1), name[0]);
    EXPECT_EQ(Flag(Caption(0) == L"Alpha" ? 0 : 1), 175);  // "RU" is the Russian flag
    EXPECT_EQ(Flag(Caption(0) == L"Alpha" ? 1 : 0), -1);   // "rus" is no flag
    EXPECT_TRUE(::GetMenuState(Menu(), 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(Caption(3), L"Russian");
    EXPECT_EQ(Flag(3), 175);
    EXPECT_EQ(Caption(4), L"English");
    EXPECT_EQ(Flag(4), 213);
    EXPECT_TRUE(CheckedAt(4));
    EXPECT_FALSE(CheckedAt(0) || CheckedAt(1) || CheckedAt(3));

    // Choosing B's item: its texts, and only it checked, now and at the next opening.
    const int b = Caption(0) == L"B.lng" ? 0 : 1;
    ::SendMessageA(window, WM_COMMAND, IdAt(b), 0);
    EXPECT_EQ(controller->Texts().FileName(), "B.lng");
    EXPECT_EQ(controller->Texts().Get(TextKey::mCopys), "Duplicate Window");
    Open();
    EXPECT_TRUE(CheckedAt(b));
    EXPECT_FALSE(CheckedAt(1 - b) || CheckedAt(3) || CheckedAt(4));

    // The active file is deleted: the next opening falls back to English.
    ASSERT_TRUE(::DeleteFileA((Languages() + "B.lng").c_str()));
    Open();
    ASSERT_EQ(::GetMenuItemCount(Menu()), 4);
    EXPECT_EQ(Caption(0), L"Alpha");
    EXPECT_TRUE(controller->Texts().EnglishFlag());
    EXPECT_TRUE(CheckedAt(3));
    EXPECT_FALSE(CheckedAt(0));
}

TEST_F(LanguageMenuTest, ALanguageFileChosenInConfigStartsItsTextsAndNamesShowInTheAnsiCodePage) {
    ASSERT_TRUE(::CreateDirectoryA(Languages().c_str(), nullptr));
    // "Français" and "Übernehmen" in code page 1252, the ANSI code page these tests run under.
    WriteText(Languages() + "fr.lng",
              "[Options]\r\nName=Fran\xE7"
              "ais\r\nFlag=fr\r\n[Setting]\r\nbPrim=\xDC"
              "bernehmen\r\n");
    WriteText(folder.File("config.txt"),
              "[Language]\r\nDefualtLanguageEng=0\r\nDefualtLanguageRus=0\r\nOtherLanguage=fr.lng\r\n");
    Start();
    EXPECT_EQ(controller->Texts().FileName(), "fr.lng");
    if (::GetACP() == 1252) {
        EXPECT_EQ(controller->ShownText(TextKey::bPrim), L"\u00DCbernehmen");
    }
    Open();
    if (::GetACP() == 1252) {
        EXPECT_EQ(Caption(0), L"Fran\u00E7ais");
    }
    EXPECT_EQ(Flag(0), 73);
    EXPECT_TRUE(CheckedAt(0));
    Close();
    const std::vector<Entry> written = Entries(folder.File("config.txt"));
    EXPECT_EQ(written[0], (Entry{"Language", "DefualtLanguageEng", "0"}));
    EXPECT_EQ(written[1], (Entry{"Language", "DefualtLanguageRus", "0"}));
    EXPECT_EQ(written[2], (Entry{"Language", "OtherLanguage", "fr.lng"}));
}

TEST_F(LanguageMenuTest, AFileThatDeclaresItsCodePageReadsRightOnAnySystem) {
    // The shipped Ukrainian sample, written in code page 1251, on a system of another code page (1252 here).
    ASSERT_TRUE(::CreateDirectoryA(Languages().c_str(), nullptr));
    ASSERT_TRUE(::CopyFileA((test::TestProgramFolder() + "Languages\\Ukrainian.lng").c_str(),
                            (Languages() + "Ukrainian.lng").c_str(), FALSE));
    Start();
    Open();
    ASSERT_EQ(::GetMenuItemCount(Menu()), 4);
    EXPECT_EQ(Caption(0), L"\u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430");  // Українська
    ::SendMessageA(window, WM_COMMAND, IdAt(0), 0);
    EXPECT_EQ(controller->ShownText(TextKey::mNewStick),
              L"\u041D\u043E\u0432\u0438\u0439 \u0441\u0442\u0456\u043A\u0435\u0440");  // Новий стікер
    // A new note stores its default text in the system's code page: when that cannot hold the Ukrainian
    // one, the English one.
    TStickForm* made = controller->MakeDefaultSticker();
    ASSERT_NE(made, nullptr);
    if (::GetACP() != 1251) {
        EXPECT_EQ(made->Blocks().body.text.Get(), InfoOf(TextKey::dfText).english);
    }
}

// Menu colours looked up as the items draw them, channel by channel, less an amount (at least 0).
COLORREF MenuLess(int amount) {
    const COLORREF menu = ::GetSysColor(COLOR_MENU);
    const auto less = [amount](int c) { return std::max(c - amount, 0); };
    return RGB(less(GetRValue(menu)), less(GetGValue(menu)), less(GetBValue(menu)));
}

COLORREF PixelAt(GdiSurface& surface, int x, int y) {
    const std::uint8_t* p = surface.Pixels().Pixel(x, y);
    return RGB(p[2], p[1], p[0]);
}

TEST_F(LanguageMenuTest, ItemsAreMeasuredAndDrawnInTheMenuColours) {
    Start();
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = MenuCommand(MenuId::kNFind);
    ::SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 22u);
    EXPECT_GT(measure.itemWidth, 32u);
    measure.itemID = MenuCommand(MenuId::kNEng);
    ::SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 21u);

    constexpr int kWidth = 160;
    constexpr int kHeight = 22;
    GdiSurface surface(32);
    surface.Resize(kWidth, kHeight);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hwndItem = reinterpret_cast<HWND>(controller->HotKeyChoiceMenu());
    draw.hDC = surface.Dc();
    draw.rcItem = RECT{0, 0, kWidth, kHeight};

    // "-/-" checked: no picture, so its 16 x 16 box at (3, 4) is the menu colour less 45; the rounded frame
    // along the top is the menu colour less 60; the gradient runs lighter at the top than at the bottom.
    draw.itemID = MenuCommand(MenuId::kNNone);
    draw.itemData = static_cast<ULONG_PTR>(-1);
    draw.itemState = ODS_CHECKED;
    ::SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(PixelAt(surface, 3, 4), MenuLess(45));
    EXPECT_EQ(PixelAt(surface, 18, 19), MenuLess(45));
    EXPECT_EQ(PixelAt(surface, 80, 1), MenuLess(60));
    EXPECT_GT(GetGValue(PixelAt(surface, 140, 3)), GetGValue(PixelAt(surface, 140, 19)));

    // "Find" unchecked: its picture faded in the box, the menu colour everywhere else.
    surface.Resize(kWidth, kHeight);
    draw.itemID = MenuCommand(MenuId::kNFind);
    draw.itemData = 2;
    draw.itemState = 0;
    ::SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    int touched = 0;
    for (int y = 4; y < 20; ++y)
        for (int x = 3; x < 19; ++x) touched += PixelAt(surface, x, y) != ::GetSysColor(COLOR_MENU) ? 1 : 0;
    EXPECT_GT(touched, 40);
    EXPECT_EQ(PixelAt(surface, 1, 1), ::GetSysColor(COLOR_MENU));
    EXPECT_EQ(PixelAt(surface, kWidth - 2, 1), ::GetSysColor(COLOR_MENU));
    EXPECT_EQ(PixelAt(surface, 25, kHeight - 2), ::GetSysColor(COLOR_MENU));
}

// At 144 dots per inch the items are half again as high (21 -> 32, 22 -> 33) and their picture box half again
// as large in its place: an item 33 high puts the 16 x 16 box at (3, 4) as 24 x 24 at (5, 7).
TEST(MenuItemsAtScale, AreHalfAgainAsHighWithTheirPictureBoxHalfAgainAsLarge) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    MeasureChoiceItem(measure, kLanguageItemLook, L"English", font, 144);
    EXPECT_EQ(measure.itemHeight, 32u);
    const UINT wideAt144 = measure.itemWidth;
    MeasureChoiceItem(measure, kHotKeyItemLook, L"English", font, 144);
    EXPECT_EQ(measure.itemHeight, 33u);
    MeasureChoiceItem(measure, kHotKeyItemLook, L"English", font, 96);
    EXPECT_EQ(measure.itemHeight, 22u);
    EXPECT_EQ(wideAt144 - measure.itemWidth, 20u);  // the caption's x 32 -> 48 and its right margin 8 -> 12

    GdiSurface surface(32);
    surface.Resize(160, 33);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = surface.Dc();
    draw.rcItem = RECT{0, 0, 160, 33};
    draw.itemState = ODS_CHECKED;
    DrawChoiceItem(draw, kHotKeyItemLook, L"-/-", nullptr, -1, font, 144);
    EXPECT_EQ(PixelAt(surface, 5, 7), MenuLess(45));
    EXPECT_EQ(PixelAt(surface, 28, 30), MenuLess(45));
    EXPECT_NE(PixelAt(surface, 29, 30), MenuLess(45));
    EXPECT_NE(PixelAt(surface, 4, 7), MenuLess(45));
}

}  // namespace
}  // namespace velpiners
