// Flat speed buttons: a glyph (or a caption) on the face with no border until the pointer is over the
// button (raised) or the button is pressed or down (sunken). They never take the focus, so a click leaves
// the caret where the user was typing. Buttons of one SpeedButtonGroup stay down: a click puts the clicked
// one down and the others up, and the one that is down stays down when clicked again.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "graphics/picture.h"
#include "ui/control_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class SpeedButtonGroup;

class SpeedButton : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view caption = {});

    // The glyph: a 24- or 32-bit picture whose bottom-left pixel's colour is transparent wherever it occurs.
    void SetGlyph(const graphics::Picture& glyph);
    // Down or up, from code (no event); in a group, putting one down puts the others up.
    void SetDown(bool down);
    [[nodiscard]] bool Down() const { return m_down; }

    // A click by the user (the button already down or up as the click left it).
    std::function<void()> onClick;

    // Presses the button as the user's click does.
    void Click();

    void ApplyDpi(int dpi, HFONT formFont) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class SpeedButtonGroup;
    void Paint(HDC dc);
    void SetHot(bool hot);
    [[nodiscard]] bool PointerInside(LPARAM lParam) const;

    void MakeGlyph();

    graphics::Picture m_glyphPicture;  // as given, at 96 dots per inch
    UniqueImageList m_glyph;
    SpeedButtonGroup* m_group = nullptr;
    bool m_down = false;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_tracking = false;
};

class SpeedButtonGroup {
public:
    void Add(SpeedButton& button);
    // The index (in order of adding) of the button that is down, -1 when none is.
    [[nodiscard]] int DownIndex() const;
    // Puts the button at `index` down and the others up (no event); -1 puts all up.
    void SetDownIndex(int index);

private:
    friend class SpeedButton;
    void PutDown(SpeedButton* button);
    std::vector<SpeedButton*> m_buttons;
};

}  // namespace velpiners
