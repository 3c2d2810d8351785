#include "ui/hints_win.h"

#include <commctrl.h>

#include <string>

namespace velpiners {
namespace {

TTTOOLINFOW ToolOf(HWND owner, HWND control, wchar_t* text) {
    TTTOOLINFOW tool{};
    // The first layout of the record: every version of the common controls takes it.
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control) != nullptr ? ::GetParent(control) : owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void Hints::Create(HWND owner) {
    m_owner = owner;
    m_tip.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr));
}

void Hints::Set(HWND control, std::wstring_view text) {
    if (!m_tip || control == nullptr) return;
    std::wstring value(text);
    TTTOOLINFOW tool = ToolOf(m_owner, control, value.data());
    ::SendMessageW(m_tip.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!value.empty()) ::SendMessageW(m_tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace velpiners
