// Small pictures of the program's controls: the pins on a sticker, the state point, the dialog button
// glyphs, the about box's close button in its three states and the about picture itself.
//
// The state points are 24-bit pictures whose magenta pixels (0xFF00FF) are see-through: their outer
// edge is hard, and the smoothing happens towards a dark rim inside instead.
// The dialog glyphs are 24-bit and opaque on the button face colour 0xF0F0F0.
#include <cmath>
#include <functional>

#include "tools/artgen/catalog.h"
#include "tools/artgen/icon_pen.h"
#include "tools/artgen/program_icon.h"
#include "tools/artgen/stroke_font.h"

namespace velpiners::artgen {

namespace {

const Color kFace = Rgb(0xF0F0F0);

// ---- Pins (17 × 17, text pin 19 × 17): glossy round buttons with a white sign. ----

void PinBase(IconPen& p, float width, const Color& base) {
    const Path disc = Path().RoundRect(1, 1, width - 2, 15, 7.5f);
    p.Fill(disc, p.Vertical(1, 16, Lighter(base, 0.25f), Darker(base, 0.25f)), 0.92f);
    p.Fill(Path().RoundRect(2.5f, 1.8f, width - 5, 6.5f, 3.25f),
           p.Vertical(1.8f, 8.3f, Color{1, 1, 1, 0.5f}, Color{1, 1, 1, 0.05f}));
    p.Outline(disc, Darker(base, 0.6f), 0.9f);
}

Canvas PinPicture(float width, const Color& base, const std::function<void(IconPen&)>& sign) {
    IconPen p(static_cast<int>(width), 17, width, 17);
    PinBase(p, width, base);
    sign(p);
    return p.Finish(0);
}

const Color kPinBase = Rgb(0x3C4650);
const Color kSign = Rgb(0xFFFFFF);

void AddPins(std::vector<Artwork>& out) {
    out.push_back(
        IconArtwork("BITMAP_EDIT_PIN", PinPicture(17, kPinBase, [](IconPen& p) {
                        const Affine tilt = Affine::Rotate(45, 8.5f, 8.5f);
                        p.Fill(Path().Rect(7.2f, 3.2f, 2.6f, 8).Transformed(tilt), kSign);
                        p.Fill(Path().Polygon({{7.2f, 11.8f}, {9.8f, 11.8f}, {8.5f, 14.2f}}).Transformed(tilt), kSign);
                    })));
    out.push_back(IconArtwork(
        "BITMAP_CLOSE_PIN", PinPicture(17, Rgb(0xC62828), [](IconPen& p) {
            p.Line(Path().MoveTo(5.6f, 5.6f).LineTo(11.4f, 11.4f).MoveTo(11.4f, 5.6f).LineTo(5.6f, 11.4f), 2.0f, kSign);
        })));
    out.push_back(IconArtwork("BITMAP_DUP_PIN", PinPicture(17, kPinBase, [](IconPen& p) {
                                  p.Line(Path().Rect(4.5f, 4.5f, 5.5f, 6), 1.1f, kSign);
                                  p.Fill(Path().Rect(7, 7, 5.5f, 6), kSign);
                              })));
    out.push_back(IconArtwork("BITMAP_UP_PIN", PinPicture(17, kPinBase, [](IconPen& p) {
                                  p.Line(Path().MoveTo(5, 10.2f).LineTo(8.5f, 6.6f).LineTo(12, 10.2f), 2.0f, kSign);
                              })));
    out.push_back(IconArtwork("BITMAP_DOWN_PIN", PinPicture(17, kPinBase, [](IconPen& p) {
                                  p.Line(Path().MoveTo(5, 6.8f).LineTo(8.5f, 10.4f).LineTo(12, 6.8f), 2.0f, kSign);
                              })));
    out.push_back(IconArtwork("BITMAP_TEXT_PIN", PinPicture(19, kPinBase, [](IconPen& p) {
                                  p.Fill(Path().Rect(5, 4.2f, 9, 2).Rect(8.5f, 4.2f, 2, 8.6f), kSign);
                              })));
}

// ---- State points (12 × 12, magenta key). ----

Artwork PointPicture(const char* name, bool lit) {
    Canvas c(12, 12);
    const Path rim = Path().Circle(6, 6, 5.6f);
    const Color dark = Rgb(0x1E2428);
    c.Fill(Rasterize(rim, 12, 12), dark);
    const Path ball = Path().Circle(6, 6, 4.4f);
    if (lit) {
        c.Fill(ball,
               Paint::Radial({5, 4.6f}, 5.2f, 5.2f, {{0, Rgb(0xE8FFD0)}, {0.45f, Rgb(0x7CDB3A)}, {1, Rgb(0x2E7D12)}}));
    } else {
        c.Fill(ball,
               Paint::Radial({5, 4.6f}, 5.2f, 5.2f, {{0, Rgb(0xE8ECEF)}, {0.5f, Rgb(0x9AA4AC)}, {1, Rgb(0x56616A)}}));
    }
    c.Fill(Path().Ellipse(4.8f, 3.8f, 1.7f, 1.1f), Color{1, 1, 1, 0.8f});
    graphics::Picture pic(12, 12, 24);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const Canvas::Pixel& px = c.At(x, y);
            std::uint8_t* o = pic.Pixel(x, y);
            if (px.a < 0.5f) {
                o[0] = 0xFF, o[1] = 0x00, o[2] = 0xFF;
                continue;
            }
            // Edge pixels blend towards the dark rim rather than towards the unknown background.
            const float k = 1 - px.a;
            o[0] = static_cast<std::uint8_t>(std::lround((px.b + dark.b * k) * 255));
            o[1] = static_cast<std::uint8_t>(std::lround((px.g + dark.g * k) * 255));
            o[2] = static_cast<std::uint8_t>(std::lround((px.r + dark.r * k) * 255));
        }
    return ColourArtwork(name, std::move(pic));
}

// ---- Dialog glyphs on the button face. ----

Artwork AlignGlyph(const char* name, int align) {
    Canvas c(16, 16);
    const float lengths[] = {12, 8, 12, 8};
    for (int i = 0; i < 4; ++i) {
        const float len = lengths[i];
        const float x = align == 0 ? 2 : (align == 1 ? 8 - len / 2 : 14 - len);
        c.Fill(Path().Rect(x, 3 + 3 * static_cast<float>(i), len, 1.0f), Rgb(0x34404A));
    }
    return OpaqueArtwork(name, c, kFace);
}

Artwork DeleteGlyph() {
    IconPen p(20, 20, 20, 20);
    const Path cross = Path().MoveTo(5, 5).LineTo(15, 15).MoveTo(15, 5).LineTo(5, 15);
    p.Line(cross, 4.2f, Rgb(0x8E1B1B));
    p.Surface().Fill(Rasterize(Stroke(p.ToPixels(cross), 2.6f), 20, 20),
                     p.Vertical(4, 16, Rgb(0xFF6B6B), Rgb(0xD32F2F)));
    return OpaqueArtwork("BUTTON_DELETE", p.Finish(0.2f), kFace);
}

Artwork SaveGlyph() {
    IconPen p(23, 19, 23, 19);
    Path disk;
    disk.MoveTo(3.5f, 1.5f).LineTo(17, 1.5f).LineTo(19.5f, 4).LineTo(19.5f, 17.5f).LineTo(3.5f, 17.5f).Close();
    p.Fill(disk, p.Vertical(1.5f, 17.5f, Rgb(0x5C9BE0), Rgb(0x1F5FA8)));
    p.Outline(disk, Rgb(0x123C6E), 1.0f);
    p.Fill(Path().Rect(6.5f, 1.5f, 9, 5.5f), p.Linear({6.5f, 0}, {15.5f, 0}, Rgb(0xE6EAED), Rgb(0xA9B3BB)));
    p.Fill(Path().Rect(12, 2.5f, 2, 3.5f), Rgb(0x37474F));
    p.Fill(Path().RoundRect(6, 10, 11, 7.5f, 1), Rgb(0xFFFFFF));
    p.Line(Path().MoveTo(7.8f, 12.5f).LineTo(15.2f, 12.5f).MoveTo(7.8f, 15).LineTo(13.5f, 15), 0.9f, Rgb(0x90A4AE));
    return OpaqueArtwork("BUTTON_SAVE", p.Finish(0.2f), kFace);
}

// ---- About box. ----

constexpr int kAboutW = 347;
constexpr int kAboutH = 273;
Path Card() { return Path().RoundRect(6, 5, 335, 258, 16); }

// The close button hangs from the card's top edge, left of its rounded corner; it is drawn at
// (about width − 61, −1).
Artwork CloseButton(const char* name, int state) {
    Canvas c(59, 34);
    const float drop = state == 2 ? 1.0f : 0.0f;
    const Path body = Path().RoundRect(6, 6 + drop, 42, 21, 0, 0, 8, 8);
    const Mask shape = Rasterize(body, 59, 34);
    c.Shadow(shape, 0, 1, state == 1 ? 3.0f : 1.2f, state == 1 ? Rgb(0xFF5A3C, 0.7f) : Grey(0, 0.4f));
    const Color base = state == 0 ? Rgb(0xA4443A) : (state == 1 ? Rgb(0xE8412C) : Rgb(0x8E2418));
    c.Fill(shape, Paint::Linear({0, 6 + drop}, {0, 27 + drop},
                                {{0, Lighter(base, 0.35f)}, {0.5f, base}, {1, Darker(base, 0.2f)}}));
    c.Fill(Intersect(shape, Rasterize(Path().Rect(0, 6 + drop, 59, 9), 59, 34)), Grey(255, state == 2 ? 0.12f : 0.28f));
    c.Fill(Rasterize(Stroke(body, 1.2f), 59, 34), Darker(base, 0.55f));
    const Path cross =
        Path().MoveTo(22.5f, 12 + drop).LineTo(31.5f, 21 + drop).MoveTo(31.5f, 12 + drop).LineTo(22.5f, 21 + drop);
    c.Fill(Rasterize(Stroke(cross, 4.4f), 59, 34), Darker(base, 0.6f), 0.6f);
    c.Fill(Rasterize(Stroke(cross, 2.6f), 59, 34), Rgb(0xFFFFFF));
    return IconArtwork(name, c);
}

Artwork AboutPicture() {
    Canvas c(kAboutW, kAboutH);
    const Mask card = Rasterize(Card(), kAboutW, kAboutH);
    c.Shadow(card, 0, 3, 3.5f, Grey(0, 0.5f));
    c.Fill(card, Paint::Linear({0, 5}, {0, 263}, {{0, Rgb(0x2F5D8A)}, {0.55f, Rgb(0x243F6B)}, {1, Rgb(0x1B2A4A)}}));
    // A soft glow behind the mark, a glass highlight over the top, a fine light rim.
    c.Fill(card, Paint::Radial({92, 104}, 110, 100, {{0, Rgb(0x7FC8FF, 0.35f)}, {1, Rgb(0x7FC8FF, 0)}}));
    c.Fill(
        Intersect(card,
                  Rasterize(Path().MoveTo(6, 5).LineTo(341, 5).LineTo(341, 52).CubicTo(240, 70, 120, 40, 6, 78).Close(),
                            kAboutW, kAboutH)),
        Paint::Linear({0, 5}, {0, 78}, {{0, Grey(255, 0.22f)}, {1, Grey(255, 0.04f)}}));
    c.Fill(Subtract(card, Rasterize(Path().RoundRect(7, 6, 333, 256, 15), kAboutW, kAboutH)), Grey(255, 0.35f));

    DrawMark(c, 22, 58, 112);

    Lettering title;
    title.capHeight = 28;
    title.weight = 4.6f;
    title.tracking = 1.5f;
    title.slant = 0.08f;
    const Path name = TextOutline("Velpiners", 140, 114, title);
    c.Shadow(Rasterize(name, kAboutW, kAboutH), 1, 2, 1.6f, Grey(0, 0.55f));
    c.Fill(name, Paint::Linear({0, 84}, {0, 120}, {{0, Rgb(0xFFFFFF)}, {1, Rgb(0xCFE6FF)}}));

    Lettering version;
    version.capHeight = 16;
    version.weight = 2.6f;
    version.tracking = 1;
    const Path ver = TextOutline("v1.4", 142, 150, version);
    c.Fill(ver, Rgb(0xFFD43A));

    Lettering tagline;
    tagline.capHeight = 12;
    tagline.weight = 1.7f;
    tagline.tracking = 1.2f;
    c.Fill(TextOutline("sticky notes", 190, 150, tagline), Rgb(0xB8D4F0));

    // Three small notes along the bottom, in the colours a sticker takes.
    const std::uint32_t colours[] = {0xFFD43A, 0x7CD67A, 0xFF8A80, 0x8FD3FF};
    for (int i = 0; i < 4; ++i) {
        const float nx = 118 + static_cast<float>(i) * 30;
        const Path note = Path()
                              .RoundRect(nx, 206, 20, 20, 2)
                              .Transformed(Affine::Rotate(static_cast<float>(i % 2 == 0 ? -5 : 6), nx + 10, 216));
        const Mask m = Rasterize(note, kAboutW, kAboutH);
        c.Shadow(m, 0, 1.5f, 1.2f, Grey(0, 0.4f));
        c.Fill(m,
               Paint::Linear({nx, 206}, {nx + 20, 226}, {{0, Lighter(Rgb(colours[i]), 0.3f)}, {1, Rgb(colours[i])}}));
    }
    c.Fill(Rasterize(Path().Rect(30, 188, 287, 1), kAboutW, kAboutH), Grey(255, 0.18f));
    return IconArtwork("BITMAP_ABOUTFORM", c);
}

}  // namespace

void AddControls(std::vector<Artwork>& out) {
    AddPins(out);
    out.push_back(PointPicture("BITMAP_POINT_ON", true));
    out.push_back(PointPicture("BITMAP_POINT_OFF", false));
    out.push_back(AlignGlyph("BUTTON_L", 0));
    out.push_back(AlignGlyph("BUTTON_C", 1));
    out.push_back(AlignGlyph("BUTTON_R", 2));
    out.push_back(DeleteGlyph());
    out.push_back(SaveGlyph());
    out.push_back(CloseButton("BUTTON_CLOSE_N", 0));
    out.push_back(CloseButton("BUTTON_CLOSE_L", 1));
    out.push_back(CloseButton("BUTTON_CLOSE_D", 2));
    out.push_back(AboutPicture());
}

}  // namespace velpiners::artgen
