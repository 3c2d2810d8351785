// The program's command line, split the way the framework's parameter function does: parameters are
// separated by characters up to the space, double quotes group and are removed, and the program name is
// the first token.
#pragma once

#include <string>
#include <string_view>

namespace velpiners {

// Parameter index (0 = the program name as written on the command line); empty when there is none.
[[nodiscard]] std::string CommandLineParameter(std::string_view commandLine, int index);

// True when the first parameter holds "-autorun" anywhere (case-sensitive).
[[nodiscard]] bool WantsAutorun(std::string_view commandLine);

}  // namespace velpiners
