#include "store/pattern_files_win.h"

#include <vector>

#include "base/app_error.h"
#include "base/file_list_win.h"
#include "base/ini_file_replacement_win.h"
#include "base/private_profile_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

constexpr std::string_view kConfigFileName = "config.txt";
constexpr std::string_view kRememberedSection = "Settings";
constexpr std::string_view kRememberedKey = "pattern";

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Claims a file name by making the empty file; false only when a file of that name is already there (any
// other failure is left for the writing to report).
bool Claim(const std::string& path) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return true;
    const DWORD error = ::GetLastError();
    return error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS;
}

// A file name from an item: a plain name, never a way out of the patterns folder.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos && name != "." && name != "..";
}

}  // namespace

std::string PatternFolderOf(const std::string& programFolder) { return programFolder + std::string(kPatternFolder); }

PatternTime PatternTimeNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return PatternTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string WritePatternFile(const std::string& programFolder, std::string_view name, const PatternLook& look,
                             const PatternTime& now) {
    const std::string folder = PatternFolderOf(programFolder);
    // A fresh program folder has no patterns folder until the first save.
    if (!IsFolder(folder)) ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string fileName =
        FreePatternFileName(now, [&folder](const std::string& candidate) { return !Claim(folder + candidate); });
    const std::string path = folder + (fileName.empty() ? PatternFileName(now) : fileName);
    // The keys go into a copy that replaces the claimed file whole: a failure half-way leaves no pattern
    // that loads half of its look.
    IniFileReplacement file(path);
    if (fileName.empty() || !file.Begin() || !WritePattern(file, name, PatternDateText(now), look) || !file.Commit()) {
        if (!fileName.empty()) ::DeleteFileA(path.c_str());
        throw AppError("Unable to write to " + path);
    }
    return fileName;
}

void ReadPatternFile(const std::string& path, StickerRecord& record) {
    ReadPattern(PrivateProfileReader(path), record);
}

std::string ReadPatternFileName(const std::string& path) { return ReadPatternName(PrivateProfileReader(path)); }

bool ListPatternFiles(const std::string& programFolder, std::vector<std::string>& names) {
    const std::string folder = PatternFolderOf(programFolder);
    if (!IsFolder(folder)) return false;
    ListFilesWithExtension(folder, kPatternExtension, names);
    return true;
}

std::string PatternPathOfItem(const std::string& programFolder, const std::string& item) {
    const std::string fileName = PatternFileOf(item);
    if (!IsPlainFileName(fileName)) return {};
    const std::string path = PatternFolderOf(programFolder) + fileName;
    return IsFile(path) ? path : std::string();
}

void DeletePatternFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (::DeleteFileA(path.c_str())) return;
    // The file stays, and so does what protected it.
    if (attributes != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(path.c_str(), attributes);
    throw AppError("Unable to delete " + path);
}

std::string ReadRememberedPattern(const std::string& programFolder) {
    return PrivateProfileReader(programFolder + std::string(kConfigFileName))
        .Read(kRememberedSection, kRememberedKey, "");
}

bool WriteRememberedPattern(const std::string& programFolder, const std::string& item) {
    // config.txt is replaced whole, never rewritten in place.
    IniFileReplacement file(programFolder + std::string(kConfigFileName));
    return file.Begin() && file.Write(kRememberedSection, kRememberedKey, item) && file.Commit();
}

}  // namespace velpiners
