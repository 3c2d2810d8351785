// TStickForm: one sticker on the desktop. A borderless layered window whose whole look is a 32-bit
// premultiplied picture shown with UpdateLayeredWindow at the sticker's opacity. It owns its live blocks
// (caption, date, body, placement: contiguous, in the stored record's layout), its flags, its hide timer and
// its working pictures, and answers the sticker command message, the string WM_COPYDATA and the summary
// request of other programs.
//
// The object belongs to its window: Create() makes both, and the object frees itself when the window is
// destroyed (code 103, a deletion, or DestroyWindow from outside).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/picture.h"
#include "sticker/sticker_host_win.h"
#include "store/record.h"
#include "ui/form_win.h"
#include "graphics/dib_section_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class TStickForm : public Form {
public:
    // Command identifiers of the items of `Menu`.
    enum class MenuId : UINT {
        kNCopy = 1,
        kNDelete,
        kNUpper,
        kNBottomer,
        kBuffTextIn,
        kBuffTextOut,
        kNsost,
        kNConfig,
    };

    // Creates the hidden window with the creation defaults; `owner` (the controller) keeps it off the
    // taskbar. It stands at `place` (left, top) when one is given, else at the form's design position.
    // Returns nullptr when the window cannot be created.
    static TStickForm* Create(StickerHost& host, HWND owner, const POINT* place = nullptr);

    // The live blocks. The controller writes them directly while it fills a new window; the record's window
    // handle and slot flags are not used here.
    [[nodiscard]] StickerRecord& Blocks() { return m_blocks; }
    [[nodiscard]] const StickerRecord& Blocks() const { return m_blocks; }
    [[nodiscard]] PlacementBlock& Placement() { return m_blocks.placement; }

    void SetHideDelay();
    [[nodiscard]] UINT HideInterval() const { return m_hideInterval; }
    [[nodiscard]] bool HideTimerRunning() const { return m_hideTimerRunning; }

    // Check marks of NUpper (layer 0) and NBottomer (layer 1) from the stored layer.
    void SetLayerChecks();
    [[nodiscard]] HMENU Menu() const { return m_menu.get(); }

    void Relayout();
    void Repaint();
    void Present(std::uint8_t opacity);
    void ApplyLayer(std::uint8_t layer);
    void BringIntoView();
    void MakeVisible();
    void ReportRecord(HWND target);
    void SendSummary(HWND target, std::uint8_t index);
    void ApplyMenuCaptions();

    [[nodiscard]] bool Focused() const { return m_focused; }
    [[nodiscard]] bool Raised() const { return m_raised; }
    [[nodiscard]] bool ClickedSinceFocus() const { return m_clickedSinceFocus; }
    [[nodiscard]] std::uint8_t PresentedOpacity() const { return m_presentedOpacity; }
    [[nodiscard]] const graphics::Picture& Composed() { return m_composed.Pixels(); }
    [[nodiscard]] const graphics::Picture& StickerPicture() const { return m_stickerPicture; }

    // The window's left and top in its parent's coordinates (the screen while it has no parent).
    [[nodiscard]] POINT Position() const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

private:
    explicit TStickForm(StickerHost& host);
    ~TStickForm() override;

    void FormCreate();
    void FormClose();
    void OnStickerCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(WPARAM kind, const COPYDATASTRUCT* data);
    void OnSetFocus();
    void OnKillFocus();
    void OnWindowPosChanging(WINDOWPOS* position) const;
    void OnWindowPosChanged();
    void OnMouseEnter();

    // Painting.
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
    int TextWidthIn(const TextStyleBlock& block, const std::string& text) const;
    void MeasureText(const TextStyleBlock& block);
    void RemeasureText(const TextStyleBlock& block);
    void MeasureHeader();
    void Measure(std::uint8_t style);
    void LoadPicture();
    void ComposeBackground(std::uint8_t style);
    [[nodiscard]] int PictureRows() const;
    [[nodiscard]] TextLayerInput CurrentTextLayerInput() const;
    void PaintTextLayer();
    void PaintSteps(bool fromRelayout);
    void PaintPinRow(graphics::Picture& target);
    void PaintLine(const TextStyleBlock& block, int x, int y, std::uint8_t shadow);
    void PaintCaption(const TextStyleBlock& block);
    void PaintDate(const TextStyleBlock& block);
    void PaintText(const TextStyleBlock& block, int lift);

    // Interaction.
    void FormMouseDown(int button, int x, int y);
    void FormMouseUp();
    void FormDblClick();
    void FormKeyDown(WPARAM key);
    void MenuPopup();
    void OnMenuCommand(MenuId id);
    void NUpperClick(MenuId id);
    void NsostClick();
    void ToggleRollUp();
    void ToggleLayer();
    void Delete();
    void CopyTextToClipboard();
    void PasteTextFromClipboard();
    [[nodiscard]] int PinUnder(int x, int y) const;
    [[nodiscard]] int PictureWidth() const;
    // The mouse, key, cursor and menu messages; true when handled (with *result the answer).
    bool OnInteractionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void HideTick();
    void StartHideTimer();
    void StopHideTimer();
    void PostSaveRequest() const;

    StickerHost& m_host;

    DibSection m_composed{32};
    // The part of the composed picture below the rows a tall picture adds on top (all of it without them).
    graphics::Picture m_canvas;
    // The background of the current layout, shared with the stickers of the same look; the generation
    // changes whenever it is another picture.
    std::shared_ptr<const graphics::Picture> m_background;
    std::uint64_t m_backgroundGeneration = 0;
    graphics::Picture m_stickerPicture{0, 0, 32};
    // What the last measuring read and what it found.
    MeasureInput m_measureInput;
    bool m_measured = false;
    RECT m_measuredText{};
    RECT m_measuredCalc{};
    RECT m_measuredContent{};
    std::int32_t m_measuredCaptionRight = 0;
    std::int32_t m_measuredDateWidth = 0;
    std::int32_t m_measuredWrapRight = 0;
    // The canvas after the date line, with what it was drawn from.
    TextLayerInput m_textLayerInput;
    graphics::Picture m_textLayer;
    bool m_textLayerValid = false;
    RECT m_textRect{};
    RECT m_calcRect{};
    RECT m_contentRect{};
    // The right edge the body text was last measured in: the painting breaks its lines there too, so it
    // shows every line the size was made for (the ink's edge lies left of it, and a word longer than the
    // line would break once more).
    std::int32_t m_wrapRight = 0;
    bool m_doubleClickPending = false;
    std::int32_t m_captionRightEdge = 0;
    std::int32_t m_dateWidth = 0;
    bool m_focused = false;
    bool m_closing = false;
    bool m_clickedSinceFocus = false;
    bool m_raised = false;
    UINT m_hideInterval = 3000;
    bool m_hideTimerRunning = false;
    StickerRecord m_blocks{};

    UniqueMenu m_menu;
    HCURSOR m_handCursor = nullptr;
    std::uint8_t m_presentedOpacity = 0;
    bool m_trackingMouse = false;
    bool m_reassertingTopmost = false;
    bool m_applyingLayer = false;
};

}  // namespace velpiners
