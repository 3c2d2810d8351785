// The controller TVelpin: the program's hidden main window. It owns the sticker table and runs the save
// cycle of base.db, answers the controller command message, takes the stickers' record reports and serves
// the WM_USER control interface that other programs use to find and query it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "store/record.h"
#include "store/table.h"
#include "ui/form.h"

namespace velpiners {

class TVelpin : public Form {
public:
    // programFolder: the folder that holds base.db, with a trailing backslash; empty means the folder of the
    // executable.
    explicit TVelpin(std::string programFolder = {});
    ~TVelpin() override;

    // Creates the hidden window and runs the creation steps (folder, "TaskbarCreated", table, database).
    bool FormCreate();

    [[nodiscard]] const std::string& ProgramFolder() const { return m_programFolder; }
    [[nodiscard]] std::string DatabasePath() const { return m_programFolder + "base.db"; }
    [[nodiscard]] UINT TaskbarCreatedMessage() const { return m_taskbarCreated; }

    [[nodiscard]] Tmassiv& Table() { return *m_table; }
    [[nodiscard]] const Tmassiv& Table() const { return *m_table; }

    // The records read from base.db by the last load, in file order, waiting to become sticker windows.
    [[nodiscard]] const std::vector<StickerRecord>& PendingRecords() const { return m_pendingRecords; }
    std::vector<StickerRecord> TakePendingRecords() { return std::move(m_pendingRecords); }

    // Gives a sticker window the lowest free slot (handle at offset 0, in use); -1 when all 256 are taken.
    int TakeSlot(HWND sticker);

    // Reads base.db into the pending records. A file that exists but cannot be read is reported in the
    // error box and loads nothing.
    void LoadDatabase();
    // Writes base.db from the table; throws AppError when the file cannot be written.
    void WriteDatabase();
    void BeginSaveCycle();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnControllerCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    LRESULT OnUserCommand(WPARAM wParam, LPARAM lParam);
    void OnTaskbarCreated();

    std::string m_programFolder;
    UINT m_taskbarCreated = 0;
    std::unique_ptr<Tmassiv> m_table;
    std::vector<StickerRecord> m_pendingRecords;
};

// The folder of the running executable with a trailing backslash.
[[nodiscard]] std::string ExecutableFolder();

}  // namespace velpiners
