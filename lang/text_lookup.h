// How forms read the interface texts of the current language: a text-table key in, its text out.
#pragma once

#include <functional>
#include <string>

#include "lang/text_table.h"

namespace velpiners {

using TextLookup = std::function<std::string(TextKey key)>;

}  // namespace velpiners
