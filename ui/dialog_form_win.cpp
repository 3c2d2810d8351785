#include "ui/dialog_form_win.h"

#include <string>

#include "base/app_error.h"
#include "ui/modal_win.h"

namespace velpiners {

void DialogForm::CreateDialogForm(const char* className, int clientWidth, int clientHeight, DialogBorder border,
                                  bool minimizeBox) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (minimizeBox) style |= WS_MINIMIZEBOX;
    if (border == DialogBorder::kDialog) exStyle |= WS_EX_DLGMODALFRAME;
    if (border == DialogBorder::kToolWindow) exStyle |= WS_EX_TOOLWINDOW;
    if (!CreateFormWindow(className, "", style, exStyle, nullptr))
        throw AppError(std::string("Cannot create a window of class ") + className);
    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_font = CreatePixelFont(kDialogFontFace, kDialogFontHeight);
    ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    m_hints.Create(Handle());
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

void DialogForm::CentreOnDesktop() { CentreOnWorkArea(Handle()); }

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
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace velpiners
