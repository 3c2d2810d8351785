// The application's standard error box: errors of the file layer and the framework end here, the program
// goes on. Tests replace the sink so that no modal box blocks them.
#pragma once

#include <string>

namespace velpiners {

using ErrorSink = void (*)(const std::string& text);

// Shows text the way the framework does: a period is added unless the text already ends in one (or in a
// character that sorts before it), title "Velpiners", stop icon, OK button.
void ShowErrorBox(const std::string& text);

// Replaces where errors go; returns the previous sink. nullptr restores the message box.
ErrorSink SetErrorSink(ErrorSink sink);

}  // namespace velpiners
