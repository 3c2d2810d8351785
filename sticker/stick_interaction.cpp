// What the user does to a sticker directly: clicks (pins, pushpin, drag), double clicks (roll up or the
// properties dialog), the hand cursor over pins, Ctrl+C and Ctrl+V, and the sticker's popup menu.
#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "app/protocol.h"
#include "sticker/hit_test.h"
#include "sticker/stick_form.h"
#include "sticker/sticker_state.h"
#include "ui/menu_text.h"

namespace velpiners {
namespace {

constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;
constexpr int kMiddleButton = 2;

bool ClipboardHasText() { return ::IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

// The clipboard's plain text, or empty.
std::string ClipboardText(HWND owner) {
    std::string text;
    if (!::OpenClipboard(owner)) return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        const SIZE_T size = ::GlobalSize(data);
        if (const auto* chars = static_cast<const char*>(::GlobalLock(data))) {
            // Never read past the block, terminated or not.
            SIZE_T length = 0;
            while (length < size && chars[length] != '\0') ++length;
            text.assign(chars, length);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

}  // namespace

int TStickForm::PictureWidth() const { return m_blocks.placement.showPicture != 0 ? m_stickerPicture.Width() : 0; }

int TStickForm::PinUnder(int x, int y) const {
    const PlacementBlock& p = m_blocks.placement;
    return PinAt(p.style, p.unrolled != 0, m_clickedSinceFocus, m_composed.Width(), m_composed.Height(), x, y);
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
        if (IsIconStyle(p.style)) {
            const int pictureWidth = p.pictureLow != 0 ? m_stickerPicture.Width() : 0;
            if (x < pictureWidth + 18 && p.pictureLow != 0)
                ToggleRollUp();
            else
                m_host.OpenProperties(Handle(), 1);
        } else {
            const int lift = p.showPicture != 0 ? m_stickerPicture.Width() / 2 : 0;
            if (y < lift + 21)
                ToggleRollUp();
            else
                m_host.OpenProperties(Handle(), 1);
        }
        m_doubleClickPending = false;
        PostSaveRequest();
        return;
    }
    if (button == kRightButton) {
        m_clickedSinceFocus = true;
        return;
    }

    const int pin = PinUnder(x, y);
    if (pin != kNoPin && m_focused) {
        switch (pin) {
            case kClosePin:
                m_closing = true;
                Delete();
                return;  // the window and this object are gone
            case kDuplicatePin: m_host.Duplicate(m_blocks); break;
            case kEditPin: m_host.OpenProperties(Handle(), -1); break;
            case kRollPin: ToggleRollUp(); break;
            default: break;
        }
    } else if (PushpinAt(p.style, m_composed.Width(), PictureWidth(), x, y) &&
               (!IsIconStyle(p.style) || m_clickedSinceFocus)) {
        ToggleLayer();
        return;
    }

    if (p.locked == 0) {
        // The platform's move loop runs here until the button goes up, then WM_EXITSIZEMOVE asks for a save.
        ::ReleaseCapture();
        ::SendMessageA(Handle(), WM_SYSCOMMAND, 0xF012, 0);
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
    if (!::OpenClipboard(Handle())) return;
    if (::IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (static_cast<SIZE_T>(length) + 1) * 2);
        if (block != nullptr) {
            auto* wide = static_cast<wchar_t*>(::GlobalLock(block));
            ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
            wide[length] = L'\0';
            ::GlobalUnlock(block);
            ::EmptyClipboard();
            if (::SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
                ::GlobalFree(block);
                ::CloseClipboard();
                throw std::runtime_error("Cannot open clipboard");
            }
        }
    } else {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
        if (block != nullptr) {
            auto* chars = static_cast<char*>(::GlobalLock(block));
            std::memcpy(chars, text.c_str(), text.size() + 1);
            ::GlobalUnlock(block);
            ::EmptyClipboard();
            if (::SetClipboardData(CF_TEXT, block) == nullptr) ::GlobalFree(block);
        }
    }
    ::CloseClipboard();
}

void TStickForm::PasteTextFromClipboard() {
    if (!ClipboardHasText()) return;
    const std::string text = ClipboardText(Handle());
    if (text.empty()) return;
    m_blocks.body.text.Set(text);  // the first 255 characters
    Relayout();
    PostSaveRequest();
}

void TStickForm::MenuPopup() {
    ::EnableMenuItem(m_menu.get(), kBuffTextOut, MF_BYCOMMAND | (ClipboardHasText() ? MF_ENABLED : MF_GRAYED));
    SetMenuItemText(m_menu.get(), kNsost, false, m_host.Text(m_blocks.placement.unrolled != 0 ? "dfSver" : "dfRazver"));
}

void TStickForm::NUpperClick(UINT id) {
    PlacementBlock& p = m_blocks.placement;
    if (id == kNUpper) {
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
}

void TStickForm::OnMenuCommand(UINT id) {
    switch (id) {
        case kNCopy: m_host.Duplicate(m_blocks); return;
        case kNDelete: Delete(); return;
        case kNUpper:
        case kNBottomer: NUpperClick(id); return;
        case kBuffTextIn: CopyTextToClipboard(); return;
        case kBuffTextOut: PasteTextFromClipboard(); return;
        case kNsost: NsostClick(); return;
        case kNConfig: m_host.OpenProperties(Handle(), -1); return;
        default: return;
    }
}

bool TStickForm::OnInteractionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    *result = 0;
    switch (message) {
        case WM_LBUTTONDOWN: FormMouseDown(kLeftButton, x, y); return true;
        case WM_MBUTTONDOWN: FormMouseDown(kMiddleButton, x, y); return true;
        case WM_RBUTTONDOWN: FormMouseDown(kRightButton, x, y); return true;
        case WM_LBUTTONDBLCLK:
            FormDblClick();
            FormMouseDown(kLeftButton, x, y);
            return true;
        case WM_MBUTTONDBLCLK: FormMouseDown(kMiddleButton, x, y); return true;
        case WM_RBUTTONDBLCLK: FormMouseDown(kRightButton, x, y); return true;
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
            const UINT id = static_cast<UINT>(::TrackPopupMenu(m_menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                               at.y, 0, Handle(), nullptr));
            if (id != 0) OnMenuCommand(id);
            return true;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT cursor{};
                ::GetCursorPos(&cursor);
                ::ScreenToClient(Handle(), &cursor);
                const bool overPin = m_focused && PinUnder(cursor.x, cursor.y) != kNoPin;
                ::SetCursor(overPin ? m_handCursor : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
                *result = TRUE;
                return true;
            }
            return false;
        case WM_KEYDOWN: FormKeyDown(wParam); return true;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) {
                OnMenuCommand(LOWORD(wParam));
                return true;
            }
            return false;
        default: return false;
    }
}

}  // namespace velpiners
