// The tray icon component on its own: the record the shell is told, the hint rules, the animation over an
// image list, and the mouse actions with and without restore and popup.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/win32/test_support.h"
#include "tray/tray_icon_win.h"

namespace velpiners {
namespace {

using test::PumpMessages;

TEST(TrayIconTest, TheRecordIsTheFirstFormWithTheCallbackMessage) {
    TTrayIconAdv tray(nullptr);
    const NOTIFYICONDATAA& record = tray.Record();
    EXPECT_EQ(record.cbSize, NOTIFYICONDATAA_V1_SIZE);
#ifndef _WIN64
    EXPECT_EQ(record.cbSize, 88u);
#endif
    EXPECT_EQ(record.uCallbackMessage, 0x464u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(record.hWnd, tray.CallbackWindow());
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_TRUE(tray.Enabled());
    EXPECT_EQ(tray.RestoreOn, ticLeftDblClick);
    EXPECT_EQ(tray.PopupMenuOn, ticRightClickUp);

    TTrayIconAdv other(nullptr);
    EXPECT_NE(other.Record().uID, record.uID);
}

TEST(TrayIconTest, EveryProgramIconIsTheCallersOwn) {
    // Each call hands over one new icon and keeps nothing: when the caller destroys what it got, the
    // system's handle table takes the same few entries back again and again. An icon kept behind on each
    // call would take a new entry every time.
    constexpr int kCalls = 200;
    constexpr std::size_t kFewEntries = 8;
    std::set<WORD> entries;
    for (int i = 0; i < kCalls; ++i) {
        HICON icon = LoadProgramIcon(test::ProgramResources(), 16);
        ASSERT_NE(icon, nullptr);
        entries.insert(LOWORD(reinterpret_cast<UINT_PTR>(icon)));
        ASSERT_TRUE(::DestroyIcon(icon));
    }
    EXPECT_LE(entries.size(), kFewEntries);
}

TEST(TrayIconTest, HintRules) {
    TTrayIconAdv tray(nullptr);
    const std::string sixtyThree(63, 'h');
    tray.SetHint(sixtyThree);
    EXPECT_EQ(tray.Hint(), sixtyThree);
    EXPECT_EQ(std::string(tray.Record().szTip), sixtyThree);
    EXPECT_TRUE(tray.Record().uFlags & NIF_TIP);

    tray.SetHint(std::string(64, 'x'));  // ignored: the old hint stays
    EXPECT_EQ(tray.Hint(), sixtyThree);
    EXPECT_EQ(std::string(tray.Record().szTip), sixtyThree);

    tray.SetHint("Velpiners\r\nv1.4");
    EXPECT_EQ(std::string(tray.Record().szTip), "Velpiners\r\nv1.4");
    tray.SetHint("");
    EXPECT_FALSE(tray.Record().uFlags & NIF_TIP);
    EXPECT_EQ(tray.Record().szTip[0], '\0');
}

TEST(TrayIconTest, AnimationRunsThroughTheImages) {
    TTrayIconAdv tray(nullptr);
    tray.NextFrame();  // without images a tick does nothing
    EXPECT_EQ(tray.IconIndex(), 0);

    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (int i = 0; i < 3; ++i) {
        HICON icon = LoadProgramIcon(test::ProgramResources(), 16);
        ImageList_AddIcon(images, icon);  // the list keeps its own copy
        ::DestroyIcon(icon);
    }
    tray.SetIcons(images);
    int seen[5];
    for (int& index : seen) {
        tray.NextFrame();
        index = tray.IconIndex();
    }
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 2);
    EXPECT_EQ(seen[2], 0);
    EXPECT_EQ(seen[3], 1);
    EXPECT_EQ(seen[4], 2);

    // The timer drives the same frames.
    tray.SetIconIndex(0);
    tray.SetInterval(10);
    tray.SetAnimate(true);
    for (int i = 0; i < 100 && tray.IconIndex() == 0; ++i) {
        ::Sleep(5);
        PumpMessages();
    }
    tray.SetAnimate(false);
    EXPECT_NE(tray.IconIndex(), 0);
    tray.ForgetIcons();
    ImageList_Destroy(images);
}

TEST(TrayIconTest, MouseActionsFireTheirEventsAndRestoreOnlyOnItsClick) {
    TTrayIconAdv tray(nullptr);
    std::string events;
    tray.OnLButtonDown = [&](TTrayIconAdv&) { events += "Ld "; };
    tray.OnLButtonUp = [&](TTrayIconAdv&) { events += "Lu "; };
    tray.OnLButtonDblClick = [&](TTrayIconAdv&) { events += "Ldbl "; };
    tray.OnRButtonDown = [&](TTrayIconAdv&) { events += "Rd "; };
    tray.OnRButtonUp = [&](TTrayIconAdv&) { events += "Ru "; };
    tray.OnRButtonDblClick = [&](TTrayIconAdv&) { events += "Rdbl "; };
    tray.OnRestoreApp = [&](TTrayIconAdv&) { events += "restore "; };
    tray.RestoreOn = ticNone;
    tray.PopupMenuOn = ticNone;

    HWND window = tray.CallbackWindow();
    for (UINT mouse :
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MOUSEMOVE})
        ::SendMessageA(window, TTrayIconAdv::kCallbackMessage, 0, mouse);
    EXPECT_EQ(events, "Ld Lu Ldbl Rd Ru Rdbl ");

    events.clear();
    tray.RestoreOn = ticLeftDblClick;
    ::SendMessageA(window, TTrayIconAdv::kCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(events, "restore Ldbl ");

    EXPECT_EQ(::SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(window, WM_USER + 7, 0, 0), 0);  // no default handling
}

}  // namespace
}  // namespace velpiners
