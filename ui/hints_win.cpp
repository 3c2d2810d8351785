#include "ui/hints_win.h"

#include <commctrl.h>

#include <string>

namespace velpiners {
namespace {

TTTOOLINFOA ToolOf(HWND owner, HWND control, char* text) {
    TTTOOLINFOA tool{};
    // The first layout of the record: every version of the common controls takes it.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control) != nullptr ? ::GetParent(control) : owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void Hints::Create(HWND owner) {
    m_owner = owner;
    m_tip.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr));
}

void Hints::Set(HWND control, std::string_view text) {
    if (!m_tip || control == nullptr) return;
    std::string value(text);
    TTTOOLINFOA tool = ToolOf(m_owner, control, value.data());
    ::SendMessageA(m_tip.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!value.empty()) ::SendMessageA(m_tip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace velpiners
