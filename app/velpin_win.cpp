#include "app/velpin_win.h"

#include <cstring>

#include "app/menu_drawing_win.h"
#include "app/program_path_win.h"
#include "protocol/protocol.h"
#include "graphics/ress.h"
#include "graphics/ress_loader_win.h"
#include "lang/language_choice.h"
#include "lang/shown_text_win.h"
#include "base/bounded_send_win.h"
#include "base/file_list_win.h"
#include "base/file_probe_win.h"
#include "base/phase_times.h"
#include "base/private_profile_win.h"
#include "dialogs/find_form_win.h"
#include "sticker/stick_form_win.h"
#include "tray/tray_icon_win.h"
#include "store/config_file.h"
#include "store/database_image.h"
#include "ui/error_box_win.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"

namespace velpiners {
namespace {

// The language menu's flag strip: frames of this size, this many.
constexpr int kFlagWidth = 25;
constexpr int kFlagHeight = 15;
constexpr int kFlagCount = 230;

}  // namespace

TVelpin::TVelpin(std::string programFolder, HMODULE resources)
    : m_programFolder(std::move(programFolder)), m_resources(resources), m_table(std::make_unique<Tmassiv>()) {
    m_table->SetNotifier([](std::uint32_t owner, std::uint32_t wParam, std::uint32_t code) {
        ::PostMessageA(HandleFromValue(owner), protocol::kControllerCommandMessage, wParam, code);
    });
}

TVelpin::~TVelpin() {
    // The windows go before what they use: a sticker's last messages (the focus leaving it, its
    // destruction) still reach handlers that ask the controller for texts and pictures.
    m_tearingDown = true;
    m_desktopWatch.reset();
    DestroyStickerWindows();
    DestroyFormWindow();
    m_hotKeyLibrary.Unload();
}

void TVelpin::DestroyStickerWindows() {
    // A desktop-layer sticker is a child of the shell's window, not owned by ours: each goes by itself.
    m_table->ForEachInUse([](int, const StickerRecord& slot) {
        HWND window = HandleFromValue(slot.window);
        if (::IsWindow(window)) ::DestroyWindow(window);
    });
}

bool TVelpin::FormCreate(bool showTray) {
    if (m_programFolder.empty()) {
        try {
            m_programFolder = ExecutableFolder();
        } catch (const std::exception& error) {
            ShowErrorBox(error.what());
            return false;
        }
    }
    if (m_programFolder.back() != '\\' && m_programFolder.back() != '/') m_programFolder += '\\';

    m_taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

    // Never shown, and a tool window besides, so the program has no taskbar button.
    if (!CreateFormWindow("TVelpin", "Velpiners", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, nullptr)) return false;

    // From here on an error box may show, and its message loop runs every handler of this window: what
    // they touch (the table, the menu) exists already, and saves wait until the stored notes are read.
    m_menuFont.reset(CreateMenuFont());
    m_hotKeyImages = CreateHotKeyImages();
    BuildMenu();
    ApplyMenuTexts();
    if (showTray) {
        m_tray = std::make_unique<TTrayIconAdv>(Handle());
        m_tray->SetPopupMenu(m_menu.get());
        m_tray->SetHint("Velpiners\r\nv1.4");
        m_tray->OnLButtonDblClick = [this](TTrayIconAdv&) { ShowNewStickerDialog(); };
    }

    try {
        m_pictures.Load(m_resources);
    } catch (const std::exception& error) {
        // Stickers still open and paint plainly; the user is told once.
        ShowErrorBox(error.what());
    }
    LoadUserPictures();

    LoadDatabase();
    // A close chosen while an error box of the start showed has ended the controller already.
    if (Handle() != nullptr) {
        // A note whose monitor is gone is shown on one that is there.
        PostToStickers(TStickForm::kFitToMonitorsMessage);
        m_desktopWatch =
            std::make_unique<DesktopWatch>([this] { PostToStickers(TStickForm::kCheckDesktopHostMessage); });
        m_hotKeyLibrary.Load(m_programFolder + kHotKeyLibraryName, Handle());
        ReadConfig();
    }

    m_flags.reset(ImageList_Create(kFlagWidth, kFlagHeight, ILC_COLOR24 | ILC_MASK, kFlagCount, 0));
    try {
        graphics::LoadRessImageList("BITMAP_FLAGS", m_flags.get(), m_resources);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    return true;
}

void TVelpin::LoadUserPictures() {
    m_userPictures.Clear();
    const std::string folder = m_programFolder + "pic\\";
    std::vector<std::string> packs;
    ListFilesWithExtension(folder, ".vpi", packs);
    for (const std::string& name : packs) {
        try {
            m_userPictures.LoadFromFile(folder + name);
        } catch (const std::exception& error) {
            // A damaged pack keeps the pictures read before the damage; the other packs still load.
            ShowErrorBox(error.what());
        }
    }
}

void TVelpin::PictureByNumber(graphics::Picture& target, int number) {
    if (number < graphics::kFirstUserPicture) {
        if (number < 1 || number > graphics::kBuiltInPictures) number = 1;
        try {
            target = m_pictures.BuiltInIcon(number - 1);
        } catch (const std::exception&) {
            // Without the program's pictures (a damaged file) the sticker keeps the picture it had.
        }
        return;
    }
    const int index = m_userPictures.IndexOf(number);
    if (index >= 0) target = m_userPictures.Items(index).bitmap;
}

int TVelpin::TakeSlot(HWND sticker) { return m_table->Occupy(HandleValue(sticker)); }

void TVelpin::LoadDatabase() {
    // A second load while one runs (an error box of the first showing) would open every note twice.
    if (m_loadingDatabase) return;
    m_loadingDatabase = true;
    DatabaseFile file;
    try {
        file = ReadDatabaseFile(DatabasePath());
    } catch (const std::exception& error) {
        // The file stays as it is until the first write of the run, which moves it aside first: the notes in
        // it are never replaced by only the ones made since.
        m_aside.ReadNothing(StampNow());
        m_known.reset();
        const std::string aside = FreeAsidePath(DatabasePath(), m_aside.Stamp());
        ShowErrorBox(std::string(error.what()) +
                     ". The file is kept: before the notes are next saved it is moved to \"" + aside + "\"");
        m_loadingDatabase = false;
        m_databaseLoaded = true;
        return;
    }
    // No file: a run that makes nothing writes none at its close either.
    if (!file.exists) m_lastWritten.emplace();
    m_known = DatabaseState{file.exists, file.identity.size, file.hash};
    OpenStoredNotes(file);
    m_loadingDatabase = false;
    m_databaseLoaded = true;
}

void TVelpin::OpenStoredNotes(const DatabaseFile& file) {
    // What could not be read (a torn tail, records past the table's 256) stays in the file, which is moved
    // aside before the next write.
    if (file.partlyRead)
        m_aside.ReadInPart(StampNow(), file.identity);
    else
        m_aside.ReadWhole();
    for (const StickerRecord& record : file.records) {
        if (MakeStickerFromRecord(record.caption, record.date, record.placement, record.body) == nullptr &&
            m_table->FirstFreeSlot() < 0)
            break;
    }
}

std::string TVelpin::Text(TextKey key) const { return StoredText(m_texts, key); }

std::wstring TVelpin::ShownText(TextKey key) const { return velpiners::ShownText(m_texts, key); }

void TVelpin::NotifyStickersOfLanguage() const {
    PostToEverySticker(reinterpret_cast<WPARAM>(Handle()), protocol::kStkLanguage);
}

void TVelpin::SelectBuiltInLanguage(bool russian) {
    if (russian)
        m_texts.LoadRussianTexts();
    else
        m_texts.LoadEnglishTexts();
    ApplyMenuTexts();
    NotifyStickersOfLanguage();
}

void TVelpin::SelectLanguageFile(const std::string& path) {
    m_texts.LoadLanguageFile(path, PrivateProfileReader(path));
    ApplyMenuTexts();
    NotifyStickersOfLanguage();
}

void TVelpin::WriteDatabase() {
    // A save asked for while the start still shows an error box would replace the stored notes with the
    // empty table.
    if (!m_databaseLoaded) return;
    const phase::Scope timing(phase::Phase::kWriteDatabase);
    // The day's first write copies base.db first; a file waiting to be moved aside is kept whole that way.
    TakeDailySnapshot(!m_aside.Pending());
    std::string tell;
    if (m_aside.Pending()) {
        unsigned long failure = 0;
        if (MoveDatabaseAside(DatabasePath(), m_aside.Stamp(), &failure)) {
            m_aside.Kept();
        } else {
            // Held by another program, most likely: the next save tries again, and the edits made meanwhile
            // stay in the table. After a few failed saves the user hears of it, once.
            const AsideKeeping::AfterFailure after = m_aside.MoveFailed(IdentityOfFile(DatabasePath()));
            if (after.tell)
                tell = "Cannot keep the file \"" + DatabasePath() + "\" aside. " + SystemErrorText(failure) +
                       (after.write ? ". It is replaced with the notes as they are now"
                                    : ". The notes are not saved until it can be moved");
            if (!after.write) {
                if (!tell.empty()) ShowErrorBox(tell);
                return;
            }
        }
    }
    if (!KeepAnotherWritersFile()) return;
    std::vector<std::uint8_t> image = BuildDatabaseImage(*m_table);
    m_lastWritten.reset();
    try {
        WriteDatabaseFile(DatabasePath(), image);
    } catch (const std::exception& error) {
        if (tell.empty()) throw;
        throw AppError(tell + ". " + error.what());
    }
    m_known = DatabaseState{true, image.size(), Fnv1a64(image.data(), image.size())};
    m_lastWritten = std::move(image);
    m_aside.Kept();
    // Told once the file is written and the table and the file agree again.
    if (!tell.empty()) ShowErrorBox(tell);
}

void TVelpin::BeginSaveCycle() { m_table->BeginSaveCycle(HandleValue(Handle())); }

LRESULT TVelpin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case protocol::kControllerCommandMessage:
            OnControllerCommand(wParam, lParam);
            return 0;
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_USER:
            return OnUserCommand(wParam, lParam);
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(wParam, lParam);
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) {
                OnMenuCommand(LOWORD(wParam));
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == m_menu.get()) {
                MenuPopup();
                TrashMenuPopup();
                RestoreMenuPopup();
            }
            if (reinterpret_cast<HMENU>(wParam) == m_langMenu) NLangClick();
            return 0;
        case WM_MEASUREITEM:
            if (MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CLOSE:
            FormClose();
            return 0;
        case WM_DISPLAYCHANGE:
            PostToStickers(TStickForm::kFitToMonitorsMessage);
            break;
        case WM_SETTINGCHANGE:
            // The work areas change after the monitors do, once the taskbars have moved.
            if (wParam == SPI_SETWORKAREA) PostToStickers(TStickForm::kFitToMonitorsMessage);
            break;
        case kRemakeLostMessage:
            RemakeLostStickers();
            return 0;
        case WM_DESTROY:
            // The program ends with its controller; a controller that goes with its object (tests) does not
            // end the thread's loop.
            if (!m_tearingDown) ::PostQuitMessage(0);
            return 0;
        default:
            if (m_taskbarCreated != 0 && message == m_taskbarCreated) {
                OnTaskbarCreated();
            }
            return DefaultHandler(message, wParam, lParam);
    }
    return DefaultHandler(message, wParam, lParam);
}

void TVelpin::OnControllerCommand(WPARAM wParam, LPARAM lParam) {
    switch (static_cast<std::uint32_t>(lParam)) {
        case protocol::kCtlStickerDeleted: {
            const int index = m_table->SlotOfWindow(static_cast<std::uint32_t>(wParam));
            if (index < 0) return;  // not ours: no cycle
            PutInTrash({m_table->Slot(index)});
            m_table->ReleaseSlot(index);
            BeginSaveCycle();
            return;
        }
        case protocol::kCtlSaveStep: {
            if (m_table->Count() == 0)
                WriteDatabase();
            else
                AskStickersForReports();
            // Told after the step, so that the box it shows holds no save back.
            TellWhatWaits();
            return;
        }
        case protocol::kCtlSaveEnd:
            m_table->SaveEndTaken();
            WriteDatabase();
            TellWhatWaits();
            return;
        case protocol::kCtlSaveRequest:
            BeginSaveCycle();
            return;
        default:
            return;
    }
}

LRESULT TVelpin::OnCopyData(const COPYDATASTRUCT* data) {
    // Another program can send anything: only a payload that holds a whole record is a report.
    if (data == nullptr || data->lpData == nullptr || data->cbData < kStickerRecordSize) return 0;
    StickerRecord report;
    std::memcpy(&report, data->lpData, kStickerRecordSize);
    return m_table->AcceptReport(report) ? 1 : 0;
}

LRESULT TVelpin::OnUserCommand(WPARAM wParam, LPARAM lParam) {
    switch (protocol::UserCommandOf(static_cast<std::uint32_t>(lParam))) {
        case protocol::kUserCount:
            return m_table->Count();
        case protocol::kUserMake:
            if (wParam == protocol::kUserMakeDefault) MakeDefaultSticker();
            if (wParam == protocol::kUserMakeDialog) ShowNewStickerDialog();
            if (wParam == protocol::kUserFindDialog) FindNoteClick();
            return 0;
        case protocol::kUserHotKey:
            OnHotKeyNotification(wParam);
            return 0;
        case protocol::kUserSlotOf: {
            const int index = m_table->SlotOfWindow(static_cast<std::uint32_t>(wParam));
            return index < 0 ? 0 : index;
        }
        case protocol::kUserSummaries: {
            // n counts the in-use slots in slot order.
            std::uint32_t n = 0;
            m_table->ForEachInUse([wParam, &n](int, const StickerRecord& slot) {
                ::PostMessageA(HandleFromValue(slot.window), WM_USER, wParam,
                               static_cast<LPARAM>(protocol::kSummaryRequestBase + n));
                ++n;
            });
            return 0;
        }
        case protocol::kUserSummaryOf: {
            // The n-th sticker answers with its slot index; an n beyond the last sticker asks nobody.
            const std::uint32_t n = protocol::SummaryIndexOf(static_cast<std::uint32_t>(lParam));
            std::uint32_t seen = 0;
            HWND target = nullptr;
            std::uint32_t slotIndex = 0;
            m_table->ForEachInUse([n, &seen, &target, &slotIndex](int i, const StickerRecord& slot) {
                if (seen++ != n) return;
                target = HandleFromValue(slot.window);
                slotIndex = static_cast<std::uint32_t>(i);
            });
            // A sticker of this thread answers at once; its own send to the caller's window is the bounded one.
            if (target != nullptr)
                (void)SendBounded(target, WM_USER, wParam,
                                  static_cast<LPARAM>(protocol::kSummaryRequestBase + slotIndex));
            return 0;
        }
        case protocol::kUserPresence:
            return protocol::kPresenceAnswer;
        default:
            return 0;
    }
}

void TVelpin::AskStickersForReports() {
    const auto self = reinterpret_cast<WPARAM>(Handle());
    m_table->ForEachInUse([this, self](int index, const StickerRecord& slot) {
        HWND window = HandleFromValue(slot.window);
        // A window that no longer exists cannot answer, and waiting for it would hold back every later save:
        // its slot counts as reported with the record it holds.
        if (::IsWindow(window))
            ::PostMessageA(window, protocol::kStickerCommandMessage, self, protocol::kStkReport);
        else
            m_table->SlotReported(index);
    });
}

void TVelpin::OnTaskbarCreated() {
    // The notification area is new: the icon goes in again.
    if (m_tray) m_tray->SetEnabled(true);
    // While the start has not read the stored notes yet (one of its error boxes is showing) there is
    // nothing to reopen: the start opens them itself.
    if (!m_databaseLoaded || m_loadingDatabase) return;
    // Any program can broadcast this. The notes are read before the stickers on screen go: a file that
    // another program holds (a backup, a virus scanner) or that cannot be read now leaves them as they
    // are, and nothing is moved aside for it.
    DatabaseFile file;
    bool read = true;
    try {
        file = ReadDatabaseFile(DatabasePath());
    } catch (const std::exception&) {
        read = false;
    }
    if (read) {
        m_table->ForEachInUse([](int, const StickerRecord& slot) {
            HWND window = HandleFromValue(slot.window);
            if (::IsWindow(window)) ::PostMessageA(window, protocol::kStickerCommandMessage, 0, protocol::kStkClose);
        });
        m_table->ClearFlags();
        m_known = DatabaseState{file.exists, file.identity.size, file.hash};
        m_loadingDatabase = true;
        OpenStoredNotes(file);
        m_loadingDatabase = false;
        PostToStickers(TStickForm::kFitToMonitorsMessage);
    }
    ReadConfig();
}

void TVelpin::PostToStickers(UINT message) const {
    m_table->ForEachInUse(
        [message](int, const StickerRecord& slot) { ::PostMessageA(HandleFromValue(slot.window), message, 0, 0); });
}

}  // namespace velpiners
