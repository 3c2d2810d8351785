#include "tray/tray_icon_win.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <exception>
#include <iterator>

#include "resources/resource_ids.h"
#include "ui/error_box_win.h"

namespace velpiners {
namespace {

constexpr UINT_PTR kAnimationTimerId = 1;
// The tip of the record's first form: 64 bytes with the terminating zero.
constexpr std::size_t kFirstFormTipBytes = 64;
constexpr const char* kWindowClass = "TTrayIconAdvWindow";

UINT NextInstanceId() {
    static UINT next = 1;
    return next++;
}

}  // namespace

HICON LoadProgramIcon(HMODULE module, int size) {
    // Loaded without LR_SHARED the program's icon is a new one, the caller's to destroy. The system's
    // stand-in is shared and must not be destroyed: the caller gets a copy of it.
    HANDLE icon = ::LoadImageA(module, MAKEINTRESOURCEA(kProgramIconId), IMAGE_ICON, size, size, 0);
    if (icon != nullptr) return static_cast<HICON>(icon);
    HANDLE shared = ::LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED);
    return shared != nullptr ? ::CopyIcon(static_cast<HICON>(shared)) : nullptr;
}

const char* TTrayIconAdv::AboutTrayIconAdv() {
    return "TTrayIconAdv: notification area icon with hint, popup menu, restore and animation";
}

TTrayIconAdv::TTrayIconAdv(HWND owner) : m_owner(owner) {
    m_icon.reset(LoadProgramIcon(::GetModuleHandleA(nullptr), ::GetSystemMetrics(SM_CXSMICON)));

    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!::GetClassInfoA(instance, kWindowClass, &wc)) {
        wc = WNDCLASSA{};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = kWindowClass;
        ::RegisterClassA(&wc);
    }
    m_window = ::CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    // Created with the default procedure so creation succeeds; from now on every message is ours and
    // what we do not handle answers 0.
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTrayIconAdv::WindowProc));

    // The first form of the record: 88 bytes in the 32-bit program, a 64-byte tip.
    m_record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_record.hWnd = m_window;
    m_record.uID = NextInstanceId();
    m_record.uFlags = NIF_MESSAGE | NIF_ICON;
    m_record.uCallbackMessage = kCallbackMessage;
    m_record.hIcon = m_icon.get();
    m_record.szTip[0] = '\0';
    SetEnabled(true);
}

TTrayIconAdv::~TTrayIconAdv() {
    ::Shell_NotifyIconA(NIM_DELETE, &m_record);
    if (m_window != nullptr) {
        ::KillTimer(m_window, kAnimationTimerId);
        ::SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        ::DestroyWindow(m_window);
    }
}

void TTrayIconAdv::SetEnabled(bool enabled) {
    m_enabled = enabled;
    // Adding again while shown is how the icon comes back after the shell's notification area returns.
    ::Shell_NotifyIconA(enabled ? NIM_ADD : NIM_DELETE, &m_record);
}

void TTrayIconAdv::SetHint(const std::string& hint) {
    if (hint == m_hint || hint.size() >= kFirstFormTipBytes) return;
    m_hint = hint;
    std::memset(m_record.szTip, 0, sizeof m_record.szTip);
    std::memcpy(m_record.szTip, hint.data(), std::min<std::size_t>(hint.size(), kFirstFormTipBytes - 1));
    if (hint.empty())
        m_record.uFlags &= ~static_cast<UINT>(NIF_TIP);
    else
        m_record.uFlags |= NIF_TIP;
    Modify();
}

void TTrayIconAdv::SetIconIndex(int index) {
    m_iconIndex = index;
    ApplyIconIndex();
}

void TTrayIconAdv::ApplyIconIndex() {
    if (m_icons != nullptr) {
        HICON icon = ImageList_GetIcon(m_icons, m_iconIndex, ILD_NORMAL);
        if (icon != nullptr) m_icon.reset(icon);
        m_record.hIcon = m_icon.get();
    }
    Modify();
}

bool TTrayIconAdv::ShowBalloon(const std::wstring& title, const std::wstring& text) {
    m_lastBalloon = text;
    // A record of the form that knows balloons, for this one message: the kept record stays in its first
    // form, which every shell takes.
    NOTIFYICONDATAW balloon{};
    balloon.cbSize = NOTIFYICONDATAW_V2_SIZE;
    balloon.hWnd = m_record.hWnd;
    balloon.uID = m_record.uID;
    balloon.uFlags = NIF_INFO;
    balloon.dwInfoFlags = NIIF_INFO;
    const std::size_t titleChars = std::min(title.size(), std::size(balloon.szInfoTitle) - 1);
    const std::size_t textChars = std::min(text.size(), std::size(balloon.szInfo) - 1);
    std::wmemcpy(balloon.szInfoTitle, title.data(), titleChars);
    std::wmemcpy(balloon.szInfo, text.data(), textChars);
    return ::Shell_NotifyIconW(NIM_MODIFY, &balloon) != FALSE;
}

void TTrayIconAdv::Modify() { ::Shell_NotifyIconA(NIM_MODIFY, &m_record); }

void TTrayIconAdv::SetAnimate(bool animate) {
    m_animate = animate;
    if (animate)
        ::SetTimer(m_window, kAnimationTimerId, m_interval, nullptr);
    else
        ::KillTimer(m_window, kAnimationTimerId);
}

void TTrayIconAdv::SetInterval(UINT milliseconds) {
    m_interval = milliseconds;
    if (m_animate) ::SetTimer(m_window, kAnimationTimerId, m_interval, nullptr);
}

void TTrayIconAdv::NextFrame() {
    if (m_icons == nullptr) return;
    const int count = ImageList_GetImageCount(m_icons);
    m_iconIndex = m_iconIndex < count - 1 ? m_iconIndex + 1 : 0;
    ApplyIconIndex();
}

void TTrayIconAdv::RestoreApp() {
    // The controller's window is never shown; restoring the program means bringing it to the foreground.
    if (m_enabled && m_owner != nullptr) ::SetForegroundWindow(m_owner);
    if (OnRestoreApp) OnRestoreApp(*this);
}

void TTrayIconAdv::MinimizeApp() {
    if (m_enabled && m_owner != nullptr) ::ShowWindow(m_owner, SW_HIDE);
    if (OnMinimizeApp) OnMinimizeApp(*this);
}

void TTrayIconAdv::OnMouse(TTrayIconClicks click, const Event& event) {
    if (RestoreOn == click) RestoreApp();
    if (PopupMenuOn == click && m_popupMenu != nullptr) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (m_owner != nullptr) ::SetForegroundWindow(m_owner);
        ::TrackPopupMenu(m_popupMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                         m_owner != nullptr ? m_owner : m_window, nullptr);
        // Without it the menu would not close when the user clicks elsewhere.
        ::PostMessageA(m_owner != nullptr ? m_owner : m_window, WM_NULL, 0, 0);
    }
    if (event) event(*this);
}

LRESULT TTrayIconAdv::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERYENDSESSION:
            return 1;
        case WM_ENDSESSION:
            ::Shell_NotifyIconA(NIM_DELETE, &m_record);
            return 0;
        case WM_TIMER:
            if (wParam == kAnimationTimerId) NextFrame();
            return 0;
        case kCallbackMessage:
            switch (static_cast<UINT>(lParam)) {
                case WM_LBUTTONDOWN:
                    OnMouse(ticLeftClick, OnLButtonDown);
                    break;
                case WM_LBUTTONUP:
                    OnMouse(ticLeftClickUp, OnLButtonUp);
                    break;
                case WM_LBUTTONDBLCLK:
                    OnMouse(ticLeftDblClick, OnLButtonDblClick);
                    break;
                case WM_RBUTTONDOWN:
                    OnMouse(ticRightClick, OnRButtonDown);
                    break;
                case WM_RBUTTONUP:
                    OnMouse(ticRightClickUp, OnRButtonUp);
                    break;
                case WM_RBUTTONDBLCLK:
                    OnMouse(ticRightDblClick, OnRButtonDblClick);
                    break;
                default:
                    break;
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT CALLBACK TTrayIconAdv::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TTrayIconAdv*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    return 0;
}

}  // namespace velpiners
