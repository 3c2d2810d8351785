#include "base/file_list_win.h"

#include <windows.h>

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
