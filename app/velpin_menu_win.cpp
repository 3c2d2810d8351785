// The controller's tray menu: its items in order, their captions from the current language (shown through
// the wide menu functions), the Stickers submenu rebuilt on every popup, the language submenu rebuilt from
// the language files on every opening, the owner-drawn language and hot-key items, and the menu commands.
#include <windows.h>

#include "app/menu_drawing_win.h"
#include "app/velpin_win.h"
#include "base/file_list_win.h"
#include "base/wide_string_win.h"
#include "dialogs/about_form_win.h"
#include "dialogs/form_dialog_win.h"
#include "dialogs/settings_form_win.h"
#include "lang/language_file_win.h"
#include "lang/language_info.h"
#include "lang/menu_captions.h"
#include "lang/shown_text_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "tray/tray_icon_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;

// Each sticker's entry in the Stickers submenu: its items' identifiers follow from its slot.
constexpr UINT kItemsPerSticker = 4;
enum class StickerItem : UINT { kPosUp = 0, kPosBottom = 1, kSticksView = 2 };

UINT StickerItemCommand(int slot, StickerItem item) {
    return MenuCommand(MenuId::kStickerItemsBase) + static_cast<UINT>(slot) * kItemsPerSticker + MenuCommand(item);
}

// The language items: the built-in ones with their flags, and the language files' items.
constexpr const char* kLanguageFolder = "Languages\\";
constexpr const char* kLanguageExtension = ".lng";
// The hot-key items in tag order, with their pictures in the key picture list (-1: none).
struct HotKeyItem {
    MenuId id;
    const wchar_t* caption;
    int image;
};
constexpr HotKeyItem kHotKeyItems[] = {
    {MenuId::kNNone, L"-/-", -1}, {MenuId::kNWin, L"Win+\"+\"", -1},  {MenuId::kNFind, L"Find", 2},
    {MenuId::kNBack, L"Back", 0}, {MenuId::kNForward, L"Forward", 1}, {MenuId::kNFavorit, L"Favourite", 3},
};

void AppendCommand(HMENU menu, MenuId id) { ::AppendMenuW(menu, MF_STRING, MenuCommand(id), L""); }

void AppendRadio(HMENU menu, UINT id, const std::wstring& caption) {
    ::AppendMenuW(menu, MF_STRING, id, caption.c_str());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    ::SetMenuItemInfoW(menu, id, FALSE, &info);
}

// An owner-drawn radio item at `position` that keeps its caption and, as its item data, its picture's index
// (-1 for none).
void InsertChoiceItem(HMENU menu, UINT position, UINT id, const std::wstring& caption, int image) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    info.fType = MFT_OWNERDRAW | MFT_RADIOCHECK;
    info.wID = id;
    info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    info.dwItemData = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(image));
    ::InsertMenuItemW(menu, position, TRUE, &info);
}

void AppendChoiceItem(HMENU menu, UINT id, const std::wstring& caption, int image) {
    InsertChoiceItem(menu, static_cast<UINT>(::GetMenuItemCount(menu)), id, caption, image);
}

void AppendSubmenu(HMENU menu, HMENU submenu, const std::wstring& caption, UINT flags = 0) {
    ::AppendMenuW(menu, MF_POPUP | flags, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
}

void SetChecked(HMENU menu, UINT id, bool checked) {
    ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool IsLanguageFileItem(UINT id) {
    const UINT first = MenuCommand(MenuId::kLanguageFilesBase);
    return id >= first && id < first + static_cast<UINT>(TVelpin::kLanguageFileLimit);
}

bool IsHotKeyItem(UINT id) { return id >= MenuCommand(MenuId::kNNone) && id <= MenuCommand(MenuId::kNFavorit); }

bool IsLanguageItem(UINT id) {
    return id == MenuCommand(MenuId::kNRus) || id == MenuCommand(MenuId::kNEng) || IsLanguageFileItem(id);
}

// The picture index an owner-drawn item carries.
int ImageOf(ULONG_PTR itemData) { return static_cast<int>(static_cast<LONG_PTR>(itemData)); }

}  // namespace

void TVelpin::BuildMenu() {
    m_menu.reset(::CreatePopupMenu());
    HMENU menu = m_menu.get();

    // Captions come from ApplyMenuTexts.
    m_langMenu = ::CreatePopupMenu();
    ::AppendMenuW(m_langMenu, MF_SEPARATOR, 0, nullptr);  // N3: language files go above it
    AppendChoiceItem(m_langMenu, MenuCommand(MenuId::kNRus), L"", kRussianFlag);
    AppendChoiceItem(m_langMenu, MenuCommand(MenuId::kNEng), L"", kEnglishFlag);

    // No hot-key item is checked until config.txt or the user chooses one.
    m_hotCreateMenu = ::CreatePopupMenu();
    for (const HotKeyItem& item : kHotKeyItems)
        AppendChoiceItem(m_hotCreateMenu, MenuCommand(item.id), item.caption, item.image);
    m_hotKeyMenu = ::CreatePopupMenu();
    AppendSubmenu(m_hotKeyMenu, m_hotCreateMenu, L"");

    m_stickersMenu = ::CreatePopupMenu();

    m_actionsMenu = ::CreatePopupMenu();
    AppendCommand(m_actionsMenu, MenuId::kNdeleteall);
    AppendCommand(m_actionsMenu, MenuId::kFindSrc);
    AppendCommand(m_actionsMenu, MenuId::kFindTransp);

    AppendCommand(menu, MenuId::kN1);
    AppendCommand(menu, MenuId::kNewst1);
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendSubmenu(menu, m_langMenu, L"");
    AppendSubmenu(menu, m_hotKeyMenu, L"");
    AppendSubmenu(menu, m_stickersMenu, L"", MF_GRAYED);
    AppendCommand(menu, MenuId::kNAbout);
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendSubmenu(menu, m_actionsMenu, L"");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    // The group that keeps notes from being lost; the two submenus are filled as the menu opens.
    AppendCommand(menu, MenuId::kFindNote);
    AppendCommand(menu, MenuId::kExport);
    AppendCommand(menu, MenuId::kAddFromFile);
    m_trashMenu = ::CreatePopupMenu();
    m_restoreMenu = ::CreatePopupMenu();
    AppendSubmenu(menu, m_trashMenu, L"");
    AppendSubmenu(menu, m_restoreMenu, L"");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendCommand(menu, MenuId::kNClose);
}

void TVelpin::ApplyMenuTexts() {
    const TrayMenuCaptions c = MenuCaptionsOf(m_texts);
    const auto shown = [this](const std::string& text) { return velpiners::ShownText(m_texts, text); };
    HMENU menu = m_menu.get();
    SetMenuItemText(menu, MenuId::kN1, shown(c.n1));
    SetMenuItemText(menu, MenuId::kNewst1, shown(c.newst1));
    SetMenuItemText(menu, MenuId::kNClose, shown(c.nClose));
    SetSubmenuText(menu, m_langMenu, shown(c.nLang));
    SetMenuItemText(m_langMenu, MenuId::kNRus, shown(c.nRus));
    SetMenuItemText(m_langMenu, MenuId::kNEng, shown(c.nEng));
    SetMenuItemText(menu, MenuId::kNAbout, shown(c.nAbout));
    SetMenuItemText(m_actionsMenu, MenuId::kNdeleteall, shown(c.ndeleteall));
    SetSubmenuText(menu, m_hotKeyMenu, shown(c.nHotkey));
    SetSubmenuText(m_hotKeyMenu, m_hotCreateMenu, shown(c.nHotCreate));
    SetSubmenuText(menu, m_actionsMenu, shown(c.destv));
    SetMenuItemText(m_actionsMenu, MenuId::kFindSrc, shown(c.findSrc));
    SetMenuItemText(m_actionsMenu, MenuId::kFindTransp, shown(c.findTransp));
    SetSubmenuText(menu, m_stickersMenu, shown(c.nStickers));
    SetMenuItemText(menu, MenuId::kFindNote, ShownText(TextKey::mFindNote));
    SetMenuItemText(menu, MenuId::kExport, ShownText(TextKey::mExport));
    SetMenuItemText(menu, MenuId::kAddFromFile, ShownText(TextKey::mAddFromFile));
    SetSubmenuText(menu, m_trashMenu, ShownText(TextKey::mTrash));
    SetSubmenuText(menu, m_restoreMenu, ShownText(TextKey::mRestore));
}

void TVelpin::NLangClick() {
    RebuildLanguageMenu();
    UpdateLanguageChecks();
}

void TVelpin::RebuildLanguageMenu() {
    const std::string folder = m_programFolder + kLanguageFolder;
    // Without the folder the items of an earlier opening stay.
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return;
    std::vector<std::string> files;
    ListFilesWithExtension(folder, kLanguageExtension, files);

    for (int i = ::GetMenuItemCount(m_langMenu) - 1; i >= 0; --i)
        if (IsLanguageFileItem(::GetMenuItemID(m_langMenu, i))) ::DeleteMenu(m_langMenu, i, MF_BYPOSITION);
    m_languageFiles.clear();
    // Each new item goes to the top, so the files show in the reverse of their listing order.
    for (const std::string& file : files) {
        if (m_languageFiles.size() >= static_cast<std::size_t>(kLanguageFileLimit)) break;
        const LanguageInfo info = ReadLanguageInfo(folder + file);
        const UINT id = MenuCommand(MenuId::kLanguageFilesBase) + static_cast<UINT>(m_languageFiles.size());
        m_languageFiles.push_back(file);
        // A language file is in the code page it declares, or else the system's.
        InsertChoiceItem(m_langMenu, 0, id, WideFromCodePage(info.name, ShownCodePage(info.codePage)), info.flagIndex);
    }
}

void TVelpin::UpdateLanguageChecks() {
    SetChecked(m_langMenu, MenuCommand(MenuId::kNEng), m_texts.EnglishFlag());
    SetChecked(m_langMenu, MenuCommand(MenuId::kNRus), m_texts.RussianFlag());
    const bool fileLanguage = !m_texts.EnglishFlag() && !m_texts.RussianFlag();
    bool matched = false;
    for (int i = ::GetMenuItemCount(m_langMenu) - 1; i >= 0; --i) {
        const UINT id = ::GetMenuItemID(m_langMenu, i);
        if (!IsLanguageFileItem(id)) continue;
        const std::size_t index = id - MenuCommand(MenuId::kLanguageFilesBase);
        const bool active =
            fileLanguage && index < m_languageFiles.size() && m_languageFiles[index] == m_texts.FileName();
        SetChecked(m_langMenu, id, active);
        matched = matched || active;
    }
    // The active language file is gone from the folder: built-in English takes over.
    if (fileLanguage && !matched) {
        SelectBuiltInLanguage(false);
        SetChecked(m_langMenu, MenuCommand(MenuId::kNEng), true);
    }
}

void TVelpin::LanguageFileClick(UINT id) {
    const std::size_t index = id - MenuCommand(MenuId::kLanguageFilesBase);
    if (index >= m_languageFiles.size()) return;
    SelectLanguageFile(m_programFolder + kLanguageFolder + m_languageFiles[index]);
    UpdateLanguageChecks();
}

bool TVelpin::MeasureMenuItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU) return false;
    if (IsLanguageItem(item.itemID)) {
        MeasureChoiceItem(item, kLanguageItemLook, MenuItemText(m_langMenu, item.itemID, false), m_menuFont.get(),
                          MenuDpi());
        return true;
    }
    if (IsHotKeyItem(item.itemID)) {
        MeasureChoiceItem(item, kHotKeyItemLook, MenuItemText(m_hotCreateMenu, item.itemID, false), m_menuFont.get(),
                          MenuDpi());
        return true;
    }
    return false;
}

bool TVelpin::DrawMenuItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU) return false;
    HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
    const std::wstring caption = MenuItemText(menu, item.itemID, false);
    if (IsLanguageItem(item.itemID)) {
        DrawChoiceItem(item, kLanguageItemLook, caption, m_flags.get(), ImageOf(item.itemData), m_menuFont.get(),
                       MenuDpi());
        return true;
    }
    if (IsHotKeyItem(item.itemID)) {
        DrawChoiceItem(item, kHotKeyItemLook, caption, m_hotKeyImages.get(), ImageOf(item.itemData), m_menuFont.get(),
                       MenuDpi());
        return true;
    }
    return false;
}

void TVelpin::MenuPopup() {
    // Every entry goes with its own submenu.
    while (::GetMenuItemCount(m_stickersMenu) > 0) ::DeleteMenu(m_stickersMenu, 0, MF_BYPOSITION);

    int entries = 0;
    m_table->ForEachInUse([this, &entries](int i, const StickerRecord& slot) {
        const UINT up = StickerItemCommand(i, StickerItem::kPosUp);
        const UINT bottom = StickerItemCommand(i, StickerItem::kPosBottom);
        HMENU entry = ::CreatePopupMenu();
        AppendRadio(entry, up, ShownText(TextKey::posUp));
        AppendRadio(entry, bottom, ShownText(TextKey::posBottom));
        if (slot.placement.layer == 0) ::CheckMenuItem(entry, up, MF_BYCOMMAND | MF_CHECKED);
        if (slot.placement.layer == 1) ::CheckMenuItem(entry, bottom, MF_BYCOMMAND | MF_CHECKED);
        ::AppendMenuW(entry, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(entry, MF_STRING, StickerItemCommand(i, StickerItem::kSticksView),
                      ShownText(TextKey::mSticksView).c_str());
        // A sticker's text is stored in the system's ANSI code page.
        AppendSubmenu(m_stickersMenu, entry, WideFromCodePage(StickerMenuCaption(slot.body.text.View()), CP_ACP));
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
    // The question would open over (or, under a topmost dialog, behind) one that waits for the user.
    if (BringModalToFront()) return;
    if (m_formDialog == nullptr ||
        !m_formDialog->Confirm(ShownText(TextKey::dialCaptionDeleteAll), ShownText(TextKey::dialTextDeleteAll)))
        return;
    // Every note can come back: from a copy of the file as it was (one that cannot be made is told, and the
    // deletion goes on) and from the trash.
    (void)TakeTimedSnapshot();
    std::vector<StickerRecord> deleted;
    m_table->ForEachInUse([&deleted](int, const StickerRecord& slot) { deleted.push_back(slot); });
    PutInTrash(deleted);
    PostToEverySticker(reinterpret_cast<WPARAM>(Handle()), protocol::kStkClose);
    m_table->ForEachInUse([this](int i, const StickerRecord&) { m_table->ReleaseSlot(i); });
    WriteDatabase();
    TellWhatWaits();
}

void TVelpin::NAboutClick() {
    if (m_aboutForm != nullptr) m_aboutForm->FormShow();
}

void TVelpin::OpenProperties(HWND sticker, const StickerRecord& blocks, int page) {
    // Not while any dialog shows: a sticker made meanwhile is not disabled by it.
    if (BringModalToFront() || m_settingsForm == nullptr) return;
    m_settingsForm->ShowForSticker(sticker, blocks.caption, blocks.date, blocks.body, blocks.placement, page);
}

bool TVelpin::AskPatternName(std::string& name) {
    if (m_formDialog == nullptr ||
        !m_formDialog->AskText(ShownText(TextKey::dialCaptionDeleteAll), ShownText(TextKey::dPattFile)))
        return false;
    name = m_formDialog->Answer();
    return true;
}

// Each sticker finds itself: the command's own code is its value.
// Both change stickers that the user then sees where they are: the save cycle begins after the commands
// (posted before its step), so the reports carry the new places and opacities.
void TVelpin::FindSrcClick() {
    PostToEverySticker(protocol::kStkBringIntoView, protocol::kStkBringIntoView);
    BeginSaveCycle();
}

void TVelpin::FindTranspClick() {
    PostToEverySticker(protocol::kStkMakeVisible, protocol::kStkMakeVisible);
    BeginSaveCycle();
}

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
        case MenuId::kNewst1:
            ShowNewStickerDialog();
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
        case MenuId::kFindNote:
            FindNoteClick();
            return;
        case MenuId::kExport:
            ExportClick();
            return;
        case MenuId::kAddFromFile:
            AddFromFileClick();
            return;
        case MenuId::kEmptyTrash:
            EmptyTrashClick();
            return;
        case MenuId::kNRus:
        case MenuId::kNEng:
            SelectBuiltInLanguage(command == MenuId::kNRus);
            UpdateLanguageChecks();
            return;
        default:
            if (IsHotKeyItem(id)) HotKeyItemClick(id);
            if (IsLanguageFileItem(id)) LanguageFileClick(id);
            if (id >= MenuCommand(MenuId::kTrashItemsBase) &&
                id < MenuCommand(MenuId::kTrashItemsBase) + kTrashMenuLength)
                TrashItemClick(id - MenuCommand(MenuId::kTrashItemsBase));
            if (id >= MenuCommand(MenuId::kSnapshotItemsBase) &&
                id < MenuCommand(MenuId::kSnapshotItemsBase) + kSnapshotMenuLimit)
                RestoreItemClick(id - MenuCommand(MenuId::kSnapshotItemsBase));
            return;
    }
}

}  // namespace velpiners
