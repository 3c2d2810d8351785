// What every sticker of the process paints with and none owns alone: the screen's device context (the
// destination of every layered-window update), the work surfaces of the text (the scratch surface and the
// body text's coverage mask) and the fonts. Stickers live on the one user-interface thread and paint one at a
// time, and the work surfaces are sized, drawn on and shrunk back to 1 x 1 within one painting step, so one
// set serves them all. Kept per sticker, each screen context would hold an entry of the system's context
// cache for the sticker's life (under Wine about a millisecond to make, more the more are held), and each
// work surface would keep the largest section it ever had.
//
// Made on first use and kept until the process ends; not for use from another thread.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "graphics/gdi_surface_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class PaintShare {
public:
    [[nodiscard]] static PaintShare& Get();

    PaintShare(const PaintShare&) = delete;
    PaintShare& operator=(const PaintShare&) = delete;

    // The whole screen's device context.
    [[nodiscard]] HDC ScreenDc() const { return m_screenDc.get(); }
    // A memory context to select a sticker's picture into for a layered-window update.
    [[nodiscard]] HDC PresentDc() const { return m_presentDc.get(); }
    // 24-bit work surfaces, 1 x 1 between painting steps.
    [[nodiscard]] GdiSurface& Scratch() { return m_scratch; }
    [[nodiscard]] GdiSurface& Mask() { return m_mask; }
    // The regular font of that face and point size at the screen's resolution (or at `dpi`), default
    // character set, made once. Valid until the next call: when more faces and sizes are asked for than are
    // kept, all are made anew.
    [[nodiscard]] HFONT Font(const std::string& face, int points) { return Font(face, points, m_dpi); }
    [[nodiscard]] HFONT Font(const std::string& face, int points, int dpi);

private:
    PaintShare();

    WindowDc m_screenDc{nullptr};
    UniqueMemoryDc m_presentDc;
    int m_dpi = 0;
    GdiSurface m_scratch{24};
    GdiSurface m_mask{24};
    std::map<std::tuple<std::string, int, int>, UniqueFont> m_fonts;
};

}  // namespace velpiners
