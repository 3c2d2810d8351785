// Where a start with many stickers goes, measured inside one process: for each count given (0, 32 and 256
// when none is) a controller opens that many synthetic stickers from a base.db in a fresh folder, as the
// program does at its start, with the phase counters on. Prints the start, the commands posted to the new
// stickers that run after it, and every phase: its total, its calls and its share per sticker. Run under Wine
// by scripts/bench-start (or on Windows, beside velpiners.exe, whose pictures the stickers paint with).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "base/phase_times.h"
#include "tests/common/synthetic_stickers.h"

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
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
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

}  // namespace

int main(int argc, char** argv) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program.resize(program.find_last_of("\\/") + 1);
    program += "velpiners.exe";
    HMODULE resources = ::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (resources == nullptr) {
        std::fprintf(stderr, "start_bench: cannot open %s\n", program.c_str());
        return 1;
    }
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {0, 32, 256};
    for (int count : counts) MeasureStart(resources, count);
    return 0;
}
