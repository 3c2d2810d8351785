// Helpers of the Windows tests: a private program folder, a message pump, a captured error box and stand-in
// sticker windows that answer the report command the way sticker windows do.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "store/record.h"

namespace velpiners::test {

// A fresh empty folder under the temporary folder (with a trailing backslash), removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    [[nodiscard]] const std::string& Path() const { return m_path; }
    [[nodiscard]] std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// The folder of the test program (with a trailing backslash), where the build puts the program, HotKey.dll
// and the language files.
[[nodiscard]] std::string TestProgramFolder();

// velpiners.exe beside the test program, opened as a data file: the pictures a controller loads.
[[nodiscard]] HMODULE ProgramResources();

// Handles every queued message of this thread until the queue stays empty.
void PumpMessages();

// Posts the controller window a save request (code 203, as a sticker posts it) and handles what follows.
void SaveCycle(HWND controller);

// Checks that the windows of each row stand at the row's first top and are `height` pixels high.
void ExpectRowsOfOneHeight(const std::vector<std::vector<HWND>>& rows, int height);

[[nodiscard]] bool FileExists(const std::string& path);
// The names (without the folder) of the files that match a pattern such as "C:\\dir\\*.vpi", sorted.
[[nodiscard]] std::vector<std::string> FilesMatching(const std::string& pattern);
[[nodiscard]] std::vector<std::uint8_t> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Captures what would go to the standard error box while it lives.
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    [[nodiscard]] const std::vector<std::string>& Errors() const;
};

// A hidden window that answers the sticker report command with its record, unless told to stay silent.
// It also counts the close commands it receives.
class StandInSticker {
public:
    StandInSticker();
    ~StandInSticker();
    StandInSticker(const StandInSticker&) = delete;
    StandInSticker& operator=(const StandInSticker&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }
    StickerRecord record{};
    bool answers = true;
    int reportsSent = 0;
    int closeCommands = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
};

// A hidden window that keeps every WM_COPYDATA payload, controller command and WM_USER message it receives:
// the other program or controller a sticker talks to, the window a hot-key library reports to.
class Receiver {
public:
    struct Copy {
        WPARAM wParam = 0;
        ULONG_PTR dwData = 0;
        std::vector<std::uint8_t> bytes;
    };
    Receiver();
    ~Receiver();
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }
    std::vector<Copy> copies;
    std::vector<std::pair<WPARAM, LPARAM>> controllerCommands;
    std::vector<std::pair<WPARAM, LPARAM>> userMessages;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
};

}  // namespace velpiners::test
