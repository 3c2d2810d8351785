// config.txt: what the program keeps between runs apart from the stickers: the interface language, the
// defaults new stickers are made from and the hot-key choice, in INI syntax through IniReader/IniWriter.
//
// Values: a bool is written "1"/"0" and read as true for any integer other than 0; an integer is written in
// decimal and read in decimal or, after "$" or "0x", in hexadecimal; a key that is missing or does not read
// as a number gives the default of its key. Byte values keep only their low 8 bits (Transparent 300 is 44).
// The sticker colour of the defaults is not part of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/color_value.h"
#include "base/ini_reader.h"
#include "base/ini_writer.h"

namespace velpiners {

// The controller's defaults for new stickers. The initial values are the ones the program starts with
// before config.txt is read (and keeps when there is none).
struct StickerDefaults {
    std::uint8_t style = 5;
    std::uint8_t opacity = 255;
    bool useOwnColor = true;
    bool onTop = true;
    bool wordWrap = true;
    ColorValue textColor = 0xFFFFFF;
    ColorValue captionColor = 0xFFFFFF;
    std::string textFont = "Tahoma";
    std::string captionFont = "Tahoma";
    std::uint8_t textSize = 8;
    bool showPicture = false;
    std::int32_t pictureNumber = 0;
    bool hideAtPointer = false;
    std::uint8_t hideDelayStep = 0;
    bool captionShadow = false;
    bool textShadow = false;
    ColorValue shadowColor = 0;
    std::uint8_t alignment = 0;
    // Not kept in config.txt: every run starts with red, the new-sticker dialog changes it.
    ColorValue stickerColor = 0x0000FF;
};

// The hot-key choice of a file without the key: Win with "+".
inline constexpr std::int32_t kDefaultHotKeyChoice = 0;
// The most characters of the language file name that are kept.
inline constexpr std::size_t kLanguageFileNameLimit = 255;

struct Configuration {
    bool englishLanguage = true;   // DefualtLanguageEng
    bool russianLanguage = false;  // DefualtLanguageRus
    std::string otherLanguage;     // OtherLanguage: a file of the "Languages\" folder
    StickerDefaults defaults;
    std::int32_t hotKey = kDefaultHotKeyChoice;  // NEW: -1 none, 0..4 a key; the choice model maps the rest
};

// Reads the 22 keys in the file's order, each missing or unreadable one as its default; the sticker colour
// (not in the file) is taken from `current`.
[[nodiscard]] Configuration ReadConfiguration(const IniReader& ini, const StickerDefaults& current);

// Writes the 22 keys in order: Language, Default, HotKey. Every other section and key of the file stays.
// Stops at the first key that cannot be written and returns false.
[[nodiscard]] bool WriteConfiguration(IniWriter& ini, const Configuration& config);

}  // namespace velpiners
