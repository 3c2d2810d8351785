// Drop-down lists (no typing) of the sticker dialogs: the plain list, owner-drawn lists whose items show
// other text than they hold, the font box (each installed screen font drawn in itself), the icon box (the
// icon list's images with their size labels) and the colour box (standard colours with pretty names and a
// custom colour chosen in the system colour dialog).
//
// Owner-drawn boxes keep their strings (finding an item is case-insensitive) and use one item height for
// the list and the selection field alike, so a box with tall items is tall when closed as well.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/color_value.h"
#include "ui/control_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class ComboBox : public Control {
public:
    enum class Kind { kList, kOwnerDrawFixed, kOwnerDrawVariable };

    // `bounds.height` is the closed height for a plain list (an owner-drawn box is as high as its items
    // make it); the dropped list shows `dropDownCount` items.
    void Create(HWND parent, const Bounds& bounds, HFONT font, Kind kind = Kind::kList, int itemHeight = 0,
                bool sorted = false, int dropDownCount = 8);

    // The closed height of the boxes that stand in one row (font, size and colour boxes): a colour box's.
    static constexpr int kRowBoxHeight = 22;
    // The closed box's height; the dropped list keeps its items' height.
    void SetClosedHeight(int height);

    void ApplyDpi(int dpi, HFONT formFont) override;

    void Clear();
    // Adds an item (in sorted place for a sorted box); returns its index. Data in the ANSI code page, or an
    // interface text.
    int Add(std::string_view text);
    int Add(std::wstring_view text);
    [[nodiscard]] int Count() const;
    // An item in the ANSI code page.
    [[nodiscard]] std::string Item(int index) const;
    // The selected index, -1 when none.
    [[nodiscard]] int Selected() const;
    // Selects an item (no event); -1 or an index out of range leaves no selection.
    void Select(int index);
    // The index of the item equal to `text` ignoring case, -1 when none.
    [[nodiscard]] int FindExact(std::string_view text) const;
    // Selects the item equal to `text` ignoring case; no selection when there is none. True when found.
    bool SelectText(std::string_view text);
    [[nodiscard]] std::string SelectedText() const;

    // Passes the box a left-button press and a release at its top-left corner through its own message
    // handling, as a user's click on it: the box fires onClick. A real press would open the list and take
    // the mouse; this one only clicks.
    void PressAndRelease();

    // The user chose an item, or the box was clicked by PressAndRelease.
    std::function<void()> onClick;
    // The user chose an item.
    std::function<void()> onChange;

    // Owner-drawn boxes: the item text shows from this many pixels right of the item's left edge.
    int textLeft = 2;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Owner-drawn boxes: draws item `index` (-1 for an empty selection field) into `rect`.
    virtual void DrawItem(HDC dc, const RECT& rect, int index, UINT state);
    // The text an owner-drawn box shows for an item (the item itself unless a box says otherwise).
    [[nodiscard]] virtual std::string DisplayText(const std::string& item) const { return item; }
    [[nodiscard]] virtual int MeasureItem(int index) const;
    // The user chose an item: fires onClick and onChange.
    virtual void Chosen();
    // The dropped list closed.
    virtual void ClosedUp() {}

    // The background of an item in its state (selected items highlighted); sets the text colour to match.
    static void FillItem(HDC dc, const RECT& rect, UINT state);
    // Text at `left`, centred in the rectangle's height (half the free height, rounded).
    static void DrawItemText(HDC dc, const RECT& rect, int left, std::string_view text);

    // In the window's pixels.
    int m_itemHeight = 0;

private:
    // The window's height for its items, at the form's resolution.
    void SizeToItems();

    Kind m_kind = Kind::kList;
    int m_baseItemHeight = 0;
    int m_baseClosedHeight = 0;
    int m_dropDownCount = 8;
    bool m_pressing = false;
};

// The installed screen font families, without the vertical ("@") faces, each once, sorted ignoring case.
[[nodiscard]] std::vector<std::string> InstalledScreenFonts();

class FontBox : public ComboBox {
public:
    static constexpr int kItemHeight = 20;

    void Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight = kItemHeight);
    // Lists the installed screen fonts.
    void FillInstalledFonts();
    // Selects the font ignoring case; no selection when it is not installed. True when found.
    bool SelectFont(std::string_view name) { return SelectText(name); }
    // The selected font's name, empty when none is selected.
    [[nodiscard]] std::string SelectedFont() const { return SelectedText(); }

protected:
    void DrawItem(HDC dc, const RECT& rect, int index, UINT state) override;

private:
    HFONT FontFor(const std::string& face, int height);
    std::map<std::pair<std::string, int>, UniqueFont> m_fonts;
};

class ColorBox : public ComboBox {
public:
    static constexpr int kItemHeight = 16;

    void Create(HWND parent, const Bounds& bounds, HFONT font);
    // Selects a standard colour, or makes `color` the custom colour and selects that.
    void SetSelected(ColorValue color);
    // The selected colour (black when none is selected).
    [[nodiscard]] ColorValue Selected() const;
    [[nodiscard]] ColorValue CustomColor() const { return m_custom; }
    // Selects a random skin colour (graphics::RandomSkinColor) and repaints.
    void SelectRandomColor();

    // Asks the user for a colour, starting from `color`; true and the colour when chosen. The system colour
    // dialog unless replaced.
    std::function<bool(HWND owner, ColorValue& color)> pickColor;

protected:
    void DrawItem(HDC dc, const RECT& rect, int index, UINT state) override;
    void Chosen() override;
    void ClosedUp() override;

private:
    [[nodiscard]] ColorValue ColorAt(int index) const;
    void PickCustom();
    ColorValue m_custom = 0;
    bool m_pickOnCloseUp = false;
};

// The system colour dialog owned by `owner`, starting from `color`.
bool PickColorWithSystemDialog(HWND owner, ColorValue& color);

}  // namespace velpiners
