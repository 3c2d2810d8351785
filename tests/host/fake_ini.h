// An in-memory INI file for the tests of what reads and writes INI files: section and key names compare
// case-insensitively, as the private-profile functions do; every read and every write is recorded, in
// order, and writes can be made to fail (a read-only file).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/ini_reader.h"
#include "base/ini_writer.h"

namespace velpiners::test {

class FakeIni : public IniReader, public IniWriter {
public:
    void Set(std::string_view section, std::string_view key, std::string value) {
        m_values[{Lower(section), Lower(key)}] = std::move(value);
    }

    [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const override {
        reads.emplace_back(std::string(section), std::string(key));
        const auto found = m_values.find({Lower(section), Lower(key)});
        return found == m_values.end() ? std::string(defaultValue) : found->second;
    }

    [[nodiscard]] bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        if (failWrites) return false;
        writes.emplace_back(std::string(section), std::string(key));
        Set(section, key, std::string(value));
        return true;
    }

    [[nodiscard]] bool Has(std::string_view section, std::string_view key) const {
        return m_values.count({Lower(section), Lower(key)}) != 0;
    }

    mutable std::vector<std::pair<std::string, std::string>> reads;
    std::vector<std::pair<std::string, std::string>> writes;
    bool failWrites = false;

private:
    static std::string Lower(std::string_view text) {
        std::string lower(text);
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return lower;
    }

    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

}  // namespace velpiners::test
