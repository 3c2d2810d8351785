// The controller's configuration and hot keys: config.txt read at creation and after the notification
// area returns, written at close and at the end of the session; the hot-key choice applied to the menu and
// the library; the hot-key notifications; the close handler and the session end.
#include <windows.h>

#include "app/velpin_win.h"
#include "base/app_error.h"
#include "base/file_probe_win.h"
#include "base/ini_file_replacement_win.h"
#include "base/private_profile_win.h"
#include "lang/language_choice.h"
#include "protocol/protocol.h"
#include "store/config_file.h"
#include "store/database_image.h"
#include "tray/tray_icon_win.h"
#include "ui/error_box_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;

UINT HotKeyItemOfTag(int tag) { return MenuCommand(MenuId::kNNone) + static_cast<UINT>(tag); }

}  // namespace

void TVelpin::ReadConfig() {
    const std::string path = ConfigPath();
    // Absent means the system said so. A file it cannot tell about, a folder of that name or a file that
    // stays held by another program is not read, and then not written either: the user's settings in it
    // are never replaced by the start's values.
    const FileProbe probe = ProbeFile(path);
    bool exists = probe.state == FileState::kPresent;
    DWORD failure = probe.failure;
    bool readable = probe.state == FileState::kAbsent;
    if (exists) {
        if ((probe.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            failure = ERROR_ACCESS_DENIED;
        } else {
            HANDLE file = OpenForReading(path, &failure);
            readable = file != INVALID_HANDLE_VALUE;
            if (readable) ::CloseHandle(file);
        }
    }
    if (!readable) {
        if (!m_configUnreadableTold) {
            m_configUnreadableTold = true;
            ShowErrorBox("Cannot open file \"" + path + "\". " + SystemErrorText(failure) +
                         ". The settings in it are left as they are: what changes in this run is not saved there");
        }
        // Read before (the notification area came back): the settings of this run stay as they are.
        if (m_configRead) return;
        exists = false;  // nothing read: the language follows the system's, as for a first start
    }
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
    if (readable) m_configRead = true;
}

bool TVelpin::WriteConfig() const {
    Configuration config;
    config.englishLanguage = m_texts.EnglishFlag();
    config.russianLanguage = m_texts.RussianFlag();
    config.otherLanguage = m_texts.FileName();
    config.defaults = m_defaults;
    config.hotKey = m_hotKey.FirstSet();
    // Into a copy that replaces the file in one step: a failure half-way leaves the old settings whole.
    IniFileReplacement file(ConfigPath());
    return file.Begin() && WriteConfiguration(file, config) && file.Commit();
}

void TVelpin::TellConfigNotWritten() const { ShowErrorBox("Unable to write to " + ConfigPath()); }

void TVelpin::FormClose(bool writeConfig) {
    // The error box's own message loop may bring another close: one runs.
    if (m_closing) return;
    m_closing = true;
    SaveBeforeClosing();
    // A close before config.txt was read (chosen while an error box of the start showed, or the file could
    // not be read) would store the start's values over the user's. A file that cannot be written is told
    // once, and the close goes on: a program that cannot save its settings must still be able to end.
    if (writeConfig && m_configRead && !WriteConfig()) TellConfigNotWritten();
    m_hotKeyLibrary.Unload();
    DestroyFormWindow();
}

void TVelpin::SaveBeforeClosing() {
    // Before the start has read the stored notes there is nothing of the user's to save, only what a
    // write would replace. The session end saves first, and its close does not save again.
    if (!m_databaseLoaded || m_loadingDatabase || m_savedForClose) return;
    m_savedForClose = true;
    // The stickers live on this thread: each sent command runs its report now, not after the close.
    const auto self = reinterpret_cast<WPARAM>(Handle());
    m_table->ForEachInUse([self](int, const StickerRecord& slot) {
        HWND window = HandleFromValue(slot.window);
        if (::IsWindow(window)) ::SendMessageA(window, protocol::kStickerCommandMessage, self, protocol::kStkReport);
    });
    // What the last write left needs no second one (a run that made nothing creates no file).
    if (m_lastWritten && *m_lastWritten == BuildDatabaseImage(*m_table)) return;
    try {
        WriteDatabase();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
}

LRESULT TVelpin::OnQueryEndSession(WPARAM wParam, LPARAM lParam) {
    (void)DefaultHandler(WM_QUERYENDSESSION, wParam, lParam);
    if (m_closing) return TRUE;
    // The tray icon's window is message-only and never hears that the session ends: the icon goes now.
    if (m_tray) m_tray->SetEnabled(false);
    // Written here, before the answer: once the session may end the process can be ended at any moment,
    // and a close posted for later would never run. The notes first.
    SaveBeforeClosing();
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
