// The controller's tray menu: its items in order, their captions from the current language, the Stickers
// submenu rebuilt on every popup, and the menu commands.
#include <windows.h>

#include "protocol/protocol.h"
#include "app/velpin_win.h"
#include "dialogs/about_form_win.h"
#include "dialogs/form_dialog_win.h"
#include "lang/menu_captions.h"
#include "sticker/stick_form_win.h"
#include "tray/tray_icon_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;

// Each sticker's entry in the Stickers submenu: its items' identifiers follow from its slot.
constexpr UINT kItemsPerSticker = 4;
enum class StickerItem : UINT { kPosUp = 0, kPosBottom = 1, kSticksView = 2 };

UINT StickerItemCommand(int slot, StickerItem item) {
    return MenuCommand(MenuId::kStickerItemsBase) + static_cast<UINT>(slot) * kItemsPerSticker + MenuCommand(item);
}

void AppendCommand(HMENU menu, MenuId id, const char* caption) {
    ::AppendMenuA(menu, MF_STRING, MenuCommand(id), caption);
}

void AppendRadio(HMENU menu, UINT id, const char* caption) {
    ::AppendMenuA(menu, MF_STRING, id, caption);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    ::SetMenuItemInfoA(menu, id, FALSE, &info);
}

void AppendSubmenu(HMENU menu, HMENU submenu, const char* caption, UINT flags = 0) {
    ::AppendMenuA(menu, MF_POPUP | flags, reinterpret_cast<UINT_PTR>(submenu), caption);
}

}  // namespace

void TVelpin::BuildMenu() {
    m_menu.reset(::CreatePopupMenu());
    HMENU menu = m_menu.get();

    m_langMenu = ::CreatePopupMenu();
    ::AppendMenuA(m_langMenu, MF_SEPARATOR, 0, nullptr);  // N3: language files go above it
    AppendRadio(m_langMenu, MenuCommand(MenuId::kNRus), "Russian");
    AppendRadio(m_langMenu, MenuCommand(MenuId::kNEng), "English");

    m_hotCreateMenu = ::CreatePopupMenu();
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNNone), "-/-");
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNWin), "Win+\"+\"");
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNFind), "Find");
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNBack), "Back");
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNForward), "Forward");
    AppendRadio(m_hotCreateMenu, MenuCommand(MenuId::kNFavorit), "Favourite");
    ::CheckMenuRadioItem(m_hotCreateMenu, MenuCommand(MenuId::kNNone), MenuCommand(MenuId::kNFavorit),
                         MenuCommand(MenuId::kNNone), MF_BYCOMMAND);
    m_hotKeyMenu = ::CreatePopupMenu();
    AppendSubmenu(m_hotKeyMenu, m_hotCreateMenu, "NHOTCreate");

    m_stickersMenu = ::CreatePopupMenu();

    m_actionsMenu = ::CreatePopupMenu();
    AppendCommand(m_actionsMenu, MenuId::kNdeleteall, "Ndeleteall");
    AppendCommand(m_actionsMenu, MenuId::kFindSrc, "FindSrc");
    AppendCommand(m_actionsMenu, MenuId::kFindTransp, "FindTransp");

    AppendCommand(menu, MenuId::kN1, "N1");
    AppendCommand(menu, MenuId::kNewst1, "newst1");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendSubmenu(menu, m_langMenu, "NLang");
    AppendSubmenu(menu, m_hotKeyMenu, "NHOTKEY");
    AppendSubmenu(menu, m_stickersMenu, "NStickers", MF_GRAYED);
    AppendCommand(menu, MenuId::kNAbout, "NAbout");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendSubmenu(menu, m_actionsMenu, "Destv");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendCommand(menu, MenuId::kNClose, "NClose");
}

void TVelpin::ApplyMenuTexts() {
    const TrayMenuCaptions c = MenuCaptionsOf(m_texts);
    HMENU menu = m_menu.get();
    SetMenuItemText(menu, MenuId::kN1, c.n1);
    SetMenuItemText(menu, MenuId::kNewst1, c.newst1);
    SetMenuItemText(menu, MenuId::kNClose, c.nClose);
    SetSubmenuText(menu, m_langMenu, c.nLang);
    SetMenuItemText(m_langMenu, MenuId::kNRus, c.nRus);
    SetMenuItemText(m_langMenu, MenuId::kNEng, c.nEng);
    SetMenuItemText(menu, MenuId::kNAbout, c.nAbout);
    SetMenuItemText(m_actionsMenu, MenuId::kNdeleteall, c.ndeleteall);
    SetSubmenuText(menu, m_hotKeyMenu, c.nHotkey);
    SetSubmenuText(m_hotKeyMenu, m_hotCreateMenu, c.nHotCreate);
    SetSubmenuText(menu, m_actionsMenu, c.destv);
    SetMenuItemText(m_actionsMenu, MenuId::kFindSrc, c.findSrc);
    SetMenuItemText(m_actionsMenu, MenuId::kFindTransp, c.findTransp);
    SetSubmenuText(menu, m_stickersMenu, c.nStickers);
}

void TVelpin::MenuPopup() {
    // Every entry goes with its own submenu.
    while (::GetMenuItemCount(m_stickersMenu) > 0) ::DeleteMenu(m_stickersMenu, 0, MF_BYPOSITION);

    int entries = 0;
    m_table->ForEachInUse([this, &entries](int i, const StickerRecord& slot) {
        const UINT up = StickerItemCommand(i, StickerItem::kPosUp);
        const UINT bottom = StickerItemCommand(i, StickerItem::kPosBottom);
        HMENU entry = ::CreatePopupMenu();
        AppendRadio(entry, up, Text(TextKey::posUp).c_str());
        AppendRadio(entry, bottom, Text(TextKey::posBottom).c_str());
        if (slot.placement.layer == 0) ::CheckMenuItem(entry, up, MF_BYCOMMAND | MF_CHECKED);
        if (slot.placement.layer == 1) ::CheckMenuItem(entry, bottom, MF_BYCOMMAND | MF_CHECKED);
        ::AppendMenuA(entry, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(entry, MF_STRING, StickerItemCommand(i, StickerItem::kSticksView),
                      Text(TextKey::mSticksView).c_str());
        AppendSubmenu(m_stickersMenu, entry, StickerMenuCaption(slot.body.text.View()).c_str());
        ++entries;
    });
    EnableSubmenu(m_menu.get(), m_stickersMenu, entries > 0);
}

void TVelpin::PostToEverySticker(WPARAM wParam, std::uint32_t code) const {
    m_table->ForEachInUse([wParam, code](int, const StickerRecord& slot) {
        ::PostMessageA(HandleFromValue(slot.window), protocol::kStickerCommandMessage, wParam, code);
    });
}

void TVelpin::Ndeleteall1Click() {
    if (m_formDialog == nullptr ||
        !m_formDialog->Confirm(Text(TextKey::dialCaptionDeleteAll), Text(TextKey::dialTextDeleteAll)))
        return;
    PostToEverySticker(reinterpret_cast<WPARAM>(Handle()), protocol::kStkClose);
    m_table->ForEachInUse([this](int i, const StickerRecord&) { m_table->ReleaseSlot(i); });
    WriteDatabase();
}

void TVelpin::NAboutClick() {
    if (m_aboutForm != nullptr) m_aboutForm->FormShow();
}

void TVelpin::OpenProperties(HWND, int) {
    // The properties dialog comes with the dialogs; until then a sticker's request opens nothing.
}

// Each sticker finds itself: the command's own code is its value.
void TVelpin::FindSrcClick() { PostToEverySticker(protocol::kStkBringIntoView, protocol::kStkBringIntoView); }

void TVelpin::FindTranspClick() { PostToEverySticker(protocol::kStkMakeVisible, protocol::kStkMakeVisible); }

void TVelpin::OnMenuCommand(UINT id) {
    const UINT firstStickerItem = MenuCommand(MenuId::kStickerItemsBase);
    if (id >= firstStickerItem) {
        const UINT slotIndex = (id - firstStickerItem) / kItemsPerSticker;
        const auto item = static_cast<StickerItem>((id - firstStickerItem) % kItemsPerSticker);
        if (!Tmassiv::IsValidIndex(static_cast<int>(slotIndex))) return;
        const StickerRecord& slot = m_table->Slot(static_cast<int>(slotIndex));
        if (slot.inUse != 1) return;
        HWND window = HandleFromValue(slot.window);
        if (item == StickerItem::kPosUp || item == StickerItem::kPosBottom) {
            ::PostMessageA(window, protocol::kStickerCommandMessage, item == StickerItem::kPosUp ? 0 : 1,
                           protocol::kStkLayerFromMenu);
            BeginSaveCycle();
        } else if (item == StickerItem::kSticksView) {
            ::PostMessageA(window, protocol::kStickerCommandMessage, protocol::kStkRaise, protocol::kStkRaise);
        }
        return;
    }
    const auto command = static_cast<MenuId>(id);
    switch (command) {
        case MenuId::kN1:
            MakeDefaultSticker();
            return;
        case MenuId::kNdeleteall:
            Ndeleteall1Click();
            return;
        case MenuId::kNAbout:
            NAboutClick();
            return;
        case MenuId::kFindSrc:
            FindSrcClick();
            return;
        case MenuId::kFindTransp:
            FindTranspClick();
            return;
        case MenuId::kNClose:
            ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return;
        case MenuId::kNRus:
        case MenuId::kNEng:
            SelectBuiltInLanguage(command == MenuId::kNRus);
            UpdateLanguageChecks();
            return;
        default:
            if (id >= MenuCommand(MenuId::kNNone) && id <= MenuCommand(MenuId::kNFavorit))
                ::CheckMenuRadioItem(m_hotCreateMenu, MenuCommand(MenuId::kNNone), MenuCommand(MenuId::kNFavorit), id,
                                     MF_BYCOMMAND);
            // The new-sticker dialog comes with the dialogs.
            return;
    }
}

}  // namespace velpiners
