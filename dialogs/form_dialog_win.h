// TFormDialog: the program's own question box. `Confirm` asks yes or no; `AskText` asks for one line of
// text and keeps what was typed for its next use. The button texts come from the current language; every
// text it shows is UTF-16 (the caller's texts as the screen shows them).
#pragma once

#include <windows.h>

#include <string>

#include "lang/text_lookup.h"
#include "ui/control_win.h"
#include "ui/dialog_form_win.h"

namespace velpiners {

class TFormDialog : public DialogForm {
public:
    enum ControlId : int { kLText, kEText, kBOK, kBNO };

    bool FormCreate(TextLookup texts);

    // True when the user pressed BOK. Asked while it shows, it answers false and the question that shows
    // comes to the front.
    bool Confirm(const std::wstring& caption, const std::wstring& text);
    // True when the user pressed BOK; the answer is then Answer(), in the ANSI code page.
    bool AskText(const std::wstring& caption, const std::wstring& prompt);
    [[nodiscard]] std::string Answer() const { return E_text.Text(); }

    [[nodiscard]] HWND Control(ControlId id) const;

private:
    [[nodiscard]] bool ShowingAlready() const;
    void PrepareButtons(const std::wstring& caption);
    bool RunModal();
    void BOKClick();

    TextLookup m_texts;
    Label LText;
    Edit E_text;
    // Its tag is the OK marker: 1 once the user confirmed.
    Button BOK;
    Button BNO;
};

}  // namespace velpiners
