// TTrayIconAdv: one icon in the notification area with a tool tip, a popup menu and restore on chosen
// mouse actions, an optional animation over an image list, and mouse events. It talks to the shell only
// through Shell_NotifyIconA with one NOTIFYICONDATAA kept for its whole life (the first, 64-character-tip
// form of the record) and receives the shell's callbacks in a hidden message-only window of its own.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "base/unique_handle_win.h"

namespace velpiners {

enum TTrayIconClicks {
    ticNone,
    ticLeftClick,
    ticLeftDblClick,
    ticLeftClickUp,
    ticRightClick,
    ticRightDblClick,
    ticRightClickUp,
};

class TTrayIconAdv {
public:
    using Event = std::function<void(TTrayIconAdv& sender)>;
    static constexpr UINT kCallbackMessage = WM_USER + 100;  // 0x464

    // owner: the form that the popup menu's commands go to and that comes to the foreground before it
    // opens. The icon starts as the program's icon and is added at once.
    explicit TTrayIconAdv(HWND owner);
    ~TTrayIconAdv();
    TTrayIconAdv(const TTrayIconAdv&) = delete;
    TTrayIconAdv& operator=(const TTrayIconAdv&) = delete;

    [[nodiscard]] static const char* AboutTrayIconAdv();

    [[nodiscard]] bool Animate() const { return m_animate; }
    void SetAnimate(bool animate);
    [[nodiscard]] bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    [[nodiscard]] const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint);
    [[nodiscard]] HMENU PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(HMENU menu) { m_popupMenu = menu; }
    [[nodiscard]] HIMAGELIST Icons() const { return m_icons; }
    void SetIcons(HIMAGELIST icons) { m_icons = icons; }
    [[nodiscard]] int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int index);
    [[nodiscard]] UINT Interval() const { return m_interval; }
    void SetInterval(UINT milliseconds);
    TTrayIconClicks RestoreOn = ticLeftDblClick;
    TTrayIconClicks PopupMenuOn = ticRightClickUp;

    Event OnMinimizeApp, OnRestoreApp;
    Event OnLButtonDown, OnLButtonUp, OnLButtonDblClick;
    Event OnRButtonDown, OnRButtonUp, OnRButtonDblClick;

    // What the shell is told: the kept record, and the hidden window that gets its callbacks.
    [[nodiscard]] const NOTIFYICONDATAA& Record() const { return m_record; }
    [[nodiscard]] HWND CallbackWindow() const { return m_window; }

    // The owner's image list or popup menu is going away.
    void ForgetIcons() { m_icons = nullptr; }
    void ForgetPopupMenu() { m_popupMenu = nullptr; }

    // Restore and minimize of the application (the controller's window stays hidden; restoring brings the
    // program to the foreground).
    void RestoreApp();
    void MinimizeApp();

    // One animation frame (the timer's tick).
    void NextFrame();

    // A balloon over the icon with a title and a text (cut to what the shell takes); the shell shows it once
    // for a while. False when the shell refused it (no notification area).
    bool ShowBalloon(const std::wstring& title, const std::wstring& text);
    // The text of the last balloon asked for.
    [[nodiscard]] const std::wstring& LastBalloon() const { return m_lastBalloon; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouse(TTrayIconClicks click, const Event& event);
    void ApplyIconIndex();
    void Modify();

    HWND m_owner;
    HWND m_window = nullptr;
    UniqueIcon m_icon;
    NOTIFYICONDATAA m_record{};
    bool m_animate = false;
    bool m_enabled = false;
    std::string m_hint;
    HMENU m_popupMenu = nullptr;
    HIMAGELIST m_icons = nullptr;
    int m_iconIndex = 0;
    UINT m_interval = 1000;
    std::wstring m_lastBalloon;
};

// The program icon of `module` at this size, or a copy of the system's application icon when it has none;
// either way a new icon that the caller destroys.
[[nodiscard]] HICON LoadProgramIcon(HMODULE module, int size);

}  // namespace velpiners
