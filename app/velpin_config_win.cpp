// The controller's configuration and hot keys: config.txt read at creation and after the notification
// area returns, written at close and at the end of the session; the hot-key choice applied to the menu and
// the library; the hot-key notifications; the close handler and the session end.
#include <windows.h>

#include "app/velpin_win.h"
#include "base/private_profile_win.h"
#include "lang/language_choice.h"
#include "protocol/protocol.h"
#include "store/config_file.h"
#include "tray/tray_icon_win.h"
#include "ui/error_box_win.h"
#include "ui/menu_text_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;

UINT HotKeyItemOfTag(int tag) { return MenuCommand(MenuId::kNNone) + static_cast<UINT>(tag); }

}  // namespace

void TVelpin::ReadConfig() {
    const std::string path = ConfigPath();
    const bool exists = ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    Configuration config;
    if (exists) {
        // Without the file nothing but the language is chosen: the defaults keep their start values and
        // the hot-key menu and library are left alone.
        config = ReadConfiguration(PrivateProfileReader(path), m_defaults);
        m_defaults = config.defaults;
        m_hotKey.Select(config.hotKey);
        ApplyHotKeyChoice();
    }
    const StoredLanguage stored{config.englishLanguage, config.russianLanguage, config.otherLanguage};
    const LanguageChoice choice = ChooseStartLanguage(exists, stored, ::GetSystemDefaultLangID(), m_programFolder);
    switch (choice.language) {
        case StartLanguage::Russian:
            SelectBuiltInLanguage(true);
            break;
        case StartLanguage::English:
            SelectBuiltInLanguage(false);
            break;
        case StartLanguage::File:
            SelectLanguageFile(choice.filePath);
            break;
    }
    m_configRead = true;
}

bool TVelpin::WriteConfig() const {
    Configuration config;
    config.englishLanguage = m_texts.EnglishFlag();
    config.russianLanguage = m_texts.RussianFlag();
    config.otherLanguage = m_texts.FileName();
    config.defaults = m_defaults;
    config.hotKey = m_hotKey.FirstSet();
    PrivateProfileWriter writer(ConfigPath());
    return WriteConfiguration(writer, config);
}

void TVelpin::TellConfigNotWritten() const { ShowErrorBox("Unable to write to " + ConfigPath()); }

void TVelpin::FormClose(bool writeConfig) {
    // The error box's own message loop may bring another close: one runs.
    if (m_closing) return;
    m_closing = true;
    // A close before config.txt was read (chosen while an error box of the start showed) would store the
    // start's values over the user's. A file that cannot be written is told once, and the close goes on:
    // a program that cannot save its settings must still be able to end.
    if (writeConfig && m_configRead && !WriteConfig()) TellConfigNotWritten();
    m_hotKeyLibrary.Unload();
    DestroyFormWindow();
}

LRESULT TVelpin::OnQueryEndSession(WPARAM wParam, LPARAM lParam) {
    (void)DefaultHandler(WM_QUERYENDSESSION, wParam, lParam);
    if (m_closing) return TRUE;
    // The tray icon's window is message-only and never hears that the session ends: the icon goes now.
    if (m_tray) m_tray->SetEnabled(false);
    // Written here, before the answer: once the session may end the process can be ended at any moment,
    // and a close posted for later would never run.
    const bool written = !m_configRead || WriteConfig();
    if (!written) TellConfigNotWritten();
    // The close writes again as every close does, unless the file has just refused.
    FormClose(written);
    return TRUE;
}

void TVelpin::ApplyHotKeyChoice() {
    ::CheckMenuRadioItem(m_hotCreateMenu, MenuCommand(MenuId::kNNone), MenuCommand(MenuId::kNFavorit),
                         HotKeyItemOfTag(HotKeyTagOfChoice(m_hotKey.FirstSet())), MF_BYCOMMAND);
    m_hotKey.Publish([this](int enabled, int index) { m_hotKeyLibrary.HookTablenum(enabled, index); });
}

void TVelpin::HotKeyItemClick(UINT id) {
    if ((::GetMenuState(m_hotCreateMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0) return;
    m_hotKey.Select(HotKeyChoiceOfTag(static_cast<int>(id - MenuCommand(MenuId::kNNone))));
    ApplyHotKeyChoice();
}

void TVelpin::OnHotKeyNotification(WPARAM wParam) {
    const std::optional<int> key = HotKeyOfNotification(static_cast<std::uint32_t>(wParam));
    if (!key) return;
    // Only the key whose item is checked counts (a library may report others).
    const UINT item = HotKeyItemOfTag(HotKeyTagOfChoice(*key));
    if ((::GetMenuState(m_hotCreateMenu, item, MF_BYCOMMAND) & MF_CHECKED) == 0) return;
    ShowNewStickerDialog();
}

void TVelpin::ShowNewStickerDialog() {
    if (BringModalToFront()) return;
    if (m_newStickerDialog.show) m_newStickerDialog.show();
}

}  // namespace velpiners
