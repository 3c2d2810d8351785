// What the user does to a sticker directly: clicks (pins, pushpin, drag), double clicks (roll up or the
// properties dialog), the hand cursor over pins, Ctrl+C and Ctrl+V, and the sticker's popup menu.
#include <windows.h>

#include <cstring>
#include <string>

#include "protocol/protocol.h"
#include "sticker/hit_test.h"
#include "sticker/stick_form_win.h"
#include "sticker/sticker_state.h"
#include "base/app_error.h"
#include "base/wide_string_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;
constexpr int kMiddleButton = 2;

// The system move command with the caption hit code: the window follows the pointer as if dragged by a
// title bar.
constexpr WPARAM kDragByCaption = SC_MOVE | HTCAPTION;
// A double click this high on a framed sticker (below the picture's extra rows) is on its caption strip;
// on an icon style, one this far right of the picture's left part is still on the picture.
constexpr int kCaptionStripHeight = 21;
constexpr int kIconRollMargin = 18;
// Pages of the properties dialog a sticker asks for.
constexpr int kTextPage = 1;
constexpr int kLastShownPage = -1;

bool ClipboardHasText() { return ::IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

// Every clipboard failure (another program holds it open, no memory for the block) reaches the user as
// the one clipboard error in the standard error box.
[[noreturn]] void ClipboardError() { throw AppError("Cannot open clipboard"); }

// The clipboard opened for a window, closed again on every way out.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) {
        if (!::OpenClipboard(owner)) ClipboardError();
    }
    ~ClipboardSession() { ::CloseClipboard(); }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
};

// Empties the open clipboard and hands it a shareable copy of `bytes` in `format`.
void PutOnClipboard(UINT format, const void* bytes, SIZE_T size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (block == nullptr) ClipboardError();
    void* target = ::GlobalLock(block);
    if (target == nullptr) {
        ::GlobalFree(block);
        ClipboardError();
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    ::EmptyClipboard();
    // Once handed over the block is the clipboard's; a refusal leaves it ours to free.
    if (::SetClipboardData(format, block) == nullptr) {
        ::GlobalFree(block);
        ClipboardError();
    }
}

// A clipboard block locked for reading, unlocked again on every way out.
class LockedBlock {
public:
    explicit LockedBlock(HANDLE block) : m_block(block), m_bytes(static_cast<const char*>(::GlobalLock(block))) {
        if (m_bytes == nullptr) ClipboardError();
    }
    ~LockedBlock() { ::GlobalUnlock(m_block); }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    [[nodiscard]] const char* Bytes() const { return m_bytes; }

private:
    HANDLE m_block;
    const char* m_bytes;
};

// The start of the clipboard's plain text, at most `limit` characters; empty when it holds none. Another
// program's text may be of any size: only what a note can hold is read.
std::string ClipboardText(HWND owner, std::size_t limit) {
    ClipboardSession session(owner);
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data == nullptr) return {};
    const SIZE_T size = ::GlobalSize(data);
    const LockedBlock locked(data);
    // Never read past the block, terminated or not.
    const char* chars = locked.Bytes();
    const SIZE_T readable = size < limit ? size : limit;
    SIZE_T length = 0;
    while (length < readable && chars[length] != '\0') ++length;
    return std::string(chars, length);
}

}  // namespace

int TStickForm::PictureWidth() const { return m_blocks.placement.showPicture != 0 ? StickerPicture().Width() : 0; }

int TStickForm::PinUnder(int x, int y) const {
    const PlacementBlock& p = m_blocks.placement;
    return PinAt(PaintedStyle(p.style), p.unrolled != 0, m_clickedSinceFocus, m_painter.Composed().Width(),
                 m_painter.Composed().Height(), x, y, m_painter.Dpi());
}

void TStickForm::PostSaveRequest() const {
    ::PostMessageA(m_host.ControllerWindow(), protocol::kControllerCommandMessage, protocol::kCtlSaveRequest,
                   protocol::kCtlSaveRequest);
}

void TStickForm::ToggleRollUp() {
    PlacementBlock& p = m_blocks.placement;
    p.unrolled = static_cast<std::uint8_t>(1 - p.unrolled);
    Relayout();
}

void TStickForm::ToggleLayer() {
    PlacementBlock& p = m_blocks.placement;
    p.layer = static_cast<std::uint8_t>(1 - p.layer);
    SetLayerChecks();
    ApplyLayer(p.layer);
    Repaint();
    if (p.layer == 0) ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    PostSaveRequest();
    m_clickedSinceFocus = true;
}

void TStickForm::Delete() {
    // The controller releases the slot (and saves) before the window goes.
    ::SendMessageA(m_host.ControllerWindow(), protocol::kControllerCommandMessage, reinterpret_cast<WPARAM>(Handle()),
                   protocol::kCtlStickerDeleted);
    FormClose();
    DestroyFormWindow();
}

void TStickForm::FormDblClick() {
    m_doubleClickPending = true;
    m_clickedSinceFocus = true;
}

void TStickForm::FormMouseUp() { m_doubleClickPending = false; }

void TStickForm::FormMouseDown(int button, int x, int y) {
    const PlacementBlock& p = m_blocks.placement;
    if (m_doubleClickPending) {
        const LifeWatch life = WatchLife();
        if (IsIconStyle(PaintedStyle(p.style))) {
            const int pictureWidth = p.pictureLow != 0 ? StickerPicture().Width() : 0;
            if (x < pictureWidth + kIconRollMargin && p.pictureLow != 0)
                ToggleRollUp();
            else
                m_host.OpenProperties(Handle(), m_blocks, kTextPage);
        } else {
            const int lift = p.showPicture != 0 ? StickerPicture().Width() / 2 : 0;
            if (y < lift + kCaptionStripHeight)
                ToggleRollUp();
            else
                m_host.OpenProperties(Handle(), m_blocks, kTextPage);
        }
        if (!life.Alive()) return;  // the dialog's loop may have closed the sticker
        m_doubleClickPending = false;
        PostSaveRequest();
        return;
    }
    if (button == kRightButton) {
        m_clickedSinceFocus = true;
        return;
    }

    const LifeWatch life = WatchLife();
    const std::uint8_t style = PaintedStyle(p.style);
    const int pin = PinUnder(x, y);
    if (pin != kNoPin && m_focused) {
        switch (pin) {
            case kClosePin:
                m_closing = true;
                Delete();
                return;  // the window and this object are gone
            case kDuplicatePin:
                m_host.Duplicate(m_blocks);
                break;
            case kEditPin:
                m_host.OpenProperties(Handle(), m_blocks, kLastShownPage);
                break;
            case kRollPin:
                ToggleRollUp();
                PostSaveRequest();
                break;
            default:
                break;
        }
        if (!life.Alive()) return;
    } else if (PushpinAt(style, m_painter.Composed().Width(), PictureWidth(), x, y, m_painter.Dpi()) &&
               (!IsIconStyle(style) || m_clickedSinceFocus)) {
        ToggleLayer();
        return;
    }

    if (p.locked == 0) {
        // The platform's move loop runs here until the button goes up, then WM_EXITSIZEMOVE asks for a save.
        // The loop dispatches messages: a close command (an Explorer restart closes every sticker) may end
        // the window before it returns.
        ::ReleaseCapture();
        ::SendMessageA(Handle(), WM_SYSCOMMAND, kDragByCaption, 0);
        if (!life.Alive()) return;
    }
    m_clickedSinceFocus = true;
}

void TStickForm::FormKeyDown(WPARAM key) {
    if (!m_focused || (::GetKeyState(VK_CONTROL) & 0x8000) == 0) return;
    if (key == 'V') PasteTextFromClipboard();
    if (key == 'C') CopyTextToClipboard();
}

void TStickForm::CopyTextToClipboard() {
    const std::string text = m_blocks.body.text.Get();
    if (text.empty()) return;
    ClipboardSession session(Handle());
    if (::IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        const std::wstring wide = WideFromCodePage(text, CP_ACP);
        PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    } else {
        PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
    }
}

void TStickForm::PasteTextFromClipboard() {
    if (!ClipboardHasText()) return;
    const std::string text = ClipboardText(Handle(), ShortString255::kCapacity);
    if (text.empty()) return;
    m_blocks.body.text.Set(text);
    Relayout();
    PostSaveRequest();
}

void TStickForm::MenuPopup() {
    ::EnableMenuItem(m_menu.get(), MenuCommand(MenuId::kBuffTextOut),
                     MF_BYCOMMAND | (ClipboardHasText() ? MF_ENABLED : MF_GRAYED));
    SetMenuItemText(m_menu.get(), MenuId::kNsost,
                    m_host.ShownText(m_blocks.placement.unrolled != 0 ? TextKey::dfSver : TextKey::dfRazver));
}

void TStickForm::NUpperClick(MenuId id) {
    PlacementBlock& p = m_blocks.placement;
    if (id == MenuId::kNUpper) {
        if (p.layer != 1) return;
        p.layer = 0;
        SetLayerChecks();
        ApplyLayer(0);
        Repaint();
        ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        PostSaveRequest();
    } else {
        if (p.layer != 0) return;
        p.layer = 1;
        SetLayerChecks();
        ApplyLayer(1);
        Repaint();
        PostSaveRequest();
    }
}

void TStickForm::NsostClick() {
    PlacementBlock& p = m_blocks.placement;
    if (p.unrolled <= 1) {
        ToggleRollUp();
    } else {
        Relayout();
    }
    PostSaveRequest();
}

void TStickForm::OnMenuCommand(MenuId id) {
    switch (id) {
        case MenuId::kNCopy:
            m_host.Duplicate(m_blocks);
            return;
        case MenuId::kNDelete:
            Delete();
            return;
        case MenuId::kNUpper:
        case MenuId::kNBottomer:
            NUpperClick(id);
            return;
        case MenuId::kBuffTextIn:
            CopyTextToClipboard();
            return;
        case MenuId::kBuffTextOut:
            PasteTextFromClipboard();
            return;
        case MenuId::kNsost:
            NsostClick();
            return;
        case MenuId::kNConfig:
            m_host.OpenProperties(Handle(), m_blocks, kLastShownPage);
            return;
        default:
            return;
    }
}

bool TStickForm::OnInteractionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    *result = 0;
    switch (message) {
        case WM_LBUTTONDOWN:
            FormMouseDown(kLeftButton, x, y);
            return true;
        case WM_MBUTTONDOWN:
            FormMouseDown(kMiddleButton, x, y);
            return true;
        case WM_RBUTTONDOWN:
            FormMouseDown(kRightButton, x, y);
            return true;
        case WM_LBUTTONDBLCLK:
            FormDblClick();
            FormMouseDown(kLeftButton, x, y);
            return true;
        case WM_MBUTTONDBLCLK:
            FormMouseDown(kMiddleButton, x, y);
            return true;
        case WM_RBUTTONDBLCLK:
            FormMouseDown(kRightButton, x, y);
            return true;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
            FormMouseUp();
            return true;
        case WM_RBUTTONUP:
            FormMouseUp();
            return false;  // the default handling turns it into WM_CONTEXTMENU
        case WM_CONTEXTMENU: {
            POINT at{x, y};
            if (lParam == -1) ::GetCursorPos(&at);
            MenuPopup();
            const LifeWatch life = WatchLife();
            // The menu belongs to the controller's window, not to the sticker. The click that brought the
            // sticker forward may take the focus from it again just after (under Wine the first activation
            // of a window remaps it), and a menu owned by the sticker would close with that focus loss
            // before the user saw it. The chosen item comes back here either way.
            const UINT id = static_cast<UINT>(::TrackPopupMenu(m_menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                               at.y, 0, m_host.ControllerWindow(), nullptr));
            if (id != 0 && life.Alive()) OnMenuCommand(static_cast<MenuId>(id));
            return true;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT cursor{};
                ::GetCursorPos(&cursor);
                ::ScreenToClient(Handle(), &cursor);
                const bool overPin = m_focused && PinUnder(cursor.x, cursor.y) != kNoPin;
                ::SetCursor(overPin ? m_handCursor : ::LoadCursorA(nullptr, IDC_ARROW));
                *result = TRUE;
                return true;
            }
            return false;
        case WM_KEYDOWN:
            FormKeyDown(wParam);
            return true;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) {
                OnMenuCommand(static_cast<MenuId>(LOWORD(wParam)));
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace velpiners
