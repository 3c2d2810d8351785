// Where the program lies. The path comes from the wide API with a growing buffer, so a long or non-ANSI
// path is never cut; the folder that the file functions use is an ANSI path, the short form of the folder
// when its long form cannot be written in the system code page or would leave too little room for the
// names the program keeps in it.
#pragma once

#include <string>

namespace velpiners {

// The running executable's full path. Throws AppError when the system cannot give it.
[[nodiscard]] std::wstring ExecutablePath();

// The folder of the running executable with a trailing backslash, as an ANSI path. Throws AppError with a
// text that names the folder when no usable ANSI form exists.
[[nodiscard]] std::string ExecutableFolder();

}  // namespace velpiners
