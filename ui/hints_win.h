// The hints of a form's controls: one tooltip window that shows a control's hint while the pointer rests
// on it.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/unique_handle_win.h"

namespace velpiners {

class Hints {
public:
    // The tooltip window of the form `owner`.
    void Create(HWND owner);
    // Gives `control` this hint, replacing the one it had; an empty text removes it.
    void Set(HWND control, std::wstring_view text);
    [[nodiscard]] HWND Handle() const { return m_tip.get(); }

private:
    HWND m_owner = nullptr;
    UniqueWindow m_tip;
};

}  // namespace velpiners
