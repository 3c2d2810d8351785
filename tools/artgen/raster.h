// The small raster library the picture generator draws with: vector paths (flattened to polygons),
// coverage masks from an anti-aliasing scanline rasteriser, strokes, paints (solid, linear and radial
// gradients), a premultiplied RGBA float canvas, Gaussian blur for shadows, and the conversions to the
// program's Picture type.
//
// Coordinates are pixels with y pointing down; pixel (x, y) covers [x, x + 1) × [y, y + 1). Everything is
// plain float arithmetic in a fixed order, so the same program always produces the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/picture.h"

namespace velpiners::artgen {

struct Point {
    float x = 0;
    float y = 0;
};

// A straight (not premultiplied) colour, every channel 0..1.
struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB as written in colour charts, with an optional opacity.
Color Rgb(std::uint32_t rgb, float alpha = 1.0f);
Color Grey(int level, float alpha = 1.0f);
Color Mix(const Color& a, const Color& b, float t);
Color Lighter(const Color& c, float t);  // towards white by t
Color Darker(const Color& c, float t);   // towards black by t

// Affine map: x' = a·x + c·y + e, y' = b·x + d·y + f.
struct Affine {
    float a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    static Affine Translate(float dx, float dy) { return {1, 0, 0, 1, dx, dy}; }
    static Affine Scale(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine Rotate(float degrees, float cx = 0, float cy = 0);
    [[nodiscard]] Point Apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // This map applied after `first`.
    [[nodiscard]] Affine After(const Affine& first) const;
};

// Polylines, already flattened. Filled paths treat every contour as closed and use the non-zero rule,
// so a contour drawn the other way round cuts a hole.
class Path {
public:
    Path& MoveTo(float x, float y);
    Path& LineTo(float x, float y);
    Path& QuadTo(float cx, float cy, float x, float y);
    Path& CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y);
    // Elliptic arc around (cx, cy) from angle a0 to a1 in degrees (0 = +x, 90 = +y, so clockwise on
    // screen); starts a new contour when none is open, else continues the open one with a line.
    Path& Arc(float cx, float cy, float rx, float ry, float a0, float a1);
    Path& Close();

    Path& Rect(float x, float y, float w, float h);
    Path& RoundRect(float x, float y, float w, float h, float r);
    Path& RoundRect(float x, float y, float w, float h, float rTopLeft, float rTopRight, float rBottomRight,
                    float rBottomLeft);
    Path& Ellipse(float cx, float cy, float rx, float ry);
    Path& Circle(float cx, float cy, float r) { return Ellipse(cx, cy, r, r); }
    // Polygons, ellipses and rounded rectangles all turn clockwise on screen, so they unite when
    // combined in one path; Reversed() makes a hole.
    Path& Polygon(const std::vector<Point>& points);
    // A regular star with `points` tips; rotation 0 puts a tip straight up.
    Path& Star(float cx, float cy, float outer, float inner, int points, float rotation = 0);
    // Appends every contour of another path.
    Path& Add(const Path& other);

    [[nodiscard]] Path Transformed(const Affine& m) const;
    [[nodiscard]] Path Reversed() const;  // every contour the other way round (a hole when added)

    struct Contour {
        std::vector<Point> points;
        bool closed = false;
    };
    [[nodiscard]] const std::vector<Contour>& Contours() const { return m_contours; }

private:
    Contour& Current();
    std::vector<Contour> m_contours;
    bool m_open = false;
};

// Outline of a stroke along every contour of `centre` (round joins; round or flat ends).
enum class Cap { kRound, kButt };
Path Stroke(const Path& centre, float width, Cap cap = Cap::kRound);

// Per-pixel coverage 0..1.
class Mask {
public:
    Mask() = default;
    Mask(int width, int height, float value = 0)
        : m_width(width),
          m_height(height),
          m_values(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), value) {}
    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] float At(int x, int y) const {
        return m_values[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
    }
    float& At(int x, int y) {
        return m_values[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_values;
};

Mask Rasterize(const Path& path, int width, int height);
Mask Union(const Mask& a, const Mask& b);
Mask Intersect(const Mask& a, const Mask& b);
Mask Subtract(const Mask& a, const Mask& b);
Mask Scaled(const Mask& a, float factor);
Mask Shifted(const Mask& a, int dx, int dy);
Mask Blurred(const Mask& a, float sigma);

// Where colour comes from: one colour, or a gradient whose stops (position 0..1, colour) are sorted.
class Paint {
public:
    Paint(const Color& c) : m_kind(Kind::kSolid), m_stops{{0.0f, c}} {}  // NOLINT: a colour is a paint
    static Paint Linear(Point from, Point to, std::vector<std::pair<float, Color>> stops);
    static Paint Radial(Point centre, float rx, float ry, std::vector<std::pair<float, Color>> stops);
    [[nodiscard]] Color At(float x, float y) const;

private:
    enum class Kind { kSolid, kLinear, kRadial };
    Paint(Kind kind, std::vector<std::pair<float, Color>> stops) : m_kind(kind), m_stops(std::move(stops)) {}
    [[nodiscard]] Color Lookup(float t) const;
    Kind m_kind;
    std::vector<std::pair<float, Color>> m_stops;
    Point m_p0, m_p1;
    float m_rx = 1, m_ry = 1;
};

// Premultiplied RGBA, channels 0..1.
class Canvas {
public:
    struct Pixel {
        float r = 0, g = 0, b = 0, a = 0;
    };
    Canvas() = default;
    Canvas(int width, int height)
        : m_width(width),
          m_height(height),
          m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}
    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] const Pixel& At(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
    }
    Pixel& At(int x, int y) {
        return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
    }

    // Source-over of the paint through the coverage mask.
    void Fill(const Mask& coverage, const Paint& paint, float opacity = 1.0f);
    void Fill(const Path& path, const Paint& paint, float opacity = 1.0f) {
        Fill(Rasterize(path, m_width, m_height), paint, opacity);
    }
    void FillAll(const Paint& paint) { Fill(Mask(m_width, m_height, 1.0f), paint); }
    // A soft shadow of `shape`: blurred, moved and drawn in `color` below whatever comes next.
    void Shadow(const Mask& shape, float dx, float dy, float sigma, const Color& color);
    // Source-over of another canvas placed at (dx, dy).
    void Draw(const Canvas& source, int dx = 0, int dy = 0, float opacity = 1.0f);
    // Keeps only what lies inside the mask.
    void Clip(const Mask& keep);
    [[nodiscard]] Mask Alpha() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

// 32-bit picture with straight alpha (fully transparent pixels are 0, 0, 0, 0).
graphics::Picture ToPicture32(const Canvas& canvas);
// 24-bit picture of the canvas over an opaque background colour.
graphics::Picture ToPicture24(const Canvas& canvas, const Color& background);
// One grey level per pixel: coverage × peak, rounded.
std::vector<std::uint8_t> ToGreyLevels(const Mask& mask, int peak);
// 24-bit picture whose three channels hold the grey levels.
graphics::Picture GreyPicture(int width, int height, const std::vector<std::uint8_t>& levels);

}  // namespace velpiners::artgen
