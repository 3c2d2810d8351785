// Where a start with many stickers goes, measured inside one process: for each count given (0, 32 and 256
// when none is) a controller opens that many synthetic stickers from a base.db in a fresh folder, as the
// program does at its start, with the phase counters on. Prints the start, the commands posted to the new
// stickers that run after it, and every phase: its total, its calls and its share per sticker. Beside it, the
// floor that the window system sets: as many bare layered windows, each made where it stands, given one
// sticker background by one layered update and shown, with nothing else done. Run under Wine by
// scripts/bench-start (or on Windows, beside velpiners.exe, whose pictures the stickers paint with).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/shared_pictures_win.h"
#include "app/velpin_win.h"
#include "base/phase_times.h"
#include "graphics/background_cache.h"
#include "graphics/compositor.h"
#include "graphics/gdi_surface_win.h"
#include "tests/common/synthetic_stickers.h"
#include "tests/common/program_beside_win.h"

namespace {

using namespace velpiners;

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

std::string NewFolder(int count) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "velpiners-start-bench-" + std::to_string(::GetCurrentProcessId()) +
                               "-" + std::to_string(count) + "\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteDatabase(const std::string& path, int count) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < count; ++i) {
        const StickerRecord record = testing::SyntheticSticker(i);
        out.write(reinterpret_cast<const char*>(&record), sizeof record);
    }
}

void PumpUntilIdle() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void MeasureStart(HMODULE resources, int count) {
    const std::string folder = NewFolder(count);
    WriteDatabase(folder + "base.db", count);

    phase::Reset();
    phase::Enable(true);
    const LARGE_INTEGER start = Now();
    auto controller = std::make_unique<TVelpin>(folder, resources);
    controller->FormCreate(false);
    const LARGE_INTEGER created = Now();
    PumpUntilIdle();
    const LARGE_INTEGER settled = Now();
    phase::Enable(false);

    const double perSticker = count > 0 ? 1000.0 / count : 0;
    std::printf("%d stickers: start %.1f ms, posted commands after it %.1f ms, %d sticker windows\n", count,
                Milliseconds(start, created), Milliseconds(created, settled), controller->Table().Count());
    for (int i = 0; i < static_cast<int>(phase::Phase::kCount); ++i) {
        const auto which = static_cast<phase::Phase>(i);
        const phase::Totals totals = phase::Get(which);
        if (totals.calls == 0) continue;
        const double ms = static_cast<double>(totals.nanoseconds) / 1e6;
        std::printf("  %-20s %9.1f ms %6lld calls %8.1f us per sticker\n", phase::NameOf(which), ms,
                    static_cast<long long>(totals.calls), ms * perSticker);
    }
    controller.reset();
    ::DeleteFileA((folder + "base.db").c_str());
    ::DeleteFileA((folder + "config.txt").c_str());
    ::RemoveDirectoryA(folder.c_str());
}

LRESULT CALLBACK BareWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void MeasureBareWindows(HMODULE resources, int count) {
    if (count == 0) return;
    SharedPictures pictures;
    pictures.Load(resources);
    const graphics::StyleSkin& skin = graphics::kStyleSkins[0];
    const auto background = graphics::MakeBackground(0, pictures.Get(skin.skin), pictures.Get(skin.mask),
                                                     graphics::Rect{0, 0, 200, 40}, true, graphics::Rect{});
    GdiSurface surface(32);
    surface.Assign(*background);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &BareWindowProcedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "StartBenchBare";
    ::RegisterClassA(&windowClass);
    HWND owner = ::CreateWindowExA(0, "StartBenchBare", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    HDC screen = ::GetDC(nullptr);
    std::vector<HWND> windows;
    const LARGE_INTEGER start = Now();
    for (int i = 0; i < count; ++i) {
        const PlacementBlock place = testing::SyntheticSticker(i).placement;
        HWND hwnd = ::CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, "StartBenchBare", "", WS_POPUP, place.left,
                                      place.top, background->Width(), background->Height(), owner, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        POINT destination{place.left, place.top};
        SIZE size{background->Width(), background->Height()};
        POINT origin{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::UpdateLayeredWindow(hwnd, screen, &destination, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
        ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        windows.push_back(hwnd);
    }
    const LARGE_INTEGER made = Now();
    PumpUntilIdle();
    const LARGE_INTEGER settled = Now();
    std::printf("%d bare layered windows (made in place, one update, shown): %.1f ms, events after it %.1f ms\n", count,
                Milliseconds(start, made), Milliseconds(made, settled));
    ::ReleaseDC(nullptr, screen);
    for (HWND hwnd : windows) ::DestroyWindow(hwnd);
    ::DestroyWindow(owner);
    PumpUntilIdle();
}

}  // namespace

int main(int argc, char** argv) {
    HMODULE resources = velpiners::test::LoadProgramBesideThisExe();
    if (resources == nullptr) {
        std::fprintf(stderr, "start_bench: cannot open velpiners.exe beside it\n");
        return 1;
    }
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {0, 32, 256};
    for (int count : counts) {
        MeasureStart(resources, count);
        MeasureBareWindows(resources, count);
    }
    return 0;
}
