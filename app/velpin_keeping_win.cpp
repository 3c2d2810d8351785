// The controller's safety net for notes: the trash every deletion fills (trash.db) with its "Deleted notes"
// submenu, and the copies of base.db in "backup\" (one a day before the first save, one before "Delete all"
// and before a restore) with the "Restore notes" submenu.
#include <windows.h>

#include <cstring>

#include "app/keeping_captions.h"
#include "app/velpin_win.h"
#include "base/wide_string_win.h"
#include "dialogs/form_dialog_win.h"
#include "lang/shown_text_win.h"
#include "protocol/protocol.h"
#include "sticker/stick_form_win.h"
#include "store/db_file_win.h"
#include "store/snapshot_files_win.h"
#include "ui/error_box_win.h"
#include "ui/menu_text_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

using MenuId = TVelpin::MenuId;

// The parts of an entry, joined as the menu shows them.
constexpr const wchar_t* kEntryDash = L" \x2014 ";
// Days as one number, YYYYMMDD, to tell whether today's copy was taken.
constexpr int kYearFactor = 10000;
constexpr int kMonthFactor = 100;

std::wstring JoinEntry(const std::wstring& first, const std::wstring& second) {
    if (first.empty()) return second;
    if (second.empty()) return first;
    return first + kEntryDash + second;
}

void AppendGreyedEmpty(HMENU menu, const std::wstring& caption) {
    ::AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, caption.c_str());
}

void ClearMenu(HMENU menu) {
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
}

bool SameRecord(const StickerRecord& a, const StickerRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

void TVelpin::TellLater(const std::string& text) {
    if (m_tellLater.empty()) m_tellLater = text;
}

void TVelpin::TellWhatWaits() {
    if (m_tellLater.empty()) return;
    const std::string text = std::move(m_tellLater);
    m_tellLater.clear();
    ShowErrorBox(text);
}

const TrashList& TVelpin::Trash() {
    if (m_trash) return *m_trash;
    m_trash.emplace();
    try {
        DatabaseFile file = ReadDatabaseFile(TrashPath());
        m_trash.emplace(std::move(file.records));
        // A torn tail or more records than a trash holds: the file is kept as it was, under another name.
        m_trashAside = file.partlyRead;
    } catch (const std::exception&) {
        // Deleted notes are a convenience: a trash that cannot be read is kept aside and started anew.
        m_trashAside = true;
    }
    return *m_trash;
}

void TVelpin::SaveTrash() {
    if (m_trashAside) {
        unsigned long failure = 0;
        if (!MoveDatabaseAside(TrashPath(), StampNow(), &failure)) {
            if (!m_trashTold)
                TellLater("Cannot keep the file \"" + TrashPath() + "\" aside. " + SystemErrorText(failure));
            m_trashTold = true;
            return;
        }
        m_trashAside = false;
    }
    try {
        WriteDatabaseFile(TrashPath(), m_trash->Image());
    } catch (const std::exception& error) {
        if (!m_trashTold) TellLater(error.what());
        m_trashTold = true;
    }
}

void TVelpin::PutInTrash(const std::vector<StickerRecord>& records) {
    if (records.empty()) return;
    (void)Trash();
    for (const StickerRecord& record : records) m_trash->Append(record);
    SaveTrash();
}

void TVelpin::TrashMenuPopup() {
    ClearMenu(m_trashMenu);
    m_trashShown.clear();
    const TrashList& trash = Trash();
    for (std::size_t n = 0; n < kTrashMenuLength && trash.Newest(n) != nullptr; ++n) {
        const TrashItemText text = TrashItemCaption(*trash.Newest(n));
        // A note's texts are stored in the system's ANSI code page.
        const std::wstring caption =
            JoinEntry(WideFromCodePage(text.caption, CP_ACP), WideFromCodePage(text.words, CP_ACP));
        ::AppendMenuW(m_trashMenu, MF_STRING, MenuCommand(MenuId::kTrashItemsBase) + n, caption.c_str());
        m_trashShown.push_back(*trash.Newest(n));
    }
    if (m_trashShown.empty()) {
        AppendGreyedEmpty(m_trashMenu, ShownText(TextKey::mMenuEmpty));
        return;
    }
    ::AppendMenuW(m_trashMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m_trashMenu, MF_STRING, MenuCommand(MenuId::kEmptyTrash), ShownText(TextKey::mTrashEmpty).c_str());
}

void TVelpin::TrashItemClick(std::size_t n) {
    (void)Trash();
    // The entries shown answer this one command; a later one without a menu (another program posts it) counts
    // from the newest.
    const std::vector<StickerRecord> shown = std::move(m_trashShown);
    m_trashShown.clear();
    // The entry the user saw, wherever deletions made while the menu showed have put it.
    std::size_t at = m_trash->Size();
    for (std::size_t i = 0; i < m_trash->Size(); ++i) {
        const bool match = n < shown.size() ? SameRecord(*m_trash->Newest(i), shown[n]) : i == n;
        if (match) {
            at = i;
            break;
        }
    }
    if (at >= m_trash->Size()) return;
    const StickerRecord record = *m_trash->Newest(at);
    TStickForm* sticker = MakeStickerFromRecord(record.caption, record.date, record.placement, record.body);
    // A full table makes nothing, and the note stays in the trash.
    if (sticker == nullptr) return;
    ::PostMessageA(sticker->Handle(), protocol::kStickerCommandMessage, protocol::kStkBringIntoView,
                   protocol::kStkBringIntoView);
    m_trash->RemoveNewest(at);
    SaveTrash();
    PostSaveRequest();
    TellWhatWaits();
}

void TVelpin::EmptyTrashClick() {
    if (BringModalToFront() || Trash().Empty()) return;
    if (m_formDialog == nullptr ||
        !m_formDialog->Confirm(ShownText(TextKey::dialCaptionDeleteAll), ShownText(TextKey::dialTextEmptyTrash)))
        return;
    m_trash->Clear();
    m_trashShown.clear();
    SaveTrash();
    TellWhatWaits();
}

void TVelpin::TakeDailySnapshot(bool copy) {
    const StampTime now = StampNow();
    const int day = now.year * kYearFactor + now.month * kMonthFactor + now.day;
    if (day == m_snapshotDay) return;
    m_snapshotDay = day;
    if (!copy) return;
    try {
        (void)TakeSnapshot(DatabasePath(), BackupFolder(), SnapshotName{true, now});
    } catch (const std::exception& error) {
        // The save itself goes on: the copy is a second line of defence, never a reason to lose an edit.
        if (!m_snapshotTold) TellLater(error.what());
        m_snapshotTold = true;
    }
}

bool TVelpin::TakeTimedSnapshot() {
    try {
        if (TakeSnapshot(DatabasePath(), BackupFolder(), SnapshotName{false, StampNow()}) != SnapshotOutcome::kNotKept)
            return true;
        ShowErrorBox("Cannot keep a copy of \"" + DatabasePath() + "\" in \"" + BackupFolder() +
                     "\": the folder holds " + std::to_string(kBackupFolderLimit) + " files");
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
    return false;
}

void TVelpin::RestoreMenuPopup() {
    ClearMenu(m_restoreMenu);
    m_snapshotsShown.clear();
    const std::string folder = BackupFolder();
    for (const SnapshotName& name : SnapshotsNewestFirst(FilesOfFolder(folder))) {
        if (m_snapshotsShown.size() >= kSnapshotMenuLimit) break;
        const std::string file = SnapshotFileName(name);
        const SnapshotItemText text = SnapshotItemCaption(m_texts, name, SizeOfFile(folder + file));
        const std::wstring caption =
            JoinEntry(velpiners::ShownText(m_texts, text.date), velpiners::ShownText(m_texts, text.notes));
        ::AppendMenuW(m_restoreMenu, MF_STRING, MenuCommand(MenuId::kSnapshotItemsBase) + m_snapshotsShown.size(),
                      caption.c_str());
        m_snapshotsShown.push_back(file);
    }
    if (m_snapshotsShown.empty()) AppendGreyedEmpty(m_restoreMenu, ShownText(TextKey::mMenuEmpty));
}

void TVelpin::CloseEveryStickerForReplacement() {
    PostToEverySticker(reinterpret_cast<WPARAM>(Handle()), protocol::kStkClose);
    m_table->ForEachInUse([this](int i, const StickerRecord&) { m_table->ReleaseSlot(i); });
}

void TVelpin::RestoreItemClick(std::size_t index) {
    // The entries shown answer this one command; without a menu (another program posts the command) the
    // copies are counted as the menu would show them.
    std::vector<std::string> shown = std::move(m_snapshotsShown);
    m_snapshotsShown.clear();
    if (BringModalToFront()) return;
    if (shown.empty())
        for (const SnapshotName& name : SnapshotsNewestFirst(FilesOfFolder(BackupFolder())))
            shown.push_back(SnapshotFileName(name));
    if (index >= shown.size()) return;
    const std::string file = shown[index];
    const std::optional<SnapshotName> name = ParseSnapshotFileName(file);
    if (!name) return;
    const std::string path = BackupFolder() + file;
    const SnapshotItemText text = SnapshotItemCaption(m_texts, *name, SizeOfFile(path));
    if (m_formDialog == nullptr ||
        !m_formDialog->Confirm(
            ShownText(TextKey::dialCaptionDeleteAll),
            velpiners::ShownText(m_texts, FillPlaceholder(m_texts.Get(TextKey::dialTextRestore), text.date))))
        return;
    DatabaseFile copy;
    try {
        copy = ReadDatabaseFile(path);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return;
    }
    if (!copy.exists) {
        ShowErrorBox("Cannot open file \"" + path + "\". The file is gone");
        return;
    }
    // The notes as they are now can be had back the same way.
    if (!TakeTimedSnapshot()) return;
    CloseEveryStickerForReplacement();
    for (const StickerRecord& record : copy.records)
        if (MakeStickerFromRecord(record.caption, record.date, record.placement, record.body) == nullptr) break;
    // As at the start: a note kept for a monitor that is gone is shown on one that is there.
    PostToStickers(TStickForm::kFitToMonitorsMessage);
    PostSaveRequest();
}

}  // namespace velpiners
