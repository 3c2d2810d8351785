// The body text memo: a multi-line edit of at most 255 characters that previews a font, a size and word
// wrap. It wraps with only a vertical scroll bar and shows both scroll bars when not wrapping; an edit
// cannot change that once made, so switching remakes the window in place, keeping its identifier, place in
// the tab order, text, selection, font and focus.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/control_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

// An edit: SelectAll and onChange (the text changed, by the user or from code) are the edit's.
class Memo : public Edit {
public:
    static constexpr int kMaxLength = 255;

    void Create(HWND parent, const Bounds& bounds, HFONT font, bool wordWrap = true);

    void SetWordWrap(bool wrap);
    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }

    // The memo shows its text in this face and size (points); until either is set it uses the font it was
    // made with.
    void SetFontFace(std::string_view face);
    void SetFontSize(int points);

    // The body text (ANSI). A multi-line edit reports no change for text set from code: this one does.
    void SetText(std::string_view text);
    void SetText(const char* text) { SetText(std::string_view(text)); }

    // The text's length and "/255", as the counter beside the memo shows it.
    [[nodiscard]] std::string CounterText() const;
    [[nodiscard]] int Length() const { return ::GetWindowTextLengthA(Handle()); }

    void ApplyDpi(int dpi, HFONT formFont) override;

private:
    [[nodiscard]] DWORD Style() const;
    void ApplyFont();

    bool m_wordWrap = true;
    std::string m_face;
    int m_points = 0;
    HFONT m_baseFont = nullptr;
    UniqueFont m_font;
};

}  // namespace velpiners
