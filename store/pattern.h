// Pattern files: a saved sticker look (style, skin colour, transparency, fonts, colours, shadows,
// alignment, icon) under a name the user chose, one INI file per pattern in "patterns\". This is what is
// read and written, and in which order, through the INI interfaces; the files themselves are in
// store/pattern_files_win.h.
//
// A pattern list item (one entry of a pattern box) is the display name, "||" and the file name without
// folder. File names cannot hold "|", so the item is split at its last "||": an item written before names
// were cleaned, whose name holds "||" itself, still names its file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/color_value.h"
#include "base/ini_reader.h"
#include "base/ini_writer.h"
#include "store/record.h"

namespace velpiners {

// The name a list shows for a file without Info/name.
inline constexpr std::string_view kUnknownPatternName = "unknown pattern";
inline constexpr std::string_view kPatternExtension = ".pat";
inline constexpr std::string_view kPatternFolder = "patterns\\";
inline constexpr std::string_view kPatternItemSeparator = "||";

// The defaults of the keys a pattern file may lack.
inline constexpr int kPatternDefaultStyle = 0;
inline constexpr ColorValue kPatternDefaultColor = 8421504;  // grey: red, green and blue 128
inline constexpr int kPatternDefaultTransparent = 255;
inline constexpr ColorValue kPatternDefaultShadowColor = 0;
inline constexpr ColorValue kPatternDefaultTextColor = 16777215;  // white
inline constexpr int kPatternDefaultSize = 8;
inline constexpr std::string_view kPatternDefaultFont = "Tahoma";

// The alignment value that writes no Align key (no alignment button down).
inline constexpr int kNoAlignment = -1;

// The look of the properties dialog's controls that a new pattern keeps.
struct PatternLook {
    int style = 0;
    bool useColor = true;
    ColorValue color = kPatternDefaultColor;
    int transparent = kPatternDefaultTransparent;
    ColorValue shadowColor = kPatternDefaultShadowColor;
    std::string textFont;
    int textSize = kPatternDefaultSize;
    ColorValue textColor = kPatternDefaultTextColor;
    bool textShadow = true;
    std::string captionFont;
    ColorValue captionColor = kPatternDefaultTextColor;
    bool captionShadow = true;
    int alignment = kNoAlignment;  // 0 left, 1 centre, 2 right
    int pictureNumber = 0;
};

// A local time to the second.
struct PatternTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "ddmmyy_hhnnss.pat"; attempt 1, 2, ... gives "ddmmyy_hhnnss_1.pat", "ddmmyy_hhnnss_2.pat".
[[nodiscard]] std::string PatternFileName(const PatternTime& time, int attempt = 0);

// The first of those names that `taken` says is free. Two saves within one second so keep both patterns.
// Gives up (empty) after kMostPatternAttempts names.
inline constexpr int kMostPatternAttempts = 1000;
[[nodiscard]] std::string FreePatternFileName(const PatternTime& time,
                                              const std::function<bool(const std::string&)>& taken);

// "dd.mm.yyyy hh:nn", the creation time kept in Info/Date.
[[nodiscard]] std::string PatternDateText(const PatternTime& time);

// The display name as stored: every run of "|" becomes one "|", so a name never holds the item separator,
// and line breaks become blanks, so a name stays one INI value.
[[nodiscard]] std::string StoredPatternName(std::string_view entered);

// Writes every key in the file's order: Info name and Date, Window Style, UColor, Color, Transparent,
// Text ColorShadow, font, Size, Color, UShadow, TextC font, Color, UShadow, Text Align (only when an
// alignment is given), Window Ico. False as soon as one write fails.
[[nodiscard]] bool WritePattern(IniWriter& file, std::string_view name, std::string_view date, const PatternLook& look);

// Fills the look fields of `record` from the file (missing keys and values that are not numbers take the
// defaults); everything else in the record stays. The icon number is split into its low and high byte.
void ReadPattern(const IniReader& file, StickerRecord& record);

// Info/name, or "unknown pattern" when the key is missing.
[[nodiscard]] std::string ReadPatternName(const IniReader& file);

[[nodiscard]] std::string PatternItem(std::string_view name, std::string_view fileName);
// The display name: the text before the item's last "||" (the whole item when it has none).
[[nodiscard]] std::string PatternNameOf(std::string_view item);
// The file name: the text after the item's last "||" (empty when it has none).
[[nodiscard]] std::string PatternFileOf(std::string_view item);

// The index of the size box ("6", "8", ... "20") for a text size: (size - 6) / 2 rounded to nearest with
// ties to even; -1 (no selection) below 6 or above 20.
[[nodiscard]] int TextSizeIndex(int size);
inline constexpr int kSmallestTextSize = 6;
inline constexpr int kLargestTextSize = 20;
inline constexpr int kTextSizeStep = 2;
[[nodiscard]] constexpr int TextSizeOfIndex(int index) { return kSmallestTextSize + kTextSizeStep * index; }

}  // namespace velpiners
