// Drawing helpers on a design grid.
#include "tools/artgen/icon_pen.h"

#include <algorithm>
#include <cmath>

namespace velpiners::artgen {

Bounds BoundsOf(const Path& path) {
    Bounds b{1e30f, 1e30f, -1e30f, -1e30f};
    for (const Path::Contour& c : path.Contours())
        for (const Point& p : c.points) {
            b.x0 = std::min(b.x0, p.x);
            b.y0 = std::min(b.y0, p.y);
            b.x1 = std::max(b.x1, p.x);
            b.y1 = std::max(b.y1, p.y);
        }
    return b;
}

IconPen::IconPen(int width, int height, float designWidth, float designHeight)
    : m_canvas(width, height),
      m_scale(std::min(static_cast<float>(width) / designWidth, static_cast<float>(height) / designHeight)) {}

Path IconPen::ToPixels(const Path& design) const { return design.Transformed(Affine::Scale(m_scale, m_scale)); }

Mask IconPen::Cover(const Path& design) const {
    return Rasterize(ToPixels(design), m_canvas.Width(), m_canvas.Height());
}

Paint IconPen::Linear(Point from, Point to, const Color& a, const Color& b) const {
    return Paint::Linear(At(from.x, from.y), At(to.x, to.y), {{0, a}, {1, b}});
}

Paint IconPen::Radial(Point centre, float r, const Color& inner, const Color& outer) const {
    const Point c = At(centre.x, centre.y);
    return Paint::Radial(c, r * m_scale, r * m_scale, {{0, inner}, {1, outer}});
}

void IconPen::Fill(const Path& design, const Paint& paint, float opacity) {
    m_canvas.Fill(Cover(design), paint, opacity);
}

void IconPen::Line(const Path& design, float width, const Color& color, Cap cap) {
    m_canvas.Fill(
        Rasterize(Stroke(ToPixels(design), std::max(width * m_scale, 0.9f), cap), m_canvas.Width(), m_canvas.Height()),
        color);
}

void IconPen::Solid(const Path& design, const Color& base, float outline) {
    const Bounds b = BoundsOf(design);
    Fill(design, Vertical(b.y0, b.y1, Lighter(base, 0.38f), Darker(base, 0.12f)));
    if (outline > 0) Outline(design, Darker(base, 0.5f), outline);
}

void IconPen::Sheen(const Path& design, float fromY, float toY, float strength) {
    m_canvas.Fill(Intersect(Cover(design), Cover(Path().Rect(-10, fromY, 100, toY - fromY))),
                  Vertical(fromY, toY, Color{1, 1, 1, strength}, Color{1, 1, 1, 0}));
}

Canvas IconPen::Finish(float shadow) const {
    Canvas out(m_canvas.Width(), m_canvas.Height());
    if (shadow > 0) {
        const float lift = std::max(1.0f, m_scale);
        out.Shadow(m_canvas.Alpha(), 0, lift, 0.8f * lift, Grey(0, shadow));
    }
    out.Draw(m_canvas);
    return out;
}

}  // namespace velpiners::artgen
