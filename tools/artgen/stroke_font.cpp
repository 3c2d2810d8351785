// Glyph centre lines of the stroke lettering (grid: top of capitals y = 0, x-height y = 3, baseline
// y = 10, descender y = 13).
#include "tools/artgen/stroke_font.h"

#include <functional>

namespace velpiners::artgen {

namespace {

struct Glyph {
    char ch;
    float advance;
    std::function<void(Path&)> lines;
};

const Glyph kGlyphs[] = {
    {'V', 9.0f, [](Path& p) { p.MoveTo(0.3f, 0).LineTo(4.3f, 10).LineTo(8.3f, 0); }},
    {'e', 8.0f, [](Path& p) { p.MoveTo(0.3f, 6.5f).LineTo(7, 6.5f).Arc(3.65f, 6.5f, 3.35f, 3.5f, 0, -318); }},
    {'l', 2.6f, [](Path& p) { p.MoveTo(1, 0).LineTo(1, 10); }},
    {'p', 8.3f,
     [](Path& p) {
         p.MoveTo(0.6f, 3).LineTo(0.6f, 13);
         p.MoveTo(0.6f, 6.5f).Arc(4.1f, 6.5f, 3.5f, 3.5f, 180, 540);
     }},
    {'i', 2.6f,
     [](Path& p) {
         p.MoveTo(1, 3).LineTo(1, 10);
         p.MoveTo(1, 0.7f).LineTo(1, 0.8f);
     }},
    {'n', 8.0f,
     [](Path& p) {
         p.MoveTo(0.6f, 3).LineTo(0.6f, 10);
         p.MoveTo(0.6f, 6.4f).Arc(3.6f, 6.4f, 3.0f, 3.4f, 180, 360).LineTo(6.6f, 10);
     }},
    {'r', 5.4f,
     [](Path& p) {
         p.MoveTo(0.6f, 3).LineTo(0.6f, 10);
         p.MoveTo(0.6f, 6.6f).Arc(3.7f, 6.6f, 3.1f, 3.5f, 180, 275);
     }},
    {'s', 7.2f,
     [](Path& p) {
         p.MoveTo(6.0f, 4.2f)
             .CubicTo(5.0f, 2.9f, 0.9f, 2.6f, 0.8f, 4.9f)
             .CubicTo(0.7f, 7.0f, 6.4f, 5.9f, 6.3f, 8.3f)
             .CubicTo(6.2f, 10.7f, 1.4f, 10.6f, 0.4f, 9.0f);
     }},
    {'v', 7.4f, [](Path& p) { p.MoveTo(0.2f, 3).LineTo(3.6f, 10).LineTo(7.0f, 3); }},
    {'1', 6.0f, [](Path& p) { p.MoveTo(1.2f, 2.2f).LineTo(3.8f, 0).LineTo(3.8f, 10); }},
    {'.', 2.8f, [](Path& p) { p.MoveTo(1.2f, 9.8f).LineTo(1.2f, 9.9f); }},
    {'4', 7.6f, [](Path& p) { p.MoveTo(5.2f, 10).LineTo(5.2f, 0).LineTo(0.2f, 7).LineTo(7.2f, 7); }},
    {'t', 5.2f,
     [](Path& p) {
         p.MoveTo(1.6f, 0.6f).LineTo(1.6f, 8.4f).CubicTo(1.6f, 10.1f, 3.0f, 10.3f, 4.6f, 9.8f);
         p.MoveTo(0, 3).LineTo(4.4f, 3);
     }},
    {'c', 7.2f, [](Path& p) { p.Arc(3.65f, 6.5f, 3.35f, 3.5f, -40, -320); }},
    {'k', 7.0f,
     [](Path& p) {
         p.MoveTo(0.6f, 0).LineTo(0.6f, 10);
         p.MoveTo(6.0f, 3).LineTo(0.6f, 7.6f);
         p.MoveTo(2.6f, 5.9f).LineTo(6.4f, 10);
     }},
    {'y', 7.4f,
     [](Path& p) {
         p.MoveTo(0.2f, 3).LineTo(3.6f, 10);
         p.MoveTo(7.0f, 3).LineTo(2.6f, 13);
     }},
    {'o', 8.0f, [](Path& p) { p.Ellipse(3.65f, 6.5f, 3.35f, 3.5f); }},
    {' ', 3.5f, [](Path&) {}},
};

const Glyph* Find(char ch) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) return &g;
    return nullptr;
}

// Closed ellipses must stay open lines for the stroker, so glyph lines are stroked contour by contour.
Path OpenCopy(const Path& p) {
    Path out;
    for (const Path::Contour& c : p.Contours()) {
        if (c.points.empty()) continue;
        out.MoveTo(c.points[0].x, c.points[0].y);
        for (std::size_t i = 1; i < c.points.size(); ++i) out.LineTo(c.points[i].x, c.points[i].y);
        if (c.closed) out.LineTo(c.points[0].x, c.points[0].y);
    }
    return out;
}

}  // namespace

float TextWidth(const std::string& text, const Lettering& style) {
    const float unit = style.capHeight / 10;
    float width = 0;
    for (char ch : text)
        if (const Glyph* g = Find(ch)) width += g->advance * unit + style.tracking;
    return width > 0 ? width - style.tracking : 0;
}

Path TextOutline(const std::string& text, float x, float y, const Lettering& style) {
    const float unit = style.capHeight / 10;
    Path out;
    float pen = x;
    for (char ch : text) {
        const Glyph* g = Find(ch);
        if (g == nullptr) continue;
        Path lines;
        g->lines(lines);
        // Glyph grid to pixels: scale, shear around the baseline, move to the pen position.
        const Affine place{unit, 0, -style.slant * unit, unit, pen + style.slant * 10 * unit, y - 10 * unit};
        out.Add(Stroke(OpenCopy(lines).Transformed(place), style.weight));
        pen += g->advance * unit + style.tracking;
    }
    return out;
}

}  // namespace velpiners::artgen
