#include "sticker/paint_share_win.h"

namespace velpiners {
namespace {

// A device context that cannot say its resolution is taken as the common 96 dots per inch.
constexpr int kDefaultDpi = 96;
constexpr int kPointsPerInch = 72;
// Faces and sizes kept before they are all made anew (a dialog trying one font after another).
constexpr std::size_t kMostKeptFonts = 32;

}  // namespace

PaintShare& PaintShare::Get() {
    static PaintShare share;
    return share;
}

PaintShare::PaintShare() : m_presentDc(::CreateCompatibleDC(nullptr)) {
    m_dpi = m_screenDc.get() != nullptr ? ::GetDeviceCaps(m_screenDc.get(), LOGPIXELSY) : kDefaultDpi;
}

HFONT PaintShare::Font(const std::string& face, int points, int dpi) {
    std::tuple<std::string, int, int> key{face, points, dpi};
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) return found->second.get();
    if (m_fonts.size() >= kMostKeptFonts) m_fonts.clear();
    UniqueFont font(::CreateFontA(-::MulDiv(points, dpi, kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, face.c_str()));
    HFONT handle = font.get();
    m_fonts.emplace(std::move(key), std::move(font));
    return handle;
}

}  // namespace velpiners
