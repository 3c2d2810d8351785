#include "ui/form_win.h"

#include <exception>

#include "ui/error_box_win.h"

namespace velpiners {

Form::~Form() { DestroyFormWindow(); }

bool Form::CreateFormWindow(const char* className, const char* title, DWORD style, DWORD exStyle, HWND parent,
                            HCURSOR cursor, UINT classStyle, const RECT* place) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    if (!::GetClassInfoExA(instance, className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.style = classStyle;
        wc.lpfnWndProc = &Form::StaticWindowProc;
        wc.hInstance = instance;
        wc.hCursor = cursor != nullptr ? cursor : ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    const RECT where = place != nullptr ? *place : RECT{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    const int width = place != nullptr ? place->right - place->left : CW_USEDEFAULT;
    const int height = place != nullptr ? place->bottom - place->top : CW_USEDEFAULT;
    HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, where.left, where.top, width, height, parent,
                                  nullptr, instance, this);
    return hwnd != nullptr;
}

void Form::DestroyFormWindow() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultHandler(message, wParam, lParam); }

LRESULT Form::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Form::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        form = static_cast<Form*>(create->lpCreateParams);
        form->m_hwnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    } else {
        form = reinterpret_cast<Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (form == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = form->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        form->m_hwnd = nullptr;
        form->OnWindowGone();
    }
    return result;
}

}  // namespace velpiners
