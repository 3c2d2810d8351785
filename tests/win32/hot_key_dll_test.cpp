// HotKey.dll driven by the keyboard: keys injected with SendInput pass its low-level hook, which reports the
// enabled key to the window with WM_USER 12 / 201 + index and keeps the key from everyone else. A second
// low-level hook, installed before the library's (so called after it), sees what the library let through.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "protocol/protocol.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using EntryPoint = void(WINAPI*)(int, int);

std::vector<std::pair<DWORD, bool>> g_seen;  // (virtual key, down) that reached the hook after the library's

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        g_seen.emplace_back(key->vkCode, wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void Key(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof input);
    test::PumpMessages();
}

void Press(WORD vk) {
    Key(vk, true);
    Key(vk, false);
}

EntryPoint Find(HMODULE module, const char* name) {
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class HotKeyDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen.clear();
        m_watch = ::SetWindowsHookExW(WH_KEYBOARD_LL, &Watch, ::GetModuleHandleW(nullptr), 0);
        ASSERT_NE(m_watch, nullptr);
        m_library = ::LoadLibraryA((test::TestProgramFolder() + "HotKey.dll").c_str());
        ASSERT_NE(m_library, nullptr);
        hook = Find(m_library, "Hook");
        table = Find(m_library, "HookTablenum");
        ASSERT_NE(hook, nullptr);  // plain, undecorated names
        ASSERT_NE(table, nullptr);
        hook(1, static_cast<int>(HandleValue(receiver.Handle())));
    }
    void TearDown() override {
        if (hook != nullptr) hook(0, 0);
        if (m_library != nullptr) ::FreeLibrary(m_library);
        if (m_watch != nullptr) ::UnhookWindowsHookEx(m_watch);
        test::PumpMessages();
    }

    void EnableOnly(int index) {
        for (int i = 0; i < 5; ++i) table(i == index ? 1 : 0, i);
    }

    [[nodiscard]] bool Seen(DWORD vk) const {
        for (const auto& [key, down] : g_seen)
            if (key == vk) return true;
        return false;
    }

    test::Receiver receiver;
    EntryPoint hook = nullptr;
    EntryPoint table = nullptr;

private:
    HHOOK m_watch = nullptr;
    HMODULE m_library = nullptr;
};

using Reports = std::vector<std::pair<WPARAM, LPARAM>>;

TEST_F(HotKeyDllTest, OnlyTheEnabledBrowserKeyIsReportedAndTaken) {
    for (int enabled = 1; enabled <= 4; ++enabled) {
        SCOPED_TRACE(enabled);
        EnableOnly(enabled);
        receiver.userMessages.clear();
        g_seen.clear();
        for (WORD vk : {VK_BROWSER_SEARCH, VK_BROWSER_BACK, VK_BROWSER_FORWARD, VK_BROWSER_FAVORITES}) Press(vk);
        EXPECT_EQ(receiver.userMessages,
                  (Reports{{protocol::kHotKeyFirstNotification + enabled, protocol::kUserHotKey}}));
        const WORD keys[] = {0, VK_BROWSER_SEARCH, VK_BROWSER_BACK, VK_BROWSER_FORWARD, VK_BROWSER_FAVORITES};
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(Seen(keys[i]), i != enabled) << i;
    }
    // The low byte alone says enabled.
    table(0x100, 2);
    receiver.userMessages.clear();
    Press(VK_BROWSER_BACK);
    EXPECT_TRUE(receiver.userMessages.empty());
}

TEST_F(HotKeyDllTest, WinWithPlusOnEitherKeyboardOncePerPress) {
    EnableOnly(0);
    Press(VK_OEM_PLUS);  // without Win: an ordinary key
    Press(VK_BROWSER_SEARCH);
    EXPECT_TRUE(receiver.userMessages.empty());
    EXPECT_TRUE(Seen(VK_OEM_PLUS));

    g_seen.clear();
    Key(VK_LWIN, true);
    Key(VK_OEM_PLUS, true);
    Key(VK_OEM_PLUS, true);  // auto-repeat
    Key(VK_OEM_PLUS, false);
    Key(VK_ADD, true);
    Key(VK_ADD, false);
    Key(VK_LWIN, false);
    EXPECT_EQ(receiver.userMessages, (Reports{{201, 12}, {201, 12}}));
    EXPECT_FALSE(Seen(VK_OEM_PLUS));
    EXPECT_FALSE(Seen(VK_ADD));
    // An unassigned key went by before Win's release, so the release does not open the Start menu.
    ASSERT_GE(g_seen.size(), 4u);
    EXPECT_EQ(g_seen[g_seen.size() - 3], (std::pair<DWORD, bool>{0xE8, true}));
    EXPECT_EQ(g_seen[g_seen.size() - 2], (std::pair<DWORD, bool>{0xE8, false}));
    EXPECT_EQ(g_seen.back(), (std::pair<DWORD, bool>{VK_LWIN, false}));
}

TEST_F(HotKeyDllTest, HookZeroStopsWatching) {
    EnableOnly(2);
    hook(0, 0);
    Press(VK_BROWSER_BACK);
    EXPECT_TRUE(receiver.userMessages.empty());
    EXPECT_TRUE(Seen(VK_BROWSER_BACK));
    hook(1, static_cast<int>(HandleValue(receiver.Handle())));
    Press(VK_BROWSER_BACK);
    EXPECT_EQ(receiver.userMessages, (Reports{{203, 12}}));
}

}  // namespace
}  // namespace velpiners
