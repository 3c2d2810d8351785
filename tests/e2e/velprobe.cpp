// A small outside program for the end-to-end tests: finds the running controller by its class and talks to
// it over the WM_USER control interface, as any other program would.
//   velprobe wait SECONDS           exit 0 once a "TVelpin" window exists, 1 when none came in time
//   velprobe gone SECONDS           exit 0 once no "TVelpin" window exists, 1 otherwise
//   velprobe send COMMAND [WPARAM]  print the answer to WM_USER with lParam COMMAND
//   velprobe count CLASS            print how many top-level windows of the class exist
//   velprobe visible CLASS          print how many of them are visible ("#32768": an open popup menu)
//   velprobe dismiss                press OK on every visible message box; print how many
//   velprobe focus                  print the class of the window that has the keyboard focus in the
//                                   controller's thread ("-" when none has it)
//   velprobe hilite                 print the first row (from its top) of the uppermost open popup menu that
//                                   shows the selection colour, -1 when none does (no item is highlighted:
//                                   the menu may not take keys yet), -2 when no menu is open
//   velprobe report                 send the controller a record report from a window it does not know;
//                                   print the answer
//   velprobe taskbar                post "TaskbarCreated" to the controller, as the shell does
//   velprobe close                  post WM_CLOSE to the controller
//   velprobe endsession             send the controller WM_QUERYENDSESSION (logoff); print its answer
//   velprobe windows CLASS          print "left top width height" of every window of the class, sorted
//   velprobe client CLASS           print the screen position of the client area's top left corner
//   velprobe clientsize CLASS       print the width and height of the client area
//   velprobe post CLASS N MSG [W [L]]  post a message to the N-th window of the class (from 0, by left
//                                   and then top edge)
//   velprobe save                   post the save request (controller command 203) and wait for base.db
//   velprobe summaries              WM_USER 300 with a window of its own; print every summary received
//   velprobe summary N              WM_USER 301 for the n-th sticker; print the summary received
//   velprobe makedb FILE COUNT TAIL write a base.db of COUNT recognisable records and TAIL extra bytes
//   velprobe at X Y                 print the class of the window at that screen point
//   velprobe makegallery FILE [DPI] write a base.db of one sticker per style, in a grid, with a date,
//                                   three lines of text and an icon; with DPI, a grid whose steps are
//                                   scaled to that resolution in as many columns as a 1280-pixel screen holds
//   velprobe makelayers FILE        write a base.db of two plain stickers far apart: a topmost one at
//                                   (100, 100) and a desktop one at (500, 100)
//   velprobe makenotes FILE mine|theirs  write the notes of one computer ("mine": "Milk", rolled up and
//                                   off the screen, and "Dentist") or of another ("theirs": "Dentist" again
//                                   at another place, "Книги & pens" in code page 1251 with two lines, and
//                                   10 bytes of a torn record)
//   velprobe boxtext                print the texts of the visible message boxes
//   velprobe dbcheck BEFORE AFTER   compare two base.db files record by record, allowing the bytes a
//                                   save cycle changes (window handle, reported flag, parented flag,
//                                   caption Y); print "same" or the first difference
//   velprobe start FOLDER COUNT SECONDS [HOLD]
//                                   start FOLDER\velpiners.exe and time it: until the controller answers
//                                   with COUNT stickers, until COUNT sticker windows are shown and every
//                                   command posted to them at start has run (a summary requested by a posted
//                                   message comes back after them); print "answer MS painted MS working KB",
//                                   keep it running HOLD milliseconds more (for a look at its memory), then
//                                   close it and wait for its end. Exit 1 when it took longer than SECONDS.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/dpi.h"
#include "protocol/protocol.h"
#include "sticker/sticker_state.h"
#include "store/record.h"
#include "tests/common/synthetic_stickers.h"

namespace {

HWND Controller() { return ::FindWindowA("TVelpin", nullptr); }

int WaitFor(bool present, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if ((Controller() != nullptr) == present) return 0;
        ::Sleep(50);
    }
    return 1;
}

struct CountState {
    const char* className;
    int count;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lParam) {
    auto* state = reinterpret_cast<CountState*>(lParam);
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, state->className) == 0) ++state->count;
    return TRUE;
}

BOOL CALLBACK CountVisibleWindow(HWND hwnd, LPARAM lParam) {
    if (::IsWindowVisible(hwnd)) CountWindow(hwnd, lParam);
    return TRUE;
}

// Presses OK on a visible message box.
BOOL CALLBACK DismissMessageBox(HWND hwnd, LPARAM lParam) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && ::IsWindowVisible(hwnd)) {
        ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        ++*reinterpret_cast<int*>(lParam);
    }
    return TRUE;
}

// The uppermost visible popup menu window (an open submenu lies above the menu it came from).
BOOL CALLBACK FindOpenMenu(HWND hwnd, LPARAM lParam) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !::IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

// The first row of the uppermost open popup menu, from its top, that shows the selection colour: where the
// highlighted item is. Read from the screen, as a user sees it (another program cannot read a menu's state
// under Wine). -1 when no item is highlighted, -2 when no menu is open.
int HighlightedRow() {
    HWND window = nullptr;
    ::EnumWindows(&FindOpenMenu, reinterpret_cast<LPARAM>(&window));
    RECT rect{};
    if (window == nullptr || !::GetWindowRect(window, &rect)) return -2;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return -2;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP section = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, section);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    int row = -1;
    if (bits != nullptr) {
        const COLORREF marks[] = {::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_MENUHILIGHT)};
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < height && row < 0; ++y)
            for (int x = 0; x < width && row < 0; ++x) {
                const std::uint32_t p = pixels[y * width + x];
                const COLORREF colour = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                if (colour == marks[0] || colour == marks[1]) row = y;
            }
    }
    ::DeleteObject(section);
    return row;
}

struct WindowsOfClass {
    const char* className;
    std::vector<std::pair<std::pair<long, long>, HWND>> found;  // (left, top), window
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    auto* windows = reinterpret_cast<WindowsOfClass*>(lParam);
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, windows->className) != 0) return TRUE;
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    windows->found.push_back({{static_cast<long>(rect.left), static_cast<long>(rect.top)}, hwnd});
    return TRUE;
}

struct WindowList {
    const char* className;
    std::vector<std::string> lines;
};

BOOL CALLBACK ListWindow(HWND hwnd, LPARAM lParam) {
    auto* list = reinterpret_cast<WindowList*>(lParam);
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, list->className) != 0) return TRUE;
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    char line[128];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld", static_cast<long>(rect.left), static_cast<long>(rect.top),
                  static_cast<long>(rect.right - rect.left), static_cast<long>(rect.bottom - rect.top));
    list->lines.emplace_back(line);
    return TRUE;
}

// Receives summaries and prints one line each.
LRESULT CALLBACK SummaryWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA && wParam == velpiners::protocol::kCopySummary) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->cbData != velpiners::protocol::kStickerSummarySize || data->lpData == nullptr) {
            std::printf("bad size %lu\n", static_cast<unsigned long>(data->cbData));
            return 0;
        }
        velpiners::protocol::StickerSummary s;
        std::memcpy(&s, data->lpData, sizeof s);
        std::printf(
            "index=%u left=%d top=%d width=%d height=%d unrolled=%u opacity=%u picture=%u style=%u layer=%u caption=%s "
            "body=%s\n",
            s.index, s.left, s.top, s.width, s.height, s.unrolled, s.opacity, s.pictureLow, s.style, s.layer,
            s.captionText.Get().c_str(), s.bodyText.Get().c_str());
        std::fflush(stdout);
        return 1;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeSummaryWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &SummaryWindow;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VelprobeSummaries";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, "VelprobeSummaries", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

void PumpFor(int milliseconds) {
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    while (static_cast<int>(end - ::GetTickCount()) > 0) {
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
        ::Sleep(10);
    }
}

bool g_summaryCame = false;

LRESULT CALLBACK FenceWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA && wParam == velpiners::protocol::kCopySummary) {
        g_summaryCame = true;
        return 1;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

int CountVisible(const char* className) {
    CountState state{className, 0};
    ::EnumWindows(&CountVisibleWindow, reinterpret_cast<LPARAM>(&state));
    return state.count;
}

// Starts the program of the folder and measures its start from outside, as a user's logon sees it.
int TimeStart(const std::string& folder, int count, int seconds, int hold) {
    const std::string exe = folder + "\\velpiners.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process)) {
        std::fprintf(stderr, "velprobe: cannot start %s\n", exe.c_str());
        return 2;
    }
    const double limit = seconds * 1000.0;
    double answered = -1;
    double painted = -1;
    HWND controller = nullptr;
    while (MillisecondsSince(start) < limit && answered < 0) {
        // Found once: looking for it walks every top-level window, which would slow the start it times.
        if (controller == nullptr) controller = Controller();
        DWORD_PTR stickers = 0;
        if (controller != nullptr &&
            ::SendMessageTimeoutA(controller, velpiners::protocol::kWmUser, 0, velpiners::protocol::kUserCount,
                                  SMTO_ABORTIFHUNG, 5000, &stickers) &&
            static_cast<int>(stickers) == count)
            answered = MillisecondsSince(start);
        else
            ::Sleep(10);
    }
    while (answered >= 0 && MillisecondsSince(start) < limit && CountVisible("TStickForm") < count) ::Sleep(10);
    if (answered >= 0 && CountVisible("TStickForm") >= count) {
        // The layer and language commands posted to every new sticker run in posting order, before a
        // message posted now: its summary comes back after all of them.
        WNDCLASSA wc{};
        wc.lpfnWndProc = &FenceWindow;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "VelprobeFence";
        ::RegisterClassA(&wc);
        HWND fence = ::CreateWindowExA(0, "VelprobeFence", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
        HWND last = count > 0 ? ::FindWindowA("TStickForm", nullptr) : nullptr;
        if (last == nullptr) {
            painted = answered;
        } else {
            ::PostMessageA(last, velpiners::protocol::kWmUser, reinterpret_cast<WPARAM>(fence),
                           velpiners::protocol::kSummaryRequestBase);
            MSG message;
            while (!g_summaryCame && MillisecondsSince(start) < limit) {
                while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
                if (!g_summaryCame) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
            }
            if (g_summaryCame) painted = MillisecondsSince(start);
        }
        ::DestroyWindow(fence);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    std::printf("answer %.0f painted %.0f working %lu\n", answered, painted,
                static_cast<unsigned long>(memory.WorkingSetSize / 1024));
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(std::max(hold, 0)));
    if (controller != nullptr) ::PostMessageA(controller, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return painted >= 0 ? 0 : 1;
}

std::vector<std::uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int MakeDatabase(const char* path, int count, int tail) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        const velpiners::StickerRecord r = velpiners::testing::SyntheticSticker(i);
        const auto* raw = reinterpret_cast<const std::uint8_t*>(&r);
        bytes.insert(bytes.end(), raw, raw + sizeof r);
    }
    bytes.insert(bytes.end(), static_cast<std::size_t>(tail), 0x77);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}

// A plain opaque, unrolled sticker with a caption, a date line and a body text, in its own colour: a new
// sticker's blocks with these values.
velpiners::StickerRecord PlainSticker(const std::string& caption, const std::string& body, std::int32_t left,
                                      std::int32_t top, std::uint8_t style, std::int32_t color, std::uint8_t layer) {
    velpiners::StickerRecord r;
    velpiners::FillStickerDefaults(r, caption, body, "8.12.26", left, top);
    velpiners::PlacementBlock& p = r.placement;
    p.style = style;
    p.useOwnColor = 1;
    p.color = color;
    p.layer = layer;
    r.inUse = 1;
    return r;
}

int WriteRecords(const char* path, const std::vector<velpiners::StickerRecord>& records) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(records.data()),
              static_cast<std::streamsize>(records.size() * sizeof(velpiners::StickerRecord)));
    return out ? 0 : 1;
}

int MakeNotes(const char* path, const char* whose) {
    constexpr std::int32_t kColor = 0x40A0E0;
    std::vector<velpiners::StickerRecord> records;
    if (std::strcmp(whose, "mine") == 0) {
        velpiners::StickerRecord milk = PlainSticker("Milk", "Two litres", -3000, 300, 5, kColor, 1);
        milk.placement.unrolled = 0;
        records.push_back(milk);
        records.push_back(PlainSticker("Dentist", "Tuesday at 10", 300, 200, 5, kColor, 1));
    } else {
        records.push_back(PlainSticker("Dentist", "Tuesday at 10", 700, 500, 3, kColor, 1));
        records.push_back(PlainSticker("\xCA\xED\xE8\xE3\xE8 & pens", "Line 1\nLine 2", 500, 400, 5, kColor, 1));
    }
    if (WriteRecords(path, records) != 0) return 1;
    if (std::strcmp(whose, "mine") == 0) return 0;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write("0123456789", 10);
    return out ? 0 : 1;
}

// Prints the text of every static control of the visible message boxes.
BOOL CALLBACK PrintBoxText(HWND hwnd, LPARAM) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !::IsWindowVisible(hwnd)) return TRUE;
    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char text[1024] = {};
        ::GetClassNameA(child, name, sizeof name);
        if (_stricmp(name, "Static") != 0 || ::GetWindowTextA(child, text, sizeof text) <= 0) continue;
        std::printf("%s\n", text);
    }
    return TRUE;
}

// The gallery's grid: 96-dpi stickers 254 apart in five columns, 200 apart in rows; scaled, the rows closer
// (the screen holds fewer columns, so more rows).
constexpr int kGalleryMargin = 10;
constexpr int kGalleryColumnStep = 254;
constexpr int kGalleryRowStep = 200;
constexpr int kGalleryColumns = 5;
constexpr int kScaledGalleryRowStep = 112;
constexpr int kGalleryScreenWidth = 1280;

int MakeGallery(const char* path, int dpi) {
    const bool scaled = dpi != velpiners::kBaseDpi;
    const int columnStep = velpiners::Scale(kGalleryColumnStep, dpi);
    const int rowStep = scaled ? velpiners::Scale(kScaledGalleryRowStep, dpi) : kGalleryRowStep;
    const int columns = scaled ? std::max(1, (kGalleryScreenWidth - kGalleryMargin) / columnStep) : kGalleryColumns;
    static const char* const kNames[] = {"Dark glass", "Inner",      "Flat", "Silver glass", "Glass", "Panel",
                                         "Classic",    "Narrow",     "Aero", "Modern",       "List",  "Vista Glass",
                                         "Vista",      "Vista Aero", "H.Z.", "Flat panel",   "Text"};
    static const std::int32_t kColors[] = {0x3050D0, 0x30A040, 0xC06020, 0x2080C0, 0x9040A0, 0x208080};
    std::vector<velpiners::StickerRecord> records;
    for (int i = 0; i < 17; ++i) {
        velpiners::StickerRecord r = PlainSticker(
            std::to_string(i) + " " + kNames[i], "Buy milk and bread\r\nCall the dentist at 10\r\nWater the plants",
            kGalleryMargin + (i % columns) * columnStep, kGalleryMargin + (i / columns) * rowStep,
            static_cast<std::uint8_t>(i), kColors[i % 6], 1);
        r.placement.SetPictureNumber(1 + (i * 2) % 34);
        r.placement.showPicture = 1;
        records.push_back(r);
    }
    return WriteRecords(path, records);
}

// Two plain stickers far apart: "Topmost" (layer 0) at (100, 100) and "Desktop" (layer 1) at (500, 100).
int MakeLayers(const char* path) {
    return WriteRecords(path, {PlainSticker("Topmost", "A note on the\r\ntopmost layer", 100, 100, 0, 0x3050D0, 0),
                               PlainSticker("Desktop", "A note on the\r\ndesktop layer", 500, 100, 0, 0x30A040, 1)});
}

int CheckDatabase(const char* beforePath, const char* afterPath) {
    const std::vector<std::uint8_t> before = ReadFile(beforePath);
    const std::vector<std::uint8_t> after = ReadFile(afterPath);
    const std::size_t records = before.size() / velpiners::kStickerRecordSize;
    if (after.size() != records * velpiners::kStickerRecordSize) {
        std::printf("size %zu, expected %zu\n", after.size(), records * velpiners::kStickerRecordSize);
        return 0;
    }
    const auto allowed = [](std::size_t offset) {
        return offset < 4 || offset == 1073 || offset == 1056 || (offset >= 16 && offset < 20);
    };
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (before[i] == after[i] || allowed(i % velpiners::kStickerRecordSize)) continue;
        std::printf("record %zu offset %zu: %u -> %u\n", i / velpiners::kStickerRecordSize,
                    i % velpiners::kStickerRecordSize, before[i], after[i]);
        return 0;
    }
    std::printf("same\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    const char* verb = argv[1];
    if (std::strcmp(verb, "wait") == 0 && argc >= 3) return WaitFor(true, std::atoi(argv[2]));
    if (std::strcmp(verb, "gone") == 0 && argc >= 3) return WaitFor(false, std::atoi(argv[2]));
    if (std::strcmp(verb, "count") == 0 && argc >= 3) {
        CountState state{argv[2], 0};
        ::EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&state));
        std::printf("%d\n", state.count);
        return 0;
    }
    if (std::strcmp(verb, "visible") == 0 && argc >= 3) {
        CountState state{argv[2], 0};
        ::EnumWindows(&CountVisibleWindow, reinterpret_cast<LPARAM>(&state));
        std::printf("%d\n", state.count);
        return 0;
    }
    if (std::strcmp(verb, "dismiss") == 0) {
        int dismissed = 0;
        ::EnumWindows(&DismissMessageBox, reinterpret_cast<LPARAM>(&dismissed));
        std::printf("%d\n", dismissed);
        return 0;
    }
    if (std::strcmp(verb, "focus") == 0) {
        HWND window = Controller();
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        char name[256] = "-";
        if (window != nullptr && ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) &&
            info.hwndFocus != nullptr)
            ::GetClassNameA(info.hwndFocus, name, sizeof name);
        std::printf("%s\n", name);
        return 0;
    }
    if (std::strcmp(verb, "hilite") == 0) {
        std::printf("%d\n", HighlightedRow());
        return 0;
    }
    if (std::strcmp(verb, "post") == 0 && argc >= 5) {
        WindowsOfClass windows{argv[2], {}};
        ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
        std::sort(windows.found.begin(), windows.found.end());
        const std::size_t n = std::strtoul(argv[3], nullptr, 0);
        if (n >= windows.found.size()) return 1;
        const UINT message = static_cast<UINT>(std::strtoul(argv[4], nullptr, 0));
        const WPARAM wParam = argc >= 6 ? static_cast<WPARAM>(std::strtoul(argv[5], nullptr, 0)) : 0;
        const LPARAM lParam = argc >= 7 ? static_cast<LPARAM>(std::strtoul(argv[6], nullptr, 0)) : 0;
        return ::PostMessageA(windows.found[n].second, message, wParam, lParam) ? 0 : 1;
    }
    if (std::strcmp(verb, "client") == 0 && argc >= 3) {
        HWND window = ::FindWindowA(argv[2], nullptr);
        if (window == nullptr) return 1;
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        std::printf("%ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y));
        return 0;
    }
    if (std::strcmp(verb, "clientsize") == 0 && argc >= 3) {
        HWND window = ::FindWindowA(argv[2], nullptr);
        RECT client{};
        if (window == nullptr || !::GetClientRect(window, &client)) return 1;
        std::printf("%ld %ld\n", static_cast<long>(client.right), static_cast<long>(client.bottom));
        return 0;
    }
    if (std::strcmp(verb, "windows") == 0 && argc >= 3) {
        WindowList list{argv[2], {}};
        ::EnumWindows(&ListWindow, reinterpret_cast<LPARAM>(&list));
        std::sort(list.lines.begin(), list.lines.end());
        for (const std::string& line : list.lines) std::printf("%s\n", line.c_str());
        return 0;
    }
    if (std::strcmp(verb, "makedb") == 0 && argc >= 5)
        return MakeDatabase(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (std::strcmp(verb, "at") == 0 && argc >= 4) {
        POINT point{std::atoi(argv[2]), std::atoi(argv[3])};
        HWND hwnd = ::WindowFromPoint(point);
        char name[256] = {};
        ::GetClassNameA(hwnd, name, sizeof name);
        std::printf("%s\n", name);
        return 0;
    }
    if (std::strcmp(verb, "makegallery") == 0 && argc >= 3)
        return MakeGallery(argv[2], argc >= 4 ? velpiners::SaneDpi(std::atoi(argv[3])) : velpiners::kBaseDpi);
    if (std::strcmp(verb, "makelayers") == 0 && argc >= 3) return MakeLayers(argv[2]);
    if (std::strcmp(verb, "makenotes") == 0 && argc >= 4) return MakeNotes(argv[2], argv[3]);
    if (std::strcmp(verb, "boxtext") == 0) {
        ::EnumWindows(&PrintBoxText, 0);
        std::fflush(stdout);
        return 0;
    }
    if (std::strcmp(verb, "dbcheck") == 0 && argc >= 4) return CheckDatabase(argv[2], argv[3]);
    if (std::strcmp(verb, "start") == 0 && argc >= 5)
        return TimeStart(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argc >= 6 ? std::atoi(argv[5]) : 0);

    HWND controller = Controller();
    if (controller == nullptr) {
        std::fprintf(stderr, "velprobe: no TVelpin window\n");
        return 2;
    }
    if (std::strcmp(verb, "send") == 0 && argc >= 3) {
        const LPARAM command = static_cast<LPARAM>(std::strtoul(argv[2], nullptr, 0));
        const WPARAM value = argc >= 4 ? static_cast<WPARAM>(std::strtoul(argv[3], nullptr, 0)) : 0;
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutA(controller, velpiners::protocol::kWmUser, value, command, SMTO_ABORTIFHUNG, 5000,
                                   &answer)) {
            std::fprintf(stderr, "velprobe: no answer\n");
            return 3;
        }
        std::printf("%lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    if (std::strcmp(verb, "report") == 0) {
        // A record report from a window that holds no slot: the controller takes it and drops it.
        velpiners::StickerRecord record;
        std::memset(&record, 0, sizeof record);
        record.window = 0x4242;
        COPYDATASTRUCT data{velpiners::protocol::kRecordReportDwData, sizeof record, &record};
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutA(controller, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                                   &answer)) {
            std::fprintf(stderr, "velprobe: no answer\n");
            return 3;
        }
        std::printf("%lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    if (std::strcmp(verb, "taskbar") == 0) {
        ::PostMessageA(controller, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    if (std::strcmp(verb, "save") == 0) {
        ::PostMessageA(controller, velpiners::protocol::kControllerCommandMessage, velpiners::protocol::kCtlSaveRequest,
                       velpiners::protocol::kCtlSaveRequest);
        return 0;
    }
    if ((std::strcmp(verb, "summaries") == 0) || (std::strcmp(verb, "summary") == 0 && argc >= 3)) {
        HWND receiver = MakeSummaryWindow();
        LPARAM command = velpiners::protocol::kUserSummaries;
        if (verb[7] == '\0') command = velpiners::protocol::kUserSummaryOf | (std::atoi(argv[2]) << 16);
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutA(controller, velpiners::protocol::kWmUser, reinterpret_cast<WPARAM>(receiver), command,
                              SMTO_ABORTIFHUNG, 5000, &answer);
        PumpFor(1500);
        ::DestroyWindow(receiver);
        return 0;
    }
    if (std::strcmp(verb, "close") == 0) {
        ::PostMessageA(controller, WM_CLOSE, 0, 0);
        return 0;
    }
    if (std::strcmp(verb, "endsession") == 0) {
        // As the system asks at logoff: the answer says whether the session may end.
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutA(controller, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000,
                                   &answer))
            return 1;
        std::printf("%lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    return 64;
}
