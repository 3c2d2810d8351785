#include "ui/dialog_form_win.h"

#include <string>
#include <vector>

#include "base/app_error.h"
#include "base/dpi_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

// Every window below `parent`, each before its own children: a child is placed in its parent's new client
// area (a page in its tab control's) only after the parent has been.
void CollectDescendants(HWND parent, std::vector<HWND>& windows) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        windows.push_back(child);
        CollectDescendants(child, windows);
    }
}

HMONITOR MonitorUnderPointer() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    return ::MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
}

}  // namespace

void DialogForm::CreateDialogForm(const char* className, int clientWidth, int clientHeight, DialogBorder border,
                                  bool minimizeBox) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (minimizeBox) style |= WS_MINIMIZEBOX;
    if (border == DialogBorder::kDialog) exStyle |= WS_EX_DLGMODALFRAME;
    if (border == DialogBorder::kToolWindow) exStyle |= WS_EX_TOOLWINDOW;
    if (!CreateFormWindow(className, "", style, exStyle, nullptr))
        throw AppError(std::string("Cannot create a window of class ") + className);
    if (m_dpi == 0) m_dpi = DpiOfMonitor(MonitorUnderPointer());
    SetFormDpi(Handle(), m_dpi);
    m_clientWidth = clientWidth;
    m_clientHeight = clientHeight;
    SizeClient();
    m_font = CreatePixelFont(kDialogFontFace, Scale(kDialogFontHeight, m_dpi));
    ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    m_hints.Create(Handle());
}

void DialogForm::SizeClient() {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    RECT frame{0, 0, Scale(m_clientWidth, m_dpi), Scale(m_clientHeight, m_dpi)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogForm::SetDpi(int dpi) {
    dpi = SaneDpi(dpi);
    if (Handle() == nullptr || dpi == m_dpi) return;
    m_dpi = dpi;
    SetFormDpi(Handle(), dpi);
    SizeClient();
    UniqueFont font = CreatePixelFont(kDialogFontFace, Scale(kDialogFontHeight, dpi));
    if (!font) return;
    const UniqueFont old = std::move(m_font);
    m_font = std::move(font);
    std::vector<HWND> windows;
    CollectDescendants(Handle(), windows);
    for (HWND window : windows) {
        Control* control = Control::Of(window);
        if (control == nullptr) continue;
        if (control->Font() == old.get()) control->SetFont(m_font.get());
        control->ApplyDpi(dpi, m_font.get());
    }
    FormDpiChanged();
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void DialogForm::SetCaption(std::wstring_view caption) {
    const std::wstring text(caption);
    ::SetWindowTextW(Handle(), text.c_str());
}

void DialogForm::ShowModalDialog() { ShowModal(Handle()); }

bool DialogForm::Showing() const { return Handle() != nullptr && ::IsWindowVisible(Handle()) != FALSE; }

void DialogForm::Close() {
    FormClose();
    if (Handle() != nullptr) ::ShowWindow(Handle(), SW_HIDE);
}

void DialogForm::CentreOnDesktop() {
    HMONITOR monitor = MonitorUnderPointer();
    SetDpi(DpiOfMonitor(monitor));
    CentreOnWorkArea(Handle(), monitor);
}

void DialogForm::MakeTopmost() {
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT DialogForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Control::Reflect(Handle(), message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_COMMAND:
            // Esc in the dialog (IsDialogMessage sends IDCANCEL) closes it when no button has that identifier.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                Close();
                return 0;
            }
            break;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_font.get());
        case WM_DPICHANGED:
            // Moved to a monitor of another resolution: laid out for it where it stands. The rectangle the
            // system proposes is not read: another program could send the message with any pointer.
            if (LOWORD(wParam) == HIWORD(wParam)) SetDpi(LOWORD(wParam));
            return 0;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace velpiners
