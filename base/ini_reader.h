// Read access to one INI file as the Windows private-profile functions give it: section and key names are
// case-insensitive and a missing file, section or key gives the default. The portable code reads language
// files through this, so it can be tested without Windows.
#pragma once

#include <string>
#include <string_view>

namespace velpiners {

class IniReader {
public:
    virtual ~IniReader() = default;
    [[nodiscard]] virtual std::string Read(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const = 0;
};

}  // namespace velpiners
