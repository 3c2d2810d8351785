// Timing of a sticker's full layout and of a repaint, on a real window under the real pictures: style 0,
// three lines of body text, a date and a 32-pixel icon. Prints the median, the mean and the least time of
// each in microseconds, first whole, then our own part alone (everything but the system's layered-window
// update, which the phase counters time apart). A layout is timed again with nothing changed and after a
// change of the body text (alternating between two texts of one size), a repaint as the focus or the layer
// asks for it. Run under Wine by scripts/bench-sticker (or on Windows, beside velpiners.exe).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/shared_pictures_win.h"
#include "base/phase_times.h"
#include "sticker/stick_form_win.h"
#include "tests/common/program_beside_win.h"

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
    graphics::BackgroundCache* Backgrounds() override { return &m_pictures.Backgrounds(); }

private:
    SharedPictures m_pictures;
};

double Microseconds(LARGE_INTEGER start, LARGE_INTEGER end, LARGE_INTEGER frequency) {
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

void Print(const char* name, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-26s runs %5zu  median %8.1f us  mean %8.1f us  min %8.1f us\n", name, times.size(),
                times[times.size() / 2], sum / static_cast<double>(times.size()), times.front());
}

// Times every run whole and without the layered-window updates it made.
template <typename Action>
void Measure(const char* name, int runs, Action action) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> whole;
    std::vector<double> ours;
    phase::Enable(true);
    for (int i = 0; i < runs; ++i) {
        phase::Reset();
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        action();
        ::QueryPerformanceCounter(&end);
        const double total = Microseconds(start, end, frequency);
        whole.push_back(total);
        ours.push_back(total - static_cast<double>(phase::Get(phase::Phase::kLayeredUpdate).nanoseconds) / 1000.0);
    }
    phase::Enable(false);
    Print(name, whole);
    Print((std::string(name) + " (ours)").c_str(), ours);
}

}  // namespace

int main() {
    HMODULE resources = velpiners::test::LoadProgramBesideThisExe();
    if (resources == nullptr) {
        std::fprintf(stderr, "sticker_bench: cannot open velpiners.exe beside it\n");
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
    // A new text of the same size each time: measured, drawn and shown anew (the background stays).
    const char* const texts[] = {"Buy milk and bread\r\nCall the dentist at 10\r\nWater the plants",
                                 "Buy milk and cheese\r\nCall the dentist at 11\r\nWater the garden"};
    int turn = 0;
    Measure("Relayout, new text", 300, [&] {
        turn = 1 - turn;
        blocks.body.text.Set(texts[turn]);
        sticker->Relayout();
    });
    Measure("Repaint", 2000, [&] { sticker->Repaint(); });
    // The share of the screen update: the layered window takes the picture.
    Measure("Present", 2000, [&] { sticker->Present(255); });
    ::DestroyWindow(sticker->Handle());
    return 0;
}
