// What Relayout and Repaint put into a real sticker window's composed picture: sizes by content, caption
// row by style, pictures and the rows they add, the rolled-up icon styles, the transparent "Text" style,
// pins and pushpin, the own-colour tint and hostile records. Text sizes are measured here with GDI in the
// sticker's fonts, so the expectations follow the layout rules whatever font the system substitutes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "app/shared_pictures_win.h"
#include "graphics/gdi_surface_win.h"
#include "sticker/paint_share_win.h"
#include "sticker/hit_test.h"
#include "sticker/painter_win.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_state.h"
#include "tests/win32/test_support.h"

namespace velpiners {
namespace {

using graphics::Picture;

// A controller stand-in with the program's real skins, pins, pushpins and icons, plus made-up square
// icons for chosen picture numbers.
class PainterHost : public StickerHost {
public:
    PainterHost() { pictures.Load(test::ProgramResources()); }
    HWND ControllerWindow() const override { return nullptr; }
    std::string Text(TextKey key) const override { return std::string(InfoOf(key).key); }
    std::wstring ShownText(TextKey) const override { return L""; }
    void Duplicate(const StickerRecord&) override {}
    void OpenProperties(HWND, const StickerRecord&, int) override {}
    const Picture& SharedPicture(std::string_view name) const override { return pictures.Get(name); }
    void PictureByNumber(Picture& target, int number) override {
        const auto made = madeIcons.find(number);
        if (made != madeIcons.end()) {
            target = made->second;
        } else if (number >= 1 && number <= 34) {
            target = pictures.BuiltInIcon(number - 1);
        }
    }

    // An opaque pure red square of `size` pixels as icon `number`.
    void MakeIcon(int number, int size) {
        Picture icon(size, size, 32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                std::uint8_t* p = icon.Pixel(x, y);
                p[2] = 255;
                p[3] = 255;
            }
        madeIcons[number] = icon;
    }

    SharedPictures pictures;
    std::map<int, Picture> madeIcons;
};

struct Rgba {
    std::uint8_t b, g, r, a;
};

bool IsPureRed(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 255; }

// The extent of `text` in the block's face and point size at the screen's resolution.
SIZE ExtentIn(const TextStyleBlock& block, const std::string& text) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    const std::string face = block.fontName.Get();
    HFONT font =
        ::CreateFontA(-::MulDiv(block.fontSize, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return size;
}

int LineHeightIn(const TextStyleBlock& block) { return ExtentIn(block, "\\WAL0").cy; }

// Pixels of [x0, x1) x [y0, y1) (clipped to both pictures) that differ in any byte.
int Differing(const Picture& a, const Picture& b, int x0, int y0, int x1, int y1) {
    x1 = std::min({x1, a.Width(), b.Width()});
    y1 = std::min({y1, a.Height(), b.Height()});
    int count = 0;
    for (int y = std::max(y0, 0); y < y1; ++y)
        for (int x = std::max(x0, 0); x < x1; ++x)
            if (std::memcmp(a.Pixel(x, y), b.Pixel(x, y), 4) != 0) ++count;
    return count;
}

bool Same(const Picture& a, const Picture& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && Differing(a, b, 0, 0, a.Width(), a.Height()) == 0;
}

class PainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        sticker = TStickForm::Create(host, nullptr);
        ASSERT_NE(sticker, nullptr);
        hwnd = sticker->Handle();
        // A short caption, no date line and one short line of body text, unless a test says otherwise.
        Blocks().caption.text.Set("Note");
        Blocks().date.SetShowDate(0);
        Blocks().body.text.Set("Hello");
    }
    void TearDown() override {
        if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
        test::PumpMessages();
    }

    StickerRecord& Blocks() { return sticker->Blocks(); }
    PlacementBlock& Placement() { return sticker->Placement(); }
    int Width() { return sticker->Composed().Width(); }
    int Height() { return sticker->Composed().Height(); }
    Picture Snapshot() { return sticker->Composed(); }
    Rgba At(int x, int y) {
        const std::uint8_t* p = sticker->Composed().Pixel(x, y);
        return Rgba{p[0], p[1], p[2], p[3]};
    }
    void Focus(bool focused) { ::SendMessageA(hwnd, focused ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0); }

    // Opaque pixels of the shared 32-bit picture `name` placed at (x, y) that the composed picture does not
    // show in their own colour; -1 when the picture has no opaque pixel to compare.
    int PinMismatches(const char* name, int x, int y) {
        const Picture& pin = host.SharedPicture(name);
        const Picture& composed = sticker->Composed();
        int opaque = 0;
        int mismatches = 0;
        for (int py = 0; py < pin.Height(); ++py)
            for (int px = 0; px < pin.Width(); ++px) {
                const std::uint8_t* s = pin.Pixel(px, py);
                if (s[3] != 255) continue;
                ++opaque;
                const std::uint8_t* t = composed.Pixel(x + px, y + py);
                if (std::memcmp(s, t, 3) != 0 || t[3] < 251) ++mismatches;
            }
        return opaque == 0 ? -1 : mismatches;
    }

    // Whether the 24-bit pushpin `name` stands at (x, y): every pixel but the magenta ones copied, opaque.
    bool PushpinAt(const char* name, int x, int y) {
        const Picture& point = host.SharedPicture(name);
        if (point.Empty()) return false;
        for (int py = 0; py < point.Height(); ++py)
            for (int px = 0; px < point.Width(); ++px) {
                const std::uint8_t* s = point.Pixel(px, py);
                if (s[0] == 0xFF && s[1] == 0x00 && s[2] == 0xFF) continue;
                const Rgba t = At(x + px, y + py);
                if (t.b != s[0] || t.g != s[1] || t.r != s[2] || t.a != 255) return false;
            }
        return true;
    }

    PainterHost host;
    TStickForm* sticker = nullptr;
    HWND hwnd = nullptr;
};

// --- Layout: sizes and the caption row ---------------------------------------------------------------

TEST_F(PainterTest, RelayoutWritesTheCaptionRowOfTheStyleBeforePainting) {
    for (std::uint8_t style = 0; style <= 16; ++style) {
        Placement().style = style;
        Blocks().caption.y = 9;
        sticker->Relayout();
        EXPECT_EQ(Blocks().caption.y, style == 2 ? 4 : 2) << "style " << int{style};
    }
    // A stored 9 paints exactly like a stored 4: the row is replaced before the caption is drawn.
    Placement().style = 2;
    Blocks().caption.y = 9;
    sticker->Relayout();
    const Picture fromNine = Snapshot();
    Blocks().caption.y = 4;
    sticker->Relayout();
    EXPECT_TRUE(Same(fromNine, Snapshot()));
}

TEST_F(PainterTest, AnEmptyBodyTextIsAsHighAsFiveLines) {
    const int lineHeight = LineHeightIn(Blocks().body);
    ASSERT_GT(lineHeight, 0);
    const int fiveLines = std::max(5 * lineHeight - 1, 39) + 16;
    for (std::uint8_t style : {0, 2, 9}) {
        Placement().style = style;
        Blocks().body.text.Set("   ");  // blank: no ink either
        sticker->Relayout();
        EXPECT_EQ(Height(), fiveLines) << "style " << int{style};
        Blocks().body.text.Set("");
        sticker->Relayout();
        EXPECT_EQ(Height(), fiveLines) << "style " << int{style};
        const int emptyWidth = Width();

        Blocks().body.text.Set("Hello");
        sticker->Relayout();
        EXPECT_LT(Height(), fiveLines) << "style " << int{style};
        EXPECT_GE(Height(), 55);
        EXPECT_LE(Height(), std::max(Blocks().body.y + lineHeight, 39) + 16);
        // The frame styles are as narrow as their skin allows either way; the others keep the skin's width.
        EXPECT_EQ(emptyWidth, style == 9 ? 95 : 239);
        EXPECT_EQ(Width(), emptyWidth);
    }
    // An icon style without text or picture frames nothing: the smallest background there is.
    Placement().style = 15;
    Blocks().body.text.Set("");
    sticker->Relayout();
    EXPECT_EQ(Width(), 74);
    EXPECT_EQ(Height(), 45);
}

TEST_F(PainterTest, ALongCaptionLineWidensTheSticker) {
    TextStyleBlock& caption = Blocks().caption;
    Blocks().date.SetShowDate(1);
    Blocks().date.text.Set("1.01.24");
    Blocks().body.text.Set("x");
    const int dateWidth = ExtentIn(Blocks().date, "1.01.24").cx;
    auto need = [&](int extra) {
        return caption.x + ExtentIn(caption, caption.text.Get()).cx + extra + dateWidth + caption.x + 16;
    };

    ASSERT_LT(need(0), 225);
    sticker->Relayout();
    EXPECT_EQ(Width(), 239);

    std::string text = "Shopping";
    caption.text.Set(text);
    while (need(0) < 225) {
        text += " list";
        caption.text.Set(text);
    }
    sticker->Relayout();
    EXPECT_EQ(Width(), need(0) + 16);

    // A shown picture lengthens the caption line by its width and a 2-pixel gap.
    host.MakeIcon(201, 16);
    Placement().SetPictureNumber(201);
    sticker->Relayout();
    EXPECT_EQ(Width(), need(16 + 2) + 16);
}

TEST_F(PainterTest, AWordWiderThanTheTextBoxWidensTheStickerAndIsDrawnWhole) {
    TextStyleBlock& body = Blocks().body;
    body.shadow = 0;
    body.text.Set("A body text of several ordinary words that wrap inside the box");
    sticker->Relayout();
    const int normalWidth = Width();
    EXPECT_EQ(normalWidth, 239);

    const std::string word(40, 'W');
    const int wordWidth = ExtentIn(body, word).cx;
    ASSERT_GT(wordWidth, body.width + 30);
    body.text.Set(word);
    body.color = 0xFFFFFF;
    sticker->Relayout();
    EXPECT_GT(Width(), normalWidth);
    // The background frames the ink: its right edge (an inclusive column) + 16.
    EXPECT_NEAR(Width(), body.x + wordWidth + 16, 3);
    const Picture white = Snapshot();

    body.color = 0x000000;
    sticker->Relayout();
    ASSERT_EQ(Width(), white.Width());
    const Picture black = Snapshot();
    // Ink beyond the box's own right edge, up to the word's last letter.
    EXPECT_GT(Differing(white, black, body.x + body.width + 8, 0, body.x + body.width + 40, Height()), 0);
    EXPECT_GT(Differing(white, black, body.x + wordWidth - 12, 0, body.x + wordWidth, Height()), 0);
}

TEST_F(PainterTest, EveryLineOfATextWithAWordLongerThanTheLineIsDrawn) {
    TextStyleBlock& body = Blocks().body;
    body.shadow = 0;
    const std::string word = "Averyvery" + std::string(51, 'l');  // 60 letters
    body.text.Set("First line\r\n" + word + "\r\nLast line");
    const int lineHeight = LineHeightIn(body);
    ASSERT_GT(lineHeight, 0);
    for (const std::uint8_t wrap : {1, 0}) {
        SCOPED_TRACE(int{wrap});
        Placement().wordWrap = wrap;
        body.color = 0xFFFFFF;
        sticker->Relayout();
        const Picture white = Snapshot();
        body.color = 0x000000;
        sticker->Relayout();
        const Picture black = Snapshot();
        ASSERT_EQ(white.Height(), black.Height());
        // Three lines, each where the size was made for it: the third line's rows are inside the sticker,
        // and ink shows in each line's rows.
        ASSERT_GT(Height(), body.y + 3 * lineHeight);
        for (int line = 0; line < 3; ++line)
            EXPECT_GT(Differing(white, black, 0, body.y + line * lineHeight, Width(), body.y + (line + 1) * lineHeight),
                      0)
                << "line " << line;
    }
}

TEST_F(PainterTest, AmpersandsArePaintedAsTyped) {
    // 60 ampersands in one word: a mnemonic prefix would paint half of them ("&&" as "&") and leave the
    // word inside the box. The word's ink as TextOut (which knows no prefixes) draws it in the body's font
    // is what the sticker must be as wide as.
    TextStyleBlock& body = Blocks().body;
    const std::string word(60, '&');
    GdiSurface typed(24);
    typed.Resize(2 * ExtentIn(body, word).cx, 2 * LineHeightIn(body));
    ::PatBlt(typed.Dc(), 0, 0, typed.Width(), typed.Height(), WHITENESS);
    ::SelectObject(typed.Dc(), PaintShare::Get().Font(body.fontName.Get(), body.fontSize));
    ::TextOutA(typed.Dc(), 0, 0, word.c_str(), static_cast<int>(word.size()));
    const graphics::Picture& ink = typed.Pixels();
    int inkLeft = ink.Width();
    int inkRight = -1;
    for (int y = 0; y < ink.Height(); ++y)
        for (int x = 0; x < ink.Width(); ++x)
            if (ink.Pixel(x, y)[0] < 128) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    const int inkWidth = inkRight - inkLeft + 1;
    ASSERT_GT(inkWidth, body.width + 30);
    body.text.Set(word);
    sticker->Relayout();
    EXPECT_NEAR(Width(), body.x + inkWidth + 16, 3);
}

// --- Pictures --------------------------------------------------------------------------------------------

TEST_F(PainterTest, TallPicturesAddTransparentRowsOnTopOfFramedStyles) {
    sticker->Relayout();
    const int plainHeight = Height();
    const int left = Blocks().caption.x - 2;

    struct Case {
        int size;
        int addedRows;
        int top;
    };
    for (const Case c : {Case{16, 0, 4}, Case{32, 14, 0}, Case{48, 22, 0}}) {
        SCOPED_TRACE(c.size);
        host.MakeIcon(300 + c.size, c.size);
        Placement().SetPictureNumber(300 + c.size);
        sticker->Relayout();
        EXPECT_EQ(Height(), plainHeight + c.addedRows);
        const Rgba first = At(left, c.top);
        const Rgba last = At(left + c.size - 1, c.top + c.size - 1);
        for (const Rgba p : {first, last}) {
            EXPECT_EQ(p.r, 255);
            EXPECT_EQ(p.g, 0);
            EXPECT_EQ(p.b, 0);
            EXPECT_GE(p.a, 251);
        }
        EXPECT_NE(At(left - 1, c.top + c.size / 2).r, 255);
        if (c.addedRows > 0) {
            EXPECT_EQ(At(Width() / 2, 0).a, 0);
        }
        // Everything drawn before the picture moved down with the skin, the pushpin included.
        EXPECT_TRUE(PushpinAt("BITMAP_POINT_ON", Width() - 24, 6 + c.addedRows));
    }

    // From 100 rows up the picture is left out and adds nothing.
    host.MakeIcon(400, 100);
    Placement().SetPictureNumber(400);
    sticker->Relayout();
    EXPECT_EQ(Height(), plainHeight);
    const Picture& composed = sticker->Composed();
    int red = 0;
    for (int y = 0; y < composed.Height(); ++y)
        for (int x = 0; x < composed.Width(); ++x) red += IsPureRed(composed.Pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(red, 0);
}

TEST_F(PainterTest, RolledUpIconStylesShowThePictureOrElseTheText) {
    Placement().style = 12;
    Placement().unrolled = 0;
    Blocks().body.shadow = 0;
    auto paintedIn = [&](ColorValue color) {
        Blocks().body.color = color;
        sticker->Relayout();
        return Snapshot();
    };

    host.MakeIcon(232, 32);
    Placement().SetPictureNumber(232);
    const Picture white = paintedIn(0xFFFFFF);
    EXPECT_TRUE(Same(white, paintedIn(0x000000)));
    // A frame around the picture alone, which stands at x 16, centred.
    EXPECT_EQ(white.Width(), 74);
    EXPECT_EQ(white.Height(), 32 + 32);
    EXPECT_TRUE(IsPureRed(white.Pixel(16, 16)));
    EXPECT_TRUE(IsPureRed(white.Pixel(16 + 31, 16 + 31)));

    Placement().unrolled = 1;
    EXPECT_FALSE(Same(paintedIn(0xFFFFFF), paintedIn(0x000000)));

    Placement().unrolled = 0;
    Placement().SetPictureNumber(0);
    EXPECT_FALSE(Same(paintedIn(0xFFFFFF), paintedIn(0x000000)));
}

// --- Transparency, pins and pushpin ----------------------------------------------------------------------

TEST_F(PainterTest, TheTextStyleShowsOnlyTextPushpinAndWhileFocusedThePins) {
    Placement().style = 16;
    Blocks().body.text.Set("Hi");
    sticker->Relayout();
    const int w = Width();
    const int h = Height();
    const int textEnd = Blocks().body.x + ExtentIn(Blocks().body, "Hi").cx + 2;  // shadow included

    auto visibleOutsideTextAndPushpin = [&] {
        int count = 0;
        for (int y = 0; y < h; ++y)
            for (int x = textEnd; x < w; ++x) {
                const bool onPushpin = x >= w - 24 && x < w - 12 && y >= 6 && y < 18;
                if (!onPushpin && At(x, y).a != 0) ++count;
            }
        return count;
    };
    EXPECT_EQ(visibleOutsideTextAndPushpin(), 0);
    EXPECT_EQ(At(w / 2, h - 3).a, 0);
    EXPECT_EQ(At(w - 18, 12).a, 255);
    EXPECT_TRUE(PushpinAt("BITMAP_POINT_ON", w - 24, 6));
    int textPixels = 0;
    for (int y = 0; y < h; ++y)
        for (int x = Blocks().body.x; x < textEnd; ++x) textPixels += At(x, y).a != 0 ? 1 : 0;
    EXPECT_GT(textPixels, 0);

    // The pin row stands 18 from the right and 19 from the bottom, only while focused.
    Focus(true);
    EXPECT_EQ(PinMismatches("BITMAP_CLOSE_PIN", w - 18, h - 19), 0);
    EXPECT_EQ(At(w - 18, 12).a, 255);
    Focus(false);
    int pinPixels = 0;
    for (int y = h - 19; y < h - 2; ++y)
        for (int x = w - 18; x < w - 1; ++x) pinPixels += At(x, y).a != 0 ? 1 : 0;
    EXPECT_EQ(pinPixels, 0);
    // An icon style's unfocused repaint leaves the pushpin out as well.
    EXPECT_EQ(At(w - 18, 12).a, 0);
}

TEST_F(PainterTest, FocusShowsThePinRowWithoutResizing) {
    for (const bool unrolled : {true, false}) {
        SCOPED_TRACE(unrolled);
        Placement().unrolled = unrolled ? 1 : 0;
        sticker->Relayout();
        const Picture unfocused = Snapshot();
        const int w = unfocused.Width();
        const int h = unfocused.Height();
        RECT before{};
        ::GetWindowRect(hwnd, &before);

        Focus(true);
        EXPECT_EQ(Width(), w);
        EXPECT_EQ(Height(), h);
        const int closeX = w - (unrolled ? 26 : 44);
        const int y = h - 25;
        EXPECT_EQ(PinMismatches("BITMAP_CLOSE_PIN", closeX, y), 0);
        EXPECT_EQ(PinMismatches("BITMAP_DUP_PIN", closeX - 18, y), 0);
        EXPECT_EQ(PinMismatches("BITMAP_EDIT_PIN", closeX - 36, y), 0);
        EXPECT_EQ(PinMismatches(unrolled ? "BITMAP_UP_PIN" : "BITMAP_DOWN_PIN", closeX - 54, y), 0);
        EXPECT_GT(PinMismatches(unrolled ? "BITMAP_DOWN_PIN" : "BITMAP_UP_PIN", closeX - 54, y), 0);
        // Nothing changed but the pin row.
        const Picture focused = Snapshot();
        EXPECT_EQ(Differing(unfocused, focused, 0, 0, w, h),
                  Differing(unfocused, focused, closeX - 54, y, closeX + 17, y + 17));

        Focus(false);
        EXPECT_TRUE(Same(Snapshot(), unfocused));
        RECT after{};
        ::GetWindowRect(hwnd, &after);
        EXPECT_EQ(after.right - after.left, before.right - before.left);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
        EXPECT_EQ(after.right - after.left, w);
    }
}

TEST_F(PainterTest, ThePushpinShowsTheLayer) {
    for (const std::uint8_t style : {0, 9}) {
        SCOPED_TRACE(int{style});
        Placement().style = style;
        Placement().layer = 1;
        sticker->Relayout();
        const int x = Width() - (style == 9 ? 26 : 24);
        const int y = style == 9 ? 10 : 6;
        EXPECT_TRUE(PushpinAt("BITMAP_POINT_ON", x, y));
        const Rgba desktop = At(x + 6, y + 6);

        Placement().layer = 0;
        sticker->Repaint();
        EXPECT_TRUE(PushpinAt("BITMAP_POINT_OFF", x, y));
        const Rgba topmost = At(x + 6, y + 6);
        EXPECT_TRUE(desktop.r != topmost.r || desktop.g != topmost.g || desktop.b != topmost.b);
        EXPECT_EQ(topmost.a, 255);
    }
}

// --- Colour and hostile records --------------------------------------------------------------------------

TEST_F(PainterTest, OwnColourTintsTheBackgroundChannelByChannel) {
    // Nothing on the skin but the pushpin, which is drawn after the tint.
    Blocks().caption.text.Set("");
    Blocks().body.text.Set("");
    sticker->Relayout();
    const Picture plain = Snapshot();
    const int w = plain.Width();

    for (const ColorValue color : {0x0000FF, 0x336699}) {
        SCOPED_TRACE(color);
        Placement().useOwnColor = 1;
        Placement().color = color;
        sticker->Repaint();
        const Picture& tinted = sticker->Composed();
        ASSERT_EQ(tinted.Width(), w);
        ASSERT_EQ(tinted.Height(), plain.Height());
        const int channel[3] = {(color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF};  // B, G, R
        int wrong = 0;
        int lit = 0;
        for (int y = 0; y < plain.Height(); ++y)
            for (int x = 0; x < w; ++x) {
                if (x >= w - 24 && x < w - 12 && y >= 6 && y < 18) continue;
                const std::uint8_t* before = plain.Pixel(x, y);
                const std::uint8_t* after = tinted.Pixel(x, y);
                for (int i = 0; i < 3; ++i) {
                    const double c = channel[i];
                    const double v = std::trunc(before[i] * (c / 255) + before[i] * c / 255);
                    if (after[i] != static_cast<int>(std::min(v, 255.0))) ++wrong;
                }
                if (after[3] != before[3]) ++wrong;
                lit += before[2] > 0 ? 1 : 0;
            }
        EXPECT_EQ(wrong, 0);
        ASSERT_GT(lit, 0);
    }
    Placement().useOwnColor = 0;
    sticker->Repaint();
    EXPECT_TRUE(Same(Snapshot(), plain));
}

TEST_F(PainterTest, AlignmentOutsideTheKnownValuesPaintsLeftAligned) {
    Placement().alignment = 0;
    sticker->Relayout();
    const Picture left = Snapshot();
    Placement().alignment = 2;
    sticker->Relayout();
    EXPECT_FALSE(Same(left, Snapshot()));
    Placement().alignment = 9;
    sticker->Relayout();
    EXPECT_TRUE(Same(left, Snapshot()));
}

TEST_F(PainterTest, AHostileRecordPaintsWithinBounds) {
    const std::string word(255, 'W');
    for (TextStyleBlock* block : {&Blocks().caption, &Blocks().date, &Blocks().body}) {
        block->fontSize = 255;
        block->text.Set(word);
    }
    Blocks().date.SetShowDate(1);
    Placement().alignment = 9;
    Placement().opacity = 0;
    for (const std::uint8_t style : {200, 16}) {
        SCOPED_TRACE(int{style});
        Placement().style = style;
        EXPECT_NO_THROW(sticker->Relayout());
        EXPECT_GT(Width(), 0);
        EXPECT_GT(Height(), 0);
        EXPECT_LE(Width(), graphics::kMaxPictureDimension);
        EXPECT_LE(Height(), graphics::kMaxPictureDimension);
        EXPECT_NO_THROW(Focus(true));
        EXPECT_NO_THROW(Focus(false));
        EXPECT_EQ(sticker->PresentedOpacity(), 0);
        EXPECT_EQ(Placement().style, style);  // painted as some style, stored as it came
    }
}

// --- Scaled resolutions --------------------------------------------------------------------------------

// The width of `text` in the block's face and size made at `dpi`.
int WidthAt(const TextStyleBlock& block, const std::string& text, int dpi) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const std::string face = block.fontName.Get();
    HFONT font =
        ::CreateFontA(-::MulDiv(block.fontSize, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return size.cx;
}

// The columns [first, last] where two pictures of one size differ; {-1, -1} when they do not.
std::pair<int, int> DifferingColumns(const Picture& a, const Picture& b) {
    std::pair<int, int> columns{-1, -1};
    for (int x = 0; x < a.Width(); ++x)
        if (Differing(a, b, x, 0, x + 1, a.Height()) > 0) {
            if (columns.first < 0) columns.first = x;
            columns.second = x;
        }
    return columns;
}

StickerRecord ShortNote() {
    StickerRecord record{};
    FillStickerDefaults(record, "Note", "Hello", "", 0, 0);
    record.date.SetShowDate(0);
    return record;
}

TEST(StickerPainterDpiTest, AtAScaledResolutionThePictureIsScaledAndTheCaptionDrawnInTheScaledFont) {
    PainterHost host;
    // The 239 x 55 sticker of one short line at 1.5 and 2 times, halves rounded up.
    for (const auto& [dpi, width, height] :
         {std::tuple{96, 239, 55}, std::tuple{144, 359, 83}, std::tuple{192, 478, 110}}) {
        SCOPED_TRACE(dpi);
        StickerRecord record = ShortNote();
        StickerPainter painter(host);
        painter.SetDpi(dpi);
        painter.Relayout(record, false);
        EXPECT_EQ(painter.Composed().Width(), width);
        EXPECT_EQ(painter.Composed().Height(), height);
        // What a caption adds spans its width in the font made at the resolution, from the caption's scaled X.
        record.caption.text.Set("");
        painter.Relayout(record, false);
        const Picture bare = painter.Composed().Pixels();
        record.caption.text.Set("WWWW");
        painter.Relayout(record, false);
        const auto [first, last] = DifferingColumns(bare, painter.Composed().Pixels());
        const int expected = WidthAt(record.caption, "WWWW", dpi);
        EXPECT_GE(first, Scale(14, dpi));
        EXPECT_LE(first, Scale(14, dpi) + 2);
        EXPECT_GE(last - first + 1, expected - 3);
        EXPECT_LE(last - first + 1, expected + 1);
    }
}

// Of the pixels focusing changes (the pin row), the share in percent the pin hit test finds on a pin, and the
// leftmost and rightmost pin found; of the pixels the layer changes (the pushpin), the share on the pushpin.
// A pixel on a pin's excluded left or top edge counts as on it.
struct HitShares {
    int pins = 0;
    PinKind leftmost = kNoPin;
    PinKind rightmost = kNoPin;
    int pushpin = 0;
};

HitShares SharesAt(PainterHost& host, std::uint8_t style, int dpi) {
    StickerRecord record = ShortNote();
    record.placement.style = style;
    record.placement.layer = 0;
    StickerPainter painter(host);
    painter.SetDpi(dpi);
    painter.Relayout(record, false);
    const Picture unfocused = painter.Composed().Pixels();
    EXPECT_TRUE(painter.Repaint(record, true));
    const Picture focused = painter.Composed().Pixels();
    record.placement.layer = 1;
    painter.Relayout(record, false);
    const Picture desktop = painter.Composed().Pixels();
    const int w = focused.Width();
    const int h = focused.Height();
    const auto onOrBeside = [](auto hit) {
        for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}})
            if (hit(dx, dy)) return true;
        return false;
    };
    HitShares shares;
    int pinChanged = 0, onPin = 0, pushpinChanged = 0, onPushpin = 0;
    int leftX = w, rightX = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (Differing(unfocused, focused, x, y, x + 1, y + 1) != 0) {
                ++pinChanged;
                PinKind pin = kNoPin;
                onOrBeside([&](int dx, int dy) {
                    return (pin = PinAt(style, true, true, w, h, x + dx, y + dy, dpi)) != kNoPin;
                });
                if (pin != kNoPin) ++onPin;
                if (x < leftX) {
                    leftX = x;
                    shares.leftmost = pin;
                }
                if (x > rightX) {
                    rightX = x;
                    shares.rightmost = pin;
                }
            }
            if (Differing(unfocused, desktop, x, y, x + 1, y + 1) != 0) {
                ++pushpinChanged;
                if (onOrBeside([&](int dx, int dy) { return velpiners::PushpinAt(style, w, 0, x + dx, y + dy, dpi); }))
                    ++onPushpin;
            }
        }
    shares.pins = pinChanged > 0 ? 100 * onPin / pinChanged : -1;
    shares.pushpin = pushpinChanged > 0 ? 100 * onPushpin / pushpinChanged : -1;
    return shares;
}

TEST(StickerPainterDpiTest, PinsAndPushpinAreHitWherePainted) {
    PainterHost host;
    for (const std::uint8_t style : {0, 9, 12}) {
        // At 96 dpi the pictures are a little larger than their hit areas (the pins' shadow rows); scaled, the
        // hit areas cover the scaled pictures as much.
        const HitShares base = SharesAt(host, style, kBaseDpi);
        ASSERT_GT(base.pins, 80);
        ASSERT_GT(base.pushpin, 80);
        for (const int dpi : {144, 192}) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, style " << int{style});
            const HitShares scaled = SharesAt(host, style, dpi);
            EXPECT_GE(scaled.pins, base.pins - 3);
            EXPECT_EQ(scaled.leftmost, kRollPin);
            EXPECT_EQ(scaled.rightmost, kClosePin);
            // (The icon styles' pushpin stands above and left of where it is hit at 96 dpi already.)
            if (style <= 10) {
                EXPECT_GE(scaled.pushpin, base.pushpin - 3);
            }
        }
    }
}

TEST(StickerPainterDpiTest, AMoveToAMonitorOfAnotherResolutionRescalesTheStickerAndPlacesItWhereSuggested) {
    PainterHost host;
    const POINT place{100, 120};
    TStickForm* sticker = TStickForm::Create(host, nullptr, &place);
    ASSERT_NE(sticker, nullptr);
    HWND hwnd = sticker->Handle();
    sticker->Blocks() = ShortNote();
    sticker->Relayout();
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 239);
    EXPECT_EQ(rect.bottom - rect.top, 55);

    // Asked first what size it would take there, then moved.
    SIZE size{0, 0};
    EXPECT_EQ(::SendMessageA(hwnd, 0x02E4, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&size)), TRUE);
    EXPECT_EQ(size.cx, 359);
    EXPECT_EQ(size.cy, 83);
    RECT suggested{700, 300, 700 + 359, 300 + 83};
    ::SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 700);
    EXPECT_EQ(rect.top, 300);
    EXPECT_EQ(rect.right - rect.left, 359);
    EXPECT_EQ(rect.bottom - rect.top, 83);
    EXPECT_EQ(sticker->Composed().Width(), 359);

    // And back: the 96-dpi picture again, pixel for pixel.
    StickerRecord record = ShortNote();
    StickerPainter painter(host);
    painter.Relayout(record, false);
    suggested = RECT{100, 120, 100 + 239, 120 + 55};
    ::SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.right - rect.left, 239);
    EXPECT_TRUE(Same(sticker->Composed(), painter.Composed().Pixels()));

    // The same messages from another thread carry addresses that mean nothing here: the resolution is taken,
    // the place and the size answer are not.
    std::atomic<bool> done{false};
    LRESULT sizeAnswer = -1;
    std::thread other([&] {
        ::SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), 0x10);
        sizeAnswer = ::SendMessageA(hwnd, 0x02E4, MAKEWPARAM(144, 144), 0x10);
        done = true;
    });
    while (!done) {
        test::PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    other.join();
    EXPECT_EQ(sizeAnswer, FALSE);
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
    EXPECT_EQ(rect.right - rect.left, 478);
    ::DestroyWindow(hwnd);
    test::PumpMessages();
}

// --- The painter on its own: a record in, a picture out -------------------------------------------------

TEST(StickerPainterTest, PaintsARecordWithoutAWindowAsTheWindowShowsIt) {
    PainterHost host;
    host.MakeIcon(200, 16);
    StickerRecord record{};
    FillStickerDefaults(record, "Note", "Hello", "", 0, 0);
    record.placement.style = 3;
    record.placement.SetPictureNumber(200);
    record.placement.showPicture = 0;
    record.caption.y = 9;

    StickerPainter painter(host);
    // Nothing to repaint from before the first layout: the caller lays out instead.
    EXPECT_FALSE(painter.Repaint(record, false));
    EXPECT_EQ(painter.Composed().Bitmap(), nullptr);

    painter.Relayout(record, false);
    // What a layout decides goes back into the record it was handed.
    EXPECT_EQ(record.placement.showPicture, 1);
    EXPECT_EQ(record.caption.y, 2);
    const Picture laidOut = painter.Composed().Pixels();
    // The icon at (caption X - 2, 4): 12, 4 with the default caption X of 14.
    EXPECT_TRUE(IsPureRed(laidOut.Pixel(12, 4)));
    EXPECT_TRUE(IsPureRed(laidOut.Pixel(27, 19)));
    EXPECT_FALSE(IsPureRed(laidOut.Pixel(28, 19)));

    TStickForm* window = TStickForm::Create(host, nullptr);
    ASSERT_NE(window, nullptr);
    window->Blocks().caption = record.caption;
    window->Blocks().date = record.date;
    window->Blocks().body = record.body;
    window->Blocks().placement = record.placement;
    window->Relayout();
    EXPECT_TRUE(Same(window->Composed(), laidOut));
    ::DestroyWindow(window->Handle());
    test::PumpMessages();

    // An unfocused repaint of a framed style gives the layout's picture again; once released, the painter
    // needs a layout again.
    ASSERT_TRUE(painter.Repaint(record, false));
    EXPECT_TRUE(Same(painter.Composed().Pixels(), laidOut));
    painter.Release();
    EXPECT_FALSE(painter.Repaint(record, false));
}

}  // namespace
}  // namespace velpiners
