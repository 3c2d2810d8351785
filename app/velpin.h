// The controller TVelpin: the program's hidden main window. It owns the sticker table and runs the save
// cycle of base.db, answers the controller command message, takes the stickers' record reports and serves
// the WM_USER control interface that other programs use to find and query it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "sticker/sticker_host.h"
#include "store/record.h"
#include "store/table.h"
#include "ui/form.h"

namespace velpiners {

class TStickForm;

class TVelpin : public Form, public StickerHost {
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

    // Gives a window the lowest free slot (handle at offset 0, in use); -1 when all 256 are taken.
    int TakeSlot(HWND sticker);

    // The common part of every make: the lowest free slot and a new hidden sticker window in it; nullptr
    // (and nothing made) when the table is full. `slot` receives the slot index.
    TStickForm* MakeStickerWindow(int* slot = nullptr);
    // A sticker from stored blocks, moved to its stored place and shown; nullptr when the table is full.
    TStickForm* MakeStickerFromRecord(const TextStyleBlock& caption, const TextStyleBlock& date,
                                      const PlacementBlock& placement, const TextStyleBlock& body);

    // Reads base.db and opens one sticker window per record (lowest free slot first; a full table drops the
    // rest). A file that exists but cannot be read is reported in the error box and loads nothing.
    void LoadDatabase();
    // Writes base.db from the table; throws AppError when the file cannot be written.
    void WriteDatabase();
    void BeginSaveCycle();

    // StickerHost
    [[nodiscard]] HWND ControllerWindow() const override { return Handle(); }
    [[nodiscard]] std::string Text(std::string_view key) const override;

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
};

// The folder of the running executable with a trailing backslash.
[[nodiscard]] std::string ExecutableFolder();

}  // namespace velpiners
