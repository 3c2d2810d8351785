// The tray's note-keeping commands: finding a note, exporting the notes as text, adding the notes of a file
// of records; and the check before every write of base.db that keeps another writer's file aside.
#include <windows.h>
#include <commdlg.h>

#include <cwchar>
#include <exception>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "base/wide_string_win.h"
#include "dialogs/find_form_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "store/note_export.h"
#include "store/note_merge.h"
#include "tray/tray_icon_win.h"
#include "ui/error_box_win.h"
#include "ui/handle_value_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

// The file name buffer of the common dialogs: room for a long path.
constexpr DWORD kFileNameChars = 32768;
constexpr const wchar_t* kExportName = L"Velpiners.txt";
constexpr const wchar_t* kExportExtension = L"txt";
constexpr const wchar_t* kTitle = L"Velpiners";

// Text in the system's ANSI code page as UTF-8.
std::string Utf8FromAnsi(std::string_view text) {
    const std::wstring wide = WideFromCodePage(text, CP_ACP);
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int needed = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
    return utf8;
}

// A filter of the common dialogs: pairs of a shown name and a pattern, each ended by a zero, and a last zero.
std::wstring Filter(const std::vector<std::wstring>& parts) {
    std::wstring filter;
    for (const std::wstring& part : parts) {
        filter += part;
        filter += L'\0';
    }
    filter += L'\0';
    return filter;
}

}  // namespace

bool TVelpin::KeepAnotherWritersFile() {
    if (!m_known) return true;
    DatabaseFile now;
    try {
        now = ReadDatabaseFile(DatabasePath());
    } catch (const std::exception&) {
        // Nothing can be told about it; the write that follows reports its own failure.
        return true;
    }
    if (!ChangedByAnotherWriter(*m_known, DatabaseState{now.exists, now.identity.size, now.hash})) return true;
    unsigned long failure = 0;
    std::string kept;
    if (!MoveDatabaseAside(DatabasePath(), StampNow(), &failure, AsideReason::kChanged, &kept)) {
        // Held by another program: the edits stay in the table and the next save tries again.
        if (!m_changedNotKeptTold)
            ShowErrorBox("Cannot keep the file \"" + DatabasePath() + "\", which another program changed, aside. " +
                         SystemErrorText(failure) + ". The notes are not saved until it can be moved");
        m_changedNotKeptTold = true;
        return false;
    }
    m_changedNotKeptTold = false;
    m_known = DatabaseState{};
    if (!kept.empty())
        Inform(ShownText(TextKey::mChangedKept) + L" " + WideFromCodePage(FileNameOfPath(kept), CP_ACP), true);
    return true;
}

void TVelpin::Inform(const std::wstring& text, bool balloon) {
    if (onInform) {
        onInform(text);
        return;
    }
    if (balloon) {
        // A controller without an icon (kept out of the notification area) has nowhere to show it; a shell that
        // refuses the balloon gets the box instead.
        if (!m_tray || m_tray->ShowBalloon(kTitle, text)) return;
    }
    ::MessageBoxW(Handle(), text.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
}

void TVelpin::FindNoteClick() {
    if (BringModalToFront()) return;
    if (!m_findForm) {
        auto form = std::make_unique<TFindForm>();
        try {
            form->FormCreate([this](TextKey key) { return ShownText(key); }, *m_table,
                             [this](int slot) { BringNoteForward(slot); });
        } catch (const std::exception& error) {
            ShowErrorBox(error.what());
            return;
        }
        m_findForm = std::move(form);
    }
    m_findForm->ShowFind();
}

void TVelpin::BringNoteForward(int slot) {
    if (!Tmassiv::IsValidIndex(slot) || m_table->Slot(slot).inUse != 1) return;
    HWND window = HandleFromValue(m_table->Slot(slot).window);
    TStickForm* sticker = TStickForm::OfWindow(window);
    if (sticker == nullptr) return;
    sticker->Unroll();
    sticker->BringIntoView();
    // Above every window until the user goes elsewhere, then back to its own layer.
    ::SendMessageA(window, protocol::kStickerCommandMessage, protocol::kStkRaise, protocol::kStkRaise);
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    // Unrolled and perhaps moved: kept so.
    BeginSaveCycle();
}

bool TVelpin::RunFileDialog(bool save, std::wstring& path) {
    if (m_fileDialogOpen || BringModalToFront()) return false;
    std::vector<wchar_t> name(kFileNameChars, L'\0');
    if (save) std::wcscpy(name.data(), kExportName);
    const std::wstring all = ShownText(TextKey::mAllFiles) + L" (*.*)";
    const std::wstring filter =
        save ? Filter({ShownText(TextKey::mTextFiles) + L" (*.txt)", L"*.txt", all, L"*.*"}) : Filter({all, L"*.*"});
    const std::wstring folder = WideFromCodePage(m_programFolder, CP_ACP);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kFileNameChars;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (save) dialog.lpstrDefExt = kExportExtension;
    m_fileDialogOpen = true;
    ::SetForegroundWindow(Handle());
    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    m_fileDialogOpen = false;
    if (!chosen) return false;
    path = name.data();
    return true;
}

void TVelpin::ExportClick() {
    std::wstring path;
    if (RunFileDialog(true, path)) ExportNotes(path);
}

bool TVelpin::ExportNotes(const std::wstring& path) {
    const std::string text = ExportNotesText(*m_table, Utf8FromAnsi);
    try {
        WriteFileReplacing(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return false;
    }
    return true;
}

void TVelpin::AddFromFileClick() {
    std::wstring path;
    if (RunFileDialog(false, path)) AddNotesFromFile(path);
}

void TVelpin::AddNotesFromFile(const std::wstring& path) {
    NotesFile file;
    try {
        file = ReadNotesFile(path);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return;
    }
    const MergePlan plan = PlanMerge(file.records, *m_table, file.beyond);
    for (std::size_t index : plan.add) {
        const StickerRecord& record = file.records[index];
        TStickForm* sticker = MakeStickerFromRecord(record.caption, record.date, record.placement, record.body);
        // Kept on another computer, a note may lie beyond this one's screens.
        if (sticker != nullptr)
            ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, protocol::kStkBringIntoView,
                           protocol::kStkBringIntoView);
    }
    if (!plan.add.empty()) BeginSaveCycle();
    std::wstring told = ShownText(TextKey::mAdded) + L" " + std::to_wstring(plan.add.size()) + L"\r\n" +
                        ShownText(TextKey::mDuplicates) + L" " + std::to_wstring(plan.duplicates) + L"\r\n" +
                        ShownText(TextKey::mNoRoom) + L" " + std::to_wstring(plan.noRoom);
    if (file.torn) told += L"\r\n" + ShownText(TextKey::mTorn);
    Inform(told, false);
}

}  // namespace velpiners
