// The base of the sticker dialogs: a hidden top-level form of a fixed client size in the dialogs' font
// ("MS Sans Serif", 11 pixels), whose controls' notifications reach their objects (Control::Reflect), with
// one tooltip window for the controls' hints. It is shown modally and hidden, never destroyed, when it
// closes (by a button, Esc or the close box); FormClose runs on every close.
//
// A form is made for one resolution (its client size, its font and every control's place scaled from the
// numbers at 96 dots per inch) and is laid out anew for another: when it is centred on the monitor under
// the pointer before it shows, and when the system moves it to a monitor of another resolution
// (WM_DPICHANGED; it stays where it stands then, as the proposed rectangle is not read).
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control_win.h"
#include "ui/form_win.h"
#include "ui/hints_win.h"
#include "base/dpi.h"
#include "base/unique_handle_win.h"

namespace velpiners {

enum class DialogBorder {
    kSingle,      // caption, system menu, a fixed frame
    kDialog,      // the dialog frame
    kToolWindow,  // a small caption and a thin fixed frame
};

class DialogForm : public Form {
public:
    // Makes the hidden window for the resolution given by MakeForDpi, else the one of the monitor under the
    // pointer. Throws AppError when it cannot be made.
    void CreateDialogForm(const char* className, int clientWidth, int clientHeight, DialogBorder border,
                          bool minimizeBox = false);

    [[nodiscard]] HFONT DialogFont() const { return m_font.get(); }

    // The resolution the next CreateDialogForm makes the form for.
    void MakeForDpi(int dpi) { m_dpi = SaneDpi(dpi); }
    [[nodiscard]] int Dpi() const { return m_dpi; }
    // Lays the made form out for `dpi`: its client size, its font, and every control placed anew from the
    // numbers it was given; nothing when it is laid out for that resolution already.
    void SetDpi(int dpi);
    [[nodiscard]] Hints& FormHints() { return m_hints; }
    // The window caption, an interface text.
    void SetCaption(std::wstring_view caption);

    // Shows the dialog modally: every other window of the thread is disabled until it hides again.
    void ShowModalDialog();
    [[nodiscard]] bool Showing() const;
    // Runs FormClose and hides the dialog, which ends its modal showing.
    void Close();

    // Lays the form out for the monitor under the pointer and centres it on that monitor's work area.
    void CentreOnDesktop();
    // Topmost without moving, resizing or activating it.
    void MakeTopmost();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void FormClose() {}
    // After SetDpi placed every control anew: a form with fonts or layouts of its own makes them again.
    virtual void FormDpiChanged() {}

private:
    void SizeClient();

    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_dpi = 0;
    UniqueFont m_font;
    Hints m_hints;
};

}  // namespace velpiners
