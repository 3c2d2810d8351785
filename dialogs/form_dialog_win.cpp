#include "dialogs/form_dialog_win.h"

#include <vector>

#include "ui/modal_win.h"

namespace velpiners {
namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 113;

std::string WindowText(HWND hwnd) {
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(hwnd)) + 1, '\0');
    ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data());
}

// The height the text takes at this width in the control's font.
int TextHeight(HWND control, const std::wstring& text, int width) {
    HDC dc = ::GetDC(control);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return rect.bottom - rect.top;
}

}  // namespace

bool TFormDialog::FormCreate(TextLookup texts) {
    m_texts = std::move(texts);
    RECT frame{0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    if (!CreateFormWindow("TFormDialog", "", style, WS_EX_DLGMODALFRAME, nullptr)) return false;
    ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    m_font.reset(::CreateFontIndirectA(&metrics.lfMessageFont));

    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    // Unicode controls, so the texts of any language show whole.
    const auto make = [&](const wchar_t* cls, DWORD controlStyle, int id, int x, int y, int w, int h, DWORD ex = 0) {
        HWND control = ::CreateWindowExW(ex, cls, L"", WS_CHILD | WS_VISIBLE | controlStyle, x, y, w, h, Handle(),
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    };
    make(L"STATIC", SS_NOPREFIX | SS_CENTER, kLText, 8, 8, 297, 57);
    make(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, kEText, 24, 36, 265, 21, WS_EX_CLIENTEDGE);
    make(L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, kBOK, 144, 80, 75, 25);
    make(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kBNO, 224, 80, 75, 25);
    return true;
}

void TFormDialog::PrepareButtons(const std::wstring& caption) {
    ::SetWindowTextW(Handle(), caption.c_str());
    ::SetWindowTextW(Control(kBOK), m_texts ? m_texts(TextKey::bOk).c_str() : L"OK");
    ::SetWindowTextW(Control(kBNO), m_texts ? m_texts(TextKey::bNO).c_str() : L"Cancel");
    CentreOnWorkArea(Handle());
    m_okMarker = 0;
}

bool TFormDialog::ShowingAlready() const {
    if (::IsWindowVisible(Handle()) == FALSE) return false;
    // Its texts and answer belong to the question it shows.
    BringModalToFront();
    return true;
}

bool TFormDialog::Confirm(const std::wstring& caption, const std::wstring& text) {
    if (ShowingAlready()) return false;
    PrepareButtons(caption);
    HWND label = Control(kLText);
    ::SetWindowLongPtrW(label, GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTER);
    ::SetWindowTextW(label, text.c_str());
    // Centred both ways in its 297 x 57 box: the static centres lines, we centre the block.
    const int height = TextHeight(label, text, 297);
    const int top = height < 57 ? 8 + (57 - height) / 2 : 8;
    ::MoveWindow(label, 8, top, 297, height < 57 ? height : 57, TRUE);
    ::ShowWindow(Control(kEText), SW_HIDE);
    return RunModal();
}

bool TFormDialog::AskText(const std::wstring& caption, const std::wstring& prompt) {
    if (ShowingAlready()) return false;
    PrepareButtons(caption);
    HWND label = Control(kLText);
    ::SetWindowLongPtrW(label, GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFT);
    ::SetWindowTextW(label, prompt.c_str());
    // Sized to its text from the top, 281 wide.
    const int height = TextHeight(label, prompt, 281);
    ::MoveWindow(label, 13, 16, 281, height > 13 ? height : 13, TRUE);
    HWND edit = Control(kEText);
    ::ShowWindow(edit, SW_SHOW);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    return RunModal();
}

std::string TFormDialog::Answer() const { return WindowText(Control(kEText)); }

bool TFormDialog::RunModal() {
    ShowModal(Handle());
    return m_okMarker != 0;
}

void TFormDialog::BOKClick() {
    m_okMarker = 1;
    ::ShowWindow(Handle(), SW_HIDE);
}

void TFormDialog::BNOClick() { ::ShowWindow(Handle(), SW_HIDE); }

LRESULT TFormDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kBOK && HIWORD(wParam) == BN_CLICKED) {
                BOKClick();
                return 0;
            }
            if (LOWORD(wParam) == kBNO && HIWORD(wParam) == BN_CLICKED) {
                BNOClick();
                return 0;
            }
            break;
        case WM_CLOSE:
            // The close box answers No.
            BNOClick();
            return 0;
        case WM_CTLCOLORSTATIC:
            // The message label is transparent over the dialog's face.
            if (reinterpret_cast<HWND>(lParam) == Control(kLText)) {
                ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

}  // namespace velpiners
