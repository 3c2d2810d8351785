// Six motifs that the built-in icons do not have, drawn on the 48-unit grid of the icons.
#include "tools/artgen/sample_pack.h"

#include <string>

#include "tools/artgen/icon_pen.h"

namespace velpiners::artgen {
namespace {

constexpr int kFirstNumber = 101;

void Leaf(IconPen& p) {
    Path leaf;
    leaf.MoveTo(8, 40).CubicTo(6, 20, 20, 6, 42, 6).CubicTo(42, 28, 30, 42, 8, 40).Close();
    p.Fill(leaf, p.Linear({8, 40}, {42, 6}, Rgb(0x2E7D32), Rgb(0x9CCC65)));
    p.Sheen(leaf, 6, 22, 0.3f);
    p.Outline(leaf, Rgb(0x1B5E20), 1.4f);
    p.Line(Path().MoveTo(6, 42).LineTo(14, 34).CubicTo(22, 26, 30, 18, 38, 10), 1.8f, Rgb(0x1B5E20));
    for (float t : {0.0f, 8.0f}) {
        p.Line(Path().MoveTo(20 + t, 28 - t).LineTo(19 + t, 18 - t), 1.1f, Rgb(0x33691E, 0.8f));
        p.Line(Path().MoveTo(20 + t, 28 - t).LineTo(29 + t, 29 - t), 1.1f, Rgb(0x33691E, 0.8f));
    }
}

void Umbrella(IconPen& p) {
    Path canopy;
    canopy.MoveTo(4, 24).CubicTo(4, 12, 13, 5, 24, 5).CubicTo(35, 5, 44, 12, 44, 24);
    canopy.CubicTo(41, 21, 37, 21, 34, 24).CubicTo(31, 21, 27, 21, 24, 24).CubicTo(21, 21, 17, 21, 14, 24);
    canopy.CubicTo(11, 21, 7, 21, 4, 24).Close();
    p.Fill(canopy, p.Vertical(5, 24, Rgb(0xEF5350), Rgb(0xB71C1C)));
    p.Sheen(canopy, 5, 16, 0.35f);
    p.Outline(canopy, Rgb(0x7F0000), 1.4f);
    p.Line(Path().MoveTo(24, 22).LineTo(24, 38).CubicTo(24, 44, 16, 44, 16, 39), 2.4f, Rgb(0x5D4037));
    p.Line(Path().MoveTo(24, 5).LineTo(24, 2), 2.0f, Rgb(0x5D4037));
}

void Key(IconPen& p) {
    Path key;
    key.Circle(14, 20, 10);
    key.Add(Path().RoundRect(20, 17, 24, 6, 2));
    key.Add(Path().Rect(34, 22, 4, 7));
    key.Add(Path().Rect(40, 22, 4, 9));
    key.Add(Path().Circle(12, 18, 4).Reversed());
    p.Fill(key, p.Vertical(10, 31, Rgb(0xFFE082), Rgb(0xF9A825)));
    p.Outline(key, Rgb(0x8D6E00), 1.4f);
    p.Sheen(Path().Circle(14, 20, 10), 10, 18, 0.4f);
}

void Bulb(IconPen& p) {
    Path glass;
    glass.MoveTo(17, 32).CubicTo(13, 28, 10, 24, 10, 18).CubicTo(10, 10, 16, 4, 24, 4);
    glass.CubicTo(32, 4, 38, 10, 38, 18).CubicTo(38, 24, 35, 28, 31, 32).Close();
    p.Fill(glass, p.Radial({22, 14}, 20, Rgb(0xFFFDE7), Rgb(0xFFD54F)));
    p.Outline(glass, Rgb(0xC79100), 1.4f);
    p.Line(Path().MoveTo(20, 30).LineTo(20, 22).LineTo(24, 18).LineTo(28, 22).LineTo(28, 30), 1.2f,
           Rgb(0xE65100, 0.8f));
    Path base;
    base.RoundRect(17, 32, 14, 10, 2);
    p.Fill(base, p.Linear({17, 0}, {31, 0}, Rgb(0xCFD8DC), Rgb(0x78909C)));
    for (float y : {35.0f, 38.5f}) p.Line(Path().MoveTo(17, y).LineTo(31, y), 1.0f, Rgb(0x546E7A));
    p.Outline(base, Rgb(0x455A64), 1.2f);
    p.Fill(Path().RoundRect(21, 42, 6, 3, 1.5f), Rgb(0x455A64));
}

void Book(IconPen& p) {
    Path cover;
    cover.RoundRect(8, 6, 30, 36, 2);
    p.Solid(cover, Rgb(0x3949AB), 1.4f);
    Path pages;
    pages.Rect(12, 38, 28, 5);
    p.Fill(pages, p.Vertical(38, 43, Rgb(0xFFFDF5), Rgb(0xE0DCCF)));
    p.Outline(pages, Rgb(0x9E9A8C), 1.0f);
    p.Fill(Path().Rect(8, 6, 5, 36), Rgb(0x283593));
    p.Fill(Path().RoundRect(17, 13, 16, 8, 1), Rgb(0xFFFFFF, 0.85f));
    p.Line(Path().MoveTo(19, 16).LineTo(31, 16), 1.0f, Rgb(0x3949AB));
    p.Line(Path().MoveTo(19, 18.5f).LineTo(27, 18.5f), 1.0f, Rgb(0x3949AB));
    p.Fill(Path().Polygon({{30, 6}, {35, 6}, {35, 17}, {32.5f, 14.5f}, {30, 17}}), Rgb(0xE53935));
}

void Rocket(IconPen& p) {
    const Affine tilt = Affine::Rotate(40, 24, 24);
    Path body;
    body.MoveTo(24, 3).CubicTo(31, 9, 33, 18, 32, 30).LineTo(16, 30).CubicTo(15, 18, 17, 9, 24, 3).Close();
    Path fins;
    fins.Add(Path().Polygon({{16, 22}, {9, 32}, {9, 38}, {16, 32}}));
    fins.Add(Path().Polygon({{32, 22}, {39, 32}, {39, 38}, {32, 32}}));
    Path flame;
    flame.MoveTo(18, 31).LineTo(30, 31).CubicTo(30, 38, 26, 41, 24, 46).CubicTo(22, 41, 18, 38, 18, 31).Close();
    p.Fill(flame.Transformed(tilt), p.Vertical(30, 46, Rgb(0xFFF176), Rgb(0xFF5722)));
    p.Fill(fins.Transformed(tilt), p.Vertical(22, 38, Rgb(0xEF5350), Rgb(0xB71C1C)));
    p.Outline(fins.Transformed(tilt), Rgb(0x7F0000), 1.2f);
    p.Fill(body.Transformed(tilt), p.Linear({16, 0}, {32, 0}, Rgb(0xFFFFFF), Rgb(0xB0BEC5)));
    p.Outline(body.Transformed(tilt), Rgb(0x455A64), 1.3f);
    const Path window = Path().Circle(24, 15, 4).Transformed(tilt);
    p.Fill(window, p.Radial({23, 14}, 5, Rgb(0xB3E5FC), Rgb(0x0277BD)));
    p.Outline(window, Rgb(0x455A64), 1.2f);
}

struct Motif {
    int size;
    void (*draw)(IconPen&);
};

constexpr Motif kMotifs[] = {{48, Leaf}, {48, Umbrella}, {32, Key}, {48, Bulb}, {32, Book}, {48, Rocket}};

}  // namespace

std::vector<SampleIcon> DrawSamplePack() {
    std::vector<SampleIcon> icons;
    int number = kFirstNumber;
    for (const Motif& motif : kMotifs) {
        IconPen pen(motif.size);
        motif.draw(pen);
        icons.push_back({number, IconArtwork("sample_" + std::to_string(number), pen.Finish())});
        ++number;
    }
    return icons;
}

}  // namespace velpiners::artgen
