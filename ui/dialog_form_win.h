// The base of the sticker dialogs: a hidden top-level form of a fixed client size in the dialogs' font
// ("MS Sans Serif", 11 pixels), whose controls' notifications reach their objects (Control::Reflect), with
// one tooltip window for the controls' hints. It is shown modally and hidden, never destroyed, when it
// closes (by a button, Esc or the close box); FormClose runs on every close.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control_win.h"
#include "ui/form_win.h"
#include "ui/hints_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

enum class DialogBorder {
    kSingle,      // caption, system menu, a fixed frame
    kDialog,      // the dialog frame
    kToolWindow,  // a small caption and a thin fixed frame
};

class DialogForm : public Form {
public:
    // Makes the hidden window. Throws AppError when it cannot be made.
    void CreateDialogForm(const char* className, int clientWidth, int clientHeight, DialogBorder border,
                          bool minimizeBox = false);

    [[nodiscard]] HFONT DialogFont() const { return m_font.get(); }
    [[nodiscard]] Hints& FormHints() { return m_hints; }
    // The window caption, an interface text.
    void SetCaption(std::wstring_view caption);

    // Shows the dialog modally: every other window of the thread is disabled until it hides again.
    void ShowModalDialog();
    [[nodiscard]] bool Showing() const;
    // Runs FormClose and hides the dialog, which ends its modal showing.
    void Close();

    void CentreOnDesktop();
    // Topmost without moving, resizing or activating it.
    void MakeTopmost();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void FormClose() {}

private:
    UniqueFont m_font;
    Hints m_hints;
};

}  // namespace velpiners
