#include "ui/memo_win.h"

namespace velpiners {

DWORD Memo::Style() const {
    const DWORD scrollBars = m_wordWrap ? WS_VSCROLL : (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL);
    return WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | scrollBars;
}

void Memo::Create(HWND parent, const Bounds& bounds, HFONT font, bool wordWrap) {
    m_wordWrap = wordWrap;
    m_baseFont = font;
    CreateControl(parent, L"EDIT", L"", Style(), WS_EX_CLIENTEDGE, bounds, font);
    ::SendMessageA(Handle(), EM_SETLIMITTEXT, kMaxLength, 0);
}

void Memo::SetWordWrap(bool wrap) {
    if (wrap == m_wordWrap || Handle() == nullptr) return;
    m_wordWrap = wrap;
    HWND old = Handle();
    HWND parent = ::GetParent(old);
    const Bounds bounds = GetBounds();
    const int id = Id();
    const std::wstring text = WideText();
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool focused = ::GetFocus() == old;
    const bool visible = Visible();
    const bool enabled = Enabled();
    HWND before = ::GetWindow(old, GW_HWNDPREV);
    HFONT font = Font();

    Detach();
    // The text goes in before the object is bound, so no change event fires for the remake.
    CreateControl(parent, L"EDIT", text, Style() & ~WS_VISIBLE, WS_EX_CLIENTEDGE, bounds, font, id);
    ::SendMessageA(Handle(), EM_SETLIMITTEXT, kMaxLength, 0);
    ::SetWindowPos(Handle(), before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageA(Handle(), EM_SETSEL, start, static_cast<LPARAM>(end));
    ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
    ::DestroyWindow(old);
    if (visible) ::ShowWindow(Handle(), SW_SHOWNA);
    if (focused) ::SetFocus(Handle());
}

void Memo::SetFontFace(std::string_view face) {
    m_face = std::string(face);
    ApplyFont();
}

void Memo::SetFontSize(int points) {
    m_points = points;
    ApplyFont();
}

void Memo::ApplyFont() {
    LOGFONTA base{};
    if (m_baseFont != nullptr) ::GetObjectA(m_baseFont, sizeof base, &base);
    const std::string face = !m_face.empty() ? m_face : std::string(base.lfFaceName);
    UniqueFont font = m_points > 0
                          ? CreatePointFont(face, m_points, Dpi())
                          : CreatePixelFont(face, base.lfHeight < 0 ? -base.lfHeight : Scaled(kDialogFontHeight));
    if (!font) return;
    SetFont(font.get());
    m_font = std::move(font);  // the old font goes once the memo no longer uses it
}

void Memo::ApplyDpi(int dpi, HFONT formFont) {
    Control::ApplyDpi(dpi, formFont);
    m_baseFont = formFont;
    if (m_font) ApplyFont();
}

std::string Memo::CounterText() const { return std::to_string(Length()) + "/" + std::to_string(kMaxLength); }

void Memo::SetText(std::string_view text) {
    Control::SetText(text);
    if (onChange) onChange();
}

}  // namespace velpiners
