#include "lang/private_profile.h"

#include <windows.h>

#include <utility>

namespace velpiners {
namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The extension with its dot, or empty when the name has no dot.
std::string ExtensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace

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

LanguageInfo ReadLanguageInfo(const std::string& path) { return ReadLanguageInfo(path, PrivateProfileReader(path)); }

void ListFilesWithExtension(const std::string& folder, std::string_view extension, std::vector<std::string>& names) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM)) continue;
        const std::string name = found.cFileName;
        if (LowerAscii(ExtensionOf(name)) == extension) names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

}  // namespace velpiners
