#include "tests/win32/test_support.h"

#include <gtest/gtest.h>

#include "tests/common/program_beside_win.h"

#include <algorithm>
#include <cstring>

#include "protocol/protocol.h"
#include "ui/error_box_win.h"
#include "ui/handle_value_win.h"

namespace velpiners::test {
namespace {

std::vector<std::string> g_errors;

void CaptureError(const std::string& text) { g_errors.push_back(text); }

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        m_path = std::string(base) + "velpiners-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
        if (::CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
    m_path += '\\';
}

namespace {

// Removes a folder (with a trailing backslash) and everything in it.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + name;
            ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + '\\');
            } else {
                ::DeleteFileA(full.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::~TempFolder() { RemoveTree(m_path); }

std::vector<std::string> FilesMatching(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder;
}

HMODULE ProgramResources() {
    static HMODULE module = LoadProgramBesideThisExe();
    return module;
}

void PumpMessages() {
    MSG message;
    for (int idle = 0; idle < 3;) {
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            idle = 0;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        } else {
            ++idle;
            ::Sleep(1);
        }
    }
}

void SaveCycle(HWND controller) {
    ::PostMessageA(controller, protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                   protocol::kCtlSaveRequest);
    PumpMessages();
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    const DWORD size = ::GetFileSize(file, nullptr);
    bytes.resize(size);
    DWORD got = 0;
    if (size > 0) ::ReadFile(file, bytes.data(), size, &got, nullptr);
    bytes.resize(got);
    ::CloseHandle(file);
    return bytes;
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD put = 0;
    if (!bytes.empty()) ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    ::CloseHandle(file);
}

ErrorCapture::ErrorCapture() {
    g_errors.clear();
    SetErrorSink(&CaptureError);
}

ErrorCapture::~ErrorCapture() { SetErrorSink(nullptr); }

const std::vector<std::string>& ErrorCapture::Errors() const { return g_errors; }

StandInSticker::StandInSticker() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &StandInSticker::WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "VelpinersStandInSticker";
        ::RegisterClassA(&wc);
        registered = true;
    }
    std::memset(&record, 0, sizeof record);
    m_hwnd = ::CreateWindowExA(0, "VelpinersStandInSticker", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

StandInSticker::~StandInSticker() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

LRESULT CALLBACK StandInSticker::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<StandInSticker*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == protocol::kStickerCommandMessage) {
        if (lParam == protocol::kStkReport && self->answers && wParam != 0) {
            StickerRecord report = self->record;
            report.window = HandleValue(hwnd);
            COPYDATASTRUCT data{};
            data.dwData = protocol::kRecordReportDwData;
            data.cbData = sizeof report;
            data.lpData = &report;
            ::SendMessageA(HandleFromWParam(wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd),
                           reinterpret_cast<LPARAM>(&data));
            ++self->reportsSent;
        } else if (lParam == protocol::kStkClose) {
            ++self->closeCommands;
        }
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

Receiver::Receiver() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Receiver::WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "VelpinersReceiver";
        ::RegisterClassA(&wc);
        registered = true;
    }
    m_hwnd = ::CreateWindowExA(0, "VelpinersReceiver", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Receiver::~Receiver() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

LRESULT CALLBACK Receiver::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Receiver*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        Copy copy;
        copy.wParam = wParam;
        copy.dwData = data->dwData;
        const auto* bytes = static_cast<const std::uint8_t*>(data->lpData);
        if (bytes != nullptr) copy.bytes.assign(bytes, bytes + data->cbData);
        self->copies.push_back(std::move(copy));
        return 1;
    }
    if (self != nullptr && message == protocol::kControllerCommandMessage) {
        self->controllerCommands.emplace_back(wParam, lParam);
        return 0;
    }
    if (self != nullptr && message == WM_USER) {
        self->userMessages.emplace_back(wParam, lParam);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void ExpectRowsOfOneHeight(const std::vector<std::vector<HWND>>& rows, int height) {
    for (const auto& row : rows) {
        RECT first{};
        ::GetWindowRect(row.front(), &first);
        for (HWND box : row) {
            RECT place{};
            ::GetWindowRect(box, &place);
            EXPECT_EQ(place.top, first.top) << ::GetDlgCtrlID(box);
            EXPECT_EQ(place.bottom - place.top, height) << ::GetDlgCtrlID(box);
        }
    }
}

}  // namespace velpiners::test
