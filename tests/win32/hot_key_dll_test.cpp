// HotKey.dll driven by the keyboard: keys injected with SendInput pass its low-level hook, which reports the
// enabled key to the window with WM_USER 12 / 201 + index and keeps the key from everyone else. A second
// low-level hook on a thread of its own, installed before the library's (so called after it), sees what the
// library let through. Under Wine SendInput returns once every low-level hook has had the key.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "protocol/protocol.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

using EntryPoint = void(WINAPI*)(int, int);
using KeyEvent = std::pair<DWORD, bool>;  // (virtual key, down)

constexpr DWORD kPatienceMs = 5000;

std::mutex g_seenLock;
std::vector<KeyEvent> g_seen;                 // what reached the watcher
std::atomic<bool> g_keepNextWinPress{false};  // from the system, after the library saw it

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (down && key->vkCode == VK_LWIN && g_keepNextWinPress.exchange(false)) return 1;
        const std::lock_guard lock(g_seenLock);
        g_seen.emplace_back(key->vkCode, down);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<KeyEvent> Seen() {
    const std::lock_guard lock(g_seenLock);
    return g_seen;
}

bool Seen(DWORD vk) {
    for (const auto& [key, down] : Seen())
        if (key == vk) return true;
    return false;
}

void ClearSeen() {
    const std::lock_guard lock(g_seenLock);
    g_seen.clear();
}

// The watcher's hook on a thread that does nothing but wait for messages.
class WatchThread {
public:
    WatchThread()
        : m_thread([this] {
              MSG message;
              ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
              HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &Watch, ::GetModuleHandleW(nullptr), 0);
              m_id = ::GetCurrentThreadId();
              while (::GetMessageW(&message, nullptr, 0, 0) > 0) {}
              ::UnhookWindowsHookEx(hook);
          }) {
        while (m_id == 0) std::this_thread::yield();
    }
    ~WatchThread() {
        ::PostThreadMessageW(m_id, WM_QUIT, 0, 0);
        m_thread.join();
    }
    WatchThread(const WatchThread&) = delete;
    WatchThread& operator=(const WatchThread&) = delete;

private:
    std::atomic<DWORD> m_id{0};
    std::thread m_thread;
};

// Time stamp 0 is the system's time. The reports posted to this thread's windows are handled.
void Key(WORD vk, bool down, DWORD time = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    input.ki.time = time;
    ::SendInput(1, &input, sizeof input);
    test::PumpMessages();
}

void Press(WORD vk, DWORD time = 0) {
    Key(vk, true, time);
    Key(vk, false, time);
}

EntryPoint Find(HMODULE module, const char* name) {
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

std::string LibraryPath() { return test::TestProgramFolder() + "HotKey.dll"; }

class HotKeyDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSeen();
        m_library = ::LoadLibraryA(LibraryPath().c_str());
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
        test::PumpMessages();
    }

    void EnableOnly(int index) {
        for (int i = 0; i < 5; ++i) table(i == index ? 1 : 0, i);
    }

    WatchThread watcher;
    test::Receiver receiver;
    EntryPoint hook = nullptr;
    EntryPoint table = nullptr;
    HMODULE m_library = nullptr;
};

using Reports = std::vector<std::pair<WPARAM, LPARAM>>;

TEST_F(HotKeyDllTest, OnlyTheEnabledBrowserKeyIsReportedAndTaken) {
    for (int enabled = 1; enabled <= 4; ++enabled) {
        SCOPED_TRACE(enabled);
        EnableOnly(enabled);
        receiver.userMessages.clear();
        ClearSeen();
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

    ClearSeen();
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
    const std::vector<KeyEvent> seen = Seen();
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[seen.size() - 3], (KeyEvent{0xE8, true}));
    EXPECT_EQ(seen[seen.size() - 2], (KeyEvent{0xE8, false}));
    EXPECT_EQ(seen.back(), (KeyEvent{VK_LWIN, false}));
}

// Under Wine a Win release kept from the library by a hook called before it is kept from the system's key
// state too, so the library and the key state part here the other way: the watcher keeps a Win press from
// the system after the library has seen it, and no release follows. Win is not held for the system, as when
// the library missed the release on another desktop.
TEST_F(HotKeyDllTest, AWinPressWithoutItsReleaseCountsForTheNextKeyOnly) {
    EnableOnly(0);
    const DWORD now = ::GetTickCount();
    g_keepNextWinPress = true;
    Key(VK_LWIN, true, now);
    Press(VK_OEM_PLUS, now + 10);  // right after the Win press, which the key state may not show yet
    Press(VK_OEM_PLUS);
    Press(VK_ADD);
    // Right after, but 2 s later: a Win key still held would have repeated its press meanwhile.
    g_keepNextWinPress = true;
    Key(VK_LWIN, true, now);
    Press(VK_ADD, now + 2000);
    ASSERT_EQ(::GetAsyncKeyState(VK_LWIN) & 0x8000, 0);
    EXPECT_EQ(receiver.userMessages, (Reports{{201, 12}}));
    const std::vector<KeyEvent> ordinary = {{VK_OEM_PLUS, true}, {VK_OEM_PLUS, false}, {VK_ADD, true},
                                            {VK_ADD, false},     {VK_ADD, true},       {VK_ADD, false}};
    EXPECT_EQ(Seen(), ordinary);
}

TEST_F(HotKeyDllTest, KeysGoByWhileTheWindowsThreadIsBusyAndTheReportWaitsForIt) {
    EnableOnly(1);
    // Another thread types while this one, the receiver's, neither handles messages nor looks at its queue.
    HANDLE typed = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(typed, nullptr);
    std::thread typist([typed] {
        Press(VK_BROWSER_BACK);
        Press(VK_BROWSER_SEARCH);
        ::SetEvent(typed);
    });
    const bool wentBy = ::WaitForSingleObject(typed, kPatienceMs) == WAIT_OBJECT_0;
    MSG report{};
    const bool waiting = ::PeekMessageW(&report, receiver.Handle(), WM_USER, WM_USER, PM_NOREMOVE) != FALSE;
    // Had the keys waited for this thread, the typist is let go now.
    while (::MsgWaitForMultipleObjects(1, &typed, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) test::PumpMessages();
    typist.join();
    ::CloseHandle(typed);

    EXPECT_TRUE(wentBy);
    EXPECT_TRUE(waiting);
    EXPECT_TRUE(Seen(VK_BROWSER_BACK));
    EXPECT_FALSE(Seen(VK_BROWSER_SEARCH));
    test::PumpMessages();
    EXPECT_EQ(receiver.userMessages, (Reports{{202, 12}}));
}

TEST_F(HotKeyDllTest, HookZeroStopsWatchingEvenAfterASecondStart) {
    EnableOnly(2);
    test::Receiver second;
    hook(1, static_cast<int>(HandleValue(second.Handle())));  // names the window, starts nothing more
    Press(VK_BROWSER_BACK);
    EXPECT_TRUE(receiver.userMessages.empty());
    EXPECT_EQ(second.userMessages, (Reports{{203, 12}}));

    hook(0, 0);
    Press(VK_BROWSER_BACK);
    EXPECT_EQ(second.userMessages.size(), 1u);
    EXPECT_TRUE(Seen(VK_BROWSER_BACK));
    hook(1, static_cast<int>(HandleValue(receiver.Handle())));
    Press(VK_BROWSER_BACK);
    EXPECT_EQ(receiver.userMessages, (Reports{{203, 12}}));
}

TEST_F(HotKeyDllTest, ALibraryFreedWhileWatchingStaysWholeUntilHookZero) {
    EnableOnly(2);
    const EntryPoint stop = std::exchange(hook, nullptr);
    ASSERT_TRUE(::FreeLibrary(std::exchange(m_library, nullptr)));
    ASSERT_NE(::GetModuleHandleA(LibraryPath().c_str()), nullptr);
    Press(VK_BROWSER_BACK);
    EXPECT_EQ(receiver.userMessages, (Reports{{203, 12}}));

    // Whoever loads it again can stop it, and then the last free unloads it.
    m_library = ::LoadLibraryA(LibraryPath().c_str());
    stop(0, 0);
    ::FreeLibrary(m_library);
    m_library = nullptr;
    EXPECT_EQ(::GetModuleHandleA(LibraryPath().c_str()), nullptr);
}

}  // namespace
}  // namespace velpiners
