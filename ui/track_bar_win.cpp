#include "ui/track_bar_win.h"

#include <commctrl.h>

namespace velpiners {

void TrackBar::Create(HWND parent, const Bounds& bounds, const TrackBarSetup& setup) {
    DWORD style = WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS;
    style |= setup.ticksBothSides ? TBS_BOTH : TBS_BOTTOM;
    if (setup.thumbLength > 0) style |= TBS_FIXEDLENGTH;
    CreateControl(parent, TRACKBAR_CLASSW, L"", style, 0, bounds, nullptr);
    HWND bar = Handle();
    ::SendMessageA(bar, TBM_SETRANGEMIN, FALSE, setup.min);
    ::SendMessageA(bar, TBM_SETRANGEMAX, FALSE, setup.max);
    ::SendMessageA(bar, TBM_SETTICFREQ, static_cast<WPARAM>(setup.tickFrequency), 0);
    ::SendMessageA(bar, TBM_SETLINESIZE, 0, setup.lineSize);
    ::SendMessageA(bar, TBM_SETPAGESIZE, 0, setup.pageSize);
    m_thumbLength = setup.thumbLength;
    if (m_thumbLength > 0) ::SendMessageA(bar, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scaled(m_thumbLength)), 0);
    SetPosition(setup.position);
}

void TrackBar::ApplyDpi(int dpi, HFONT formFont) {
    Control::ApplyDpi(dpi, formFont);
    if (m_thumbLength > 0) ::SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scaled(m_thumbLength)), 0);
}

void TrackBar::SetPosition(int position) {
    ::SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
    m_value = position;
}

int TrackBar::Position() const { return static_cast<int>(::SendMessageA(Handle(), TBM_GETPOS, 0, 0)); }

bool TrackBar::OnReflected(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL) return false;
    // Every move reports several scroll codes (the thumb's track, its end): one event per new value. Only
    // the user scrolls the bar, so from here on its value is the thumb's.
    const int position = Position();
    if (position != m_value) {
        m_value = position;
        if (onChange) onChange();
    }
    result = 0;
    return true;
}

}  // namespace velpiners
