// Setting a menu item's caption, by command identifier or by position.
#pragma once

#include <windows.h>

#include <string>

namespace velpiners {

inline void SetMenuItemText(HMENU menu, UINT item, bool byPosition, const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    ::SetMenuItemInfoA(menu, item, byPosition ? TRUE : FALSE, &info);
}

}  // namespace velpiners
