// The program's dialogs, created hidden at start in this order after the controller and kept until the
// process ends: the sticker properties dialog, the confirmation dialog, the new-sticker dialog and the about
// box. The properties dialog is for now an empty hidden window of its class; the confirmation dialog is
// dialogs/form_dialog_win.h, the new-sticker dialog dialogs/new_sticker_form_win.h, the about box
// dialogs/about_form_win.h.
#pragma once

#include "dialogs/about_form_win.h"
#include "dialogs/form_dialog_win.h"
#include "dialogs/new_sticker_form_win.h"
#include "ui/form_win.h"

namespace velpiners {

class HiddenForm : public Form {
public:
    bool Create(const char* className, const char* title) {
        return CreateFormWindow(className, title, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, nullptr);
    }
};

class TSettingsForm : public HiddenForm {
public:
    bool FormCreate() { return Create("TSettingsForm", ""); }
};

}  // namespace velpiners
