// Write access to one INI file as the Windows private-profile functions give it: a key that exists gets its
// new value in place, a new key goes to the end of its section, a new section to the end of the file, and
// every other section and key stays as it was. The portable code writes config.txt and pattern files
// through this, so what it writes, and in which order, is tested without Windows.
#pragma once

#include <string_view>

namespace velpiners {

class IniWriter {
public:
    virtual ~IniWriter() = default;
    // False when the value could not be written (a read-only file or folder, a missing folder).
    [[nodiscard]] virtual bool Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace velpiners
