// The errors the program shows in its standard error box: AppError carries the text, in the wording of the
// framework the program was written against ("Cannot open file ..."), and SystemErrorText the system's own
// text for an error code, which many of them end with.
#pragma once

#include <stdexcept>
#include <string>

namespace velpiners {

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system's text for an error code, without its trailing spaces, line breaks and periods (Windows only).
[[nodiscard]] std::string SystemErrorText(unsigned long code);

}  // namespace velpiners
