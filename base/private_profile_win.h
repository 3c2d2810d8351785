// INI files (config.txt, patterns, language files) through the Windows private-profile functions. Paths are
// full paths: the private-profile functions look for a bare file name in the Windows folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "base/ini_reader.h"
#include "base/ini_writer.h"

namespace velpiners {

class PrivateProfileReader final : public IniReader {
public:
    // Longer values are cut to this many characters less one, so a hostile file cannot make a read allocate
    // without bound.
    static constexpr std::size_t kValueLimit = 64 * 1024;

    explicit PrivateProfileReader(std::string path) : m_path(std::move(path)) {}

    [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const override;

private:
    std::string m_path;
};

class PrivateProfileWriter final : public IniWriter {
public:
    explicit PrivateProfileWriter(std::string path) : m_path(std::move(path)) {}

    [[nodiscard]] bool Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string m_path;
};

}  // namespace velpiners
