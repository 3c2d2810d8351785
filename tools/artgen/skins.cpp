// The sticker skins and their opacity masks.
//
// Framed skins are 239 × 141 and are cut by the compositor: the top 24 and bottom 16 rows are copied,
// the rows between are resampled to any height, columns 119–120 are repeated sideways, and a rolled-up
// sticker keeps rows 0–19 and the last 10 rows. So every skin keeps its caption strip inside the top
// 20 rows, its bottom edge and corners inside the last 10 rows, and nothing between rows 24 and 125 or
// around columns 119–120 that would show being stretched. The frame styles (Modern, List) are also cut
// as a nine-patch with 18-pixel sides and 20-pixel bands, so they stay uniform between those bands.
// Icon skins are nine-sliced with 16-pixel corners and keep their edges uniform along their length.
//
// Skins are built around mid-grey: the tint maps 128 to the sticker's colour, darker greys to darker
// shades and lighter ones towards white.
#include <algorithm>

#include "tools/artgen/catalog.h"

namespace velpiners::artgen {

namespace {

constexpr int kW = 239;
constexpr int kH = 141;

Mask RoundRectMask(float x, float y, float w, float h, float r, int cw = kW, int ch = kH) {
    return Rasterize(Path().RoundRect(x, y, w, h, r), cw, ch);
}

// A band `t` pixels wide just inside a rounded rectangle's outline.
Mask Rim(float x, float y, float w, float h, float r, float t, int cw = kW, int ch = kH) {
    return Subtract(RoundRectMask(x, y, w, h, r, cw, ch),
                    RoundRectMask(x + t, y + t, w - 2 * t, h - 2 * t, r > t ? r - t : 0, cw, ch));
}

Paint Vertical(float y0, float y1, std::vector<std::pair<float, Color>> stops) {
    return Paint::Linear({0, y0}, {0, y1}, std::move(stops));
}

Mask Rows(float y0, float y1, int cw = kW, int ch = kH) {
    return Rasterize(Path().Rect(-1, y0, static_cast<float>(cw) + 2, y1 - y0), cw, ch);
}

// Soft drop shadow around the sticker body, kept inside the picture's last rows.
void DropShadow(Canvas& c, const Mask& body, float strength = 0.45f) { c.Shadow(body, 0, 1, 1.2f, Grey(0, strength)); }

// Glass highlight over the upper part of the caption strip.
void CaptionGloss(Canvas& c, const Mask& inside, float y0, float y1, float top, float bottom) {
    c.Fill(Intersect(inside, Rows(y0, y1)), Vertical(y0, y1, {{0, Grey(255, top)}, {1, Grey(255, bottom)}}));
}

SkinPair Finish(const Canvas& c, int peak) { return SplitSkin(c, peak); }

// ---- Glass family: one shape and one opacity map shared by Dark glass and Silver glass (one mask). ----

constexpr float kGx = 2, kGy = 1, kGw = 235, kGh = 137, kGr = 8;

// Opacity: `region` takes `alpha`, the rest keeps what the map had.
void SetOpacity(Mask& map, const Mask& region, float alpha) {
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 0; x < map.Width(); ++x)
            map.At(x, y) = map.At(x, y) * (1 - region.At(x, y)) + alpha * region.At(x, y);
}

// Glass lets the desktop through: the body most, the caption strip less, the rim hardly at all.
Mask GlassOpacity(float body, float caption) {
    Mask map(kW, kH, 1.0f);
    const Mask inner = RoundRectMask(kGx + 1, kGy + 1, kGw - 2, kGh - 2, kGr - 1);
    SetOpacity(map, inner, body);
    SetOpacity(map, Intersect(inner, Rows(0, 22)), caption);
    return map;
}

Canvas GlassBase(const Color& rim) {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(kGx, kGy, kGw, kGh, kGr);
    DropShadow(c, body);
    c.Fill(body, rim);
    return c;
}

SkinPair DarkGlass() {
    Canvas c = GlassBase(Grey(30));
    const Mask inner = RoundRectMask(kGx + 1, kGy + 1, kGw - 2, kGh - 2, kGr - 1);
    c.Fill(inner, Vertical(1, 22, {{0, Grey(112)}, {1, Grey(76)}}));
    c.Fill(Intersect(inner, Rows(22, 141)), Vertical(22, 138, {{0, Grey(84)}, {1, Grey(62)}}));
    CaptionGloss(c, inner, 2, 11, 0.30f, 0.08f);
    // Caption separator: a dark line with a light one below it.
    c.Fill(Intersect(inner, Rows(21, 22)), Grey(36));
    c.Fill(Intersect(inner, Rows(22, 23)), Grey(120));
    c.Fill(Rim(kGx + 1, kGy + 1, kGw - 2, kGh - 2, kGr - 1, 1), Grey(150), 0.7f);
    c.Clip(GlassOpacity(0.80f, 0.88f));
    return Finish(c, 255);
}

SkinPair SilverGlass() {
    Canvas c = GlassBase(Grey(64));
    const Mask inner = RoundRectMask(kGx + 1, kGy + 1, kGw - 2, kGh - 2, kGr - 1);
    c.Fill(inner, Vertical(1, 22, {{0, Grey(196)}, {0.45f, Grey(150)}, {1, Grey(124)}}));
    c.Fill(Intersect(inner, Rows(22, 141)), Vertical(22, 138, {{0, Grey(134)}, {1, Grey(112)}}));
    CaptionGloss(c, inner, 2, 11, 0.40f, 0.12f);
    c.Fill(Intersect(inner, Rows(21, 22)), Grey(88));
    c.Fill(Intersect(inner, Rows(22, 23)), Grey(200));
    c.Fill(Rim(kGx + 1, kGy + 1, kGw - 2, kGh - 2, kGr - 1, 1), Grey(230), 0.8f);
    c.Clip(GlassOpacity(0.80f, 0.88f));
    return Finish(c, 255);
}

// ---- Glass: lighter and more transparent, with a bright rim. ----

SkinPair LightGlass() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(kGx, kGy, kGw, kGh, 9);
    const Mask inner = RoundRectMask(kGx + 1, kGy + 1, kGw - 2, kGh - 2, 8);
    DropShadow(c, body, 0.35f);
    c.Fill(body, Grey(56));
    c.Fill(inner, Vertical(1, 22, {{0, Grey(160)}, {1, Grey(118)}}));
    c.Fill(Intersect(inner, Rows(22, 141)), Vertical(22, 138, {{0, Grey(124)}, {1, Grey(104)}}));
    CaptionGloss(c, inner, 2, 12, 0.50f, 0.14f);
    c.Fill(Intersect(inner, Rows(21, 22)), Grey(240), 0.5f);
    c.Fill(Rim(kGx + 1, kGy + 1, kGw - 2, kGh - 2, 8, 1.2f), Grey(250), 0.8f);
    Mask opacity(kW, kH, 1.0f);
    SetOpacity(opacity, inner, 0.66f);
    SetOpacity(opacity, Intersect(inner, Rows(0, 22)), 0.78f);
    SetOpacity(opacity, Rim(kGx + 1, kGy + 1, kGw - 2, kGh - 2, 8, 1.2f), 0.9f);
    c.Clip(opacity);
    return Finish(c, 255);
}

// ---- Inner: a raised frame around a sunken writing area. ----

SkinPair Inner() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 6);
    DropShadow(c, body);
    c.Fill(body, Grey(64));
    c.Fill(RoundRectMask(3, 2, 233, 135, 5), Vertical(2, 137, {{0, Grey(146)}, {0.15f, Grey(124)}, {1, Grey(104)}}));
    c.Fill(Intersect(RoundRectMask(3, 2, 233, 135, 5), Rows(2, 3)), Grey(200), 0.8f);
    CaptionGloss(c, RoundRectMask(3, 2, 233, 135, 5), 3, 11, 0.22f, 0.0f);
    // The sunken area: darker rim at its top and left, light rim below, a slightly lighter floor.
    const Mask well = RoundRectMask(7, 22, 225, 111, 4);
    c.Fill(RoundRectMask(7, 23, 225, 111, 4), Grey(220), 0.7f);
    c.Fill(well, Grey(60));
    c.Fill(RoundRectMask(8, 23, 223, 109, 3), Vertical(23, 132, {{0, Grey(108)}, {1, Grey(124)}}));
    c.Fill(Subtract(RoundRectMask(8, 23, 223, 109, 3), RoundRectMask(8, 25, 223, 107, 3)), Grey(40), 0.35f);
    return Finish(c, 255);
}

// ---- Flat: one plain colour; the program draws the caption separator lines itself. ----

SkinPair Flat() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 5);
    DropShadow(c, body, 0.35f);
    c.Fill(body, Grey(86));
    c.Fill(RoundRectMask(3, 2, 233, 135, 4), Grey(128));
    return Finish(c, 255);
}

// ---- Panel: a raised panel with a bevel and a shaded caption bar. ----

SkinPair Panel() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 6);
    const Mask face = RoundRectMask(3, 2, 233, 135, 5);
    DropShadow(c, body);
    c.Fill(body, Grey(58));
    c.Fill(face, Vertical(2, 137, {{0, Grey(128)}, {1, Grey(104)}}));
    c.Fill(Intersect(face, Rows(2, 21)), Vertical(2, 21, {{0, Grey(168)}, {0.45f, Grey(132)}, {1, Grey(100)}}));
    c.Fill(Intersect(face, Rows(21, 22)), Grey(84));
    c.Fill(Intersect(face, Rows(22, 23)), Grey(166));
    // Bevel: light top and left edge, dark bottom and right edge.
    c.Fill(Subtract(face, Shifted(face, 1, 1)), Grey(215), 0.8f);
    c.Fill(Subtract(face, Shifted(face, -1, -1)), Grey(70), 0.6f);
    return Finish(c, 255);
}

// ---- Classic: a window with a thick bevelled frame and a shaded title bar. ----

SkinPair Classic() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 3);
    DropShadow(c, body);
    c.Fill(body, Grey(40));
    const Mask frame = RoundRectMask(3, 2, 233, 135, 2);
    c.Fill(frame, Grey(122));
    c.Fill(Subtract(frame, Shifted(frame, 1, 1)), Grey(220));
    c.Fill(Subtract(frame, Shifted(frame, -2, -2)), Grey(78), 0.7f);
    // Title bar, darker on the left like the classic caption gradient.
    const Mask bar = Rasterize(Path().Rect(6, 5, 227, 15), kW, kH);
    c.Fill(bar, Paint::Linear({6, 0}, {233, 0}, {{0, Grey(66)}, {1, Grey(128)}}));
    c.Fill(Intersect(bar, Rows(5, 11)), Grey(255, 0.14f));
    // Client area, sunken.
    const Mask client = Rasterize(Path().Rect(6, 22, 227, 112), kW, kH);
    c.Fill(client, Grey(86));
    c.Fill(Rasterize(Path().Rect(7, 23, 226, 111), kW, kH), Grey(206));
    c.Fill(Rasterize(Path().Rect(7, 23, 225, 110), kW, kH), Grey(126));
    return Finish(c, 255);
}

// ---- Narrow: a rounded tube for the caption over a slim, opaque body. ----

SkinPair Narrow() {
    Canvas c(kW, kH);
    const Mask panel = RoundRectMask(6, 12, 227, 126, 6);
    const Mask tube = RoundRectMask(2, 1, 235, 21, 10.5f);
    DropShadow(c, Union(panel, tube));
    c.Fill(panel, Grey(70));
    c.Fill(RoundRectMask(7, 13, 225, 124, 5), Vertical(20, 138, {{0, Grey(122)}, {1, Grey(102)}}));
    c.Fill(Subtract(RoundRectMask(7, 13, 225, 124, 5), Shifted(RoundRectMask(7, 13, 225, 124, 5), 1, 1)), Grey(190),
           0.6f);
    c.Fill(tube, Grey(52));
    const Mask tubeFace = RoundRectMask(3, 2, 233, 19, 9.5f);
    c.Fill(tubeFace, Vertical(2, 21, {{0, Grey(100)}, {0.22f, Grey(190)}, {0.5f, Grey(128)}, {1, Grey(82)}}));
    CaptionGloss(c, RoundRectMask(8, 3, 223, 7, 3.5f), 3, 10, 0.5f, 0.05f);
    return Finish(c, 255);
}

// ---- Aero: translucent glass frame around a lighter client pane; never fully opaque. ----

SkinPair Aero() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 7);
    const Mask glass = RoundRectMask(3, 2, 233, 135, 6);
    const Mask pane = RoundRectMask(8, 22, 223, 111, 2);
    DropShadow(c, body, 0.5f);
    c.Fill(body, Grey(30));
    c.Fill(glass, Vertical(2, 137, {{0, Grey(140)}, {0.16f, Grey(108)}, {1, Grey(100)}}));
    // Sweeping highlights across the caption, as light catches curved glass.
    c.Fill(
        Intersect(glass, Rasterize(Path().MoveTo(3, 2).LineTo(96, 2).CubicTo(70, 10, 40, 16, 3, 18).Close(), kW, kH)),
        Grey(255, 0.22f));
    c.Fill(Intersect(glass,
                     Rasterize(Path().MoveTo(236, 2).LineTo(180, 2).CubicTo(196, 9, 214, 14, 236, 16).Close(), kW, kH)),
           Grey(255, 0.12f));
    c.Fill(Subtract(glass, RoundRectMask(4, 3, 231, 133, 5)), Grey(230), 0.8f);
    c.Fill(pane, Grey(52));
    c.Fill(RoundRectMask(9, 23, 221, 109, 1.5f), Vertical(23, 132, {{0, Grey(132)}, {1, Grey(118)}}));
    Mask opacity(kW, kH, 1.0f);
    SetOpacity(opacity, glass, 0.72f);
    SetOpacity(opacity, pane, 1.0f);
    c.Clip(opacity);
    return Finish(c, 207);
}

// ---- Modern (frame): a softly rounded slab with a lighter rim and a glossy top. ----

SkinPair Modern() {
    Canvas c(kW, kH);
    const Mask body = RoundRectMask(2, 1, 235, 137, 9);
    const Mask face = RoundRectMask(3, 2, 233, 135, 8);
    DropShadow(c, body, 0.5f);
    c.Fill(body, Grey(40));
    c.Fill(face, Grey(146));
    c.Fill(RoundRectMask(6, 5, 227, 129, 5), Grey(96));
    c.Fill(RoundRectMask(7, 6, 225, 127, 4.5f), Grey(116));
    c.Fill(Intersect(RoundRectMask(7, 6, 225, 127, 4.5f), Rows(6, 14)),
           Vertical(6, 14, {{0, Grey(255, 0.3f)}, {1, Grey(255, 0)}}));
    c.Fill(Intersect(face, Rows(2, 4)), Grey(230), 0.6f);
    return Finish(c, 238);
}

// ---- List (frame): a sheet torn from a note pad, with its glued strip and a folded corner. ----

SkinPair List() {
    Canvas c(kW, kH);
    // The folded corner cuts the sheet's bottom right; the fold itself lies on top.
    const float fold = 12;
    Path sheetPath;
    sheetPath.MoveTo(3, 1).LineTo(236, 1).LineTo(236, 137 - fold).LineTo(236 - fold, 137).LineTo(3, 137).Close();
    const Mask sheet = Rasterize(sheetPath, kW, kH);
    DropShadow(c, sheet, 0.42f);
    c.Fill(sheet, Grey(136));
    c.Fill(Subtract(sheet, Shifted(sheet, 1, 1)), Grey(190), 0.8f);
    c.Fill(Subtract(sheet, Shifted(sheet, -1, -1)), Grey(100), 0.6f);
    // Glued strip along the top.
    c.Fill(Rasterize(Path().Rect(3, 1, 233, 6), kW, kH), Vertical(1, 7, {{0, Grey(96)}, {1, Grey(72)}}));
    c.Fill(Rasterize(Path().Rect(3, 7, 233, 1), kW, kH), Grey(210), 0.7f);
    // Margin: two thin lines left of where the text starts.
    c.Fill(Rasterize(Path().Rect(11, 8, 1, 129), kW, kH), Grey(104), 0.8f);
    c.Fill(Rasterize(Path().Rect(13, 8, 1, 129), kW, kH), Grey(104), 0.5f);
    // The fold, with a shadow under it.
    Path flap;
    flap.MoveTo(236, 137 - fold).LineTo(236 - fold, 137 - fold + 1).LineTo(236 - fold, 137).Close();
    const Mask flapMask = Rasterize(flap, kW, kH);
    c.Shadow(flapMask, -1, -1, 1.0f, Grey(0, 0.35f));
    c.Fill(flapMask, Paint::Linear({236 - fold, 137}, {236, 137 - fold}, {{0, Grey(208)}, {1, Grey(150)}}));
    return Finish(c, 255);
}

// ---- Icon styles: nine-sliced with 16-pixel corners. ----

// Glass around the icon: a translucent face with a gloss over its top edge (which the nine-slice only
// stretches sideways) and a bright rim; `pane` adds an opaque inner pane for the text.
SkinPair IconGlass(int w, int h, float radius, bool pane, float faceOpacity) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const Mask body = RoundRectMask(1, 1, fw - 2, fh - 3, radius, w, h);
    const Mask face = RoundRectMask(2, 2, fw - 4, fh - 5, radius - 1, w, h);
    c.Shadow(body, 0, 1, 1.0f, Grey(0, 0.45f));
    c.Fill(body, Grey(34));
    c.Fill(face, Paint::Linear({0, 2}, {0, fh - 3}, {{0, Grey(146)}, {0.3f, Grey(118)}, {1, Grey(100)}}));
    c.Fill(Intersect(face, Rows(2, 12, w, h)),
           Paint::Linear({0, 2}, {0, 12}, {{0, Grey(255, 0.45f)}, {1, Grey(255, 0.1f)}}));
    c.Fill(Rim(2, 2, fw - 4, fh - 5, radius - 1, 1, w, h), Grey(235), 0.7f);
    Mask opacity(w, h, 1.0f);
    SetOpacity(opacity, face, faceOpacity);
    SetOpacity(opacity, Rim(2, 2, fw - 4, fh - 5, radius - 1, 1, w, h), std::min(1.0f, faceOpacity + 0.15f));
    if (pane) {
        const Mask inner = RoundRectMask(6, 6, fw - 12, fh - 13, 3, w, h);
        c.Fill(inner, Grey(56));
        c.Fill(RoundRectMask(7, 7, fw - 14, fh - 15, 2.5f, w, h),
               Paint::Linear({0, 7}, {0, fh - 8}, {{0, Grey(128)}, {1, Grey(112)}}));
        SetOpacity(opacity, inner, 1.0f);
    }
    c.Clip(opacity);
    return Finish(c, 255);
}

SkinPair IconInner(int w, int h) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const Mask body = RoundRectMask(1, 1, fw - 2, fh - 3, 7, w, h);
    c.Shadow(body, 0, 1, 1.0f, Grey(0, 0.45f));
    c.Fill(body, Grey(60));
    c.Fill(RoundRectMask(2, 2, fw - 4, fh - 5, 6, w, h),
           Paint::Linear({0, 2}, {0, fh - 3}, {{0, Grey(140)}, {1, Grey(104)}}));
    c.Fill(RoundRectMask(7, 8, fw - 14, fh - 16, 4, w, h), Grey(215), 0.7f);
    c.Fill(RoundRectMask(7, 7, fw - 14, fh - 16, 4, w, h), Grey(60));
    c.Fill(RoundRectMask(8, 8, fw - 16, fh - 18, 3, w, h), Grey(118));
    c.Fill(Subtract(RoundRectMask(8, 8, fw - 16, fh - 18, 3, w, h), RoundRectMask(8, 10, fw - 16, fh - 20, 3, w, h)),
           Grey(40), 0.35f);
    return Finish(c, 255);
}

SkinPair IconFlat(int w, int h) {
    Canvas c(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    const Mask body = RoundRectMask(1, 1, fw - 2, fh - 3, 7, w, h);
    c.Shadow(body, 0, 1, 1.0f, Grey(0, 0.35f));
    c.Fill(body, Grey(84));
    c.Fill(RoundRectMask(2, 2, fw - 4, fh - 5, 6, w, h), Grey(128));
    return Finish(c, 255);
}

void AddPair(std::vector<Artwork>& out, const char* skinName, const char* maskName, SkinPair pair, int maskBits) {
    const int w = pair.skin.Width(), h = pair.skin.Height();
    out.push_back(ColourArtwork(skinName, std::move(pair.skin)));
    if (maskName != nullptr) out.push_back(GreyArtwork(maskName, w, h, pair.maskLevels, maskBits));
}

}  // namespace

void AddSkins(std::vector<Artwork>& out) {
    AddPair(out, "BITMAP_DARKGLASS", "BITMAP_MASKGLASS", DarkGlass(), 8);
    AddPair(out, "BITMAP_SILVERGLASS", nullptr, SilverGlass(), 8);
    AddPair(out, "BITMAP_GLASS", "BITMAP_MASKGLASSL", LightGlass(), 24);
    AddPair(out, "BITMAP_INNER", "BITMAP_INNERMASK", Inner(), 8);
    AddPair(out, "BITMAP_GRAY", "BITMAP_GRAYMASK", Flat(), 8);
    AddPair(out, "BITMAP_FLAT", "BITMAP_FLATSMASK", Panel(), 24);
    AddPair(out, "BITMAP_WIND", "BITMAP_WINDMASK", Classic(), 24);
    AddPair(out, "BITMAP_TUB", "BITMAP_TUBMASK", Narrow(), 24);
    AddPair(out, "BITMAP_AERO", "BITMAP_AEROMASK", Aero(), 24);
    AddPair(out, "BITMAP_RAMA", "BITMAP_RAMA_MASK", Modern(), 24);
    AddPair(out, "BITMAP_LIST", "BITMAP_LIST_MASK", List(), 24);
    AddPair(out, "BITMAP_ICOAERO", "BITMAP_ICOAEROMASK", IconGlass(63, 63, 10, false, 0.72f), 24);
    AddPair(out, "BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK", IconGlass(40, 39, 8, false, 1.0f), 24);
    AddPair(out, "BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK", IconGlass(84, 47, 9, true, 0.72f), 24);
    AddPair(out, "BITMAP_ICOINNER", "BITMAP_ICOINNERMASK", IconInner(118, 90), 24);
    AddPair(out, "BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", IconFlat(48, 48), 24);
}

}  // namespace velpiners::artgen
