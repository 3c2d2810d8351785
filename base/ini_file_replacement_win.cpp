#include "base/ini_file_replacement_win.h"

#include <windows.h>

#include <utility>

#include "base/file_probe_win.h"
#include "base/private_profile_win.h"

namespace velpiners {
namespace {

constexpr const char* kWorkingSuffix = ".new";

}  // namespace

IniFileReplacement::IniFileReplacement(std::string path)
    : m_path(std::move(path)), m_working(m_path + kWorkingSuffix) {}

IniFileReplacement::~IniFileReplacement() { Abandon(); }

void IniFileReplacement::Abandon() {
    if (!m_begun) return;
    m_begun = false;
    ::SetFileAttributesA(m_working.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(m_working.c_str());
}

bool IniFileReplacement::Begin() {
    Abandon();
    const FileProbe probe = ProbeFile(m_path);
    if (probe.state == FileState::kUnknown) return false;
    // A copy left by a run that ended half-way is stale, whatever it holds.
    ::SetFileAttributesA(m_working.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!::DeleteFileA(m_working.c_str()) && ProbeFile(m_working).state != FileState::kAbsent) return false;
    if (probe.state == FileState::kPresent) {
        // The user's read-only flag means "do not write"; a folder of that name is nothing to replace.
        if ((probe.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;
        // Read through the same opening rules as every reader (a held file is waited for a moment): a file
        // that cannot be read cannot be copied, and is then left as it is.
        DWORD failure = ERROR_SUCCESS;
        HANDLE readable = OpenForReading(m_path, &failure);
        if (readable == INVALID_HANDLE_VALUE) return false;
        ::CloseHandle(readable);
        if (!::CopyFileA(m_path.c_str(), m_working.c_str(), FALSE)) {
            ::DeleteFileA(m_working.c_str());
            return false;
        }
    }
    m_begun = true;
    return true;
}

bool IniFileReplacement::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (!m_begun) return false;
    PrivateProfileWriter writer(m_working);
    return writer.Write(section, key, value);
}

bool IniFileReplacement::Commit() {
    if (!m_begun) return false;
    // Empties the profile functions' cache of the copy into the file, then the system's into the disk.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_working.c_str());
    HANDLE file = ::CreateFileA(m_working.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Abandon();
        return false;
    }
    const bool flushed = ::FlushFileBuffers(file) != FALSE;
    ::CloseHandle(file);
    if (!flushed ||
        !::MoveFileExA(m_working.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Abandon();
        return false;
    }
    m_begun = false;
    return true;
}

}  // namespace velpiners
