// Rasteriser, paints and canvas of the picture generator.
//
// Coverage: every pixel row is sampled on kSubRows horizontal lines; on each line the spans inside the
// path (non-zero winding) are accumulated with exact fractional coverage at their ends. That gives smooth
// edges in every direction without a per-pixel sample grid.
#include "tools/artgen/raster.h"

#include <algorithm>
#include <cmath>

namespace velpiners::artgen {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kSubRows = 16;

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

int SegmentsFor(float length) { return std::clamp(static_cast<int>(std::ceil(length * 1.5f)), 4, 400); }

float Distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

}  // namespace

Color Rgb(std::uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Color Grey(int level, float alpha) {
    const float v = static_cast<float>(level) / 255.0f;
    return {v, v, v, alpha};
}

Color Mix(const Color& a, const Color& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color Lighter(const Color& c, float t) { return Mix(c, Color{1, 1, 1, c.a}, t); }
Color Darker(const Color& c, float t) { return Mix(c, Color{0, 0, 0, c.a}, t); }

// ---- Affine ----

Affine Affine::Rotate(float degrees, float cx, float cy) {
    const float r = degrees * kPi / 180.0f;
    const Affine turn{std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
    return Translate(cx, cy).After(turn.After(Translate(-cx, -cy)));
}

Affine Affine::After(const Affine& first) const {
    return {a * first.a + c * first.b, b * first.a + d * first.b,     a * first.c + c * first.d,
            b * first.c + d * first.d, a * first.e + c * first.f + e, b * first.e + d * first.f + f};
}

// ---- Path ----

Path::Contour& Path::Current() {
    if (!m_open || m_contours.empty()) {
        m_contours.emplace_back();
        m_open = true;
    }
    return m_contours.back();
}

Path& Path::MoveTo(float x, float y) {
    m_contours.emplace_back();
    m_contours.back().points.push_back({x, y});
    m_open = true;
    return *this;
}

Path& Path::LineTo(float x, float y) {
    Current().points.push_back({x, y});
    return *this;
}

Path& Path::QuadTo(float cx, float cy, float x, float y) {
    Contour& c = Current();
    const Point p0 = c.points.empty() ? Point{cx, cy} : c.points.back();
    const int n = SegmentsFor(Distance(p0, {cx, cy}) + Distance({cx, cy}, {x, y}));
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(n);
        const float u = 1 - t;
        c.points.push_back({u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y});
    }
    return *this;
}

Path& Path::CubicTo(float c1x, float c1y, float c2x, float c2y, float x, float y) {
    Contour& c = Current();
    const Point p0 = c.points.empty() ? Point{c1x, c1y} : c.points.back();
    const int n =
        SegmentsFor(Distance(p0, {c1x, c1y}) + Distance({c1x, c1y}, {c2x, c2y}) + Distance({c2x, c2y}, {x, y}));
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(n);
        const float u = 1 - t;
        const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
        c.points.push_back({w0 * p0.x + w1 * c1x + w2 * c2x + w3 * x, w0 * p0.y + w1 * c1y + w2 * c2y + w3 * y});
    }
    return *this;
}

Path& Path::Arc(float cx, float cy, float rx, float ry, float a0, float a1) {
    Contour& c = Current();
    const float sweep = std::fabs(a1 - a0) * kPi / 180.0f;
    const int n = std::max(2, SegmentsFor(sweep * std::max(rx, ry)));
    for (int i = 0; i <= n; ++i) {
        const float a = (a0 + (a1 - a0) * static_cast<float>(i) / static_cast<float>(n)) * kPi / 180.0f;
        c.points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return *this;
}

Path& Path::Close() {
    if (m_open && !m_contours.empty()) m_contours.back().closed = true;
    m_open = false;
    return *this;
}

Path& Path::Rect(float x, float y, float w, float h) {
    return MoveTo(x, y).LineTo(x + w, y).LineTo(x + w, y + h).LineTo(x, y + h).Close();
}

Path& Path::RoundRect(float x, float y, float w, float h, float r) { return RoundRect(x, y, w, h, r, r, r, r); }

Path& Path::RoundRect(float x, float y, float w, float h, float tl, float tr, float br, float bl) {
    m_open = false;
    const float limit = std::min(w, h) / 2;
    tl = std::min(tl, limit);
    tr = std::min(tr, limit);
    br = std::min(br, limit);
    bl = std::min(bl, limit);
    m_contours.emplace_back();
    m_open = true;
    if (tr > 0)
        Arc(x + w - tr, y + tr, tr, tr, -90, 0);
    else
        LineTo(x + w, y);
    if (br > 0)
        Arc(x + w - br, y + h - br, br, br, 0, 90);
    else
        LineTo(x + w, y + h);
    if (bl > 0)
        Arc(x + bl, y + h - bl, bl, bl, 90, 180);
    else
        LineTo(x, y + h);
    if (tl > 0)
        Arc(x + tl, y + tl, tl, tl, 180, 270);
    else
        LineTo(x, y);
    return Close();
}

Path& Path::Ellipse(float cx, float cy, float rx, float ry) {
    m_open = false;
    m_contours.emplace_back();
    m_open = true;
    const int n = std::max(12, SegmentsFor(2 * kPi * std::max(rx, ry)));
    for (int i = 0; i < n; ++i) {
        const float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(n);
        m_contours.back().points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return Close();
}

Path& Path::Polygon(const std::vector<Point>& points) {
    m_open = false;
    m_contours.push_back({points, true});
    // Same turning sense as Ellipse and RoundRect, so overlapping shapes of one path unite.
    float area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % points.size()];
        area += a.x * b.y - b.x * a.y;
    }
    if (area < 0) std::reverse(m_contours.back().points.begin(), m_contours.back().points.end());
    return *this;
}

Path& Path::Star(float cx, float cy, float outer, float inner, int points, float rotation) {
    std::vector<Point> p;
    for (int i = 0; i < 2 * points; ++i) {
        const float r = (i % 2 == 0) ? outer : inner;
        const float a = (rotation - 90.0f + 180.0f * static_cast<float>(i) / static_cast<float>(points)) * kPi / 180.0f;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Polygon(p);
}

Path& Path::Add(const Path& other) {
    m_open = false;
    m_contours.insert(m_contours.end(), other.m_contours.begin(), other.m_contours.end());
    return *this;
}

Path Path::Transformed(const Affine& m) const {
    Path out = *this;
    out.m_open = false;
    for (Contour& c : out.m_contours)
        for (Point& p : c.points) p = m.Apply(p);
    return out;
}

Path Path::Reversed() const {
    Path out = *this;
    out.m_open = false;
    for (Contour& c : out.m_contours) std::reverse(c.points.begin(), c.points.end());
    return out;
}

// ---- Stroke ----

Path Stroke(const Path& centre, float width, Cap cap) {
    const float h = width / 2;
    Path out;
    for (const Path::Contour& c : centre.Contours()) {
        const std::size_t n = c.points.size();
        if (n == 0) continue;
        const std::size_t segments = c.closed ? n : n - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const Point a = c.points[i];
            const Point b = c.points[(i + 1) % n];
            const float len = Distance(a, b);
            if (len <= 1e-6f) continue;
            // Normal pointing to the right of a→b; the quad a+n, b+n, b−n, a−n is then always wound the same way.
            const float nx = -(b.y - a.y) / len * h;
            const float ny = (b.x - a.x) / len * h;
            out.Polygon({{a.x - nx, a.y - ny}, {b.x - nx, b.y - ny}, {b.x + nx, b.y + ny}, {a.x + nx, a.y + ny}});
        }
        for (std::size_t i = 0; i < n; ++i) {
            const bool end = !c.closed && (i == 0 || i == n - 1);
            if (end && cap == Cap::kButt) continue;
            out.Circle(c.points[i].x, c.points[i].y, h);
        }
    }
    return out;
}

// ---- Rasteriser ----

Mask Rasterize(const Path& path, int width, int height) {
    struct Edge {
        float x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    float minY = 1e30f, maxY = -1e30f;
    for (const Path::Contour& c : path.Contours()) {
        const std::size_t n = c.points.size();
        if (n < 2) continue;
        for (std::size_t i = 0; i < n; ++i) {
            Point a = c.points[i];
            Point b = c.points[(i + 1) % n];
            if (a.y == b.y) continue;
            int dir = 1;
            if (a.y > b.y) {
                std::swap(a, b);
                dir = -1;
            }
            edges.push_back({a.x, a.y, b.x, b.y, dir});
            minY = std::min(minY, a.y);
            maxY = std::max(maxY, b.y);
        }
    }
    Mask mask(width, height);
    if (edges.empty()) return mask;
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });
    const int yStart = std::max(0, static_cast<int>(std::floor(minY)));
    const int yEnd = std::min(height, static_cast<int>(std::ceil(maxY)));
    std::vector<std::pair<float, int>> crossings;
    std::vector<float> row(static_cast<std::size_t>(width) + 1);
    const float weight = 1.0f / kSubRows;
    const float right = static_cast<float>(width);
    for (int y = yStart; y < yEnd; ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        for (int s = 0; s < kSubRows; ++s) {
            const float sy = static_cast<float>(y) + (static_cast<float>(s) + 0.5f) / kSubRows;
            crossings.clear();
            for (const Edge& e : edges) {
                if (e.y0 > sy) break;
                if (sy >= e.y1) continue;
                crossings.push_back({e.x0 + (sy - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
            }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                if (winding == 0) continue;
                const float xa = std::clamp(crossings[i].first, 0.0f, right);
                const float xb = std::clamp(crossings[i + 1].first, 0.0f, right);
                if (xb <= xa) continue;
                const int ia = static_cast<int>(xa);
                const int ib = static_cast<int>(xb);
                if (ia == ib) {
                    row[static_cast<std::size_t>(ia)] += (xb - xa) * weight;
                    continue;
                }
                row[static_cast<std::size_t>(ia)] += (static_cast<float>(ia + 1) - xa) * weight;
                for (int x = ia + 1; x < ib; ++x) row[static_cast<std::size_t>(x)] += weight;
                row[static_cast<std::size_t>(ib)] += (xb - static_cast<float>(ib)) * weight;
            }
        }
        for (int x = 0; x < width; ++x) mask.At(x, y) = Clamp01(row[static_cast<std::size_t>(x)]);
    }
    return mask;
}

// ---- Mask operations ----

namespace {
template <typename F>
Mask Combine(const Mask& a, const Mask& b, F f) {
    Mask out(a.Width(), a.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) out.At(x, y) = f(a.At(x, y), b.At(x, y));
    return out;
}
}  // namespace

Mask Union(const Mask& a, const Mask& b) {
    return Combine(a, b, [](float p, float q) { return p + q - p * q; });
}
Mask Intersect(const Mask& a, const Mask& b) {
    return Combine(a, b, [](float p, float q) { return p * q; });
}
Mask Subtract(const Mask& a, const Mask& b) {
    return Combine(a, b, [](float p, float q) { return p * (1 - q); });
}
Mask Scaled(const Mask& a, float factor) {
    return Combine(a, a, [factor](float p, float) { return Clamp01(p * factor); });
}

Mask Shifted(const Mask& a, int dx, int dy) {
    Mask out(a.Width(), a.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < a.Width() && sy < a.Height()) out.At(x, y) = a.At(sx, sy);
        }
    return out;
}

Mask Blurred(const Mask& a, float sigma) {
    if (sigma <= 0) return a;
    const int radius = static_cast<int>(std::ceil(sigma * 3));
    std::vector<float> kernel(static_cast<std::size_t>(2 * radius + 1));
    float sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const float v = std::exp(-static_cast<float>(i * i) / (2 * sigma * sigma));
        kernel[static_cast<std::size_t>(i + radius)] = v;
        sum += v;
    }
    for (float& v : kernel) v /= sum;
    const int w = a.Width(), h = a.Height();
    Mask pass(w, h), out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int i = -radius; i <= radius; ++i) {
                const int sx = x + i;
                if (sx >= 0 && sx < w) acc += a.At(sx, y) * kernel[static_cast<std::size_t>(i + radius)];
            }
            pass.At(x, y) = acc;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int i = -radius; i <= radius; ++i) {
                const int sy = y + i;
                if (sy >= 0 && sy < h) acc += pass.At(x, sy) * kernel[static_cast<std::size_t>(i + radius)];
            }
            out.At(x, y) = Clamp01(acc);
        }
    return out;
}

// ---- Paint ----

Paint Paint::Linear(Point from, Point to, std::vector<std::pair<float, Color>> stops) {
    Paint p(Kind::kLinear, std::move(stops));
    p.m_p0 = from;
    p.m_p1 = to;
    return p;
}

Paint Paint::Radial(Point centre, float rx, float ry, std::vector<std::pair<float, Color>> stops) {
    Paint p(Kind::kRadial, std::move(stops));
    p.m_p0 = centre;
    p.m_rx = rx;
    p.m_ry = ry;
    return p;
}

Color Paint::Lookup(float t) const {
    t = Clamp01(t);
    if (t <= m_stops.front().first) return m_stops.front().second;
    for (std::size_t i = 1; i < m_stops.size(); ++i) {
        if (t <= m_stops[i].first) {
            const float span = m_stops[i].first - m_stops[i - 1].first;
            return Mix(m_stops[i - 1].second, m_stops[i].second, span > 0 ? (t - m_stops[i - 1].first) / span : 1);
        }
    }
    return m_stops.back().second;
}

Color Paint::At(float x, float y) const {
    switch (m_kind) {
        case Kind::kSolid:
            return m_stops.front().second;
        case Kind::kLinear: {
            const float dx = m_p1.x - m_p0.x, dy = m_p1.y - m_p0.y;
            const float len2 = dx * dx + dy * dy;
            return Lookup(len2 > 0 ? ((x - m_p0.x) * dx + (y - m_p0.y) * dy) / len2 : 0);
        }
        case Kind::kRadial: {
            const float u = (x - m_p0.x) / m_rx, v = (y - m_p0.y) / m_ry;
            return Lookup(std::sqrt(u * u + v * v));
        }
    }
    return m_stops.front().second;
}

// ---- Canvas ----

void Canvas::Fill(const Mask& coverage, const Paint& paint, float opacity) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const float cov = coverage.At(x, y) * opacity;
            if (cov <= 0) continue;
            const Color c = paint.At(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            const float a = Clamp01(c.a) * cov;
            Pixel& p = At(x, y);
            p.r = c.r * a + p.r * (1 - a);
            p.g = c.g * a + p.g * (1 - a);
            p.b = c.b * a + p.b * (1 - a);
            p.a = a + p.a * (1 - a);
        }
}

void Canvas::Shadow(const Mask& shape, float dx, float dy, float sigma, const Color& color) {
    const Mask soft =
        Blurred(Shifted(shape, static_cast<int>(std::lround(dx)), static_cast<int>(std::lround(dy))), sigma);
    Fill(soft, color);
}

void Canvas::Draw(const Canvas& source, int dx, int dy, float opacity) {
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) {
            const int tx = x + dx, ty = y + dy;
            if (tx < 0 || ty < 0 || tx >= m_width || ty >= m_height) continue;
            const Pixel& s = source.At(x, y);
            Pixel& p = At(tx, ty);
            const float k = 1 - s.a * opacity;
            p.r = s.r * opacity + p.r * k;
            p.g = s.g * opacity + p.g * k;
            p.b = s.b * opacity + p.b * k;
            p.a = s.a * opacity + p.a * k;
        }
}

void Canvas::Clip(const Mask& keep) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const float k = keep.At(x, y);
            Pixel& p = At(x, y);
            p.r *= k;
            p.g *= k;
            p.b *= k;
            p.a *= k;
        }
}

Mask Canvas::Alpha() const {
    Mask m(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) m.At(x, y) = At(x, y).a;
    return m;
}

// ---- Conversions ----

graphics::Picture ToPicture32(const Canvas& canvas) {
    graphics::Picture pic(canvas.Width(), canvas.Height(), 32);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Canvas::Pixel& p = canvas.At(x, y);
            std::uint8_t* out = pic.Pixel(x, y);
            const std::uint8_t a = ToByte(p.a);
            if (a == 0) continue;
            out[0] = ToByte(p.b / p.a);
            out[1] = ToByte(p.g / p.a);
            out[2] = ToByte(p.r / p.a);
            out[3] = a;
        }
    return pic;
}

graphics::Picture ToPicture24(const Canvas& canvas, const Color& background) {
    graphics::Picture pic(canvas.Width(), canvas.Height(), 24);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Canvas::Pixel& p = canvas.At(x, y);
            std::uint8_t* out = pic.Pixel(x, y);
            out[0] = ToByte(p.b + background.b * (1 - p.a));
            out[1] = ToByte(p.g + background.g * (1 - p.a));
            out[2] = ToByte(p.r + background.r * (1 - p.a));
        }
    return pic;
}

std::vector<std::uint8_t> ToGreyLevels(const Mask& mask, int peak) {
    std::vector<std::uint8_t> levels(static_cast<std::size_t>(mask.Width()) * static_cast<std::size_t>(mask.Height()));
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.Width()) + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(std::lround(Clamp01(mask.At(x, y)) * static_cast<float>(peak)));
    return levels;
}

graphics::Picture GreyPicture(int width, int height, const std::vector<std::uint8_t>& levels) {
    graphics::Picture pic(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v =
                levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            std::uint8_t* out = pic.Pixel(x, y);
            out[0] = out[1] = out[2] = v;
        }
    return pic;
}

}  // namespace velpiners::artgen
