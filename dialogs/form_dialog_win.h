// TFormDialog: the program's own question box. `Confirm` asks yes or no; `AskText` asks for one line of
// text and keeps what was typed for its next use. The button texts come from the current language; every
// text it shows is UTF-16 (the caller's texts as the screen shows them).
#pragma once

#include <windows.h>

#include <string>

#include "ui/form_win.h"
#include "lang/text_lookup.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class TFormDialog : public Form {
public:
    enum ControlId : int { kLText = 100, kEText = 101, kBOK = IDOK, kBNO = IDCANCEL };

    bool FormCreate(TextLookup texts);

    // True when the user pressed BOK. Asked while it shows, it answers false and the question that shows
    // comes to the front.
    bool Confirm(const std::wstring& caption, const std::wstring& text);
    // True when the user pressed BOK; the answer is then Answer(), in the ANSI code page.
    bool AskText(const std::wstring& caption, const std::wstring& prompt);
    [[nodiscard]] std::string Answer() const;

    [[nodiscard]] HWND Control(ControlId id) const { return ::GetDlgItem(Handle(), id); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[nodiscard]] bool ShowingAlready() const;
    void PrepareButtons(const std::wstring& caption);
    bool RunModal();
    void BOKClick();
    void BNOClick();

    TextLookup m_texts;
    UniqueFont m_font;
    int m_okMarker = 0;
};

}  // namespace velpiners
