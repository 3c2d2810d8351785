#include "base/private_profile_win.h"

#include <windows.h>

#include <utility>

namespace velpiners {

std::string PrivateProfileReader::Read(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    const std::string sectionName(section);
    const std::string keyName(key);
    const std::string fallback(defaultValue);
    std::string buffer;
    for (DWORD size = 256;; size *= 2) {
        buffer.assign(size, '\0');
        const DWORD got = ::GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), fallback.c_str(),
                                                     buffer.data(), size, m_path.c_str());
        // A value that fills the buffer to its last character may have been cut: try again with more room.
        if (got + 1 < size || size >= kValueLimit) {
            buffer.resize(got < size ? got : size - 1);
            return buffer;
        }
    }
}

bool PrivateProfileWriter::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(section);
    const std::string keyName(key);
    const std::string text(value);
    return ::WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), text.c_str(), m_path.c_str()) != FALSE;
}

}  // namespace velpiners
