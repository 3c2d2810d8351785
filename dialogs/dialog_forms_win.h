// The program's dialogs, created hidden at start in this order after the controller and kept until the
// process ends: the sticker properties dialog (dialogs/settings_form_win.h), the confirmation dialog
// (dialogs/form_dialog_win.h), the new-sticker dialog (dialogs/new_sticker_form_win.h) and the about box
// (dialogs/about_form_win.h).
#pragma once

#include "dialogs/about_form_win.h"
#include "dialogs/form_dialog_win.h"
#include "dialogs/new_sticker_form_win.h"
#include "dialogs/settings_form_win.h"
