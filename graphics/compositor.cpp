// Skin compositor; see compositor.h. Pieces are drawn in a fixed order and a later piece wins where two
// overlap, so the order of the calls below is part of the result. Every piece is clipped to both its
// source and its destination, which keeps odd skin sizes safe.
#include "graphics/compositor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/color.h"
#include "graphics/effects.h"

namespace velpiners::graphics {

const std::array<StyleSkin, kStyleCount> kStyleSkins = {{
    {"BITMAP_DARKGLASS", "BITMAP_MASKGLASS", true, 0, kSkinPlain, false},
    {"BITMAP_INNER", "BITMAP_INNERMASK", true, 1, kSkinPlain, false},
    {"BITMAP_GRAY", "BITMAP_GRAYMASK", true, 2, kSkinTitled, false},
    {"BITMAP_SILVERGLASS", "BITMAP_MASKGLASS", true, 3, kSkinPlain, false},
    {"BITMAP_GLASS", "BITMAP_MASKGLASSL", true, 4, kSkinPlain, false},
    {"BITMAP_FLAT", "BITMAP_FLATSMASK", true, 5, kSkinPlain, false},
    {"BITMAP_WIND", "BITMAP_WINDMASK", true, 6, kSkinPlain, false},
    {"BITMAP_TUB", "BITMAP_TUBMASK", true, 7, kSkinStrip, false},
    {"BITMAP_AERO", "BITMAP_AEROMASK", true, 8, kSkinPlain, false},
    {"BITMAP_RAMA", "BITMAP_RAMA_MASK", true, kFrameStyleIndex, kSkinFrame, false},
    {"BITMAP_LIST", "BITMAP_LIST_MASK", true, kFrameStyleIndex, kSkinFrame, false},
    {"BITMAP_ICOAERO", "BITMAP_ICOAEROMASK", false, 0, 0, false},
    {"BITMAP_ICOAERO2", "BITMAP_ICOAERO2MASK", false, 0, 0, false},
    {"BITMAP_ICOAERO_FULL", "BITMAP_ICOAERO_FULLMASK", false, 0, 0, false},
    {"BITMAP_ICOINNER", "BITMAP_ICOINNERMASK", false, 0, 0, false},
    {"BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", false, 0, 0, false},
    {"BITMAP_ICOFLAT", "BITMAP_ICOFLATMASK", false, 0, 0, true},
}};

namespace {

constexpr int kSide = 119;  // unscaled side columns of a framed skin
constexpr int kFrameSide = 18;
constexpr int kFrameBand = 20;
constexpr int kCorner = 16;  // corner size of the icon skins
constexpr int kMinIconWidth = 74;
constexpr int kMinIconHeight = 45;

// [x0, x1) x [y0, y1); empty when either extent is not positive.
struct Box {
    int x0;
    int y0;
    int x1;
    int y1;
    [[nodiscard]] int Width() const { return std::max(0, x1 - x0); }
    [[nodiscard]] int Height() const { return std::max(0, y1 - y0); }
    [[nodiscard]] bool Empty() const { return Width() == 0 || Height() == 0; }
};

int Clamped(long long value) { return static_cast<int>(std::clamp<long long>(value, 0, kMaxPictureDimension + 1LL)); }

// Nearest-neighbour copy of `from` onto `to` (a plain copy when the sizes agree): target offset d takes
// source offset d * sourceExtent / targetExtent. Pixels whose source lies outside the picture are left.
void Stretch(const Picture& source, Box from, Picture& target, Box to) {
    if (from.Empty() || to.Empty()) return;
    const int step = source.BytesPerPixel();
    const int yBegin = std::max(to.y0, 0);
    const int yEnd = std::min(to.y1, target.Height());
    const int xBegin = std::max(to.x0, 0);
    const int xEnd = std::min(to.x1, target.Width());
    if (xBegin >= xEnd) return;
    // Byte offset in the source row of every target column's pixel, or -1 outside the source.
    std::vector<std::ptrdiff_t> offsetOf(static_cast<std::size_t>(xEnd - xBegin));
    for (int x = xBegin; x < xEnd; ++x) {
        const long long sx = from.x0 + static_cast<long long>(x - to.x0) * from.Width() / to.Width();
        offsetOf[static_cast<std::size_t>(x - xBegin)] =
            sx < 0 || sx >= source.Width() ? -1 : static_cast<std::ptrdiff_t>(sx) * step;
    }
    // A copy between 24-bit pictures moves whole runs: the valid offsets are then consecutive.
    const bool straight = from.Width() == to.Width() && step == 3;
    const auto firstValid = std::find_if(offsetOf.begin(), offsetOf.end(), [](std::ptrdiff_t o) { return o >= 0; });
    const auto validCount = std::count_if(offsetOf.begin(), offsetOf.end(), [](std::ptrdiff_t o) { return o >= 0; });
    for (int y = yBegin; y < yEnd; ++y) {
        const long long sy = from.y0 + static_cast<long long>(y - to.y0) * from.Height() / to.Height();
        if (sy < 0 || sy >= source.Height()) continue;
        const std::uint8_t* row = source.Row(static_cast<int>(sy));
        std::uint8_t* out = target.Pixel(xBegin, y);
        if (straight) {
            if (validCount > 0)
                std::memcpy(out + (firstValid - offsetOf.begin()) * 3, row + *firstValid,
                            static_cast<std::size_t>(validCount) * 3);
            continue;
        }
        for (const std::ptrdiff_t offset : offsetOf) {
            if (offset >= 0) std::memcpy(out, row + offset, 3);
            out += 3;
        }
    }
}

void Copy(const Picture& source, Box from, Picture& target, int x, int y) {
    Stretch(source, from, target, Box{x, y, x + from.Width(), y + from.Height()});
}

// The working pictures: the two composites, an intermediate band and a resampled piece. They are kept
// per thread between calls, so that a repaint does not fault in fresh memory for each of them.
struct Workspace {
    Picture colour;
    Picture alpha;
    Picture band;
    Picture scaled;
};

Workspace& ThreadWorkspace() {
    thread_local Workspace workspace;
    return workspace;
}

// Gives back the memory of a workspace that an unusually large picture has grown.
void TrimWorkspace(Workspace& workspace) {
    constexpr std::size_t kKeptBytes = 4u << 20;
    for (Picture* picture : {&workspace.colour, &workspace.alpha, &workspace.band, &workspace.scaled})
        if (static_cast<std::size_t>(picture->Stride()) * static_cast<std::size_t>(picture->Height()) > kKeptBytes)
            *picture = Picture();
}

// Mitchell-resamples the whole band to the box's size and copies it there.
void ResampleInto(const Picture& band, Picture& target, Box to, Picture& scaled) {
    if (to.Empty()) return;
    scaled.Reset(to.Width(), to.Height(), 24);
    ResampleMitchell(band, scaled);
    Copy(scaled, Box{0, 0, scaled.Width(), scaled.Height()}, target, to.x0, to.y0);
}

// Resamples one part of the source (black where it lies outside) to the box's size and copies it there.
void ResamplePart(const Picture& source, Box from, Picture& target, Box to, Workspace& workspace) {
    if (to.Empty()) return;
    workspace.band.Reset(from.Width(), from.Height(), 24);
    Copy(source, from, workspace.band, 0, 0);
    ResampleInto(workspace.band, target, to, workspace.scaled);
}

// Source rows [y0, y1) onto target rows from ty of a wide target: the centre columns stretched to
// [119, W - 118), the left `leftWidth` columns copied, then the right 119 columns copied to the right
// edge (left and right cannot meet: a wide target has at least 241 columns).
void WidenBand(const Picture& source, int y0, int y1, Picture& target, int ty, int leftWidth) {
    const int sw = source.Width();
    const int w = target.Width();
    const int rows = y1 - y0;
    Stretch(source, Box{kSide, y0, sw - (kSide - 1), y1}, target, Box{kSide, ty, w - (kSide - 1), ty + rows});
    Copy(source, Box{0, y0, leftWidth, y1}, target, 0, ty);
    Copy(source, Box{sw - kSide, y0, sw, y1}, target, w - kSide, ty);
}

// The top band of the frame styles into rows [0, 20): corners copied, the centre stretched between them.
void FrameTop(const Picture& source, Picture& target) {
    const int sw = source.Width();
    const int w = target.Width();
    Copy(source, Box{0, 0, kFrameSide, kFrameBand}, target, 0, 0);
    Copy(source, Box{sw - kFrameSide, 0, sw, kFrameBand}, target, w - kFrameSide, 0);
    Stretch(source, Box{kSide, 0, sw - (kSide - 1), kFrameBand}, target,
            Box{kFrameSide, 0, w - kFrameSide, kFrameBand});
}

// The bottom band of the frame styles into the target's last 20 rows.
void FrameBottom(const Picture& source, Picture& target) {
    const int sw = source.Width();
    const int sh = source.Height();
    const int w = target.Width();
    const int ty = target.Height() - kFrameBand;
    Stretch(source, Box{kSide, sh - kFrameBand, sw - (kSide - 1), sh}, target,
            Box{kFrameSide, ty, w - kFrameSide, ty + kFrameBand});
    Copy(source, Box{sw - kFrameSide, sh - kFrameBand, sw, sh}, target, w - kFrameSide, ty);
    Copy(source, Box{0, sh - kFrameBand, kFrameSide, sh}, target, 0, ty);
}

struct FramedLayout {
    int width = 0;
    int height = 0;
    bool wide = false;
    bool unrolled = false;
    int styleIndex = 0;
    int skinKind = 0;
};

// Fills one composite (colour from the skin, alpha from the mask) for a framed style.
void FillFramed(const Picture& source, const FramedLayout& layout, Picture& target, Workspace& workspace) {
    const int sw = source.Width();
    const int sh = source.Height();
    const int w = layout.width;
    const int h = layout.height;
    if (layout.unrolled && layout.wide) {
        Picture& middle = workspace.band;
        middle.Reset(w, std::max(0, sh - 40), 24);
        WidenBand(source, 24, sh - 16, middle, 0, kSide);
        ResampleInto(middle, target, Box{0, 24, w, h - 16}, workspace.scaled);
        WidenBand(source, 0, 24, target, 0, kSide + 1);
        WidenBand(source, sh - 16, sh, target, h - 16, kSide);
    } else if (layout.unrolled && layout.styleIndex != kFrameStyleIndex) {
        ResamplePart(source, Box{0, 24, sw, sh - 16}, target, Box{0, 24, w, h - 16}, workspace);
        Copy(source, Box{0, sh - 16, sw, sh}, target, 0, h - 16);
        Copy(source, Box{0, 0, sw, 24}, target, 0, 0);
    } else if (layout.unrolled) {
        const int edgeTop = 70;
        const int edgeBottom = sh - 70;
        Stretch(source, Box{0, edgeTop, kFrameSide, edgeBottom}, target,
                Box{0, kFrameBand, kFrameSide, h - kFrameBand});
        Stretch(source, Box{sw - kFrameSide, edgeTop, sw, edgeBottom}, target,
                Box{w - kFrameSide, kFrameBand, w, h - kFrameBand});
        Stretch(source, Box{kSide, edgeTop, sw - (kSide - 1), edgeBottom}, target,
                Box{kFrameSide, kFrameBand, w - kFrameSide, h - kFrameBand});
        FrameTop(source, target);
        FrameBottom(source, target);
    } else if (!layout.wide && layout.skinKind == kSkinStrip) {
        Copy(source, Box{0, 0, w, 38}, target, 0, 0);
    } else if (!layout.wide && layout.skinKind == kSkinFrame) {
        FrameTop(source, target);
        FrameBottom(source, target);
    } else if (!layout.wide) {
        ResamplePart(source, Box{0, 18, sw, sh - 10}, target, Box{0, 18, w, 22}, workspace);
        Copy(source, Box{0, sh - 10, sw, sh}, target, 0, 22);
        Copy(source, Box{0, 0, sw, 20}, target, 0, 0);
    } else if (layout.skinKind == kSkinStrip) {
        Stretch(source, Box{kSide - 1, 0, kSide, 38}, target, Box{0, 0, w, 38});
        Copy(source, Box{0, 0, kSide, 38}, target, 0, 0);
        Copy(source, Box{sw - kSide, 0, sw, 38}, target, w - kSide, 0);
    } else {
        Picture& middle = workspace.band;
        middle.Reset(w, std::max(0, sh - 28), 24);
        WidenBand(source, 18, sh - 10, middle, 0, kSide);
        ResampleInto(middle, target, Box{0, 18, w, 22}, workspace.scaled);
        WidenBand(source, sh - 10, sh, target, 22, kSide + 1);
        WidenBand(source, 0, 20, target, 0, kSide);
    }
}

// The title separator lines on the colour composite: at y = 22 the colour of pixel (14, 14) darkened
// by 50, at y = 23 lightened by 30 per cent, both from x = 10 up to W - 10.
void DrawSeparatorLines(Picture& colour) {
    Color base = 0;
    if (colour.Width() > 14 && colour.Height() > 14) {
        const std::uint8_t* p = colour.Pixel(14, 14);
        base = MakeColor(p[2], p[1], p[0]);
    }
    // The base is a plain RGB value: no system colour to look up.
    const Color lines[2] = {DarkenColor(base, 50, nullptr), LightenColor(base, 30, nullptr)};
    for (int i = 0; i < 2; ++i) {
        const int y = 22 + i;
        if (y >= colour.Height()) return;
        for (int x = 10; x < colour.Width() - 10; ++x) {
            std::uint8_t* p = colour.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>(BlueOf(lines[i]));
            p[1] = static_cast<std::uint8_t>(GreenOf(lines[i]));
            p[2] = static_cast<std::uint8_t>(RedOf(lines[i]));
        }
    }
}

// Premultiplied merge of the two composites into the output's top-left area of their size.
void Merge(const Picture& colour, const Picture& alpha, Picture& output) {
    for (int y = 0; y < colour.Height(); ++y) {
        const std::uint8_t* s = colour.Row(y);
        const std::uint8_t* m = alpha.Row(y);
        std::uint8_t* out = output.Row(y);
        for (int x = 0; x < colour.Width(); ++x, s += 3, m += 3, out += 4) {
            const int a = (m[0] + m[1] + m[2]) / 3;
            out[0] = static_cast<std::uint8_t>(s[0] * a / 255);
            out[1] = static_cast<std::uint8_t>(s[1] * a / 255);
            out[2] = static_cast<std::uint8_t>(s[2] * a / 255);
            out[3] = static_cast<std::uint8_t>(a);
        }
    }
}

void CheckPair(const Picture& skin, const Picture& mask) {
    const auto colourDepth = [](const Picture& p) { return p.BitsPerPixel() == 24 || p.BitsPerPixel() == 32; };
    if (!colourDepth(skin) || !colourDepth(mask)) throw GraphicsError("Unsupported picture format");
    if (skin.Width() != mask.Width() || skin.Height() != mask.Height())
        throw GraphicsError("The skin and its mask differ in size");
}

}  // namespace

SkinSize FramedSkinSize(int skinWidth, const Rect& content, int styleIndex, int skinKind, bool unrolled) {
    const long long cw = content.right;
    const long long ch = std::max(content.bottom, 39);
    SkinSize size;
    size.wide = cw >= 225;
    if (size.wide) {
        size.width = Clamped(cw + 16);
    } else if (styleIndex == kFrameStyleIndex) {
        size.width = cw >= 77 ? Clamped(cw + 18) : (unrolled ? 95 : 115);
    } else {
        size.width = skinWidth;
    }
    if (unrolled) {
        size.height = Clamped(ch + 16);
    } else if (skinKind == kSkinStrip) {
        size.height = 38;
    } else if (skinKind == kSkinFrame && !size.wide) {
        size.height = 36;
    } else {
        size.height = 32;
    }
    return size;
}

SkinSize IconSkinSize(const Rect& content, bool unrolled, const Rect& icon) {
    const long long cw = static_cast<long long>(content.right) - content.left;
    const long long ch = static_cast<long long>(content.bottom) - content.top;
    const long long iw = static_cast<long long>(icon.right) - icon.left;
    const long long ih = static_cast<long long>(icon.bottom) - icon.top;
    long long w = cw + 32;
    long long h = ch + 32;
    if (!unrolled && ih >= 2) {
        w = iw + 32;
        h = ih + 32;
    } else if (unrolled && ih >= 2 && ih <= ch) {
        w = iw + cw + 36;
    } else if (unrolled && ih >= 2) {
        h = ih + 32;
        w = cw > 0 ? iw + cw + 36 : iw + cw + 32;
    }
    SkinSize size;
    size.width = Clamped(w);
    size.height = Clamped(h);
    return size;
}

void ComposeFramedSkin(const Picture& skin, const Picture& mask, const Rect& content, int styleIndex, int skinKind,
                       bool unrolled, Picture& output) {
    CheckPair(skin, mask);
    const SkinSize size = FramedSkinSize(skin.Width(), content, styleIndex, skinKind, unrolled);
    FramedLayout layout;
    layout.width = size.width;
    layout.height = size.height;
    layout.wide = size.wide;
    layout.unrolled = unrolled;
    layout.styleIndex = styleIndex;
    layout.skinKind = skinKind;

    Workspace& workspace = ThreadWorkspace();
    workspace.colour.Reset(layout.width, layout.height, 24);
    workspace.alpha.Reset(layout.width, layout.height, 24);
    FillFramed(skin, layout, workspace.colour, workspace);
    FillFramed(mask, layout, workspace.alpha, workspace);
    if (skinKind == kSkinTitled && unrolled) DrawSeparatorLines(workspace.colour);
    output.Reset(layout.width, layout.height, 32);
    Merge(workspace.colour, workspace.alpha, output);
    TrimWorkspace(workspace);
}

void ComposeIconSkin(const Picture& skin, const Picture& mask, const Rect& content, bool unrolled, Picture& output,
                     const Rect& icon) {
    CheckPair(skin, mask);
    const SkinSize size = IconSkinSize(content, unrolled, icon);
    const int width = size.width;
    const int height = size.height;

    Workspace& workspace = ThreadWorkspace();
    workspace.colour.Reset(width, height, 24);
    workspace.alpha.Reset(width, height, 24);
    const int sw = skin.Width();
    const int sh = skin.Height();
    for (int pass = 0; pass < 2; ++pass) {
        const Picture& source = pass == 0 ? skin : mask;
        Picture& target = pass == 0 ? workspace.colour : workspace.alpha;
        ResamplePart(source, Box{kCorner, 0, sw - kCorner, kCorner}, target, Box{kCorner, 0, width - kCorner, kCorner},
                     workspace);
        ResamplePart(source, Box{kCorner, sh - kCorner, sw - kCorner, sh}, target,
                     Box{kCorner, height - kCorner, width - kCorner, height}, workspace);
        ResamplePart(source, Box{0, kCorner, kCorner, sh - kCorner}, target, Box{0, kCorner, kCorner, height - kCorner},
                     workspace);
        ResamplePart(source, Box{sw - kCorner, kCorner, sw, sh - kCorner}, target,
                     Box{width - kCorner, kCorner, width, height - kCorner}, workspace);
        ResamplePart(source, Box{kCorner, kCorner, sw - kCorner, sh - kCorner}, target,
                     Box{kCorner, kCorner, width - kCorner, height - kCorner}, workspace);
        Copy(source, Box{0, 0, kCorner, kCorner}, target, 0, 0);
        Copy(source, Box{sw - kCorner, 0, sw, kCorner}, target, width - kCorner, 0);
        Copy(source, Box{0, sh - kCorner, kCorner, sh}, target, 0, height - kCorner);
        Copy(source, Box{sw - kCorner, sh - kCorner, sw, sh}, target, width - kCorner, height - kCorner);
    }

    output.Reset(std::max(width, kMinIconWidth), std::max(height, kMinIconHeight), 32);
    Merge(workspace.colour, workspace.alpha, output);
    TrimWorkspace(workspace);
}

}  // namespace velpiners::graphics
