#include "app/program_path_win.h"

#include <windows.h>

#include <vector>

#include "base/app_error.h"
#include "base/wide_string_win.h"

namespace velpiners {
namespace {

// The system's limit on a path, beyond which GetModuleFileNameW cannot go (UNICODE_STRING lengths).
constexpr DWORD kLongestSystemPath = 32768;
// Room kept after the folder for the longest name the program opens inside it (the database's
// kept-aside copy "base.db.unreadable-YYYYMMDD-HHMMSS-n", a pattern "patterns\ddmmyy_hhnnss.pat", a
// language file), so that every path stays within what the ANSI file functions take.
constexpr std::size_t kRoomForNames = 64;

// The ANSI form of a wide path, or empty when a character has none in the system code page.
std::string ToAnsi(const std::wstring& wide) { return AnsiFromWideExactly(wide).value_or(std::string()); }

bool Usable(const std::string& folder) { return !folder.empty() && folder.size() + kRoomForNames < MAX_PATH; }

std::wstring ShortForm(const std::wstring& path) {
    const DWORD length = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0) return {};
    std::wstring shortPath(length, L'\0');
    const DWORD written = ::GetShortPathNameW(path.c_str(), shortPath.data(), length);
    if (written == 0 || written >= length) return {};
    shortPath.resize(written);
    return shortPath;
}

}  // namespace

std::wstring ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) throw AppError("Cannot find the program's own file. " + SystemErrorText(::GetLastError()));
        // A full buffer means the path may have been cut: ask again with more room.
        if (length < size) return std::wstring(buffer.data(), length);
        if (size >= kLongestSystemPath) throw AppError("Cannot find the program's own file: its path is too long");
        buffer.resize(size * 2);
    }
}

std::string ExecutableFolder() {
    const std::wstring path = ExecutablePath();
    const std::size_t split = path.find_last_of(L"\\/");
    if (split == std::wstring::npos) throw AppError("Cannot find the program's folder");
    const std::wstring folder = path.substr(0, split + 1);

    std::string ansi = ToAnsi(folder);
    if (!Usable(ansi)) {
        ansi = ToAnsi(ShortForm(folder));
        if (!ansi.empty() && ansi.back() != '\\') ansi += '\\';
    }
    if (Usable(ansi)) return ansi;

    // The notes could not be read or kept there: say so rather than work in a wrong folder.
    std::string shown = AnsiFromWide(folder);
    if (shown.empty()) shown.assign(folder.size(), '?');
    throw AppError("The program cannot keep its notes in the folder \"" + shown +
                   "\": its path is too long or holds characters the system code page cannot write. "
                   "Move the program to another folder");
}

}  // namespace velpiners
