// The controller's tray menu: its items in order, their captions from the current language, the Stickers
// submenu rebuilt on every popup, and the menu commands.
#include <windows.h>

#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "dialogs/form_dialog_win.h"
#include "lang/menu_captions.h"
#include "sticker/stick_form_win.h"
#include "tray/tray_icon_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

constexpr UINT kItemsPerSticker = 4;
enum StickerItem : UINT { kPosUp = 0, kPosBottom = 1, kSticksView = 2 };

void AppendRadio(HMENU menu, UINT id, const char* caption) {
    ::AppendMenuA(menu, MF_STRING, id, caption);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    ::SetMenuItemInfoA(menu, id, FALSE, &info);
}

}  // namespace

void TVelpin::BuildMenu() {
    m_menu.reset(::CreatePopupMenu());
    HMENU menu = m_menu.get();

    m_langMenu = ::CreatePopupMenu();
    ::AppendMenuA(m_langMenu, MF_SEPARATOR, 0, nullptr);  // N3: language files go above it
    AppendRadio(m_langMenu, kNRus, "Russian");
    AppendRadio(m_langMenu, kNEng, "English");

    m_hotCreateMenu = ::CreatePopupMenu();
    AppendRadio(m_hotCreateMenu, kNNone, "-/-");
    AppendRadio(m_hotCreateMenu, kNWin, "Win+\"+\"");
    AppendRadio(m_hotCreateMenu, kNFind, "Find");
    AppendRadio(m_hotCreateMenu, kNBack, "Back");
    AppendRadio(m_hotCreateMenu, kNForward, "Forward");
    AppendRadio(m_hotCreateMenu, kNFavorit, "Favourite");
    ::CheckMenuRadioItem(m_hotCreateMenu, kNNone, kNFavorit, kNNone, MF_BYCOMMAND);
    m_hotKeyMenu = ::CreatePopupMenu();
    ::AppendMenuA(m_hotKeyMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hotCreateMenu), "NHOTCreate");

    m_stickersMenu = ::CreatePopupMenu();

    m_actionsMenu = ::CreatePopupMenu();
    ::AppendMenuA(m_actionsMenu, MF_STRING, kNdeleteall, "Ndeleteall");
    ::AppendMenuA(m_actionsMenu, MF_STRING, kFindSrc, "FindSrc");
    ::AppendMenuA(m_actionsMenu, MF_STRING, kFindTransp, "FindTransp");

    ::AppendMenuA(menu, MF_STRING, kN1, "N1");
    ::AppendMenuA(menu, MF_STRING, kNewst1, "newst1");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_langMenu), "NLang");
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_hotKeyMenu), "NHOTKEY");
    ::AppendMenuA(menu, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(m_stickersMenu), "NStickers");
    ::AppendMenuA(menu, MF_STRING, kNAbout, "NAbout");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(m_actionsMenu), "Destv");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, kNClose, "NClose");
}

void TVelpin::ApplyMenuTexts() {
    const TrayMenuCaptions c = MenuCaptionsOf(m_texts);
    HMENU menu = m_menu.get();
    SetMenuItemText(menu, kN1, false, c.n1);
    SetMenuItemText(menu, kNewst1, false, c.newst1);
    SetMenuItemText(menu, kNClose, false, c.nClose);
    SetMenuItemText(menu, 3, true, c.nLang);
    SetMenuItemText(m_langMenu, kNRus, false, c.nRus);
    SetMenuItemText(m_langMenu, kNEng, false, c.nEng);
    SetMenuItemText(menu, kNAbout, false, c.nAbout);
    SetMenuItemText(m_actionsMenu, kNdeleteall, false, c.ndeleteall);
    SetMenuItemText(menu, 4, true, c.nHotkey);
    SetMenuItemText(m_hotKeyMenu, 0, true, c.nHotCreate);
    SetMenuItemText(menu, 8, true, c.destv);
    SetMenuItemText(m_actionsMenu, kFindSrc, false, c.findSrc);
    SetMenuItemText(m_actionsMenu, kFindTransp, false, c.findTransp);
    SetMenuItemText(menu, 5, true, c.nStickers);
}

void TVelpin::MenuPopup() {
    // Every entry goes with its own submenu.
    while (::GetMenuItemCount(m_stickersMenu) > 0) ::DeleteMenu(m_stickersMenu, 0, MF_BYPOSITION);

    int entries = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        const StickerRecord& slot = m_table->Slot(i);
        if (slot.inUse != 1) continue;
        const UINT base = kStickerItemsBase + static_cast<UINT>(i) * kItemsPerSticker;
        HMENU entry = ::CreatePopupMenu();
        AppendRadio(entry, base + kPosUp, Text("posUp").c_str());
        AppendRadio(entry, base + kPosBottom, Text("posBottom").c_str());
        if (slot.placement.layer == 0) ::CheckMenuItem(entry, base + kPosUp, MF_BYCOMMAND | MF_CHECKED);
        if (slot.placement.layer == 1) ::CheckMenuItem(entry, base + kPosBottom, MF_BYCOMMAND | MF_CHECKED);
        ::AppendMenuA(entry, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(entry, MF_STRING, base + kSticksView, Text("mSticksView").c_str());
        ::AppendMenuA(m_stickersMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(entry),
                      StickerMenuCaption(slot.body.text.View()).c_str());
        ++entries;
    }
    ::EnableMenuItem(m_menu.get(), 5, MF_BYPOSITION | (entries > 0 ? MF_ENABLED : MF_GRAYED));
}

void TVelpin::PostToEverySticker(WPARAM wParam, std::uint32_t code) const {
    for (int i = 0; i < kSlotCount; ++i) {
        const StickerRecord& slot = m_table->Slot(i);
        if (slot.inUse == 1)
            ::PostMessageA(HandleFromValue(slot.window), protocol::kStickerCommandMessage, wParam, code);
    }
}

void TVelpin::Ndeleteall1Click() {
    if (m_formDialog == nullptr || !m_formDialog->Confirm(Text("dialCaptionDeleteAll"), Text("dialTextDeleteAll")))
        return;
    for (int i = 0; i < kSlotCount; ++i) {
        const StickerRecord& slot = m_table->Slot(i);
        if (slot.inUse != 1) continue;
        ::PostMessageA(HandleFromValue(slot.window), protocol::kStickerCommandMessage,
                       reinterpret_cast<WPARAM>(Handle()), protocol::kStkClose);
        m_table->ReleaseSlot(i);
    }
    WriteDatabase();
}

void TVelpin::OpenProperties(HWND, int) {
    // The properties dialog comes with the dialogs; until then a sticker's request opens nothing.
}

void TVelpin::FindSrcClick() { PostToEverySticker(25, protocol::kStkBringIntoView); }

void TVelpin::FindTranspClick() { PostToEverySticker(26, protocol::kStkMakeVisible); }

void TVelpin::OnMenuCommand(UINT id) {
    if (id >= kStickerItemsBase) {
        const UINT slotIndex = (id - kStickerItemsBase) / kItemsPerSticker;
        const UINT item = (id - kStickerItemsBase) % kItemsPerSticker;
        if (!Tmassiv::IsValidIndex(static_cast<int>(slotIndex))) return;
        const StickerRecord& slot = m_table->Slot(static_cast<int>(slotIndex));
        if (slot.inUse != 1) return;
        HWND window = HandleFromValue(slot.window);
        if (item == kPosUp || item == kPosBottom) {
            ::PostMessageA(window, protocol::kStickerCommandMessage, item == kPosUp ? 0 : 1,
                           protocol::kStkLayerFromMenu);
            BeginSaveCycle();
        } else if (item == kSticksView) {
            ::PostMessageA(window, protocol::kStickerCommandMessage, 98, protocol::kStkRaise);
        }
        return;
    }
    switch (id) {
        case kN1: MakeDefaultSticker(); return;
        case kNdeleteall: Ndeleteall1Click(); return;
        case kFindSrc: FindSrcClick(); return;
        case kFindTransp: FindTranspClick(); return;
        case kNClose: ::PostMessageA(Handle(), WM_CLOSE, 0, 0); return;
        case kNRus:
        case kNEng:
            SelectBuiltInLanguage(id == kNRus);
            UpdateLanguageChecks();
            return;
        default:
            if (id >= kNNone && id <= kNFavorit) ::CheckMenuRadioItem(m_hotCreateMenu, kNNone, kNFavorit, id, MF_BYCOMMAND);
            // The new-sticker dialog and the about box come with the dialogs.
            return;
    }
}

}  // namespace velpiners
