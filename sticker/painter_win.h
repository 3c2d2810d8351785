// StickerPainter: what a sticker window shows, made from its record. Relayout measures the texts, loads the
// sticker's picture and has the compositor build the background at the size the content needs; Repaint
// draws on that background again. Either leaves the result in Composed() for the window to present.
//
// It paints at the resolution its window is shown at: the geometry, drawn for 96 dots per inch, scaled
// number by number, the fonts made at that resolution, the skins and small pictures resampled.
//
// It keeps what each reuse needs between paints: the last measuring with what it read, the background of
// the layout and the picture up to the date line with what it was drawn from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/color_value.h"
#include "base/dpi.h"
#include "graphics/dib_section_win.h"
#include "graphics/picture.h"
#include "sticker/sticker_host_win.h"
#include "store/record.h"

namespace velpiners {

class StickerPainter {
public:
    explicit StickerPainter(StickerHost& host) : m_host(host) {}

    // The full layout and paint. Writes what a layout decides into the record: the show-picture flag
    // (from the picture number) and the caption row of the style.
    void Relayout(StickerRecord& record, bool focused);
    // Paints from the background of the last layout (pins only while focused); false, and nothing painted,
    // before the first layout.
    [[nodiscard]] bool Repaint(const StickerRecord& record, bool focused);
    // Gives every picture back.
    void Release();

    // The resolution to paint at (kBaseDpi until set; an unusable one is taken as kBaseDpi). The next
    // Relayout uses it.
    void SetDpi(int dpi) { m_dpi = SaneDpi(dpi); }
    [[nodiscard]] int Dpi() const { return m_dpi; }
    // The size the last layout would have at `dpi`: its 96-dpi size scaled (the texts are not measured
    // anew, so it may be a pixel off the size a layout there makes).
    [[nodiscard]] SIZE SizeAt(const PlacementBlock& p, int dpi) const;

    // The picture to present (no section before the first paint).
    [[nodiscard]] DibSection& Composed() { return m_composed; }
    [[nodiscard]] const DibSection& Composed() const { return m_composed; }
    // The sticker's picture at 96 dots per inch.
    [[nodiscard]] const graphics::Picture& StickerPicture() const { return m_stickerPicture; }

private:
    // What the measuring finds: the body text's ink extent (the framed skins' content), the rectangle the
    // measuring call returned, the icon styles' content (zero for an empty text), the caption's right edge
    // and the date's width.
    struct Layout {
        RECT textRect{};
        RECT calcRect{};
        RECT contentRect{};
        std::int32_t captionRightEdge = 0;
        std::int32_t dateWidth = 0;
        // The right edge the body text was last measured in: the painting breaks its lines there too, so it
        // shows every line the size was made for (the ink's edge lies left of it, and a word longer than the
        // line would break once more).
        std::int32_t wrapRight = 0;
    };
    // Everything the measuring of a layout reads.
    struct MeasureInput {
        TextStyleBlock caption{};
        TextStyleBlock date{};
        TextStyleBlock body{};
        COLORREF inkColor = 0;  // the body's colour less 1, as the measuring draws it
        std::uint8_t wordWrap = 0;
        std::uint8_t frame = 0;
        std::uint8_t showPicture = 0;
        int pictureWidth = 0;
        int dpi = kBaseDpi;
        bool operator==(const MeasureInput& other) const;
    };
    // Everything the painting steps up to the date line read (colours as the screen shows them).
    struct TextLayerInput {
        std::uint64_t background = 0;
        TextStyleBlock caption{};
        TextStyleBlock date{};
        TextStyleBlock body{};
        RECT textRect{};
        RECT calcRect{};
        COLORREF tint = 0;
        COLORREF shadow = 0;
        COLORREF captionColor = 0;
        COLORREF dateColor = 0;
        COLORREF bodyColor = 0;
        int pictureWidth = 0;
        std::uint8_t style = 0;
        std::uint8_t useOwnColor = 0;
        std::uint8_t unrolled = 0;
        std::uint8_t showPicture = 0;
        std::uint8_t alignment = 0;
        std::uint8_t wordWrap = 0;
        bool operator==(const TextLayerInput& other) const;
    };
    void MeasureText(const PlacementBlock& p, const TextStyleBlock& block);
    void RemeasureText(const PlacementBlock& p, const TextStyleBlock& block);
    void MeasureHeader(const StickerRecord& r);
    void Measure(const StickerRecord& r, std::uint8_t style);
    void LoadPicture(PlacementBlock& p);
    void ComposeBackground(const PlacementBlock& p, std::uint8_t style);
    [[nodiscard]] int PictureRows(const PlacementBlock& p) const;
    [[nodiscard]] int BaseRows(const PlacementBlock& p) const;
    // A number of the 96-dpi geometry at the painting's resolution.
    [[nodiscard]] int S(int n) const { return Scale(n, m_dpi); }
    // The sticker's picture as painted: scaled at another resolution than 96.
    [[nodiscard]] const graphics::Picture& ShownPicture() const {
        return m_dpi == kBaseDpi ? m_stickerPicture : m_scaledPicture;
    }
    [[nodiscard]] TextLayerInput CurrentTextLayerInput(const StickerRecord& r) const;
    void PaintTextLayer(const StickerRecord& r);
    void PaintSteps(const StickerRecord& r, bool fromRelayout, bool focused);
    void PaintPinRow(const PlacementBlock& p);
    void PaintLine(const TextStyleBlock& block, int x, int y, ColorValue shadowColor);
    void PaintCaption(const PlacementBlock& p, const TextStyleBlock& block);
    void PaintDate(const TextStyleBlock& block, ColorValue shadowColor);
    void PaintText(const PlacementBlock& p, const TextStyleBlock& block, int lift);

    StickerHost& m_host;

    DibSection m_composed{32};
    // The part of the composed picture below the rows a tall picture adds on top (all of it without them).
    graphics::Picture m_canvas;
    // The background of the current layout, shared with the stickers of the same look; the generation
    // changes whenever it is another picture.
    std::shared_ptr<const graphics::Picture> m_background;
    std::uint64_t m_backgroundGeneration = 0;
    graphics::Picture m_stickerPicture{0, 0, 32};
    graphics::Picture m_scaledPicture{0, 0, 32};
    int m_dpi = kBaseDpi;
    // The layout being painted, and what the last measuring read and found.
    Layout m_layout;
    MeasureInput m_measureInput;
    Layout m_measuredLayout;
    bool m_measured = false;
    // The canvas after the date line, with what it was drawn from.
    TextLayerInput m_textLayerInput;
    graphics::Picture m_textLayer;
    bool m_textLayerValid = false;
};

}  // namespace velpiners
