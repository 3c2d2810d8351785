// How forms read the interface texts of the current language: a text-table key in, the text as the screen
// shows it out (UTF-16, converted from the code page the language keeps its texts in), for the wide
// functions of the system, so a Russian interface reads right whatever the system's ANSI code page.
#pragma once

#include <functional>
#include <string>

#include "lang/text_table.h"

namespace velpiners {

using TextLookup = std::function<std::wstring(TextKey key)>;

}  // namespace velpiners
