#include "ui/form_win.h"

#include <exception>

#include "base/wide_string_win.h"
#include "ui/error_box_win.h"

namespace velpiners {

Form::~Form() { DestroyFormWindow(); }

bool Form::RegisterFormClass(const char* className, HCURSOR cursor, UINT classStyle) {
    // Unicode windows: the interface texts reach them through the wide functions whole, whatever the
    // system's ANSI code page (an ANSI window would get them converted to that code page).
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const std::wstring classNameWide = WideFromCodePage(className, CP_ACP);
    WNDCLASSEXW wc{};
    if (::GetClassInfoExW(instance, classNameWide.c_str(), &wc)) return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Form::StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor != nullptr ? cursor : ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = classNameWide.c_str();
    return ::RegisterClassExW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Form::CreateFormWindow(const char* className, const char* title, DWORD style, DWORD exStyle, HWND parent,
                            HCURSOR cursor, UINT classStyle, const POINT* topLeft, SIZE size) {
    if (!RegisterFormClass(className, cursor, classStyle)) return false;
    // A place and a size, never a right edge: a stored place near the int32 limit has no right edge.
    const POINT where = topLeft != nullptr ? *topLeft : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
    const int width = topLeft != nullptr ? size.cx : CW_USEDEFAULT;
    const int height = topLeft != nullptr ? size.cy : CW_USEDEFAULT;
    HWND hwnd =
        ::CreateWindowExW(exStyle, WideFromCodePage(className, CP_ACP).c_str(), WideFromCodePage(title, CP_ACP).c_str(),
                          style, where.x, where.y, width, height, parent, nullptr, ::GetModuleHandleA(nullptr), this);
    return hwnd != nullptr;
}

bool Form::CreateChildFormWindow(const char* className, HWND parent, int id, int x, int y, int width, int height,
                                 DWORD style, DWORD exStyle) {
    if (!RegisterFormClass(className, nullptr, 0)) return false;
    HWND hwnd = ::CreateWindowExW(exStyle, WideFromCodePage(className, CP_ACP).c_str(), L"", WS_CHILD | style, x, y,
                                  width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ::GetModuleHandleA(nullptr), this);
    return hwnd != nullptr;
}

void Form::DestroyFormWindow() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultHandler(message, wParam, lParam); }

LRESULT Form::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Form::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        form = static_cast<Form*>(create->lpCreateParams);
        form->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    } else {
        form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (form == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = form->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->m_hwnd = nullptr;
        form->OnWindowGone();
    }
    return result;
}

}  // namespace velpiners
