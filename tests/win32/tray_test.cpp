// The tray icon component on its own: the record the shell is told, the hint rules, the animation over an
// image list, and the mouse actions with and without restore and popup.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/test_support.h"
#include "tray/tray_icon.h"

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
    for (int i = 0; i < 3; ++i) ImageList_AddIcon(images, LoadProgramIcon(16));
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
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                       WM_MOUSEMOVE})
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
