// An INI file rewritten as a whole through the private-profile functions: the keys go into a copy beside it
// ("<file>.new", started from the file as it is, so its other sections and keys stay), which is flushed and
// then moved over the file in one step. A full disk, a refused key or a crash half-way leaves the old file
// whole; a file that cannot be read (held by another program, a folder of that name) or is read-only is
// not copied and not replaced.
#pragma once

#include <string>
#include <string_view>

#include "base/ini_writer.h"

namespace velpiners {

class IniFileReplacement final : public IniWriter {
public:
    explicit IniFileReplacement(std::string path);
    // An uncommitted copy is removed.
    ~IniFileReplacement() override;
    IniFileReplacement(const IniFileReplacement&) = delete;
    IniFileReplacement& operator=(const IniFileReplacement&) = delete;

    // Makes the copy (an absent file starts from nothing). False when the file may not be replaced; then
    // every Write and Commit fails too.
    [[nodiscard]] bool Begin();
    [[nodiscard]] bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    // Flushes the copy and moves it over the file. False (the old file whole, no copy left) when it fails.
    [[nodiscard]] bool Commit();

    [[nodiscard]] const std::string& WorkingPath() const { return m_working; }

private:
    void Abandon();

    std::string m_path;
    std::string m_working;
    bool m_begun = false;
};

}  // namespace velpiners
