#include "ui/list_box_win.h"

#include <algorithm>

namespace velpiners {

void ListBox::Create(HWND parent, const Bounds& bounds, HFONT font) {
    CreateControl(parent, L"LISTBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE, bounds, font);
}

void ListBox::Clear() { ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

void ListBox::Add(std::wstring_view item) {
    const std::wstring text(item);
    ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ListBox::Count() const { return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

int ListBox::Selected() const {
    const LRESULT index = ::SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::Select(int index) { ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ListBox::MoveSelection(int step) {
    if (Count() == 0) return;
    const int from = Selected();
    Select(from < 0 ? 0 : std::clamp(from + step, 0, Count() - 1));
}

bool ListBox::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != LBN_DBLCLK) return false;
    if (onChoose) onChoose();
    result = 0;
    return true;
}

LRESULT ListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DefaultHandler(message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        if (onChoose) onChoose();
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        ::PostMessageW(::GetParent(Handle()), WM_CLOSE, 0, 0);
        return 0;
    }
    if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return 0;
    return DefaultHandler(message, wParam, lParam);
}

LRESULT SearchEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DefaultHandler(message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN) {
        if (wParam == VK_RETURN) {
            if (onEnter) onEnter();
            return 0;
        }
        if (wParam == VK_DOWN || wParam == VK_UP) {
            if (onArrow) onArrow(wParam == VK_DOWN ? 1 : -1);
            return 0;
        }
        // No dialog loop turns Esc into a cancel for a window that is not modal: the form closes itself.
        if (wParam == VK_ESCAPE) {
            ::PostMessageW(::GetParent(Handle()), WM_CLOSE, 0, 0);
            return 0;
        }
    }
    // The Enter and Esc characters would only beep.
    if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return 0;
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace velpiners
