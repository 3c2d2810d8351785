// The notes as a UTF-8 text file a person reads in any editor: one section per note in slot order, its
// caption and date ("caption — date", an em dash; the caption alone when the date is empty), a blank line,
// the text, and a blank line between sections. Every line ends in CR LF, the note's own line breaks (CR LF,
// CR or LF alone) included. The file starts with a UTF-8 byte order mark, so that editors that guess the
// encoding (Notepad of older Windows) do not take it for the ANSI code page.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "store/table.h"

namespace velpiners {

// Turns the notes' texts (stored in the system's ANSI code page) into UTF-8.
using ToUtf8 = std::function<std::string(std::string_view)>;

[[nodiscard]] std::string ExportNotesText(const Tmassiv& table, const ToUtf8& toUtf8);

}  // namespace velpiners
