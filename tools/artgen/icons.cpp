// The 34 sticker icons "BITMAP_0" … "BITMAP_33" (picture numbers 1–34): 32-bit pictures with straight
// alpha, each one motif drawn on a 48-unit grid and rendered at its own size.
#include <functional>
#include <string>

#include "tools/artgen/catalog.h"
#include "tools/artgen/icon_pen.h"

namespace velpiners::artgen {

namespace {

const Color kRed = Rgb(0xE53935);
const Color kBlue = Rgb(0x1E88E5);
const Color kGreen = Rgb(0x43A047);
const Color kGold = Rgb(0xFFC107);
const Color kOrange = Rgb(0xFB8C00);
const Color kPurple = Rgb(0x7E57C2);
const Color kBrown = Rgb(0x8D5524);
const Color kSteel = Rgb(0x90A4AE);
const Color kInk = Rgb(0x37474F);
const Color kWhite = Rgb(0xFAFAFA);
const Color kPaper = Rgb(0xFFFDF5);

Path Poly(std::initializer_list<Point> p) { return Path().Polygon(p); }

void Note(IconPen& p) {
    const Color yellow = Rgb(0xFFE066);
    Path sheet;
    sheet.MoveTo(6, 7).LineTo(42, 7).LineTo(42, 31).LineTo(31, 42).LineTo(6, 42).Close();
    p.Solid(sheet, yellow, 1.4f);
    p.Fill(Path().Rect(6.8f, 7.8f, 34.4f, 5), Darker(yellow, 0.12f));
    for (float y : {19.0f, 25.0f, 31.0f})
        p.Line(Path().MoveTo(12, y).LineTo(y > 30 ? 26 : 36, y), 1.8f, Rgb(0x8A7020, 0.7f));
    Path fold;
    fold.MoveTo(42, 31).LineTo(33, 33).LineTo(31, 42).Close();
    p.Fill(fold, p.Linear({31, 42}, {38, 34}, Rgb(0xFFF3B0), Darker(yellow, 0.2f)));
    p.Outline(fold, Darker(yellow, 0.5f), 1.2f);
}

void Pin(IconPen& p) {
    p.Line(Path().MoveTo(21, 27).LineTo(6, 42), 2.6f, Rgb(0x9E9E9E));
    p.Line(Path().MoveTo(21, 27).LineTo(12, 36), 1.0f, Rgb(0xE0E0E0));
    Path collar = Path().Ellipse(23.5f, 24.5f, 8, 5).Transformed(Affine::Rotate(-45, 23.5f, 24.5f));
    p.Solid(collar, Darker(kRed, 0.25f), 1.4f);
    Path head = Path().Circle(30, 17, 12);
    p.Fill(head, p.Radial({26, 13}, 16, Lighter(kRed, 0.45f), Darker(kRed, 0.2f)));
    p.Outline(head, Darker(kRed, 0.55f), 1.4f);
    p.Fill(Path().Ellipse(25.5f, 12.5f, 4.5f, 3).Transformed(Affine::Rotate(-35, 25.5f, 12.5f)), Color{1, 1, 1, 0.75f});
}

void StarIcon(IconPen& p) {
    Path star = Path().Star(24, 25.5f, 22, 9.5f, 5);
    p.Fill(star, p.Vertical(4, 44, Rgb(0xFFE082), Rgb(0xFFA000)));
    p.Sheen(star, 4, 24, 0.35f);
    p.Outline(star, Rgb(0xB26A00), 1.5f);
}

Path HeartPath() {
    Path h;
    h.MoveTo(24, 43)
        .CubicTo(10, 33, 4, 25, 4, 16)
        .CubicTo(4, 9, 9, 5, 15, 5)
        .CubicTo(19, 5, 22, 7, 24, 11)
        .CubicTo(26, 7, 29, 5, 33, 5)
        .CubicTo(39, 5, 44, 9, 44, 16)
        .CubicTo(44, 25, 38, 33, 24, 43)
        .Close();
    return h;
}

void Heart(IconPen& p) {
    const Path heart = HeartPath();
    p.Fill(heart, p.Radial({17, 14}, 34, Rgb(0xFF6F6F), Rgb(0xC62828)));
    p.Outline(heart, Rgb(0x7F1010), 1.5f);
    p.Fill(Path().Ellipse(14, 13, 5, 3.2f).Transformed(Affine::Rotate(-35, 14, 13)), Color{1, 1, 1, 0.7f});
}

void Warning(IconPen& p) {
    const Path tri = Poly({{24, 6}, {44, 41}, {4, 41}});
    Path rounded = Stroke(tri, 6);
    rounded.Add(tri);
    p.Fill(Stroke(tri, 9), Rgb(0x8A5A00));
    p.Fill(rounded, p.Vertical(3, 44, Rgb(0xFFE57F), Rgb(0xFFB300)));
    p.Fill(Path().RoundRect(21.5f, 15, 5, 16, 2.5f), Rgb(0x212121));
    p.Fill(Path().Circle(24, 36, 2.8f), Rgb(0x212121));
}

void RoundBadge(IconPen& p, const Color& base) {
    Path disc = Path().Circle(24, 24, 20);
    p.Fill(disc, p.Radial({19, 15}, 30, Lighter(base, 0.35f), Darker(base, 0.25f)));
    p.Outline(disc, Darker(base, 0.55f), 1.5f);
    p.Sheen(Path().Ellipse(24, 15, 14, 9), 6, 24, 0.35f);
}

void Info(IconPen& p) {
    RoundBadge(p, kBlue);
    p.Fill(Path().Circle(24, 13.5f, 3.3f), kWhite);
    p.Fill(
        Path().RoundRect(21, 19.5f, 6, 17, 1.5f).RoundRect(18, 34, 12, 3.5f, 1.5f).RoundRect(18, 19.5f, 7, 3.5f, 1.5f),
        kWhite);
}

void Question(IconPen& p) {
    RoundBadge(p, kPurple);
    p.Line(Path().MoveTo(17.5f, 18).CubicTo(17.5f, 10.5f, 30.5f, 10, 30.5f, 17.5f).CubicTo(30.5f, 23, 24, 23, 24, 29),
           5, kWhite);
    p.Fill(Path().Circle(24, 36, 3.2f), kWhite);
}

void Check(IconPen& p) {
    const Path tick = Path().MoveTo(8, 25).LineTo(19, 36).LineTo(40, 12);
    p.Line(tick, 11, Rgb(0x1B5E20));
    p.Surface().Fill(Rasterize(Stroke(p.ToPixels(tick), 8 * p.Scale()), p.Surface().Width(), p.Surface().Height()),
                     p.Vertical(10, 40, Rgb(0x9CCC65), Rgb(0x388E3C)));
}

void ClockIcon(IconPen& p) {
    Path rim = Path().Circle(24, 24, 21);
    p.Fill(rim, p.Vertical(3, 45, Rgb(0x90CAF9), Rgb(0x1565C0)));
    p.Outline(rim, Rgb(0x0D3C78), 1.4f);
    Path face = Path().Circle(24, 24, 16.5f);
    p.Fill(face, p.Radial({24, 20}, 20, kWhite, Rgb(0xE3E7EA)));
    p.Outline(face, Rgb(0x0D3C78, 0.6f), 1.0f);
    for (int i = 0; i < 12; ++i) {
        const float len = (i % 3 == 0) ? 4.0f : 2.2f;
        Path tick = Path()
                        .MoveTo(24, 9.5f)
                        .LineTo(24, 9.5f + len)
                        .Transformed(Affine::Rotate(30.0f * static_cast<float>(i), 24, 24));
        p.Line(tick, i % 3 == 0 ? 2.2f : 1.4f, kInk, Cap::kButt);
    }
    p.Line(Path().MoveTo(24, 24).LineTo(24, 12), 2.6f, kInk);           // minutes
    p.Line(Path().MoveTo(24, 24).LineTo(16.5f, 19.5f), 3.2f, kInk);     // hours
    p.Line(Path().MoveTo(24, 24).LineTo(32, 33), 1.2f, Rgb(0xE53935));  // seconds
    p.Fill(Path().Circle(24, 24, 2.2f), Rgb(0xE53935));
}

void Bell(IconPen& p) {
    for (float side : {-1.0f, 1.0f}) {
        Path wave;
        wave.Arc(24, 22, 21, 19, side < 0 ? 200 : -20, side < 0 ? 230 : -50);
        p.Line(wave, 2.2f, Rgb(0xFFB300));
    }
    p.Fill(Path().Circle(24, 40.5f, 4.2f), p.Vertical(36, 45, Rgb(0xFFD54F), Rgb(0xB26A00)));
    p.Outline(Path().Circle(24, 40.5f, 4.2f), Rgb(0x7A4A00), 1.2f);
    Path bell;
    bell.MoveTo(24, 7)
        .CubicTo(15, 7, 13, 14, 13, 22)
        .LineTo(13, 29)
        .CubicTo(13, 32, 9, 34, 7, 37)
        .LineTo(41, 37)
        .CubicTo(39, 34, 35, 32, 35, 29)
        .LineTo(35, 22)
        .CubicTo(35, 14, 33, 7, 24, 7)
        .Close();
    p.Fill(bell, p.Linear({10, 0}, {40, 0}, Rgb(0xFFE082), Rgb(0xE09000)));
    p.Sheen(bell, 7, 22, 0.3f);
    p.Outline(bell, Rgb(0x7A4A00), 1.5f);
    p.Fill(Path().RoundRect(7, 35, 34, 3.6f, 1.8f), Rgb(0xE8A000));
    p.Outline(Path().RoundRect(7, 35, 34, 3.6f, 1.8f), Rgb(0x7A4A00), 1.2f);
    p.Fill(Path().Circle(24, 6, 2.8f), Rgb(0xE8A000));
    p.Outline(Path().Circle(24, 6, 2.8f), Rgb(0x7A4A00), 1.2f);
}

void Calendar(IconPen& p) {
    Path page = Path().RoundRect(5, 9, 38, 35, 4);
    p.Fill(page, p.Vertical(9, 44, kWhite, Rgb(0xE0E4E8)));
    Path head = Path().RoundRect(5, 9, 38, 11, 4, 4, 0, 0);
    p.Fill(head, p.Vertical(9, 20, Lighter(kRed, 0.2f), Darker(kRed, 0.15f)));
    p.Outline(page, Rgb(0x546E7A), 1.4f);
    for (float x : {15.0f, 33.0f}) {
        p.Fill(Path().Circle(x, 14.5f, 2.2f), Darker(kRed, 0.5f));
        p.Fill(Path().RoundRect(x - 1.6f, 5, 3.2f, 10, 1.6f),
               p.Linear({x - 2, 0}, {x + 2, 0}, Rgb(0xCFD8DC), Rgb(0x607D8B)));
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col) {
            const float x = 9.5f + static_cast<float>(col) * 6.0f, y = 24.0f + static_cast<float>(row) * 6.3f;
            const bool today = row == 1 && col == 3;
            p.Fill(Path().RoundRect(x, y, 4.6f, 4.2f, 0.8f), today ? kRed : Rgb(0x90A4AE));
        }
}

void Telephone(IconPen& p) {
    const Color body = Rgb(0xC62828);
    Path base;
    base.MoveTo(7, 42)
        .LineTo(12, 25)
        .CubicTo(13, 22, 15, 21, 18, 21)
        .LineTo(30, 21)
        .CubicTo(33, 21, 35, 22, 36, 25)
        .LineTo(41, 42)
        .Close();
    p.Solid(base, body, 1.5f);
    Path handset;
    handset.MoveTo(4, 17)
        .CubicTo(4, 8, 14, 6, 24, 6)
        .CubicTo(34, 6, 44, 8, 44, 17)
        .LineTo(44, 19)
        .LineTo(35, 20)
        .LineTo(33.5f, 14.5f)
        .CubicTo(29, 13.2f, 19, 13.2f, 14.5f, 14.5f)
        .LineTo(13, 20)
        .LineTo(4, 19)
        .Close();
    p.Solid(handset, Darker(body, 0.1f), 1.5f);
    p.Fill(Path().Circle(24, 31.5f, 7), p.Radial({22, 29}, 9, kWhite, Rgb(0xCFD8DC)));
    p.Outline(Path().Circle(24, 31.5f, 7), Darker(body, 0.5f), 1.1f);
    for (int i = 0; i < 8; ++i) {
        const Point c = Affine::Rotate(36.0f * static_cast<float>(i) - 60, 24, 31.5f).Apply({24, 27});
        p.Fill(Path().Circle(c.x, c.y, 1.1f), Rgb(0x455A64));
    }
    p.Fill(Path().Circle(24, 31.5f, 1.8f), Darker(body, 0.2f));
}

void Envelope(IconPen& p) {
    Path body = Path().RoundRect(4, 11, 40, 28, 2.5f);
    p.Fill(body, p.Vertical(11, 39, kWhite, Rgb(0xDDE3E8)));
    p.Line(Path().MoveTo(5, 38).LineTo(19, 25).MoveTo(43, 38).LineTo(29, 25), 1.2f, Rgb(0x90A4AE));
    Path flap;
    flap.MoveTo(4.5f, 12).LineTo(24, 28).LineTo(43.5f, 12).Close();
    p.Fill(flap, p.Vertical(12, 28, Rgb(0xECEFF1), Rgb(0xC5CDD3)));
    p.Outline(flap, Rgb(0x607D8B), 1.3f);
    p.Outline(body, Rgb(0x455A64), 1.5f);
    p.Fill(Path().Circle(24, 27, 3.6f), p.Radial({23, 26}, 4, Rgb(0xEF5350), Rgb(0xB71C1C)));
}

void House(IconPen& p) {
    p.Solid(Path().Rect(31, 8, 6, 12), Rgb(0x8D6E63), 1.3f);
    p.Solid(Path().Rect(10, 21, 28, 22), Rgb(0xF5DEB3), 1.5f);
    p.Solid(Path().RoundRect(14, 28, 9, 15, 1.5f, 1.5f, 0, 0), Rgb(0x8D5524), 1.2f);
    p.Fill(Path().Circle(21, 36, 0.9f), kGold);
    Path window = Path().Rect(27, 27, 7, 7);
    p.Fill(window, p.Vertical(27, 34, Rgb(0xB3E5FC), Rgb(0x4FC3F7)));
    p.Outline(window, Rgb(0x5D4037), 1.2f);
    p.Line(Path().MoveTo(30.5f, 27).LineTo(30.5f, 34).MoveTo(27, 30.5f).LineTo(34, 30.5f), 1.0f, Rgb(0x5D4037),
           Cap::kButt);
    Path roof;
    roof.MoveTo(2, 24).LineTo(24, 5).LineTo(46, 24).LineTo(41, 25).LineTo(24, 11).LineTo(7, 25).Close();
    p.Solid(roof, Rgb(0xD84315), 1.5f);
}

void Briefcase(IconPen& p) {
    p.Line(Path().RoundRect(17, 7, 14, 12, 3), 3.2f, Rgb(0x4E342E));
    Path body = Path().RoundRect(4, 15, 40, 28, 4);
    p.Solid(body, kBrown, 1.5f);
    p.Line(Path().MoveTo(5, 26).LineTo(43, 26), 1.4f, Darker(kBrown, 0.45f), Cap::kButt);
    p.Sheen(body, 15, 25, 0.25f);
    p.Solid(Path().RoundRect(20.5f, 23, 7, 6, 1.2f), kGold, 1.1f);
}

void Cart(IconPen& p) {
    const Color frame = Rgb(0x1565C0);
    Path basket = Poly({{11, 13}, {44, 13}, {40, 31}, {15, 31}});
    p.Fill(basket, p.Vertical(13, 31, Rgb(0xBBDEFB), Rgb(0x64B5F6)));
    for (float x : {19.0f, 26.0f, 33.0f})
        p.Line(Path().MoveTo(x + 0.5f, 13).LineTo(x - 0.5f + (x - 26) * 0.12f, 31), 1.1f,
               Color{frame.r, frame.g, frame.b, 0.6f});
    p.Line(Path().MoveTo(12.5f, 22).LineTo(42, 22), 1.1f, Color{frame.r, frame.g, frame.b, 0.6f});
    p.Line(Path().MoveTo(3, 7).LineTo(9, 7).LineTo(15, 31).LineTo(40, 31).LineTo(44, 13).LineTo(11, 13), 3, frame);
    p.Line(Path().MoveTo(15, 31).LineTo(13, 36).LineTo(40, 36), 2.6f, frame);
    for (float x : {16.0f, 37.0f}) {
        p.Fill(Path().Circle(x, 40.5f, 4), Rgb(0x263238));
        p.Fill(Path().Circle(x, 40.5f, 1.6f), Rgb(0xB0BEC5));
    }
}

void Coins(IconPen& p) {
    const Color gold = Rgb(0xFFCA28);
    const Color edge = Rgb(0x9A6B00);
    for (int i = 0; i < 4; ++i) {
        const float y = 37.0f - static_cast<float>(i) * 6.5f;
        Path side;
        side.MoveTo(8, y).LineTo(8, y + 5).Arc(24, y + 5, 16, 5.5f, 180, 0).LineTo(40, y).Close();
        p.Fill(side, p.Linear({8, 0}, {40, 0}, Rgb(0xFFB300), Rgb(0xC68400)));
        p.Outline(side, edge, 1.2f);
        Path top = Path().Ellipse(24, y, 16, 5.5f);
        p.Fill(top, p.Vertical(y - 5.5f, y + 5.5f, Rgb(0xFFF176), gold));
        p.Outline(top, edge, 1.2f);
        p.Outline(Path().Ellipse(24, y, 11, 3.5f), Color{edge.r, edge.g, edge.b, 0.55f}, 1.0f);
    }
}

void Gift(IconPen& p) {
    const Color box = Rgb(0xD32F2F);
    const Color ribbon = Rgb(0xFFD54F);
    for (float side : {-1.0f, 1.0f}) {
        Path loop =
            Path().Ellipse(24 + side * 7, 10, 7.5f, 4.5f).Transformed(Affine::Rotate(side * -25, 24 + side * 7, 10));
        p.Fill(loop, ribbon);
        p.Outline(loop, Rgb(0xA66F00), 1.4f);
        p.Fill(
            Path().Ellipse(24 + side * 7, 10.5f, 3.5f, 1.6f).Transformed(Affine::Rotate(side * -25, 24 + side * 7, 10)),
            Rgb(0xC48A00));
    }
    p.Solid(Path().Rect(8, 22, 32, 21), box, 1.5f);
    p.Solid(Path().RoundRect(5, 15, 38, 8, 1.5f), Lighter(box, 0.1f), 1.5f);
    p.Fill(Path().Rect(21, 15, 6, 28), p.Linear({21, 0}, {27, 0}, Rgb(0xFFE082), Rgb(0xF9A825)));
    p.Outline(Path().Rect(21, 15, 6, 28), Rgb(0xA66F00), 1.0f);
    p.Fill(Path().Circle(24, 14, 3.2f), ribbon);
    p.Outline(Path().Circle(24, 14, 3.2f), Rgb(0xA66F00), 1.2f);
}

void Cake(IconPen& p) {
    p.Fill(Path().Ellipse(24, 41, 21, 4.5f), p.Vertical(36, 46, kWhite, Rgb(0xB0BEC5)));
    p.Outline(Path().Ellipse(24, 41, 21, 4.5f), Rgb(0x78909C), 1.1f);
    Path body;
    body.MoveTo(8, 25).LineTo(8, 37).Arc(24, 37, 16, 4.5f, 180, 0).LineTo(40, 25).Close();
    p.Fill(body, p.Linear({8, 0}, {40, 0}, Rgb(0xA1887F), Rgb(0x6D4C41)));
    p.Fill(Path().Rect(8, 30, 32, 2.5f), Rgb(0xF8BBD0));
    p.Outline(body, Rgb(0x3E2723), 1.3f);
    Path icing;
    icing.Arc(24, 25, 16, 4.5f, 180, 360)
        .LineTo(40, 28)
        .CubicTo(38, 31, 36, 31, 35, 28)
        .CubicTo(33, 32, 29, 32, 28, 29)
        .CubicTo(26, 31.5f, 22, 31.5f, 20, 29)
        .CubicTo(18, 32, 14, 32, 13, 28.5f)
        .CubicTo(11, 31, 9, 30, 8, 28)
        .Close();
    p.Fill(icing, p.Vertical(20, 31, Rgb(0xFFFFFF), Rgb(0xF8BBD0)));
    p.Outline(icing, Rgb(0xC2185B, 0.8f), 1.1f);
    p.Fill(Path().RoundRect(22, 10, 4, 14, 1), p.Linear({22, 0}, {26, 0}, Rgb(0x90CAF9), Rgb(0x1E88E5)));
    p.Outline(Path().RoundRect(22, 10, 4, 14, 1), Rgb(0x0D47A1), 1.0f);
    Path flame;
    flame.MoveTo(24, 1.5f).CubicTo(27.5f, 5, 27.5f, 9, 24, 9.5f).CubicTo(20.5f, 9, 20.5f, 5, 24, 1.5f).Close();
    p.Fill(flame, p.Radial({24, 7}, 5, Rgb(0xFFF59D), Rgb(0xFF6F00)));
}

void MusicNote(IconPen& p) {
    const Color ink = Rgb(0x4527A0);
    Path shape;
    shape.Add(Path().Ellipse(13, 37, 7.5f, 5.2f).Transformed(Affine::Rotate(-22, 13, 37)));
    shape.Add(Path().Ellipse(35, 33, 7.5f, 5.2f).Transformed(Affine::Rotate(-22, 35, 33)));
    shape.Add(Path().Rect(17.8f, 11, 3, 26));
    shape.Add(Path().Rect(39.8f, 6, 3, 27));
    shape.Add(Poly({{17.8f, 11}, {42.8f, 4}, {42.8f, 11}, {17.8f, 18}}));
    p.Fill(Stroke(shape, 2.4f), Rgb(0xEDE7F6));
    p.Fill(shape, p.Vertical(4, 44, Lighter(ink, 0.3f), Darker(ink, 0.2f)));
    p.Fill(Path().Ellipse(11, 35, 2.6f, 1.4f).Transformed(Affine::Rotate(-22, 11, 35)), Color{1, 1, 1, 0.6f});
    p.Fill(Path().Ellipse(33, 31, 2.6f, 1.4f).Transformed(Affine::Rotate(-22, 33, 31)), Color{1, 1, 1, 0.6f});
}

void Film(IconPen& p) {
    Path board = Path().RoundRect(5, 19, 38, 24, 2);
    p.Solid(board, Rgb(0x37474F), 1.4f);
    p.Line(Path().MoveTo(10, 29).LineTo(38, 29).MoveTo(10, 35).LineTo(30, 35), 1.4f, Rgb(0xB0BEC5));
    const Affine tilt = Affine::Rotate(-12, 5, 17);
    Path bar = Path().Rect(5, 11, 38, 7).Transformed(tilt);
    p.Fill(bar, Rgb(0x263238));
    Path stripes;
    for (int i = 0; i < 5; ++i) {
        const float x = 7 + static_cast<float>(i) * 8;
        stripes.Add(Poly({{x, 11}, {x + 4, 11}, {x + 1, 18}, {x - 3, 18}}).Transformed(tilt));
    }
    p.Fill(Intersect(p.Cover(stripes), p.Cover(bar)), kWhite);
    p.Outline(bar, Rgb(0x102027), 1.3f);
    Path lower = Path().Rect(5, 18, 38, 4.5f);
    p.Fill(lower, Rgb(0x263238));
    Path lowerStripes;
    for (int i = 0; i < 5; ++i) {
        const float x = 9 + static_cast<float>(i) * 8;
        lowerStripes.Add(Poly({{x, 18}, {x + 4, 18}, {x + 2, 22.5f}, {x - 2, 22.5f}}));
    }
    p.Fill(Intersect(p.Cover(lowerStripes), p.Cover(lower)), kWhite);
    p.Outline(lower, Rgb(0x102027), 1.2f);
    p.Fill(Path().Circle(7, 18, 2), Rgb(0xB0BEC5));
}

void Camera(IconPen& p) {
    const Color body = Rgb(0x455A64);
    p.Solid(Path().RoundRect(15, 8, 16, 9, 2), Darker(body, 0.2f), 1.3f);
    p.Solid(Path().RoundRect(7, 10, 7, 4, 1), kRed, 1.1f);
    Path box = Path().RoundRect(3, 14, 42, 28, 5);
    p.Solid(box, body, 1.5f);
    p.Fill(Path().Rect(4, 21, 40, 13), Color{0, 0, 0, 0.18f});
    p.Fill(Path().Circle(24, 28, 11.5f), p.Vertical(16, 40, Rgb(0xCFD8DC), Rgb(0x546E7A)));
    p.Outline(Path().Circle(24, 28, 11.5f), Rgb(0x1C262B), 1.3f);
    p.Fill(Path().Circle(24, 28, 8), p.Radial({21, 25}, 10, Rgb(0x64B5F6), Rgb(0x0D1B2A)));
    p.Fill(Path().Circle(24, 28, 3.5f), Rgb(0x0B1520, 0.8f));
    p.Fill(Path().Ellipse(21, 24.5f, 2.5f, 1.6f), Color{1, 1, 1, 0.8f});
    p.Fill(Path().RoundRect(35, 17, 6, 4, 1), Rgb(0xFFF9C4));
}

void Book(IconPen& p) {
    const Color cover = Rgb(0x1565C0);
    Path back;
    back.MoveTo(2, 12).LineTo(24, 15).LineTo(46, 12).LineTo(46, 41).LineTo(24, 44).LineTo(2, 41).Close();
    p.Solid(back, cover, 1.4f);
    for (float side : {-1.0f, 1.0f}) {
        Path page;
        page.MoveTo(24, 13)
            .CubicTo(24 + side * 7, 8, 24 + side * 14, 8, 24 + side * 20, 9)
            .LineTo(24 + side * 20, 38)
            .CubicTo(24 + side * 14, 37, 24 + side * 7, 37, 24, 41)
            .Close();
        p.Fill(page, p.Linear({24, 0}, {24 + side * 20, 0}, Rgb(0xE0E0E0), kPaper));
        p.Outline(page, Rgb(0x78909C), 1.1f);
        for (int i = 0; i < 4; ++i) {
            const float y = 16 + static_cast<float>(i) * 5;
            p.Line(Path().MoveTo(24 + side * 5, y).LineTo(24 + side * 17, y - 0.5f), 1.0f, Rgb(0x90A4AE));
        }
    }
}

void Bulb(IconPen& p) {
    for (int i = 0; i < 5; ++i) {
        Path ray = Path().MoveTo(24, 2).LineTo(24, 5).Transformed(
            Affine::Rotate(-60.0f + 30.0f * static_cast<float>(i), 24, 19));
        p.Line(ray, 2, Rgb(0xFFB300));
    }
    Path glass;
    glass.MoveTo(17, 33)
        .CubicTo(17, 27, 11, 24.5f, 11, 18.5f)
        .CubicTo(11, 11, 17, 6, 24, 6)
        .CubicTo(31, 6, 37, 11, 37, 18.5f)
        .CubicTo(37, 24.5f, 31, 27, 31, 33)
        .Close();
    p.Fill(glass, p.Radial({22, 16}, 18, Rgb(0xFFFDE7), Rgb(0xFFD54F)));
    p.Line(Path()
               .MoveTo(20.5f, 32)
               .LineTo(20.5f, 23)
               .LineTo(22.5f, 20)
               .LineTo(24, 23)
               .LineTo(25.5f, 20)
               .LineTo(27.5f, 23)
               .LineTo(27.5f, 32),
           1.1f, Rgb(0xF57C00));
    p.Outline(glass, Rgb(0xB28704), 1.4f);
    p.Fill(Path().Ellipse(18.5f, 15, 2.6f, 4.5f).Transformed(Affine::Rotate(25, 18.5f, 15)), Color{1, 1, 1, 0.85f});
    for (int i = 0; i < 3; ++i) {
        const float y = 33 + static_cast<float>(i) * 3.2f;
        p.Solid(Path().RoundRect(17.5f + static_cast<float>(i) * 0.5f, y, 13 - static_cast<float>(i), 3.2f, 1.4f),
                kSteel, 1.0f);
    }
    p.Solid(Path().RoundRect(21, 42.2f, 6, 3, 1.5f), Rgb(0x546E7A), 0.9f);
}

void Key(IconPen& p) {
    const Affine tilt = Affine::Rotate(-40, 24, 24);
    Path key;
    key.Circle(13, 24, 10);
    key.Rect(21, 21.5f, 24, 5.5f);
    key.Rect(34, 25, 3.5f, 7).Rect(40, 25, 3.5f, 9);
    key.Add(Path().Circle(11, 24, 3.8f).Reversed());
    key = key.Transformed(tilt);
    p.Fill(key, p.Vertical(8, 40, Rgb(0xFFE082), Rgb(0xE09000)));
    p.Outline(key, Rgb(0x7A4A00), 1.5f);
}

void Padlock(IconPen& p) {
    p.Line(Path().MoveTo(15, 22).LineTo(15, 15).CubicTo(15, 4, 33, 4, 33, 15).LineTo(33, 22), 6.2f, Rgb(0x546E7A));
    p.Line(Path().MoveTo(15, 22).LineTo(15, 15).CubicTo(15, 4, 33, 4, 33, 15).LineTo(33, 22), 3.8f, Rgb(0xCFD8DC));
    Path body = Path().RoundRect(7, 20, 34, 24, 4);
    p.Fill(body, p.Vertical(20, 44, Rgb(0xFFE082), Rgb(0xE09000)));
    p.Sheen(body, 20, 30, 0.3f);
    p.Outline(body, Rgb(0x7A4A00), 1.5f);
    Path hole;
    hole.Circle(24, 29.5f, 3.6f);
    hole.Add(Poly({{22.4f, 30}, {25.6f, 30}, {26.6f, 38}, {21.4f, 38}}));
    p.Fill(hole, Rgb(0x3E2723));
}

void FlagIcon(IconPen& p) {
    p.Line(Path().MoveTo(10, 6).LineTo(10, 45), 3, Rgb(0x6D4C41));
    Path cloth;
    cloth.MoveTo(11.5f, 7)
        .CubicTo(18, 3.5f, 25, 10, 32, 7)
        .CubicTo(36, 5.5f, 40, 5, 44, 6)
        .LineTo(44, 27)
        .CubicTo(38, 26, 33, 30, 25, 29)
        .CubicTo(19, 28.5f, 16, 26, 11.5f, 28)
        .Close();
    p.Fill(cloth, p.Linear({11, 10}, {44, 20}, Rgb(0xEF5350), Rgb(0xB71C1C)));
    p.Sheen(cloth, 4, 16, 0.25f);
    p.Outline(cloth, Rgb(0x7F1010), 1.4f);
    p.Fill(Path().Circle(10, 5, 2.8f), kGold);
    p.Outline(Path().Circle(10, 5, 2.8f), Rgb(0x7A4A00), 1.0f);
}

void Fire(IconPen& p) {
    Path outer;
    outer.MoveTo(24, 45)
        .CubicTo(12, 45, 7, 37, 8, 29)
        .CubicTo(9, 21, 15, 17, 15, 9)
        .CubicTo(20, 12, 22, 17, 22, 21)
        .CubicTo(25, 17, 27, 11, 26, 3)
        .CubicTo(34, 9, 41, 18, 40, 30)
        .CubicTo(40, 39, 34, 45, 24, 45)
        .Close();
    p.Fill(outer, p.Vertical(3, 45, Rgb(0xFF7043), Rgb(0xD84315)));
    p.Outline(outer, Rgb(0x8C1D00), 1.4f);
    Path inner;
    inner.MoveTo(24, 44)
        .CubicTo(18, 44, 15, 40, 16, 35)
        .CubicTo(17, 30, 21, 28, 21, 23)
        .CubicTo(25, 26, 27, 30, 27, 33)
        .CubicTo(29, 31, 30, 29, 30, 27)
        .CubicTo(33, 31, 33, 36, 32, 39)
        .CubicTo(31, 42, 28, 44, 24, 44)
        .Close();
    p.Fill(inner, p.Vertical(23, 44, Rgb(0xFFF176), Rgb(0xFFA000)));
}

void Coffee(IconPen& p) {
    for (float x : {17.0f, 24.0f, 31.0f}) {
        Path steam;
        steam.MoveTo(x, 13).CubicTo(x - 3, 10, x + 3, 7, x, 3);
        p.Line(steam, 1.6f, Rgb(0x90A4AE, 0.8f));
    }
    p.Fill(Path().Ellipse(22, 42, 20, 4), p.Vertical(38, 46, kWhite, Rgb(0xB0BEC5)));
    p.Outline(Path().Ellipse(22, 42, 20, 4), Rgb(0x607D8B), 1.1f);
    p.Line(Path().Ellipse(37, 25, 6, 6.5f), 3.4f, Rgb(0x607D8B));
    p.Line(Path().Ellipse(37, 25, 6, 6.5f), 1.6f, kWhite);
    Path cup;
    cup.MoveTo(7, 16)
        .LineTo(37, 16)
        .LineTo(35, 35)
        .CubicTo(34, 39.5f, 31, 41, 28, 41)
        .LineTo(16, 41)
        .CubicTo(13, 41, 10, 39.5f, 9, 35)
        .Close();
    p.Fill(cup, p.Linear({7, 0}, {37, 0}, kWhite, Rgb(0xCFD8DC)));
    p.Fill(Path().Rect(8, 24, 28.5f, 5), kRed);
    p.Outline(cup, Rgb(0x607D8B), 1.4f);
    p.Fill(Path().Ellipse(22, 16.5f, 14, 3), p.Vertical(14, 20, Rgb(0x6D4C41), Rgb(0x3E2723)));
}

void Sun(IconPen& p) {
    Path rays;
    for (int i = 0; i < 12; ++i) {
        rays.Add(
            Poly({{21, 12}, {27, 12}, {24, 1.5f}}).Transformed(Affine::Rotate(30.0f * static_cast<float>(i), 24, 24)));
    }
    p.Fill(rays, p.Radial({24, 24}, 23, Rgb(0xFFA000), Rgb(0xFFCA28)));
    p.Outline(rays, Rgb(0xC77800, 0.8f), 1.0f);
    Path disc = Path().Circle(24, 24, 12.5f);
    p.Fill(disc, p.Radial({21, 20}, 15, Rgb(0xFFF59D), Rgb(0xFFA000)));
    p.Outline(disc, Rgb(0xC77800), 1.3f);
}

void Cloud(IconPen& p) {
    Path cloud;
    cloud.Circle(15, 29, 9).Circle(26, 22, 12).Circle(36, 29, 8.5f).RoundRect(6, 27, 39, 11, 5.5f);
    p.Fill(Stroke(cloud, 3.0f), Rgb(0x5C7A99));
    p.Fill(cloud, p.Vertical(10, 38, kWhite, Rgb(0xCFE0F0)));
}

void Plane(IconPen& p) {
    const Affine turn = Affine::Rotate(45, 24, 24);
    Path plane;
    plane.RoundRect(21, 2, 6, 43, 3);
    plane.Add(Poly({{24, 15}, {45, 27}, {45, 31}, {24, 25}, {3, 31}, {3, 27}}));
    plane.Add(Poly({{24, 36}, {33, 41.5f}, {33, 44}, {24, 42}, {15, 44}, {15, 41.5f}}));
    plane = plane.Transformed(turn);
    p.Fill(Stroke(plane, 2.8f), Rgb(0x0D47A1));
    p.Fill(plane, p.Vertical(4, 44, kWhite, Rgb(0x90CAF9)));
}

void Car(IconPen& p) {
    const Color paint = Rgb(0xE53935);
    Path body;
    body.MoveTo(3, 35)
        .LineTo(3, 28)
        .CubicTo(3, 25, 5, 23.5f, 8, 23)
        .LineTo(14, 22)
        .LineTo(19, 14)
        .CubicTo(20, 12.5f, 21.5f, 12, 23.5f, 12)
        .LineTo(32, 12)
        .CubicTo(34, 12, 35.5f, 12.5f, 36.5f, 14)
        .LineTo(41, 22)
        .CubicTo(44, 23, 45, 25, 45, 28)
        .LineTo(45, 35)
        .Close();
    p.Solid(body, paint, 1.5f);
    p.Sheen(body, 12, 26, 0.3f);
    const Color glass = Rgb(0xB3E5FC);
    p.Fill(Poly({{20.5f, 15}, {26.5f, 15}, {26.5f, 22}, {16, 22}}), p.Vertical(15, 22, kWhite, glass));
    p.Fill(Poly({{28.5f, 15}, {33.5f, 15}, {38.5f, 22}, {28.5f, 22}}), p.Vertical(15, 22, kWhite, glass));
    p.Fill(Path().RoundRect(40.5f, 25, 4, 3, 1), Rgb(0xFFF59D));
    p.Fill(Path().RoundRect(3.5f, 25.5f, 3, 3, 1), Rgb(0xFF8A65));
    for (float x : {13.0f, 36.0f}) {
        p.Fill(Path().Circle(x, 35, 6.2f), Rgb(0x212121));
        p.Fill(Path().Circle(x, 35, 2.8f), p.Vertical(32, 38, Rgb(0xECEFF1), Rgb(0x78909C)));
    }
}

void Person(IconPen& p) {
    const Color shirt = Rgb(0x1E88E5);
    Path shoulders;
    shoulders.MoveTo(6, 45).CubicTo(6, 33, 14, 27, 24, 27).CubicTo(34, 27, 42, 33, 42, 45).Close();
    p.Solid(shoulders, shirt, 1.5f);
    Path collar;
    collar.MoveTo(19, 27.8f).LineTo(24, 34).LineTo(29, 27.8f).Close();
    p.Fill(collar, kWhite);
    p.Fill(Path().Rect(22, 23, 4, 5), Rgb(0xE0A070));
    Path head = Path().Ellipse(24, 15.5f, 9, 10);
    p.Fill(head, p.Radial({22, 13}, 12, Rgb(0xFFDDB8), Rgb(0xE8A878)));
    p.Outline(head, Rgb(0x8D5524), 1.3f);
    Path hair;
    hair.MoveTo(14.8f, 15)
        .CubicTo(14, 6, 19, 4.5f, 24, 4.5f)
        .CubicTo(30, 4.5f, 34.5f, 7, 33.2f, 15)
        .CubicTo(31, 11, 27, 10.5f, 22, 11)
        .CubicTo(19, 11.5f, 16.5f, 12.5f, 14.8f, 15)
        .Close();
    p.Fill(hair, p.Vertical(4, 15, Rgb(0x8D6E63), Rgb(0x4E342E)));
}

struct IconDef {
    int size;
    std::function<void(IconPen&)> draw;
};

const IconDef kIcons[] = {
    {48, Note},      {32, Pin},       {32, StarIcon}, {32, Heart},    {32, Warning},   {32, Info},      {32, Question},
    {20, Check},     {48, ClockIcon}, {48, Bell},     {48, Calendar}, {48, Telephone}, {48, Envelope},  {48, House},
    {48, Briefcase}, {48, Cart},      {32, Coins},    {48, Gift},     {48, Cake},      {32, MusicNote}, {48, Film},
    {48, Camera},    {48, Book},      {48, Bulb},     {32, Key},      {32, Padlock},   {32, FlagIcon},  {32, Fire},
    {48, Coffee},    {64, Sun},       {48, Cloud},    {48, Plane},    {48, Car},       {48, Person},
};

}  // namespace

void AddIcons(std::vector<Artwork>& out) {
    int number = 0;
    for (const IconDef& def : kIcons) {
        IconPen pen(def.size);
        def.draw(pen);
        out.push_back(IconArtwork("BITMAP_" + std::to_string(number++), pen.Finish()));
    }
}

}  // namespace velpiners::artgen
