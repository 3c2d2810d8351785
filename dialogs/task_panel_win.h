// TTaskPanel: a container of controls with a caption strip (its heights, like every place given to a
// control, at 96 dots per inch: the strip and its glyph grow with the form's resolution); a click on the strip folds
// the panel to the strip's height or unfolds it to the height it had. A panel aligned to the bottom of its parent keeps
// its bottom edge there and the parent's width, so it unfolds upward.
//
// Every set of Collapsed fires onChange, also when the value does not change. Folding a panel that is
// already folded keeps the height it unfolds to.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "base/color_value.h"
#include "graphics/gdi_surface_win.h"
#include "ui/panel_win.h"

namespace velpiners {

class TTaskPanel : public Panel {
public:
    static constexpr int kDefaultCaptionHeight = 24;
    static constexpr int kDefaultWidth = 220;
    static constexpr int kDefaultHeight = 200;
    // The button face, a system colour: looked up whenever the panel is drawn.
    static constexpr ColorValue kButtonFace = static_cast<ColorValue>(0xFF000000u | COLOR_BTNFACE);

    enum class Align { kNone, kBottom };

    // Makes the panel at (x, y), 220 x 200, unfolded, in `font` (the caption's font).
    void Create(HWND parent, int x, int y, HFONT font);

    void SetCollapsed(bool collapsed);
    [[nodiscard]] bool Collapsed() const { return m_collapsed; }
    void SetCaptionHeight(int height);
    [[nodiscard]] int CaptionHeight() const { return m_captionHeight; }
    void SetCaption(std::wstring_view caption);
    [[nodiscard]] const std::wstring& Caption() const { return m_caption; }
    // The background below the strip.
    void SetColor(ColorValue color);
    [[nodiscard]] ColorValue Color() const { return m_color; }
    void SetFont(HFONT font);
    [[nodiscard]] HFONT Font() const { return m_font; }
    // The height unfolding restores.
    [[nodiscard]] int ExpandedHeight() const { return m_expandedHeight; }
    void SetAlign(Align align);
    [[nodiscard]] Align GetAlign() const { return m_align; }
    // Gives the panel this height (kept at its parent's bottom when aligned there).
    void SetHeight(int height);
    [[nodiscard]] int Height() const;

    void ApplyDpi(int dpi, HFONT formFont) override;

    // After every set of Collapsed.
    std::function<void()> onChange;
    // After each fold or unfold made by a click on the strip.
    std::function<void()> onClick;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    void ResizeCaptionBitmap();
    void MouseUp(int x, int y);

    bool m_collapsed = false;
    int m_captionHeight = kDefaultCaptionHeight;
    int m_expandedHeight = kDefaultHeight;
    int m_height = kDefaultHeight;
    std::wstring m_caption;
    ColorValue m_color = kButtonFace;
    HFONT m_font = nullptr;
    Align m_align = Align::kNone;
    GdiSurface m_captionBitmap{24};
};

}  // namespace velpiners
