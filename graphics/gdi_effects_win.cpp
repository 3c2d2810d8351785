// GDI effects; see gdi_effects.h.
#include "graphics/gdi_effects_win.h"

#include <algorithm>
#include <cstring>

#include "graphics/gdi_surface_win.h"
#include "base/unique_handle_win.h"

namespace velpiners::graphics {

namespace {

struct WorkSurfaces {
    GdiSurface background{32};
    GdiSurface drawn{32};
};

WorkSurfaces& Surfaces() {
    static WorkSurfaces surfaces;
    return surfaces;
}

// Draws the image onto a copy of the canvas area and hands every pixel it changed, as (background,
// drawn) B, G, R bytes, to `mix`, which rewrites the background; then puts the background back.
template <typename Mix>
void DrawImageMixed(HDC canvas, const RECT& rect, HIMAGELIST images, int index, Mix mix) {
    int imageWidth = 0;
    int imageHeight = 0;
    if (!::ImageList_GetIconSize(images, &imageWidth, &imageHeight)) return;
    const int w = std::min<int>(rect.right - rect.left, imageWidth);
    const int h = std::min<int>(rect.bottom - rect.top, imageHeight);
    if (w <= 0 || h <= 0) return;

    WorkSurfaces& work = Surfaces();
    work.background.Resize(w, h);
    work.drawn.Resize(w, h);
    ::BitBlt(work.background.Dc(), 0, 0, w, h, canvas, rect.left, rect.top, SRCCOPY);
    ::BitBlt(work.drawn.Dc(), 0, 0, w, h, work.background.Dc(), 0, 0, SRCCOPY);
    ::ImageList_Draw(images, index, work.drawn.Dc(), 0, 0, ILD_NORMAL);

    Picture& background = work.background.Pixels();
    const Picture& drawn = work.drawn.Pixels();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* b = background.Row(y);
        const std::uint8_t* m = drawn.Row(y);
        for (int x = 0; x < w; ++x, b += 4, m += 4)
            if (std::memcmp(b, m, 4) != 0) mix(b, m);
    }
    ::BitBlt(canvas, rect.left, rect.top, w, h, work.background.Dc(), 0, 0, SRCCOPY);
}

}  // namespace

Color SystemColorToRgb(int index) { return static_cast<Color>(::GetSysColor(index)); }

void FillGradient(HDC dc, const RECT& rect, Color bottom, Color top) {
    const int d = rect.bottom - rect.top;
    if (d < 0) return;
    const Color c1 = screen::Rgb(bottom);
    const Color c2 = screen::Rgb(top);
    const auto channel = [d](int from, int to, int i) { return d == 0 ? from : from + (to - from) * i / d; };
    // Each band i would cover rows top .. bottom - i, later bands over earlier ones; so row y ends with
    // band bottom - y, and painting each row once with that band gives the same picture.
    for (int y = rect.top; y <= rect.bottom; ++y) {
        const int i = rect.bottom - y;
        const Color colour = MakeColor(channel(RedOf(c1), RedOf(c2), i), channel(GreenOf(c1), GreenOf(c2), i),
                                       channel(BlueOf(c1), BlueOf(c2), i));
        UniqueBrush brush(::CreateSolidBrush(colour));
        const RECT row{rect.left, y, rect.right, y + 1};
        ::FillRect(dc, &row, brush.get());
    }
}

void DrawImageBlended(HDC canvas, const RECT& rect, HIMAGELIST images, int index, int opacity) {
    const int a = std::clamp(opacity, 0, 255);
    DrawImageMixed(canvas, rect, images, index, [a](std::uint8_t* b, const std::uint8_t* m) {
        for (int c = 0; c < 3; ++c) b[c] = static_cast<std::uint8_t>((b[c] * (255 - a) + m[c] * a) >> 8);
    });
}

void DrawImageShaded(HDC canvas, const RECT& rect, HIMAGELIST images, int index) {
    DrawImageMixed(canvas, rect, images, index, [](std::uint8_t* b, const std::uint8_t* m) {
        const int level = (76 * m[2] + 150 * m[1] + 29 * m[0]) >> 8;
        const int d = level / 3 + 170;
        for (int c = 0; c < 3; ++c) b[c] = static_cast<std::uint8_t>((b[c] * d) >> 8);
    });
}

}  // namespace velpiners::graphics
