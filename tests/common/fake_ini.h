// An in-memory INI file, read the way the Windows private-profile functions read one: the first section of
// a name and the first key of a name in it count (names compare case-insensitively), a value is trimmed of
// blanks and of one pair of quotes around it, and a missing section or key, or a key line without "=",
// gives the default. Written the way they write: a key that exists gets its new value in place, a new key
// goes to the end of its section, a new section to the end of the file.
//
// The tests of what reads and writes INI files fill it with Set or with the text of a file (Load), read
// back what was written as file text (Text), see every read and every write in order, and can make writes
// fail (a read-only file). The fuzz targets read their input through it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/ini_reader.h"
#include "base/ini_writer.h"

namespace velpiners::test {

class FakeIni : public IniReader, public IniWriter {
public:
    FakeIni() = default;
    explicit FakeIni(std::string_view text) { Load(text); }

    // Adds the sections and keys of an INI file's text after what it holds. Lines end at "\n" (a "\r"
    // before it is a blank); a line starting with ";" is a comment; lines before the first section belong
    // to none. A NUL ends a name or value, as the functions' C strings do.
    void Load(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            AddLine(Trim(text.substr(start, end - start)));
            start = end + 1;
        }
    }

    // The file as the private-profile functions would write it.
    [[nodiscard]] std::string Text() const {
        std::string text;
        for (const Section& section : m_sections) {
            text += "[" + section.name + "]\r\n";
            for (const Key& key : section.keys) text += key.name + (key.value ? "=" + *key.value : "") + "\r\n";
        }
        return text;
    }

    void Set(std::string_view section, std::string_view key, std::string value) {
        Section* found = FindSection(section);
        if (found == nullptr) {
            m_sections.push_back({std::string(section), {}});
            found = &m_sections.back();
        }
        for (Key& existing : found->keys) {
            if (SameName(existing.name, key)) {
                existing.value = std::move(value);
                return;
            }
        }
        found->keys.push_back({std::string(key), std::move(value)});
    }

    [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const override {
        reads.emplace_back(std::string(section), std::string(key));
        const Key* found = FindKey(section, key);
        return found == nullptr || !found->value ? std::string(defaultValue) : *found->value;
    }

    [[nodiscard]] bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        if (failWrites) return false;
        writes.emplace_back(std::string(section), std::string(key));
        Set(section, key, std::string(value));
        return true;
    }

    [[nodiscard]] bool Has(std::string_view section, std::string_view key) const {
        return FindKey(section, key) != nullptr;
    }

    mutable std::vector<std::pair<std::string, std::string>> reads;
    std::vector<std::pair<std::string, std::string>> writes;
    bool failWrites = false;

private:
    struct Key {
        std::string name;
        std::optional<std::string> value;  // none: a line without "="
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
    };

    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

    static std::string_view Trim(std::string_view text) {
        while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
        return text;
    }

    static std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

    static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    static bool SameName(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (Lower(a[i]) != Lower(b[i])) return false;
        return true;
    }

    void AddLine(std::string_view line) {
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            m_sections.push_back(
                {UpToNul(Trim(line.substr(1, close == std::string_view::npos ? close : close - 1))), {}});
            m_inSection = true;
            return;
        }
        if (!m_inSection) return;
        const std::size_t equals = line.find('=');
        Key key{UpToNul(Trim(line.substr(0, equals))), std::nullopt};
        if (equals != std::string_view::npos) {
            std::string_view value = Trim(line.substr(equals + 1));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            key.value = UpToNul(value);
        }
        m_sections.back().keys.push_back(std::move(key));
    }

    [[nodiscard]] Section* FindSection(std::string_view name) {
        for (Section& section : m_sections)
            if (SameName(section.name, name)) return &section;
        return nullptr;
    }

    [[nodiscard]] const Key* FindKey(std::string_view section, std::string_view key) const {
        for (const Section& s : m_sections) {
            if (!SameName(s.name, section)) continue;
            for (const Key& k : s.keys)
                if (SameName(k.name, key)) return &k;
            return nullptr;  // only the first section of a name is read
        }
        return nullptr;
    }

    std::vector<Section> m_sections;
    bool m_inSection = false;
};

}  // namespace velpiners::test
