// The properties dialog with a stand-in sticker window that records what reaches it: what OK and Apply
// send and in which order, what Cancel leaves, the icon of a user picture that is gone, a font that is not
// installed, the memo's font and a hide delay of 0 at each opening, patterns saved with empty font boxes
// (and chosen once saved), deleted even when read-only (and told when they stay; none chosen after), and the
// remembered pattern, ready to load and written back at the close.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/shared_pictures_win.h"
#include "base/private_profile_win.h"
#include "dialogs/settings_form_win.h"
#include "graphics/gdi_surface_win.h"
#include "protocol/protocol.h"
#include "sticker/sticker_state.h"
#include "store/pattern.h"
#include "store/pattern_files_win.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using test::PumpMessages;

// What arrived at the stand-in sticker, in arrival order.
struct Arrival {
    bool copy = false;
    std::uint32_t code = 0;
    std::uint32_t value = 0;
    std::string text;
};
std::vector<Arrival> g_arrivals;

LRESULT CALLBACK RecordSticker(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == protocol::kStickerCommandMessage) {
        g_arrivals.push_back({false, static_cast<std::uint32_t>(lParam), static_cast<std::uint32_t>(wParam), {}});
        return 0;
    }
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        g_arrivals.push_back({true, static_cast<std::uint32_t>(wParam), 0,
                              std::string(static_cast<const char*>(data->lpData), data->cbData - 1)});
        return 1;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// The program as the dialog sees it: texts shown as their keys, the program's pictures, the 34 built-in icons
// and one user icon (number 101), the pattern name the test gives and the save request posted to `receiver`.
class Host final : public SettingsFormHost {
public:
    Host(std::string folder, HWND receiver) : m_folder(std::move(folder)), m_receiver(receiver) {
        shared.Load(test::ProgramResources());
    }
    std::wstring ShownText(TextKey key) const override {
        return L"<" + std::wstring(InfoOf(key).key.begin(), InfoOf(key).key.end()) + L">";
    }
    const std::string& ProgramFolder() const override { return m_folder; }
    void FillIconList(HIMAGELIST, std::vector<std::string>& items) override {
        items.emplace_back();
        for (int i = 0; i < 34; ++i) items.emplace_back(" (32x32)");
        items.emplace_back("|101|| (48x48)");
    }
    bool AskPatternName(std::string& name) override {
        name = patternName;
        return !patternName.empty();
    }
    void PostSaveRequest() const override {
        ::PostMessageA(m_receiver, protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                       protocol::kCtlSaveRequest);
    }
    HMODULE Resources() const override { return nullptr; }
    const graphics::Picture& SharedPicture(std::string_view name) const override { return shared.Get(name); }
    void PictureByNumber(graphics::Picture& target, int number) override {
        if (number >= 1 && number <= 34) target = shared.BuiltInIcon(number - 1);
    }

    SharedPictures shared;
    std::string patternName;

private:
    std::string m_folder;
    HWND m_receiver;
};

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &RecordSticker;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "StickerRecorder";
        ::RegisterClassA(&wc);
        sticker = ::CreateWindowExA(0, "StickerRecorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        g_arrivals.clear();

        form.FormCreate(host);

        FillStickerDefaults(blocks, "Shopping", "milk", "8.12.26", 10, 20);
        blocks.placement.style = 3;
    }
    void TearDown() override {
        ::DestroyWindow(sticker);
        PumpMessages();
    }

    void Open(int page = TSettingsForm::kLastShownPage) {
        form.FillForSticker(sticker, blocks.caption, blocks.date, blocks.body, blocks.placement, page);
        g_arrivals.clear();
    }
    // Applies and lets the posted commands arrive.
    void Apply() {
        form.OkClick(form.BPRIM);
        PumpMessages();
    }
    [[nodiscard]] static std::vector<std::uint32_t> PostedCodes() {
        std::vector<std::uint32_t> codes;
        for (const Arrival& a : g_arrivals)
            if (!a.copy) codes.push_back(a.code);
        return codes;
    }
    [[nodiscard]] std::string MemoFace() const {
        LOGFONTA font{};
        ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(form.memo.Handle(), WM_GETFONT, 0, 0)), sizeof font,
                     &font);
        return font.lfFaceName;
    }
    [[nodiscard]] static const Arrival* Posted(std::uint32_t code) {
        for (const Arrival& a : g_arrivals)
            if (!a.copy && a.code == code) return &a;
        return nullptr;
    }

    test::TempFolder folder;
    test::ErrorCapture errors;
    test::Receiver controller;
    Host host{folder.Path(), controller.Handle()};
    TSettingsForm form;
    HWND sticker = nullptr;
    StickerRecord blocks{};
};

// Every window of the form below it, each before its children.
void Descendants(HWND parent, std::vector<HWND>& windows) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        windows.push_back(child);
        Descendants(child, windows);
    }
}

RECT PlaceInParent(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int FontHeightOf(HWND window) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The controls Tab visits from OK, in order, on the page that shows.
std::vector<HWND> TabOrder(HWND form, HWND from) {
    std::vector<HWND> order{from};
    for (HWND next = ::GetNextDlgTabItem(form, from, FALSE); next != nullptr && next != from && order.size() < 100;
         next = ::GetNextDlgTabItem(form, next, FALSE))
        order.push_back(next);
    return order;
}

// Laid out for 144 dots per inch the dialog is half as large again: its client area 361 x 281 -> 542 x 422,
// OK at (120, 249) 75 x 25 -> (180, 374) 113 x 38, Cancel from x 199 -> 299, the caption edit (8, 24)
// 321 x 21 -> (12, 36) 482 x 32, the folded text panel 21 -> 32 high; the dialog font 11 -> 17 pixels and
// the caption font box's Verdana 13 -> 20; Tab goes the same way. Back at 96 every place is the given one.
TEST_F(SettingsFormTest, AtHalfAgainTheResolutionPlacesAndFontsAreHalfAgainAndTabGoesTheSameWay) {
    form.PC.SelectPage(TSettingsForm::kCaptionPage);
    const std::vector<HWND> tabAt96 = TabOrder(form.Handle(), form.Ok.Handle());
    ASSERT_GT(tabAt96.size(), 5u);
    std::vector<HWND> windows;
    Descendants(form.Handle(), windows);
    std::vector<RECT> placesAt96;
    for (HWND window : windows) placesAt96.push_back(PlaceInParent(window));

    form.SetDpi(144);
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 542);
    EXPECT_EQ(client.bottom, 422);
    const RECT ok = PlaceInParent(form.Ok.Handle());
    EXPECT_EQ(ok.left, 180);
    EXPECT_EQ(ok.top, 374);
    EXPECT_EQ(ok.right - ok.left, 113);
    EXPECT_EQ(ok.bottom - ok.top, 38);
    EXPECT_EQ(PlaceInParent(form.BNO.Handle()).left, 299);
    const RECT caption = PlaceInParent(form.ECaption.Handle());
    EXPECT_EQ(caption.left, 12);
    EXPECT_EQ(caption.top, 36);
    EXPECT_EQ(caption.right - caption.left, 482);
    EXPECT_EQ(caption.bottom - caption.top, 32);
    RECT panel{};
    ::GetClientRect(form.TP_text.Handle(), &panel);
    EXPECT_EQ(panel.bottom, 32);
    EXPECT_EQ(FontHeightOf(form.Ok.Handle()), -17);
    EXPECT_EQ(FontHeightOf(form.ECaption.Handle()), -17);
    EXPECT_EQ(FontHeightOf(form.CBListFonts.Handle()), -20);
    EXPECT_EQ(TabOrder(form.Handle(), form.Ok.Handle()), tabAt96);

    form.SetDpi(96);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const RECT place = PlaceInParent(windows[i]);
        EXPECT_TRUE(::EqualRect(&place, &placesAt96[i])) << "window " << i;
    }
    EXPECT_EQ(FontHeightOf(form.Ok.Handle()), -11);
}

// The system's word that the dialog now stands on a monitor at 144 lays it out for 144 (whatever the
// rectangle's pointer holds: it is never read); a resolution no monitor has is taken as 96.
TEST_F(SettingsFormTest, TheMoveToAnotherResolutionLaysTheDialogOutForIt) {
    ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), 1);
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 542);
    EXPECT_EQ(PlaceInParent(form.Ok.Handle()).top, 374);
    ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(5000, 5000), 0);
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 361);
    EXPECT_EQ(PlaceInParent(form.Ok.Handle()).top, 249);
}

// A dialog made for 144 from the start and one laid out again for it place every window alike.
TEST_F(SettingsFormTest, MadeForAResolutionOrLaidOutAgainForItIsTheSame) {
    TSettingsForm made;
    made.MakeForDpi(144);
    made.FormCreate(host);
    form.SetDpi(144);
    std::vector<HWND> laidOut;
    std::vector<HWND> madeFor;
    Descendants(form.Handle(), laidOut);
    Descendants(made.Handle(), madeFor);
    // The tab control made its scroll arrows while its tabs did not fit, between the new font and the new
    // size; hidden once they fit, they are no part of the layout.
    const auto dropHiddenArrows = [](std::vector<HWND>& windows) {
        windows.erase(std::remove_if(windows.begin(), windows.end(),
                                     [](HWND window) {
                                         char name[64] = {};
                                         ::GetClassNameA(window, name, sizeof name);
                                         return std::string(name) == UPDOWN_CLASSA &&
                                                (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) == 0;
                                     }),
                      windows.end());
    };
    dropHiddenArrows(laidOut);
    dropHiddenArrows(madeFor);
    ASSERT_EQ(laidOut.size(), madeFor.size());
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        const RECT a = PlaceInParent(laidOut[i]);
        const RECT b = PlaceInParent(madeFor[i]);
        EXPECT_TRUE(::EqualRect(&a, &b)) << "window " << i << ": " << a.left << "," << a.top << " " << a.right << ","
                                         << a.bottom << " against " << b.left << "," << b.top << " " << b.right << ","
                                         << b.bottom;
    }
    const RECT ok = PlaceInParent(made.Ok.Handle());
    EXPECT_EQ(ok.left, 180);
    EXPECT_EQ(ok.bottom - ok.top, 38);
}

TEST_F(SettingsFormTest, OkSendsStringsAtOnceThenTheCommandsInOrderAndAsksForASave) {
    Open(TSettingsForm::kTextPage);
    EXPECT_EQ(form.PC.ActivePage(), TSettingsForm::kTextPage);
    form.memo.SetText("milk and bread");
    form.OkClick(form.Ok);
    // The five strings are sent, so they are there before any posted command.
    ASSERT_EQ(g_arrivals.size(), 5u);
    const std::vector<std::uint32_t> kinds = {g_arrivals[0].code, g_arrivals[1].code, g_arrivals[2].code,
                                              g_arrivals[3].code, g_arrivals[4].code};
    EXPECT_EQ(kinds, (std::vector<std::uint32_t>{0, 1, 4, 2, 3}));
    EXPECT_EQ(g_arrivals[1].text, "Shopping");
    EXPECT_EQ(g_arrivals[3].text, "milk and bread");
    PumpMessages();
    EXPECT_EQ(PostedCodes(),
              (std::vector<std::uint32_t>{1, 2, 6, 7, 10, 11, 15, 22, 28, 27, 3, 4, 21, 8, 9, 12, 5, 24, 100}));
    ASSERT_EQ(controller.controllerCommands.size(), 1u);
    EXPECT_EQ(controller.controllerCommands[0].second, static_cast<LPARAM>(protocol::kCtlSaveRequest));
    EXPECT_FALSE(form.Showing());
}

// The text page shows the same background behind its memo as the other pages behind their controls.
TEST_F(SettingsFormTest, TheTextPageHasThePagesBackground) {
    const auto printed = [](HWND window) {
        RECT client{};
        ::GetClientRect(window, &client);
        auto surface = std::make_unique<GdiSurface>(24);
        surface->Resize(client.right, client.bottom);
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface->Dc()), PRF_CLIENT);
        ::GdiFlush();
        return surface;
    };
    const auto caption = printed(form.PC.Page(TSettingsForm::kCaptionPage).Handle());
    const auto text = printed(form.P_text_main.Handle());
    // The left margin beside the memo, and the strip between the memo and the word-wrap box.
    for (const POINT at : {POINT{3, 40}, POINT{150, 6}}) {
        EXPECT_EQ(std::memcmp(text->Pixels().Pixel(at.x, at.y), caption->Pixels().Pixel(at.x, at.y), 3), 0)
            << at.x << "," << at.y;
    }
}

// The boxes of one row stand at one top and are 22 pixels high, whatever font a box lists its items in.
TEST_F(SettingsFormTest, TheBoxesOfOneRowAreOfOneHeight) {
    test::ExpectRowsOfOneHeight({{form.CBListFonts.Handle(), form.CB_capt.Handle()},
                                 {form.CBFontNameText.Handle(), form.CBsizetext.Handle(), form.CBColor.Handle()}},
                                22);
}

// The text panel's colour box is labelled as the caption's is: its label 16 pixels above it, at its left.
TEST_F(SettingsFormTest, TheTextPanelsColourBoxHasItsLabel) {
    HWND label = nullptr;
    for (HWND child = ::GetWindow(form.TP_text.Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (WindowTextOf(child) == "<capLColor>") label = child;
    }
    ASSERT_NE(label, nullptr);
    RECT text{}, box{};
    ::GetWindowRect(label, &text);
    ::GetWindowRect(form.CBColor.Handle(), &box);
    EXPECT_EQ(text.left, box.left);
    EXPECT_EQ(box.top - text.top, 16);
}

TEST_F(SettingsFormTest, AnEmptyNoteWithoutIconGetsTheFirstOneAndAColourOnlyRepaints) {
    Open();
    form.memo.SetText(" ");
    form.look.CB_icons.Select(0);
    Apply();
    ASSERT_NE(Posted(protocol::kStkPictureNumber), nullptr);
    EXPECT_EQ(Posted(protocol::kStkPictureNumber)->value, 1u);
    EXPECT_EQ(form.look.CB_icons.Selected(), 1);

    Open();
    form.look.CBColorMask.SetSelected(0x00FF00);
    Apply();
    EXPECT_EQ(PostedCodes().back(), protocol::kStkRepaint);
    EXPECT_EQ(Posted(protocol::kStkColor)->value, 0x00FF00u);
}

TEST_F(SettingsFormTest, ApplyKeepsComparingWithTheOpeningAndCancelSendsNothingMore) {
    Open();
    form.ECaption.SetText("Groceries");
    Apply();
    EXPECT_EQ(PostedCodes().back(), protocol::kStkRelayout);
    g_arrivals.clear();
    Apply();
    EXPECT_EQ(PostedCodes().back(), protocol::kStkRelayout);
    g_arrivals.clear();
    form.BNOClick();
    PumpMessages();
    EXPECT_TRUE(g_arrivals.empty());
    EXPECT_EQ(controller.controllerCommands.size(), 2u);
}

TEST_F(SettingsFormTest, AGoneUserIconOpensAsNoIconAndAMissingFontKeepsTheStoredFace) {
    blocks.placement.SetPictureNumber(250);  // no user icon carries it
    blocks.caption.fontName.Set("No Such Font Here");
    Open();
    EXPECT_EQ(form.look.CB_icons.Selected(), 0);
    EXPECT_EQ(form.CBListFonts.Selected(), -1);
    blocks.placement.SetPictureNumber(101);
    Open();
    EXPECT_EQ(form.look.CB_icons.Selected(), 35);
    Apply();
    EXPECT_EQ(g_arrivals[0].text, "No Such Font Here");
    EXPECT_EQ(Posted(protocol::kStkPictureNumber)->value, 101u);
}

// Tahoma, the face of every new sticker, is one of Wine's own fonts: both font boxes show it chosen.
TEST_F(SettingsFormTest, ANewStickersTahomaIsChosenInBothFontBoxes) {
    Open();
    EXPECT_EQ(form.CBListFonts.SelectedFont(), "Tahoma");
    EXPECT_EQ(form.CBFontNameText.SelectedFont(), "Tahoma");
}

TEST_F(SettingsFormTest, EachOpeningPreviewsItsStickersFontAndKeepsAHideDelayOfZeroUntilMoved) {
    const std::vector<std::string> fonts = InstalledScreenFonts();
    ASSERT_GE(fonts.size(), 2u);
    blocks.body.fontName.Set(fonts[0]);
    blocks.placement.hideDelayStep = 0;  // 3 s: the bar starts at 1
    Open();
    EXPECT_EQ(MemoFace(), fonts[0]);
    form.CBFontNameText.SelectFont(fonts[1]);
    form.CBFontNameText.onChange();
    EXPECT_EQ(MemoFace(), fonts[1]);
    form.BNOClick();
    Open();
    EXPECT_EQ(MemoFace(), fonts[0]);

    wchar_t seconds[32] = {};
    ::GetWindowTextW(form.L_sec.Handle(), seconds, 32);
    EXPECT_EQ(std::wstring(seconds), L"3,00 <vidIntSec>");
    Apply();
    ASSERT_NE(Posted(protocol::kStkHideDelay), nullptr);
    EXPECT_EQ(Posted(protocol::kStkHideDelay)->value, 0u);
    // The user drags the thumb.
    ::SendMessageA(form.TB_Ma.Handle(), TBM_SETPOS, TRUE, 40);
    ::SendMessageA(::GetParent(form.TB_Ma.Handle()), WM_HSCROLL, TB_ENDTRACK,
                   reinterpret_cast<LPARAM>(form.TB_Ma.Handle()));
    g_arrivals.clear();
    Apply();
    EXPECT_EQ(Posted(protocol::kStkHideDelay)->value, 40u);
}

TEST_F(SettingsFormTest, APatternSavedWithEmptyFontAndSizeBoxesKeepsTheStickersOwn) {
    blocks.body.fontName.Set("No Such Text Font");
    blocks.caption.fontName.Set("No Such Caption Font");
    blocks.body.fontSize = 24;  // beyond the size box
    Open(TSettingsForm::kPatternsPage);
    ASSERT_EQ(form.CBsizetext.Selected(), -1);
    host.patternName = "Odd";
    form.patterns.BsavePattern.onClick();
    ASSERT_EQ(form.patterns.CB_press.Count(), 1);
    StickerRecord saved{};
    ReadPatternFile(folder.File("patterns\\" + PatternFileOf(form.patterns.CB_press.Item(0))), saved);
    EXPECT_EQ(saved.body.fontName.Get(), "No Such Text Font");
    EXPECT_EQ(saved.caption.fontName.Get(), "No Such Caption Font");
    EXPECT_EQ(saved.body.fontSize, 24);
}

TEST_F(SettingsFormTest, PatternsAreSavedDeletedEvenReadOnlyAndRememberedAtTheClose) {
    Open(TSettingsForm::kPatternsPage);
    host.patternName = "Blue look";
    EXPECT_FALSE(::IsWindowEnabled(form.patterns.BdelPattern.Handle()));  // nothing chosen to delete
    form.patterns.BsavePattern.onClick();
    ASSERT_EQ(form.patterns.CB_press.Count(), 1);
    const std::string item = form.patterns.CB_press.Item(0);
    EXPECT_EQ(PatternNameOf(item), "Blue look");
    const std::string path = folder.File("patterns\\" + PatternFileOf(item));
    ASSERT_TRUE(test::FileExists(path));
    // The new pattern is the chosen one, ready to load or delete.
    EXPECT_EQ(form.patterns.CB_press.Selected(), 0);
    EXPECT_TRUE(::IsWindowEnabled(form.patterns.B_press_prim.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(form.patterns.BdelPattern.Handle()));

    // With no remembered pattern in config.txt, closing writes none.
    form.patterns.CB_press.Select(0);
    form.BNOClick();
    EXPECT_FALSE(test::FileExists(folder.File("config.txt")));

    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Open(TSettingsForm::kPatternsPage);
    form.patterns.CB_press.Select(0);
    form.patterns.CB_press.onClick();
    // Held open by another program, it stays as it was and the user is told.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const LPARAM inside = MAKELPARAM(4, 4);
    ::SendMessageA(form.patterns.BdelPattern.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageA(form.patterns.BdelPattern.Handle(), WM_LBUTTONUP, 0, inside);
    ::CloseHandle(held);
    EXPECT_TRUE(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(form.patterns.CB_press.Count(), 1);
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0], "Unable to delete " + path + ".");

    form.patterns.BdelPattern.onClick();
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_EQ(form.patterns.CB_press.Count(), 0);
    EXPECT_EQ(form.patterns.CB_press.Selected(), -1);
    EXPECT_FALSE(::IsWindowEnabled(form.patterns.B_press_prim.Handle()));
    EXPECT_FALSE(::IsWindowEnabled(form.patterns.BdelPattern.Handle()));
}

TEST(SettingsFormRemembered, TheSelectedPatternIsWrittenBackOnceConfigHoldsOne) {
    test::TempFolder folder;
    test::ErrorCapture errors;
    test::Receiver controller;
    ASSERT_TRUE(::CreateDirectoryA(folder.File("patterns").c_str(), nullptr));
    test::WriteAll(folder.File("patterns\\a.pat"), {'[', 'I', 'n', 'f', 'o', ']', '\n', 'n', 'a', 'm', 'e', '=', 'A'});
    test::WriteAll(folder.File("patterns\\b.pat"), {'[', 'I', 'n', 'f', 'o', ']', '\n', 'n', 'a', 'm', 'e', '=', 'B'});
    ASSERT_TRUE(PrivateProfileWriter(folder.File("config.txt")).Write("Settings", "pattern", "a||a.pat"));
    Host host(folder.Path(), controller.Handle());
    TSettingsForm form;
    form.FormCreate(host);
    StickerRecord blocks{};
    FillStickerDefaults(blocks, "c", "b", "d", 0, 0);
    form.FillForSticker(nullptr, blocks.caption, blocks.date, blocks.body, blocks.placement, 0);
    EXPECT_EQ(form.patterns.CB_press.SelectedText(), "A||a.pat");         // selected ignoring case
    EXPECT_TRUE(::IsWindowEnabled(form.patterns.B_press_prim.Handle()));  // and ready to load
    form.patterns.CB_press.Select(form.patterns.CB_press.FindExact("B||b.pat"));
    form.BNOClick();
    EXPECT_EQ(PrivateProfileReader(folder.File("config.txt")).Read("Settings", "pattern", ""), "B||b.pat");
}

}  // namespace
}  // namespace velpiners
