// The review sheet: every resource on one picture, skins also tinted and cut to other sizes the way the
// program cuts them (nearest-neighbour here: the sheet shows the layout, not the program's resampler).
#include "tools/artgen/gallery.h"

#include <algorithm>
#include <map>

#include "tools/artgen/label_font.h"

namespace velpiners::artgen {

namespace {

const Artwork& Find(const std::vector<Artwork>& all, const std::string& name) {
    for (const Artwork& a : all)
        if (a.name == name) return a;
    throw std::runtime_error("gallery: no artwork " + name);
}

bool Has(const std::vector<Artwork>& all, const std::string& name) {
    return std::any_of(all.begin(), all.end(), [&](const Artwork& a) { return a.name == name; });
}

// Straight colour (0..255) and alpha (0..1) of one pixel.
struct Sample {
    float r, g, b, a;
};

Sample Read(const Artwork& art, int x, int y) {
    if (art.bits == 24 || art.bits == 32) {
        const std::uint8_t* p = art.picture.Pixel(x, y);
        return {static_cast<float>(p[2]), static_cast<float>(p[1]), static_cast<float>(p[0]),
                art.bits == 32 ? static_cast<float>(p[3]) / 255.0f : 1.0f};
    }
    const std::uint32_t c = art.palette[art.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(art.width) +
                                                    static_cast<std::size_t>(x)]];
    return {static_cast<float>((c >> 16) & 0xFF), static_cast<float>((c >> 8) & 0xFF), static_cast<float>(c & 0xFF),
            1.0f};
}

Canvas FromArtwork(const Artwork& art, int scale = 1) {
    Canvas c(art.width * scale, art.height * scale);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const Sample s = Read(art, x / scale, y / scale);
            c.At(x, y) = {s.r / 255 * s.a, s.g / 255 * s.a, s.b / 255 * s.a, s.a};
        }
    return c;
}

// Colour of the sticker: the program doubles x·c/255 per channel, so grey 128 becomes the colour.
float Tint(float x, float c) { return std::min(255.0f, static_cast<float>(static_cast<int>(2 * x * c / 255))); }

enum class Cut { kFramed, kRolled, kNarrowRolled, kFrame, kFrameRolled, kIcon };

int MapAxis(int o, int outSize, int srcSize, int head, int tail, int fixedMiddle) {
    if (o < head) return o;
    if (o >= outSize - tail) return o - (outSize - srcSize);
    if (fixedMiddle >= 0) return fixedMiddle;
    const int middleOut = outSize - head - tail, middleSrc = srcSize - head - tail;
    return head + (o - head) * middleSrc / std::max(1, middleOut);
}

Canvas ComposeSkin(const Artwork& skin, const Artwork& mask, int w, int h, Cut cut, std::uint32_t tint) {
    Canvas c(w, h);
    const float tr = static_cast<float>((tint >> 16) & 0xFF), tg = static_cast<float>((tint >> 8) & 0xFF),
                tb = static_cast<float>(tint & 0xFF);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sx = 0, sy = 0;
            switch (cut) {
                case Cut::kFramed:
                    sx = MapAxis(x, w, skin.width, 119, 118, 119);
                    sy = MapAxis(y, h, skin.height, 24, 16, -1);
                    break;
                case Cut::kRolled:
                    sx = MapAxis(x, w, skin.width, 119, 118, 119);
                    sy = y < 20 ? y : (y >= 22 ? y - 22 + skin.height - 10 : 18 + (y - 18) * (skin.height - 28) / 4);
                    break;
                case Cut::kNarrowRolled:
                    sx = MapAxis(x, w, skin.width, 119, 118, 119);
                    sy = y;
                    break;
                case Cut::kFrame:
                    sx = MapAxis(x, w, skin.width, 18, 18, 119);
                    sy = MapAxis(y, h, skin.height, 20, 20, 70);
                    break;
                case Cut::kFrameRolled:
                    sx = MapAxis(x, w, skin.width, 18, 18, 119);
                    sy = y < 16 ? y : y - 16 + skin.height - 20;
                    break;
                case Cut::kIcon:
                    sx = MapAxis(x, w, skin.width, 16, 16, -1);
                    sy = MapAxis(y, h, skin.height, 16, 16, -1);
                    break;
            }
            const Sample s = Read(skin, sx, sy);
            const Sample m = Read(mask, sx, sy);
            const float a = (m.r + m.g + m.b) / 3 / 255;
            float r = s.r, g = s.g, b = s.b;
            if (tint != 0xFFFFFFFF) {
                r = Tint(r, tr);
                g = Tint(g, tg);
                b = Tint(b, tb);
            }
            c.At(x, y) = {r / 255 * a, g / 255 * a, b / 255 * a, a};
        }
    return c;
}

// A desktop-like backdrop with a faint check pattern, so translucency shows.
void Backdrop(Canvas& sheet, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const bool check = ((i / 8) + (j / 8)) % 2 == 0;
            const float t = static_cast<float>(j) / static_cast<float>(std::max(1, h));
            const float base = check ? 0.80f : 0.70f;
            if (x + i >= sheet.Width() || y + j >= sheet.Height()) continue;
            sheet.At(x + i, y + j) = {base * (0.55f + 0.1f * t), base * (0.68f + 0.1f * t), base * 0.86f, 1};
        }
}

// Items one above the other, each on its own backdrop.
Canvas Column(const std::vector<Canvas>& items) {
    int w = 0, h = 0;
    for (const Canvas& c : items) {
        w = std::max(w, c.Width());
        h += c.Height() + 6;
    }
    Canvas out(w, h);
    int y = 0;
    for (const Canvas& c : items) {
        Backdrop(out, 0, y, c.Width(), c.Height());
        out.Draw(c, 0, y);
        y += c.Height() + 6;
    }
    return out;
}

struct Cursor {
    int x = 10, y = 10, rowHeight = 0;
};

constexpr int kSheetWidth = 1340;
constexpr std::uint32_t kUntinted = 0xFFFFFFFF;

void Place(Canvas& sheet, Cursor& at, const Canvas& item, const std::string& label, bool backdrop = true) {
    const int w = std::max(item.Width(), LabelWidth(label));
    if (at.x + w > kSheetWidth - 10) {
        at.x = 10;
        at.y += at.rowHeight + 8;
        at.rowHeight = 0;
    }
    if (backdrop) Backdrop(sheet, at.x, at.y, item.Width(), item.Height());
    sheet.Draw(item, at.x, at.y);
    DrawLabel(sheet, at.x, at.y + item.Height() + 2, label, Grey(40));
    at.x += w + 10;
    at.rowHeight = std::max(at.rowHeight, item.Height() + 12);
}

void Heading(Canvas& sheet, Cursor& at, const std::string& text) {
    at.x = 10;
    at.y += at.rowHeight + 10;
    at.rowHeight = 0;
    DrawLabel(sheet, at.x, at.y, text, Grey(20), 2);
    at.y += 20;
}

}  // namespace

graphics::Picture DrawGallery(const std::vector<Artwork>& all) {
    Canvas sheet(kSheetWidth, 8000);
    sheet.FillAll(Grey(246));
    Cursor at;
    at.rowHeight = 0;
    DrawLabel(sheet, 10, 10, "VELPINERS RESOURCES", Grey(20), 3);
    at.y = 40;

    struct Framed {
        const char* skin;
        const char* mask;
        bool frame;
        bool narrow;
    };
    const Framed framed[] = {
        {"BITMAP_DARKGLASS", "BITMAP_MASKGLASS", false, false},
        {"BITMAP_INNER", "BITMAP_INNERMASK", false, false},
        {"BITMAP_GRAY", "BITMAP_GRAYMASK", false, false},
        {"BITMAP_SILVERGLASS", "BITMAP_MASKGLASS", false, false},
        {"BITMAP_GLASS", "BITMAP_MASKGLASSL", false, false},
        {"BITMAP_FLAT", "BITMAP_FLATSMASK", false, false},
        {"BITMAP_WIND", "BITMAP_WINDMASK", false, false},
        {"BITMAP_TUB", "BITMAP_TUBMASK", false, true},
        {"BITMAP_AERO", "BITMAP_AEROMASK", false, false},
        {"BITMAP_RAMA", "BITMAP_RAMA_MASK", true, false},
        {"BITMAP_LIST", "BITMAP_LIST_MASK", true, false},
    };
    const std::uint32_t tints[] = {0xFF0000, 0x3070E0, 0x40B040, 0xF0C830};
    for (const Framed& f : framed) {
        if (!Has(all, f.skin)) continue;
        Heading(sheet, at, f.skin);
        const Artwork& skin = Find(all, f.skin);
        const Artwork& mask = Find(all, f.mask);
        Place(sheet, at, FromArtwork(skin), "SKIN", false);
        Place(sheet, at, FromArtwork(mask), "MASK", false);
        Place(sheet, at, ComposeSkin(skin, mask, 239, 141, Cut::kFramed, tints[0]), "TINT FF0000");
        const Cut open = f.frame ? Cut::kFrame : Cut::kFramed;
        Place(sheet, at, ComposeSkin(skin, mask, f.frame ? 160 : 239, 190, open, tints[1]),
              f.frame ? "160X190" : "239X190");
        const Cut rolled = f.frame ? Cut::kFrameRolled : (f.narrow ? Cut::kNarrowRolled : Cut::kRolled);
        Place(
            sheet, at,
            Column(
                {ComposeSkin(skin, mask, 300, 60, open, tints[2]), ComposeSkin(skin, mask, 270, 90, open, kUntinted),
                 ComposeSkin(skin, mask, f.frame ? 115 : 239, f.frame ? 36 : (f.narrow ? 38 : 32), rolled, tints[3])}),
            "300X60  270X90  ROLLED UP", false);
    }

    if (Has(all, "BITMAP_ICOFLAT")) Heading(sheet, at, "ICON STYLES");
    const char* iconSkins[][2] = {{"BITMAP_ICOAERO", "BITMAP_ICOAEROMASK"},
                                  {"BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK"},
                                  {"BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK"},
                                  {"BITMAP_ICOINNER", "BITMAP_ICOINNERMASK"},
                                  {"BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK"}};
    for (const auto& pair : iconSkins) {
        if (!Has(all, pair[0])) continue;
        const Artwork& skin = Find(all, pair[0]);
        const Artwork& mask = Find(all, pair[1]);
        Place(sheet, at, FromArtwork(skin), pair[0], false);
        Place(sheet, at, FromArtwork(mask), "MASK", false);
        Place(sheet, at, ComposeSkin(skin, mask, skin.width, skin.height, Cut::kIcon, kUntinted), "UNTINTED");
        Place(sheet, at, ComposeSkin(skin, mask, 150, 64, Cut::kIcon, tints[1]), "150X64");
    }

    if (Has(all, "BITMAP_0")) {
        Heading(sheet, at, "STICKER ICONS");
        for (int i = 0; i < 34; ++i) {
            const Artwork& icon = Find(all, "BITMAP_" + std::to_string(i));
            Place(sheet, at, FromArtwork(icon), std::to_string(i));
        }
        Heading(sheet, at, "STICKER ICONS 2X");
        for (int i = 0; i < 34; ++i) {
            const Artwork& icon = Find(all, "BITMAP_" + std::to_string(i));
            Canvas onColour(icon.width * 2, icon.height * 2);
            onColour.FillAll(Rgb(i % 2 == 0 ? 0xC03030 : 0xF0F0F0));
            onColour.Draw(FromArtwork(icon, 2));
            Place(sheet, at, onColour, std::to_string(i), false);
        }
    }

    if (Has(all, "BITMAP_ABOUTFORM")) {
        Heading(sheet, at, "PINS POINTS BUTTONS");
        for (const char* name : {"BITMAP_EDIT_PIN", "BITMAP_CLOSE_PIN", "BITMAP_DUP_PIN", "BITMAP_UP_PIN",
                                 "BITMAP_DOWN_PIN", "BITMAP_TEXT_PIN", "BITMAP_POINT_ON", "BITMAP_POINT_OFF",
                                 "BUTTON_L", "BUTTON_C", "BUTTON_R", "BUTTON_DELETE", "BUTTON_SAVE"}) {
            const Artwork& a = Find(all, name);
            Place(sheet, at, FromArtwork(a, 3), std::string(name).substr(std::string(name).find('_') + 1));
        }
        for (const char* name : {"BUTTON_CLOSE_N", "BUTTON_CLOSE_L", "BUTTON_CLOSE_D"})
            Place(sheet, at, FromArtwork(Find(all, name), 2), name + 7);

        Heading(sheet, at, "ABOUT");
        Place(sheet, at, FromArtwork(Find(all, "BITMAP_ABOUTFORM")), "BITMAP_ABOUTFORM");
        {
            Canvas about = FromArtwork(Find(all, "BITMAP_ABOUTFORM"));
            about.Draw(FromArtwork(Find(all, "BUTTON_CLOSE_L")), about.Width() - 61, -1);
            Place(sheet, at, about, "WITH LIT CLOSE BUTTON");
        }
    }

    if (Has(all, "BITMAP_FLAGS")) {
        Heading(sheet, at, "FLAGS (2X, MASKED)");
        const Artwork& flags = Find(all, "BITMAP_FLAGS");
        const Artwork& mask = Find(all, "BITMAP_FLAGSMASK");
        const int perRow = 20;
        for (int row = 0; row * perRow < 230; ++row) {
            Canvas strip(perRow * 60, 36);
            for (int k = 0; k < perRow && row * perRow + k < 230; ++k) {
                const int index = row * perRow + k;
                for (int y = 0; y < 15; ++y)
                    for (int x = 0; x < 25; ++x) {
                        const Sample m = Read(mask, index * 25 + x, y);
                        if (m.r > 128) continue;
                        const Sample s = Read(flags, index * 25 + x, y);
                        for (int d = 0; d < 4; ++d)
                            strip.At(k * 60 + x * 2 + d % 2, y * 2 + d / 2) = {s.r / 255, s.g / 255, s.b / 255, 1};
                    }
                DrawLabel(strip, k * 60, 29, std::to_string(index), Grey(60));
            }
            Place(sheet, at, strip, "", false);
        }
    }

    const int used = std::min(sheet.Height(), at.y + at.rowHeight + 10);
    Canvas cropped(kSheetWidth, used);
    cropped.Draw(sheet);
    return ToPicture24(cropped, Grey(255));
}

}  // namespace velpiners::artgen
