// The controller's tray menu and make operations with real sticker windows: the Stickers submenu, delete
// all behind the confirmation dialog, a full table, new default stickers, the rebuild after the
// notification area returns, and the confirmation dialog itself.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "dialogs/form_dialog_win.h"
#include "sticker/stick_form_win.h"
#include "tests/win32/test_support.h"
#include "ui/control_win.h"
#include "ui/menu_text_win.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using test::ErrorCapture;
using test::FileExists;
using test::PumpMessages;
using test::ReadAll;
using test::TempFolder;

struct WindowCount {
    const char* className;
    int count;
};

// An EnumWindows callback: it must be CALLBACK (stdcall on i686), which a lambda cannot be.
BOOL CALLBACK CountVisibleWindow(HWND hwnd, LPARAM lParam) {
    auto* state = reinterpret_cast<WindowCount*>(lParam);
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, state->className) == 0 && ::IsWindowVisible(hwnd)) ++state->count;
    return TRUE;
}

int CountWindows(const char* className) {
    WindowCount state{className, 0};
    ::EnumWindows(&CountVisibleWindow, reinterpret_cast<LPARAM>(&state));
    return state.count;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

class TrayMenuTest : public ::testing::Test {
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

    TStickForm* StickerWithBody(const std::string& body) {
        StickerRecord r;
        std::memset(&r, 0, sizeof r);
        r.caption.fontName.Set("Tahoma");
        r.body.fontName.Set("Tahoma");
        r.body.text.Set(body);
        r.placement.opacity = 255;
        r.placement.unrolled = 1;
        r.placement.layer = 1;
        r.placement.left = 100;
        r.placement.top = 100;
        return controller.MakeStickerFromRecord(r.caption, r.date, r.placement, r.body);
    }

    void SaveCycle() {
        ::PostMessageA(controller.Handle(), protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                       protocol::kCtlSaveRequest);
        PumpMessages();
    }

    bool StickersMenuEnabled() const {
        return (::GetMenuState(controller.Menu(), 5, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    TempFolder folder;
    ErrorCapture errors;
    TVelpin controller{folder.Path()};
    TFormDialog dialog;
};

TEST_F(TrayMenuTest, MenuItemsInOrderWithTheirCaptions) {
    HMENU menu = controller.Menu();
    ASSERT_EQ(::GetMenuItemCount(menu), 17);
    EXPECT_EQ(MenuText(menu, 0), L"New sticker");
    EXPECT_EQ(MenuText(menu, 1), L"New sticker (Properties)");
    EXPECT_EQ(::GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(menu, 3), L"Language");
    EXPECT_EQ(MenuText(menu, 4), L"HotKey");
    EXPECT_EQ(MenuText(menu, 5), L"Stickers");
    EXPECT_EQ(MenuText(menu, 6), L"About");
    EXPECT_EQ(MenuText(menu, 8), L"Action");
    // The group that keeps notes from being lost stands between the actions and Close.
    EXPECT_EQ(MenuText(menu, 10), L"Find a note...");
    EXPECT_EQ(MenuText(menu, 11), L"Export notes...");
    EXPECT_EQ(MenuText(menu, 12), L"Add notes from a file...");
    EXPECT_EQ(MenuText(menu, 13), L"Deleted notes");
    EXPECT_EQ(MenuText(menu, 14), L"Restore notes");
    EXPECT_EQ(::GetMenuState(menu, 15, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(menu, 16), L"Close");
    HMENU actions = ::GetSubMenu(menu, 8);
    EXPECT_EQ(MenuText(actions, 0), L"Delete all stickers");
    EXPECT_EQ(MenuText(actions, 1), L"Show off-screen stickers");
    EXPECT_EQ(MenuText(actions, 2), L"Show transparent stickers");
    HMENU hotKeys = ::GetSubMenu(::GetSubMenu(menu, 4), 0);
    EXPECT_EQ(MenuText(::GetSubMenu(menu, 4), 0), L"New sticker");
    EXPECT_EQ(::GetMenuItemCount(hotKeys), 6);
    EXPECT_EQ(MenuText(hotKeys, 1), L"Win+\"+\"");
}

TEST_F(TrayMenuTest, StickersSubmenuCaptionsAndLayerChecks) {
    controller.MenuPopup();
    EXPECT_FALSE(StickersMenuEnabled());

    StickerWithBody("Shopping\r\nmilk, bread");
    StickerWithBody("exactly 16 chars");
    TStickForm* third = StickerWithBody("seventeen chars!!");
    third->Placement().layer = 0;
    controller.Table().Slot(2).placement.layer = 0;
    controller.MenuPopup();
    ASSERT_TRUE(StickersMenuEnabled());
    HMENU stickers = controller.StickersMenu();
    ASSERT_EQ(::GetMenuItemCount(stickers), 3);
    EXPECT_EQ(MenuText(stickers, 0), L"Shopping...");
    EXPECT_EQ(MenuText(stickers, 1), L"exactly 16 chars");
    EXPECT_EQ(MenuText(stickers, 2), L"seventeen chars!...");

    HMENU entry = ::GetSubMenu(stickers, 2);
    ASSERT_EQ(::GetMenuItemCount(entry), 4);
    EXPECT_EQ(MenuText(entry, 0), L"Topmost");
    EXPECT_EQ(MenuText(entry, 1), L"Desktop");
    EXPECT_EQ(MenuText(entry, 3), L"Show");
    EXPECT_TRUE(::GetMenuState(entry, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(::GetSubMenu(stickers, 0), 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(::GetMenuState(::GetSubMenu(stickers, 0), 1, MF_BYPOSITION) & MF_CHECKED);

    // "Desktop" on the third sticker: the layer command goes to it and a save cycle writes it.
    ::SendMessageA(controller.Handle(), WM_COMMAND, ::GetMenuItemID(entry, 1), 0);
    PumpMessages();
    EXPECT_EQ(third->Placement().layer, 1);
    EXPECT_EQ(ReadAll(controller.DatabasePath()).size(), 3 * kStickerRecordSize);

    // Rebuilding does not pile up entries.
    controller.MenuPopup();
    EXPECT_EQ(::GetMenuItemCount(controller.StickersMenu()), 3);
}

TEST_F(TrayMenuTest, DeleteAllAnsweredNoChangesNothing) {
    StickerWithBody("one");
    StickerWithBody("two");
    SaveCycle();
    const std::vector<std::uint8_t> before = ReadAll(controller.DatabasePath());

    ::PostMessageA(dialog.Control(TFormDialog::kBNO), BM_CLICK, 0, 0);
    controller.Ndeleteall1Click();
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(ReadAll(controller.DatabasePath()), before);

    ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);  // the close box counts as No
    controller.Ndeleteall1Click();
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(CountWindows("TStickForm"), 2);
}

TEST_F(TrayMenuTest, DeleteAllAnsweredYesLeavesAnEmptyDatabase) {
    StickerWithBody("one");
    StickerWithBody("two");
    SaveCycle();
    ASSERT_EQ(ReadAll(controller.DatabasePath()).size(), 2 * kStickerRecordSize);

    ::PostMessageA(dialog.Control(TFormDialog::kBOK), BM_CLICK, 0, 0);
    controller.Ndeleteall1Click();
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 0);
    EXPECT_TRUE(FileExists(controller.DatabasePath()));
    EXPECT_TRUE(ReadAll(controller.DatabasePath()).empty());
    EXPECT_EQ(CountWindows("TStickForm"), 0);
    controller.MenuPopup();
    EXPECT_FALSE(StickersMenuEnabled());
}

TEST_F(TrayMenuTest, ShowingFaintAndOffScreenStickersIsSaved) {
    TStickForm* faint = StickerWithBody("faint");
    ASSERT_NE(faint, nullptr);
    faint->Placement().opacity = 10;
    TStickForm* away = StickerWithBody("away");
    ASSERT_NE(away, nullptr);
    ::SetWindowPos(away->Handle(), nullptr, -5000, -5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(controller.Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kFindTransp), 0);
    ::SendMessageA(controller.Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kFindSrc), 0);
    PumpMessages();
    const std::vector<std::uint8_t> written = ReadAll(controller.DatabasePath());
    ASSERT_EQ(written.size(), 2 * kStickerRecordSize);
    StickerRecord first;
    StickerRecord second;
    std::memcpy(&first, written.data(), sizeof first);
    std::memcpy(&second, &written[kStickerRecordSize], sizeof second);
    EXPECT_EQ(first.placement.opacity, 255);
    EXPECT_GT(second.placement.left, -5000);
}

// Whether `upper` stands above `lower` in the z-order.
bool Above(HWND upper, HWND lower) {
    for (HWND w = ::GetWindow(lower, GW_HWNDPREV); w != nullptr; w = ::GetWindow(w, GW_HWNDPREV))
        if (w == upper) return true;
    return false;
}

// Runs inside the question's modal loop: where the question stands against the sticker then.
HWND g_question = nullptr;
HWND g_topmostSticker = nullptr;
bool g_questionAbove = false;
LRESULT CALLBACK LookAtZOrder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) g_questionAbove = Above(g_question, g_topmostSticker);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(TrayMenuTest, QuestionsStandAboveStickersKeptOnTop) {
    TStickForm* sticker = StickerWithBody("above all windows");
    ASSERT_NE(sticker, nullptr);
    ::SendMessageA(sticker->Handle(), WM_COMMAND, MenuCommand(TStickForm::MenuId::kNUpper), 0);
    ASSERT_EQ(sticker->Placement().layer, 0);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &LookAtZOrder;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZOrderLook";
    ::RegisterClassA(&wc);
    HWND look = ::CreateWindowExA(0, "ZOrderLook", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    g_question = dialog.Handle();
    g_topmostSticker = sticker->Handle();
    g_questionAbove = false;
    // While the question shows, the sticker puts itself on top again (the tray's "Show" does that).
    ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, 98, protocol::kStkRaise);
    ::PostMessageA(look, WM_APP, 0, 0);
    ::PostMessageA(dialog.Control(TFormDialog::kBNO), BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog.Confirm(L"Question", L"Above the notes?"));
    EXPECT_TRUE(g_questionAbove);
    ::DestroyWindow(look);
}

TEST_F(TrayMenuTest, AFullTableMakesNothing) {
    for (int i = 0; i < kSlotCount; ++i) controller.Table().Occupy(0x7000 + static_cast<std::uint32_t>(i));
    EXPECT_EQ(controller.MakeDefaultSticker(), nullptr);
    StickerRecord blocks{};
    EXPECT_EQ(controller.DuplicateSticker(blocks), nullptr);
    EXPECT_EQ(controller.MakeStickerFromDialog("c", "d", true, true, "b"), nullptr);
    ::SendMessageA(controller.Handle(), WM_USER, protocol::kUserMakeDefault, protocol::kUserMake);
    PumpMessages();
    EXPECT_EQ(CountWindows("TStickForm"), 0);
    EXPECT_EQ(controller.Table().Count(), kSlotCount);
}

TEST_F(TrayMenuTest, DefaultStickerIsCentredColouredAndSavedAtOnce) {
    EXPECT_EQ(::SendMessageA(controller.Handle(), WM_USER, protocol::kUserMakeDefault, protocol::kUserMake), 0);
    PumpMessages();
    ASSERT_EQ(controller.Table().Count(), 1);
    // Saved as every other change is: a close right after it keeps it.
    EXPECT_EQ(ReadAll(controller.DatabasePath()).size(), kStickerRecordSize);
    HWND window = HandleFromValue(controller.Table().Slot(0).window);
    ASSERT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(controller.Table().Slot(0).body.text.Get(), "Text");

    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, (work.right - work.left - 240) / 2);
    EXPECT_EQ(rect.top, (work.bottom - (work.top + rect.bottom - rect.top)) / 2);

    SaveCycle();
    const std::vector<std::uint8_t> written = ReadAll(controller.DatabasePath());
    ASSERT_EQ(written.size(), kStickerRecordSize);
    StickerRecord record;
    std::memcpy(&record, written.data(), sizeof record);
    EXPECT_EQ(record.caption.text.Get(), "Sticker");
    EXPECT_EQ(record.caption.fontSize, 10);
    EXPECT_EQ(record.body.fontSize, 8);
    EXPECT_EQ(record.placement.style, 5);
    EXPECT_EQ(record.placement.useOwnColor, 1);
    EXPECT_TRUE(record.date.ShowDate());
    for (int shift : {0, 8, 16}) {
        const int channel = (record.placement.color >> shift) & 0xFF;
        EXPECT_GE(channel, 32);
    }
    EXPECT_EQ(record.placement.color & 0xFF000000, 0);
}

TEST_F(TrayMenuTest, DefaultStickersGetDifferentColours) {
    // Three channels drawn from one seed: the colours of new stickers are not all grey.
    int grey = 0;
    for (int i = 0; i < 6; ++i) {
        TStickForm* sticker = controller.MakeDefaultSticker();
        ASSERT_NE(sticker, nullptr);
        const ColorValue c = sticker->Placement().color;
        if ((c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF)) ++grey;
    }
    EXPECT_LT(grey, 6);
}

TEST_F(TrayMenuTest, NotificationAreaRebuildReopensSavedStickersAndDropsUnsavedChanges) {
    TStickForm* first = StickerWithBody("saved text");
    StickerWithBody("second");
    HWND oldWindow = first->Handle();
    SaveCycle();
    COPYDATASTRUCT data{};
    data.cbData = 8;
    data.lpData = const_cast<char*>("changed");
    ::SendMessageA(oldWindow, WM_COPYDATA, protocol::kStrBodyText, reinterpret_cast<LPARAM>(&data));

    ::SendMessageA(controller.Handle(), controller.TaskbarCreatedMessage(), 0, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(oldWindow));
    ASSERT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(CountWindows("TStickForm"), 2);
    EXPECT_EQ(controller.Table().Slot(0).body.text.Get(), "saved text");
    SaveCycle();
    StickerRecord record;
    std::memcpy(&record, ReadAll(controller.DatabasePath()).data(), sizeof record);
    EXPECT_EQ(record.body.text.Get(), "saved text");
}

TEST_F(TrayMenuTest, StickerFromTheDialogTakesTheDefaultsAndIsSaved) {
    StickerDefaults& d = controller.Defaults();
    d.style = 7;
    d.opacity = 200;
    d.stickerColor = 0x00FF00;
    d.captionShadow = true;
    d.textShadow = false;
    d.hideDelayStep = 5;
    d.alignment = 2;
    d.pictureNumber = 0x0103;
    TStickForm* sticker = controller.MakeStickerFromDialog("Plan", "1.01.27", false, false, "Body");
    ASSERT_NE(sticker, nullptr);
    PumpMessages();
    const StickerRecord& b = sticker->Blocks();
    EXPECT_EQ(b.caption.text.Get(), "Plan");
    EXPECT_EQ(b.caption.shadow, 1);
    EXPECT_EQ(b.body.shadow, 0);
    EXPECT_EQ(b.date.text.Get(), "1.01.27");
    EXPECT_FALSE(b.date.ShowDate());
    EXPECT_EQ(b.placement.layer, 1);  // not on top
    EXPECT_EQ(b.placement.style, 7);
    EXPECT_EQ(b.placement.opacity, 200);
    EXPECT_EQ(b.placement.color, 0x00FF00);
    EXPECT_EQ(b.placement.alignment, 2);
    EXPECT_EQ(b.placement.PictureNumber(), 0x0103);
    EXPECT_EQ(sticker->HideInterval(), 100u);
    // The dialog's sticker is saved at once (the others wait for a change).
    const std::vector<std::uint8_t> written = ReadAll(controller.DatabasePath());
    ASSERT_EQ(written.size(), kStickerRecordSize);
    StickerRecord record;
    std::memcpy(&record, written.data(), sizeof record);
    EXPECT_EQ(record.body.text.Get(), "Body");
}

TEST_F(TrayMenuTest, DuplicateIsOffsetBy18) {
    TStickForm* original = StickerWithBody("original");
    TStickForm* copy = controller.DuplicateSticker(original->Blocks());
    ASSERT_NE(copy, nullptr);
    RECT rect{};
    ::GetWindowRect(copy->Handle(), &rect);
    EXPECT_EQ(rect.left, 118);
    EXPECT_EQ(rect.top, 118);
    EXPECT_EQ(copy->Blocks().body.text.Get(), "original");
}

// The Windows tests run under a western ANSI code page (1252): the Russian captions read back whole as
// UTF-16 because they go in through the wide menu functions, converted from code page 1251.
TEST_F(TrayMenuTest, ChoosingRussianRenamesTheMenuAndTheStickers) {
    TStickForm* sticker = StickerWithBody("note");
    PumpMessages();
    ::SendMessageA(controller.Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kNRus), 0);
    PumpMessages();
    EXPECT_EQ(MenuText(controller.Menu(), 0), L"Новый стикер");
    EXPECT_EQ(MenuText(controller.Menu(), 1), L"Новый стикер (Настройки)");
    EXPECT_TRUE(controller.Texts().RussianFlag());
    HMENU lang = ::GetSubMenu(controller.Menu(), 3);
    EXPECT_TRUE(::GetMenuState(lang, MenuCommand(TVelpin::MenuId::kNRus), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(lang, MenuCommand(TVelpin::MenuId::kNEng), MF_BYCOMMAND) & MF_CHECKED);
    wchar_t caption[64] = {};
    ::GetMenuStringW(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNCopy), caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"Создать копию");

    ::SendMessageA(controller.Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kNEng), 0);
    PumpMessages();
    ::GetMenuStringW(sticker->Menu(), MenuCommand(TStickForm::MenuId::kNCopy), caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"Duplicate sticker");
    EXPECT_TRUE(::GetMenuState(lang, MenuCommand(TVelpin::MenuId::kNEng), MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(TrayMenuTest, AskTextKeepsThePreviousAnswer) {
    ::SetWindowTextA(dialog.Control(TFormDialog::kEText), "my pattern");
    ::PostMessageA(dialog.Control(TFormDialog::kBOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.AskText(L"Velpiners: Confirmation", L"Name:"));
    EXPECT_EQ(dialog.Answer(), "my pattern");
    char text[64] = {};
    ::GetWindowTextA(dialog.Control(TFormDialog::kBNO), text, sizeof text);
    EXPECT_STREQ(text, "Cancel");
    ::PostMessageA(dialog.Control(TFormDialog::kBNO), BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog.AskText(L"Velpiners: Confirmation", L"Name:"));
    EXPECT_EQ(dialog.Answer(), "my pattern");
    EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));
}

// The question box speaks in the dialogs' font, and the keyboard answers it: Enter in the answer box is OK,
// Esc is Cancel.
TEST_F(TrayMenuTest, TheQuestionIsInTheDialogsFontAndEnterOrEscAnswersIt) {
    for (TFormDialog::ControlId id : {TFormDialog::kLText, TFormDialog::kEText, TFormDialog::kBOK, TFormDialog::kBNO}) {
        LOGFONTA font{};
        ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(dialog.Control(id), WM_GETFONT, 0, 0)), sizeof font,
                     &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif") << id;
        EXPECT_EQ(font.lfHeight, -11) << id;
    }
    HWND answer = dialog.Control(TFormDialog::kEText);
    ::SetWindowTextA(answer, "typed");
    ::PostMessageA(answer, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(dialog.AskText(L"Velpiners: Confirmation", L"Name:"));
    EXPECT_EQ(dialog.Answer(), "typed");
    ::PostMessageA(answer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(dialog.AskText(L"Velpiners: Confirmation", L"Name:"));
    EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));
}

// The controller is hidden, so the question does not disable it: "Delete all" chosen meanwhile must neither
// turn the question into its own nor take its answer (on the question's OK, all would go).
TEST_F(TrayMenuTest, DeleteAllWhileThePatternNameIsAskedLeavesTheQuestionAlone) {
    StickerWithBody("one");
    StickerWithBody("two");
    ::SetWindowTextA(dialog.Control(TFormDialog::kEText), "Blue");
    ::PostMessageA(controller.Handle(), WM_COMMAND, MenuCommand(TVelpin::MenuId::kNdeleteall), 0);
    ::PostMessageA(dialog.Control(TFormDialog::kBOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.AskText(L"Velpiners: Confirmation", L"Name:"));
    EXPECT_EQ(dialog.Answer(), "Blue");
    EXPECT_EQ(WindowTextOf(dialog.Control(TFormDialog::kLText)), "Name:");
    PumpMessages();
    EXPECT_EQ(controller.Table().Count(), 2);
    EXPECT_EQ(CountWindows("TStickForm"), 2);
}

}  // namespace
}  // namespace velpiners
