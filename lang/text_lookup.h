// How forms read the interface texts of the current language: a text-table key in, its text out.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velpiners {

using TextLookup = std::function<std::string(std::string_view key)>;

}  // namespace velpiners
