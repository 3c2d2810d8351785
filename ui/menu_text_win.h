// Menu items by identifier: command items by their command number (any enum of the form's menu), the
// items that open a submenu by the submenu they open. Interface texts go in as UTF-16 (the wide menu
// functions), so they read right whatever the system's ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>

namespace velpiners {

// The command number of a menu identifier enum.
template <typename Id>
[[nodiscard]] constexpr UINT MenuCommand(Id id) {
    static_assert(std::is_enum_v<Id>);
    return static_cast<UINT>(id);
}

inline void SetMenuItemText(HMENU menu, UINT item, bool byPosition, const std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    ::SetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info);
}

template <typename Id>
void SetMenuItemText(HMENU menu, Id command, const std::wstring& text) {
    SetMenuItemText(menu, MenuCommand(command), false, text);
}

// The position in `menu` of the item that opens `submenu`; -1 when none does.
[[nodiscard]] inline int PositionOfSubmenu(HMENU menu, HMENU submenu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (::GetSubMenu(menu, i) == submenu) return i;
    return -1;
}

inline void SetSubmenuText(HMENU menu, HMENU submenu, const std::wstring& text) {
    const int position = PositionOfSubmenu(menu, submenu);
    if (position >= 0) SetMenuItemText(menu, static_cast<UINT>(position), true, text);
}

// The text of a menu item as the menu holds it (also that of an owner-drawn item).
[[nodiscard]] inline std::wstring MenuItemText(HMENU menu, UINT item, bool byPosition) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info)) return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!::GetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info)) return {};
    text.resize(info.cch);
    return text;
}

inline void EnableSubmenu(HMENU menu, HMENU submenu, bool enabled) {
    const int position = PositionOfSubmenu(menu, submenu);
    if (position >= 0)
        ::EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace velpiners
