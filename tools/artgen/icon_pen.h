// Drawing helpers for small pictures designed on a 48 × 48 grid and rendered at any size: shaded
// shapes with outlines, strokes, gradients in design units, and a soft drop shadow at the end.
#pragma once

#include "tools/artgen/raster.h"

namespace velpiners::artgen {

class IconPen {
public:
    IconPen(int width, int height, float designWidth = 48, float designHeight = 48);
    explicit IconPen(int size) : IconPen(size, size) {}

    [[nodiscard]] float Scale() const { return m_scale; }
    [[nodiscard]] Path ToPixels(const Path& design) const;
    [[nodiscard]] Mask Cover(const Path& design) const;
    [[nodiscard]] Point At(float x, float y) const { return {x * m_scale, y * m_scale}; }

    // Gradients in design units.
    [[nodiscard]] Paint Linear(Point from, Point to, const Color& a, const Color& b) const;
    [[nodiscard]] Paint Vertical(float y0, float y1, const Color& a, const Color& b) const {
        return Linear({0, y0}, {0, y1}, a, b);
    }
    [[nodiscard]] Paint Radial(Point centre, float r, const Color& inner, const Color& outer) const;

    void Fill(const Path& design, const Paint& paint, float opacity = 1.0f);
    void Fill(const Mask& mask, const Paint& paint, float opacity = 1.0f) { m_canvas.Fill(mask, paint, opacity); }
    void Line(const Path& design, float width, const Color& color, Cap cap = Cap::kRound);
    // A shape lit from above: a vertical gradient from a lighter to a darker shade of `base` over the
    // shape's own height, and an outline in a dark shade.
    void Solid(const Path& design, const Color& base, float outline = 1.6f);
    // The shape's outline only.
    void Outline(const Path& design, const Color& color, float width = 1.6f) { Line(design, width, color); }
    // A soft white sheen over the upper part of a shape.
    void Sheen(const Path& design, float fromY, float toY, float strength = 0.45f);

    Canvas& Surface() { return m_canvas; }
    // The finished picture with a soft shadow below it.
    [[nodiscard]] Canvas Finish(float shadow = 0.32f) const;

private:
    Canvas m_canvas;
    float m_scale;
};

// Bounding box of a path's points: {min x, min y, max x, max y}.
struct Bounds {
    float x0, y0, x1, y1;
};
Bounds BoundsOf(const Path& path);

}  // namespace velpiners::artgen
