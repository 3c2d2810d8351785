// TStickForm: one sticker on the desktop. A borderless layered window whose whole look is a 32-bit
// premultiplied picture shown with UpdateLayeredWindow at the sticker's opacity. It owns its live blocks
// (caption, date, body, placement: contiguous, in the stored record's layout), its flags, its hide timer and
// its painter (StickerPainter, which keeps the working pictures), and answers the sticker command message, the string
// WM_COPYDATA and the summary request of other programs.
//
// The object belongs to its window: Create() makes both, and the object frees itself when the window is
// destroyed (code 103, a deletion, or DestroyWindow from outside).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/picture.h"
#include "sticker/painter_win.h"
#include "sticker/sticker_host_win.h"
#include "sticker/sticker_state.h"
#include "store/record.h"
#include "ui/form_win.h"
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

    // The controller's own messages to its stickers (posted, no value): the desktop may have a new host, so a
    // desktop sticker checks its parent; the monitors changed, so each sticker fits itself to their work areas.
    static constexpr UINT kCheckDesktopHostMessage = WM_APP + 1;
    static constexpr UINT kFitToMonitorsMessage = WM_APP + 2;

    // Creates the hidden window with the creation defaults; `owner` (the controller) keeps it off the
    // taskbar. It stands at `place` (left, top) when one is given, else at the form's design position.
    // Returns nullptr when the window cannot be created.
    static TStickForm* Create(StickerHost& host, HWND owner, const POINT* place = nullptr);
    // The sticker object of a sticker window of this thread; nullptr for any other window.
    [[nodiscard]] static TStickForm* OfWindow(HWND window);

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
    // False when the system did not take the picture (a layered child the system refuses).
    bool Present(std::uint8_t opacity);
    void ApplyLayer(std::uint8_t layer);
    // A desktop sticker (not raised) moves into the desktop's current host when it is not in it yet.
    void CheckDesktopHost();
    // Shows the sticker on these work areas for this run: a sticker visible on none of them stands on the
    // nearest one without that place becoming its own (its record keeps its own place), and goes back to its
    // own place once that is visible again. Only the user's move gives it a new place.
    void FitToMonitors(const std::vector<ScreenRect>& workAreas);
    [[nodiscard]] bool Rescued() const { return m_rescued; }
    void BringIntoView();
    // The whole sticker again when it is rolled up to its caption strip.
    void Unroll();
    void MakeVisible();
    void ReportRecord(HWND target);
    void SendSummary(HWND target, std::uint8_t index);
    void ApplyMenuCaptions();

    [[nodiscard]] bool Focused() const { return m_focused; }
    [[nodiscard]] bool Raised() const { return m_raised; }
    [[nodiscard]] bool ClickedSinceFocus() const { return m_clickedSinceFocus; }
    [[nodiscard]] std::uint8_t PresentedOpacity() const { return m_presentedOpacity; }
    [[nodiscard]] const graphics::Picture& Composed() { return m_painter.Composed().Pixels(); }
    [[nodiscard]] const graphics::Picture& StickerPicture() const { return m_painter.StickerPicture(); }

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
    bool EnterDesktopLayer();
    void OnDestroy();
    // The place the record keeps: the window's own, or the one it left for a monitor's sake.
    [[nodiscard]] POINT StoredPlace() const;
    // A move to a monitor of another resolution: paints at `dpi` and moves to the suggested place.
    void OnDpiChanged(int dpi, const RECT* suggested);
    void FollowMonitorDpi();

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

    StickerPainter m_painter{m_host};
    bool m_doubleClickPending = false;
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
    // The window that keeps it off the taskbar while it is top-level.
    HWND m_owner = nullptr;
    // The last presented picture was taken by the system.
    bool m_presentHeld = true;
    // A host that refused it as a child: not tried again, the sticker stays at the bottom of the stack.
    HWND m_refusedHost = nullptr;
    // Shown on another monitor than its own place's, which m_ownPlace keeps.
    bool m_rescued = false;
    POINT m_ownPlace{};
};

}  // namespace velpiners
