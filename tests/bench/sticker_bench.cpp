// Timing of a sticker's full layout and of a repaint, on a real window under the real pictures: style 0,
// three lines of body text, a date and a 32-pixel icon. Prints the median and the mean of each in
// microseconds. Run under Wine by scripts/bench-sticker (or on Windows, beside velpiners.exe).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/shared_pictures_win.h"
#include "sticker/stick_form_win.h"

namespace {

using namespace velpiners;

class BenchHost : public StickerHost {
public:
    explicit BenchHost(HMODULE resources) { m_pictures.Load(resources); }
    HWND ControllerWindow() const override { return nullptr; }
    std::string Text(TextKey) const override { return "Sticker"; }
    std::wstring ShownText(TextKey) const override { return L"Sticker"; }
    void Duplicate(const StickerRecord&) override {}
    void OpenProperties(HWND, const StickerRecord&, int) override {}
    const graphics::Picture& SharedPicture(std::string_view name) const override { return m_pictures.Get(name); }
    void PictureByNumber(graphics::Picture& target, int number) override {
        target = m_pictures.BuiltInIcon(number >= 1 && number <= 34 ? number - 1 : 0);
    }

private:
    SharedPictures m_pictures;
};

double Microseconds(LARGE_INTEGER start, LARGE_INTEGER end, LARGE_INTEGER frequency) {
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

template <typename Action>
void Measure(const char* name, int runs, Action action) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        action();
        ::QueryPerformanceCounter(&end);
        times.push_back(Microseconds(start, end, frequency));
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-10s runs %5d  median %8.1f us  mean %8.1f us  min %8.1f us\n", name, runs, times[times.size() / 2],
                sum / static_cast<double>(times.size()), times.front());
}

}  // namespace

int main() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program.resize(program.find_last_of("\\/") + 1);
    program += "velpiners.exe";
    HMODULE resources = ::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (resources == nullptr) {
        std::fprintf(stderr, "sticker_bench: cannot open %s\n", program.c_str());
        return 1;
    }
    BenchHost host(resources);
    TStickForm* sticker = TStickForm::Create(host, nullptr);
    StickerRecord& blocks = sticker->Blocks();
    blocks.body.text.Set("Buy milk and bread\r\nCall the dentist at 10\r\nWater the plants");
    blocks.caption.text.Set("Today");
    blocks.placement.style = 0;
    blocks.placement.useOwnColor = 1;
    blocks.placement.color = 0x3050D0;
    blocks.placement.SetPictureNumber(4);
    ::ShowWindow(sticker->Handle(), SW_SHOWNOACTIVATE);
    sticker->Relayout();
    std::printf("sticker %d x %d, icon %d x %d\n", sticker->Composed().Width(), sticker->Composed().Height(),
                sticker->StickerPicture().Width(), sticker->StickerPicture().Height());

    Measure("Relayout", 300, [&] { sticker->Relayout(); });
    Measure("Repaint", 2000, [&] { sticker->Repaint(); });
    // The share of the screen update in both: the layered window takes the picture.
    Measure("Present", 2000, [&] { sticker->Present(255); });
    ::DestroyWindow(sticker->Handle());
    return 0;
}
