// A plain list box of one column: items are interface texts (UTF-16), one selected at a time. A double
// click or Enter on an item chooses it (onChoose); the selection moving fires onSelect.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/control_win.h"

namespace velpiners {

class ListBox : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font);
    void Clear();
    void Add(std::wstring_view item);
    [[nodiscard]] int Count() const;
    // -1 when none is selected.
    [[nodiscard]] int Selected() const;
    void Select(int index);
    // The selection moved by `step` items, kept inside the list (from nothing selected: the first item).
    void MoveSelection(int step);

    std::function<void()> onChoose;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A one-line edit that hands Enter and the arrow keys up and down to its owner instead of beeping, so a
// search box can drive the list under it.
class SearchEdit : public Edit {
public:
    std::function<void()> onEnter;
    std::function<void(int step)> onArrow;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace velpiners
