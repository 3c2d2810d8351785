// The controller TVelpin: the program's hidden main window. It owns the tray icon and its menu, the sticker
// table, the defaults for new stickers, the interface language and the hot-key choice (kept in config.txt
// between runs) and the optional hot-key library; it makes sticker windows, runs the save cycle of base.db,
// answers the controller command message, takes the stickers' record reports and serves the WM_USER
// control interface that other programs (and the hot-key library) use to find, query and drive it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "app/sticker_rules.h"
#include "app/hot_key.h"
#include "app/hot_key_library_win.h"
#include "app/shared_pictures_win.h"
#include "graphics/picture_pack.h"
#include "dialogs/new_sticker_form_win.h"
#include "dialogs/settings_form_win.h"
#include "lang/text_table.h"
#include "sticker/desktop_host_win.h"
#include "sticker/sticker_host_win.h"
#include "store/database_aside.h"
#include "store/database_watch.h"
#include "store/db_file_win.h"
#include "store/record.h"
#include "store/snapshots.h"
#include "store/table.h"
#include "store/trash.h"
#include "ui/form_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class TStickForm;
class TFindForm;
class TAboutForm;
class TFormDialog;
class TTrayIconAdv;

class TVelpin : public Form, public StickerHost, public NewStickerHost, public SettingsFormHost {
public:
    // programFolder: the folder that holds base.db, with a trailing backslash; empty means the folder of the
    // executable.
    // resources: the module whose RESS pictures the stickers paint with (nullptr: the program itself).
    explicit TVelpin(std::string programFolder = {}, HMODULE resources = nullptr);
    ~TVelpin() override;

    // Tray menu command identifiers.
    enum class MenuId : UINT {
        kN1 = 1,
        kNewst1,
        kNRus,
        kNEng,
        kNNone,  // hot-key choices: kNNone .. kNFavorit in tag order
        kNWin,
        kNFind,
        kNBack,
        kNForward,
        kNFavorit,
        kNAbout,
        kNdeleteall,
        kFindSrc,
        kFindTransp,
        kNClose,
        kFindNote,
        kExport,
        kAddFromFile,
        kEmptyTrash,
        // Language files of the language submenu: one identifier each from here, at most kLanguageFileLimit.
        kLanguageFilesBase = 500,
        // "Deleted notes": the n-th newest deleted note from here, at most kTrashMenuLength.
        kTrashItemsBase = 900,
        // "Restore notes": the n-th newest kept copy of base.db from here, at most kSnapshotMenuLimit.
        kSnapshotItemsBase = 930,
        // Stickers submenu: kItemsPerSticker identifiers per slot from here (Topmost, Desktop, Show).
        kStickerItemsBase = 1000,
    };
    static constexpr int kLanguageFileLimit = 400;
    static constexpr std::size_t kTrashMenuLength = 20;
    static constexpr std::size_t kSnapshotMenuLimit = 50;

    // The new-sticker dialog as the controller opens it.
    struct NewStickerDialog {
        std::function<void()> show;
    };

    // Creates the hidden window and runs the creation steps (folder, "TaskbarCreated", tray and menu, table,
    // database). `showTray` false keeps the icon out of the notification area (tests of many controllers).
    bool FormCreate(bool showTray = true);

    // The confirmation dialog that "delete all" asks; none means "delete all" asks nobody and does nothing.
    void SetFormDialog(TFormDialog* dialog) { m_formDialog = dialog; }
    void SetNewStickerDialog(NewStickerDialog dialog) { m_newStickerDialog = std::move(dialog); }
    // The one way the new-sticker dialog opens: the tray's "New sticker (Properties)", the tray's double
    // click, WM_USER 11/102 and the hot keys. While any dialog shows modally (this one included), that one
    // comes to the front instead.
    void ShowNewStickerDialog();
    // The about box the tray's about command shows; none means the command shows nothing.
    void SetAboutForm(TAboutForm* about) { m_aboutForm = about; }
    // The properties dialog a sticker opens; none means a sticker's request opens nothing.
    void SetSettingsForm(TSettingsForm* settings) { m_settingsForm = settings; }

    [[nodiscard]] const std::string& ProgramFolder() const override { return m_programFolder; }
    [[nodiscard]] std::string DatabasePath() const { return m_programFolder + "base.db"; }
    [[nodiscard]] std::string ConfigPath() const { return m_programFolder + "config.txt"; }
    [[nodiscard]] std::string TrashPath() const { return m_programFolder + "trash.db"; }
    [[nodiscard]] std::string BackupFolder() const { return m_programFolder + kBackupFolder; }
    [[nodiscard]] UINT TaskbarCreatedMessage() const { return m_taskbarCreated; }

    [[nodiscard]] Tmassiv& Table() { return *m_table; }
    [[nodiscard]] const Tmassiv& Table() const { return *m_table; }

    // Gives a window the lowest free slot (handle at offset 0, in use); -1 when all 256 are taken.
    int TakeSlot(HWND sticker);

    // The common part of every make: the lowest free slot and a new hidden sticker window in it (at `place`
    // when one is given); nullptr (and nothing made) when the table is full. `slot` receives the slot index.
    TStickForm* MakeStickerWindow(int* slot = nullptr, const POINT* place = nullptr);
    // A sticker from stored blocks, moved to its stored place and shown; nullptr when the table is full.
    TStickForm* MakeStickerFromRecord(const TextStyleBlock& caption, const TextStyleBlock& date,
                                      const PlacementBlock& placement, const TextStyleBlock& body);

    // Tray N1 and WM_USER 11/101: a sticker with the defaults, a random colour, centred; then a save request.
    TStickForm* MakeDefaultSticker();
    // A copy of a sticker's blocks 18 pixels right and down; then a save request.
    TStickForm* DuplicateSticker(const StickerRecord& blocks);
    // The new-sticker dialog's OK: a sticker from the defaults and the dialog's texts, then a save request.
    TStickForm* MakeStickerFromDialog(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                                      const std::string& body);
    void MakeNewSticker(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                        const std::string& body) override {
        MakeStickerFromDialog(caption, date, onTop, showDate, body);
    }

    [[nodiscard]] StickerDefaults& Defaults() override { return m_defaults; }
    [[nodiscard]] HMENU Menu() const { return m_menu.get(); }
    [[nodiscard]] HMENU StickersMenu() const { return m_stickersMenu; }
    [[nodiscard]] HMENU TrashMenu() const { return m_trashMenu; }
    [[nodiscard]] HMENU RestoreMenu() const { return m_restoreMenu; }
    [[nodiscard]] TTrayIconAdv* Tray() const { return m_tray.get(); }

    // The interface language: the built-in Russian or English texts or a language file; the tray menu
    // takes the texts at once, the stickers through a posted command.
    void SelectBuiltInLanguage(bool russian);
    void SelectLanguageFile(const std::string& path);
    [[nodiscard]] const TextTable& Texts() const { return m_texts; }
    // The language submenu as it opens: one item per language file of the "Languages\" folder (flag and name
    // from its Options), then the radio checks; a vanished active file falls back to English here.
    void NLangClick();
    void RebuildLanguageMenu();
    void UpdateLanguageChecks();
    [[nodiscard]] HMENU LanguageMenu() const { return m_langMenu; }
    [[nodiscard]] HMENU HotKeyChoiceMenu() const { return m_hotCreateMenu; }

    // config.txt: read at creation and after the notification area returns (language, defaults, hot key);
    // written at close and at the end of the session. WriteConfig is false when a key could not be written.
    void ReadConfig();
    [[nodiscard]] bool WriteConfig() const;
    // The hot-key choice to the menu's checks and to the library.
    void ApplyHotKeyChoice();
    // The close handler: config.txt written (a failure is told once, and the close goes on), the hot-key
    // library unloaded, the window destroyed, which ends the program.
    void FormClose(bool writeConfig = true);

    // Menu actions.
    void ApplyMenuTexts();
    void MenuPopup();  // rebuilds the Stickers submenu
    void Ndeleteall1Click();
    void FindSrcClick();
    void FindTranspClick();
    void NAboutClick();

    // "Find a note..." (and WM_USER 11/103): the find dialog, made at its first opening; brought forward
    // when it shows.
    void FindNoteClick();
    [[nodiscard]] TFindForm* FindForm() const { return m_findForm.get(); }
    // The found note's sticker: unrolled, brought into view, above every window until it loses the focus,
    // focused.
    void BringNoteForward(int slot);
    // "Export notes...": the Save dialog, then ExportNotes.
    void ExportClick();
    // Every note in slot order as UTF-8 text (see store/note_export.h), written as base.db is. False (the
    // user told) when it cannot be written.
    bool ExportNotes(const std::wstring& path);
    // "Add notes from a file...": the Open dialog in the program folder, then AddNotesFromFile.
    void AddFromFileClick();
    // The notes of a file of records as new stickers, those already open skipped, up to the table's 256;
    // the user is told how many were added, skipped and left for want of room. Then a save.
    void AddNotesFromFile(const std::wstring& path);
    // Where the messages of the note commands go (the balloon's text too); none: a message box, or the
    // tray's balloon for a kept file (none without a tray icon).
    std::function<void(const std::wstring& text)> onInform;
    // The trash: every deleted note's last record goes to trash.db (at most 256, the oldest dropped). A trash
    // that cannot be read is moved aside and started anew; one that cannot be written is told once. Neither
    // ever stops a deletion or a save of base.db.
    void PutInTrash(const std::vector<StickerRecord>& records);
    [[nodiscard]] const TrashList& Trash();
    // "Deleted notes" as the tray menu opens: the newest kTrashMenuLength, newest first, then "Empty the
    // trash"; one greyed "(empty)" item when there is none.
    void TrashMenuPopup();
    // Makes the n-th entry's note again at its stored place (brought into view when off the screen) and
    // takes it out of the trash.
    void TrashItemClick(std::size_t n);
    void EmptyTrashClick();
    // "Restore notes" as the tray menu opens: the kept copies of base.db, newest first, with their dates and
    // the notes in each.
    void RestoreMenuPopup();
    // After the user's yes: the notes as they are now are copied aside, every sticker closes and the copy's
    // notes open as at the start; the save that follows writes them. A copy that cannot be read is told and
    // changes nothing.
    void RestoreItemClick(std::size_t index);
    // A copy of base.db taken now ("backup\base-YYYYMMDD-HHMMSS.db"); false, the user told, when base.db exists and
    // no copy of it could be made.
    bool TakeTimedSnapshot();

    // Reads base.db and opens one sticker window per record (lowest free slot first; a full table drops the
    // rest). A file that exists but cannot be read is reported in the error box and loads nothing; it is
    // moved aside before the run's first write, as is a file read only in part.
    void LoadDatabase();
    // Writes base.db from the table; throws AppError when the file cannot be written. Nothing is written
    // before the start has read it, nor over a file that could not be read and is not moved aside yet.
    void WriteDatabase();
    void BeginSaveCycle();
    // Posts the save request (controller command 203) to itself.
    void PostSaveRequest() const override;
    // The close and the session end: every sticker reports now, and base.db is written before the windows go.
    // A write that fails is told once; the close goes on.
    void SaveBeforeClosing();

    // StickerHost
    [[nodiscard]] HWND ControllerWindow() const override { return Handle(); }
    [[nodiscard]] std::string Text(TextKey key) const override;
    [[nodiscard]] std::wstring ShownText(TextKey key) const override;
    void Duplicate(const StickerRecord& blocks) override { DuplicateSticker(blocks); }
    void OpenProperties(HWND sticker, const StickerRecord& blocks, int page) override;
    [[nodiscard]] const graphics::Picture& SharedPicture(std::string_view name) const override {
        return m_pictures.Get(name);
    }
    void PictureByNumber(graphics::Picture& target, int number) override;
    [[nodiscard]] graphics::BackgroundCache* Backgrounds() override { return &m_pictures.Backgrounds(); }
    // A desktop sticker destroyed with the shell's window that held it: its slot keeps the note, and a new
    // window for it is made in the same slot once the destruction is over.
    void StickerLost(HWND window, const StickerRecord& blocks) override;

    // The user pictures of "pic\" and the icon list both sticker dialogs show: an empty entry, the 34
    // built-in icons, then the user pictures, each as a 32 x 32 image on white.
    [[nodiscard]] const graphics::TATBitmap& UserPictures() const { return m_userPictures; }
    void FillIconList(HIMAGELIST list, std::vector<std::string>& items) override;
    // The properties dialog's new pattern name, asked by the confirmation dialog.
    bool AskPatternName(std::string& name) override;
    [[nodiscard]] HMODULE Resources() const override { return m_resources; }
    [[nodiscard]] HIMAGELIST FlagImages() const { return m_flags.get(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnControllerCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    LRESULT OnUserCommand(WPARAM wParam, LPARAM lParam);
    void OnTaskbarCreated();
    // Posted to itself: make the windows of the stickers lost with their host again.
    static constexpr UINT kRemakeLostMessage = WM_APP + 1;
    void RemakeLostStickers();
    // Fills and shows a new window in slot `index` from stored blocks.
    void OpenInSlot(TStickForm& sticker, int index, const TextStyleBlock& caption, const TextStyleBlock& date,
                    const PlacementBlock& placement, const TextStyleBlock& body);
    // Posts one of the controller's own sticker messages (no value) to every sticker.
    void PostToStickers(UINT message) const;
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    void OnMenuCommand(UINT id);
    void OnHotKeyNotification(WPARAM wParam);
    void HotKeyItemClick(UINT id);
    void LanguageFileClick(UINT id);
    bool MeasureMenuItem(MEASUREITEMSTRUCT& item);
    bool DrawMenuItem(const DRAWITEMSTRUCT& item);
    void BuildMenu();
    void TellConfigNotWritten() const;
    void PostToEverySticker(WPARAM wParam, std::uint32_t code) const;
    void AskStickersForReports();
    void MirrorIntoSlot(int index, const TStickForm& sticker);
    void DestroyStickerWindows();
    void OpenStoredNotes(const DatabaseFile& file);
    void NotifyStickersOfLanguage() const;
    void LoadUserPictures();
    // Before a write: a base.db that another writer changed since our last read or write is moved aside
    // (and the user told); false when it could not be, and nothing may be written over it.
    bool KeepAnotherWritersFile();
    void Inform(const std::wstring& text, bool balloon);
    // Runs a common file dialog once at a time; false when one shows already.
    bool RunFileDialog(bool save, std::wstring& path);
    void TakeDailySnapshot(bool copy);
    void SaveTrash();
    void TellLater(const std::string& text);
    void TellWhatWaits();
    void CloseEveryStickerForReplacement();

    std::string m_programFolder;
    HMODULE m_resources = nullptr;
    SharedPictures m_pictures;
    graphics::TATBitmap m_userPictures;
    UniqueImageList m_flags;         // IL: the flag strip of the language submenu
    UniqueImageList m_hotKeyImages;  // ILHK: the key pictures of the hot-key submenu
    UniqueFont m_menuFont;
    UINT m_taskbarCreated = 0;
    // Made with the object: an error box of the start dispatches messages whose handlers read the table.
    std::unique_ptr<Tmassiv> m_table;
    // The stored notes have been read (or found unreadable); saves before that would replace them.
    bool m_databaseLoaded = false;
    bool m_loadingDatabase = false;
    bool m_tearingDown = false;
    // A base.db that could not be read whole waits to be moved aside before the next write.
    AsideKeeping m_aside;
    // The close (or the session end) has gathered and written the notes.
    bool m_savedForClose = false;
    // The image base.db holds after this run's last write (empty when the start found no file); none when
    // unknown.
    std::optional<std::vector<std::uint8_t>> m_lastWritten;
    // What base.db held when this program last read or wrote it; none when that is unknown (it could not be
    // read: the kept-aside logic above is in charge).
    std::optional<DatabaseState> m_known;
    bool m_changedNotKeptTold = false;
    bool m_fileDialogOpen = false;
    std::unique_ptr<TFindForm> m_findForm;
    // config.txt has been read (or is absent): a close before that would replace it with the start's values.
    bool m_configRead = false;
    // The user has been told that config.txt could not be read (once a run).
    bool m_configUnreadableTold = false;
    bool m_closing = false;
    StickerDefaults m_defaults;
    TextTable m_texts;
    THotKey m_hotKey;
    HotKeyLibrary m_hotKeyLibrary;
    // The file name of each language item, by identifier from kLanguageFilesBase.
    std::vector<std::string> m_languageFiles;
    UniqueMenu m_menu;
    HMENU m_stickersMenu = nullptr;  // owned by m_menu
    HMENU m_langMenu = nullptr;
    HMENU m_hotKeyMenu = nullptr;
    HMENU m_hotCreateMenu = nullptr;
    HMENU m_actionsMenu = nullptr;
    std::unique_ptr<TTrayIconAdv> m_tray;
    // Slots whose window went with the shell's window that held it, to be made again.
    std::vector<int> m_lostSlots;
    // Tells the desktop stickers when the desktop may have a new host (Show Desktop, the icon view moving).
    std::unique_ptr<DesktopWatch> m_desktopWatch;
    TFormDialog* m_formDialog = nullptr;
    NewStickerDialog m_newStickerDialog;
    TAboutForm* m_aboutForm = nullptr;
    TSettingsForm* m_settingsForm = nullptr;
    // The trash, read at its first use; trash.db that could not be read whole waits to be moved aside.
    std::optional<TrashList> m_trash;
    bool m_trashAside = false;
    bool m_trashTold = false;
    // The entries "Deleted notes" and "Restore notes" showed when the menu last opened.
    std::vector<StickerRecord> m_trashShown;
    std::vector<std::string> m_snapshotsShown;
    HMENU m_trashMenu = nullptr;    // owned by m_menu
    HMENU m_restoreMenu = nullptr;  // owned by m_menu
    // The day (YYYYMMDD) whose first write of base.db has been preceded by its copy.
    int m_snapshotDay = 0;
    bool m_snapshotTold = false;
    // What the user is to be told once the handler that found it has returned.
    std::string m_tellLater;
};

}  // namespace velpiners
