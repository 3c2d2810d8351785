#include "store/config_file.h"

#include <string>

#include "base/profile_integer.h"

namespace velpiners {
namespace {

constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kDefault = "Default";
constexpr std::string_view kHotKey = "HotKey";

// What a file that exists gives for a key it lacks; it differs from the values of a start without any file
// (style 0, not 5; a hide delay of 30 steps; shadows on).
StickerDefaults FileDefaults() {
    StickerDefaults d;
    d.style = 0;
    d.opacity = 255;
    d.useOwnColor = true;
    d.onTop = true;
    d.wordWrap = true;
    d.textColor = 0xFFFFFF;
    d.captionColor = 0xFFFFFF;
    d.textFont = "Tahoma";
    d.captionFont = "Tahoma";
    d.textSize = 8;
    d.showPicture = false;
    d.pictureNumber = 0;
    d.hideAtPointer = false;
    d.hideDelayStep = 30;
    d.captionShadow = true;
    d.textShadow = true;
    d.shadowColor = 0;
    d.alignment = 0;
    return d;
}

class Reader {
public:
    explicit Reader(const IniReader& ini) : m_ini(ini) {}

    std::int32_t Integer(std::string_view section, std::string_view key, std::int32_t fallback) const {
        return ParseProfileInteger(m_ini.Read(section, key, "")).value_or(fallback);
    }
    std::uint8_t Byte(std::string_view section, std::string_view key, std::uint8_t fallback) const {
        return static_cast<std::uint8_t>(Integer(section, key, fallback) & 0xFF);
    }
    bool Bool(std::string_view section, std::string_view key, bool fallback) const {
        return Integer(section, key, fallback ? 1 : 0) != 0;
    }
    std::string String(std::string_view section, std::string_view key, std::string_view fallback) const {
        return m_ini.Read(section, key, fallback);
    }

private:
    const IniReader& m_ini;
};

class Writer {
public:
    explicit Writer(IniWriter& ini) : m_ini(ini) {}

    // Each call does nothing once a key has failed: the write stops at that key.
    void String(std::string_view section, std::string_view key, std::string_view value) {
        if (m_ok) m_ok = m_ini.Write(section, key, value);
    }
    void Integer(std::string_view section, std::string_view key, std::int64_t value) {
        String(section, key, std::to_string(value));
    }
    void Bool(std::string_view section, std::string_view key, bool value) { String(section, key, value ? "1" : "0"); }
    [[nodiscard]] bool Ok() const { return m_ok; }

private:
    IniWriter& m_ini;
    bool m_ok = true;
};

}  // namespace

Configuration ReadConfiguration(const IniReader& ini, const StickerDefaults& current) {
    const Reader r(ini);
    const StickerDefaults f = FileDefaults();
    Configuration c;
    StickerDefaults& d = c.defaults;
    c.englishLanguage = r.Bool(kLanguage, "DefualtLanguageEng", true);
    c.russianLanguage = r.Bool(kLanguage, "DefualtLanguageRus", false);
    c.otherLanguage = r.String(kLanguage, "OtherLanguage", "");
    if (c.otherLanguage.size() > kLanguageFileNameLimit) c.otherLanguage.resize(kLanguageFileNameLimit);
    d.style = r.Byte(kDefault, "Style", f.style);
    d.opacity = r.Byte(kDefault, "Transparent", f.opacity);
    d.useOwnColor = r.Bool(kDefault, "Color", f.useOwnColor);
    d.onTop = r.Bool(kDefault, "Pos", f.onTop);
    d.wordWrap = r.Bool(kDefault, "Wrap", f.wordWrap);
    d.textColor = r.Integer(kDefault, "ColorText", f.textColor);
    d.captionColor = r.Integer(kDefault, "ColorCapt", f.captionColor);
    d.textFont = r.String(kDefault, "FontText", f.textFont);
    d.captionFont = r.String(kDefault, "FontCapt", f.captionFont);
    d.textSize = r.Byte(kDefault, "SizeText", f.textSize);
    d.showPicture = r.Bool(kDefault, "UP", f.showPicture);
    d.pictureNumber = r.Integer(kDefault, "NP", f.pictureNumber);
    d.hideAtPointer = r.Bool(kDefault, "UML", f.hideAtPointer);
    d.hideDelayStep = r.Byte(kDefault, "IML", f.hideDelayStep);
    d.captionShadow = r.Bool(kDefault, "sh_c", f.captionShadow);
    d.textShadow = r.Bool(kDefault, "sh_t", f.textShadow);
    d.shadowColor = r.Integer(kDefault, "colorSh", f.shadowColor);
    d.alignment = r.Byte(kDefault, "align", f.alignment);
    d.stickerColor = current.stickerColor;
    c.hotKey = r.Integer(kHotKey, "NEW", kDefaultHotKeyChoice);
    return c;
}

bool WriteConfiguration(IniWriter& ini, const Configuration& config) {
    Writer w(ini);
    const StickerDefaults& d = config.defaults;
    w.Bool(kLanguage, "DefualtLanguageEng", config.englishLanguage);
    w.Bool(kLanguage, "DefualtLanguageRus", config.russianLanguage);
    w.String(kLanguage, "OtherLanguage", config.otherLanguage);
    w.Bool(kDefault, "Color", d.useOwnColor);
    w.Bool(kDefault, "Pos", d.onTop);
    w.Integer(kDefault, "Style", d.style);
    w.Integer(kDefault, "Transparent", d.opacity);
    w.Bool(kDefault, "Wrap", d.wordWrap);
    w.Integer(kDefault, "ColorText", d.textColor);
    w.Integer(kDefault, "ColorCapt", d.captionColor);
    w.String(kDefault, "FontText", d.textFont);
    w.String(kDefault, "FontCapt", d.captionFont);
    w.Integer(kDefault, "SizeText", d.textSize);
    w.Integer(kDefault, "NP", d.pictureNumber);
    w.Bool(kDefault, "UP", d.showPicture);
    w.Bool(kDefault, "UML", d.hideAtPointer);
    w.Integer(kDefault, "IML", d.hideDelayStep);
    w.Bool(kDefault, "sh_c", d.captionShadow);
    w.Bool(kDefault, "sh_t", d.textShadow);
    w.Integer(kDefault, "colorSh", d.shadowColor);
    w.Integer(kDefault, "align", d.alignment);
    w.Integer(kHotKey, "NEW", config.hotKey);
    return w.Ok();
}

}  // namespace velpiners
