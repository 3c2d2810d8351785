// The application's standard error box: errors of the file layer and the framework end here, the program
// goes on. Tests replace the sink so that no modal box blocks them.
#pragma once

#include <stdexcept>
#include <string>

namespace velpiners {

// An error shown to the user in the standard error box, with the framework's own wording.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using ErrorSink = void (*)(const std::string& text);

// Shows text the way the framework does: a period is added unless the text already ends in one (or in a
// character that sorts before it), title "Velpiners", stop icon, OK button.
void ShowErrorBox(const std::string& text);

// Replaces where errors go; returns the previous sink. nullptr restores the message box.
ErrorSink SetErrorSink(ErrorSink sink);

// The system's text for an error code, without its trailing spaces, line breaks and periods.
[[nodiscard]] std::string SystemErrorText(unsigned long code);

}  // namespace velpiners
