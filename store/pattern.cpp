#include "store/pattern.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/profile_integer.h"

namespace velpiners {
namespace {

constexpr std::string_view kInfo = "Info";
constexpr std::string_view kWindow = "Window";
constexpr std::string_view kText = "Text";
constexpr std::string_view kCaption = "TextC";

constexpr int kLowestAlpha = 1;
constexpr int kHighestByte = 255;
constexpr int kLastAlignment = 2;
constexpr int kPictureNumberBits = 8;

std::int32_t ReadInteger(const IniReader& file, std::string_view section, std::string_view key,
                         std::int32_t defaultValue) {
    return ParseProfileInteger(file.Read(section, key, "")).value_or(defaultValue);
}

bool ReadBool(const IniReader& file, std::string_view section, std::string_view key, bool defaultValue) {
    return ReadInteger(file, section, key, defaultValue ? 1 : 0) != 0;
}

std::uint8_t ByteWithin(std::int32_t value, int lowest, int highest) {
    return static_cast<std::uint8_t>(std::clamp<std::int32_t>(value, lowest, highest));
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

}  // namespace

std::string PatternFileName(const PatternTime& time, int attempt) {
    std::string name = TwoDigits(time.day) + TwoDigits(time.month) + TwoDigits(time.year) + "_" + TwoDigits(time.hour) +
                       TwoDigits(time.minute) + TwoDigits(time.second);
    if (attempt > 0) name += "_" + std::to_string(attempt);
    return name + std::string(kPatternExtension);
}

std::string FreePatternFileName(const PatternTime& time, const std::function<bool(const std::string&)>& taken) {
    for (int attempt = 0; attempt < kMostPatternAttempts; ++attempt) {
        std::string name = PatternFileName(time, attempt);
        if (!taken(name)) return name;
    }
    return {};
}

std::string PatternDateText(const PatternTime& time) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", time.day, time.month, time.year, time.hour,
                  time.minute);
    return text;
}

std::string StoredPatternName(std::string_view entered) {
    std::string name;
    name.reserve(entered.size());
    for (const char c : entered) {
        if (c == '\r' || c == '\n') {
            name += ' ';
        } else if (c != '|' || name.empty() || name.back() != '|') {
            name += c;
        }
    }
    return name;
}

bool WritePattern(IniWriter& file, std::string_view name, std::string_view date, const PatternLook& look) {
    const auto number = [](std::int64_t value) { return std::to_string(value); };
    const auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
    bool written =
        file.Write(kInfo, "name", StoredPatternName(name)) && file.Write(kInfo, "Date", date) &&
        file.Write(kWindow, "Style", number(look.style)) && file.Write(kWindow, "UColor", flag(look.useColor)) &&
        file.Write(kWindow, "Color", number(look.color)) &&
        file.Write(kWindow, "Transparent", number(look.transparent)) &&
        file.Write(kText, "ColorShadow", number(look.shadowColor)) && file.Write(kText, "font", look.textFont) &&
        file.Write(kText, "Size", number(look.textSize)) && file.Write(kText, "Color", number(look.textColor)) &&
        file.Write(kText, "UShadow", flag(look.textShadow)) && file.Write(kCaption, "font", look.captionFont) &&
        file.Write(kCaption, "Color", number(look.captionColor)) &&
        file.Write(kCaption, "UShadow", flag(look.captionShadow));
    if (written && look.alignment != kNoAlignment) written = file.Write(kText, "Align", number(look.alignment));
    return written && file.Write(kWindow, "Ico", number(look.pictureNumber));
}

void ReadPattern(const IniReader& file, StickerRecord& record) {
    PlacementBlock& p = record.placement;
    p.style = ByteWithin(ReadInteger(file, kWindow, "Style", kPatternDefaultStyle), 0, kHighestByte);
    p.useOwnColor = ReadBool(file, kWindow, "UColor", true) ? 1 : 0;
    p.color = ReadInteger(file, kWindow, "Color", kPatternDefaultColor);
    // 0 would make an invisible sticker: the window alpha is 1..255.
    p.opacity =
        ByteWithin(ReadInteger(file, kWindow, "Transparent", kPatternDefaultTransparent), kLowestAlpha, kHighestByte);
    const std::uint32_t picture = static_cast<std::uint32_t>(ReadInteger(file, kWindow, "Ico", 0));
    p.pictureLow = static_cast<std::uint8_t>(picture & 0xFF);
    p.pictureHigh = static_cast<std::uint8_t>((picture >> kPictureNumberBits) & 0xFF);
    p.shadowColor = ReadInteger(file, kText, "ColorShadow", kPatternDefaultShadowColor);
    const std::int32_t alignment = ReadInteger(file, kText, "Align", 0);
    p.alignment = static_cast<std::uint8_t>(alignment >= 0 && alignment <= kLastAlignment ? alignment : 0);

    record.body.color = ReadInteger(file, kText, "Color", kPatternDefaultTextColor);
    record.body.shadow = ReadBool(file, kText, "UShadow", true) ? 1 : 0;
    record.body.fontSize = ByteWithin(ReadInteger(file, kText, "Size", kPatternDefaultSize), 0, kHighestByte);
    record.body.fontName.Set(file.Read(kText, "font", kPatternDefaultFont));

    record.caption.color = ReadInteger(file, kCaption, "Color", kPatternDefaultTextColor);
    record.caption.fontName.Set(file.Read(kCaption, "font", kPatternDefaultFont));
    record.caption.shadow = ReadBool(file, kCaption, "UShadow", true) ? 1 : 0;
}

std::string ReadPatternName(const IniReader& file) { return file.Read(kInfo, "name", kUnknownPatternName); }

std::string PatternItem(std::string_view name, std::string_view fileName) {
    return std::string(name) + std::string(kPatternItemSeparator) + std::string(fileName);
}

std::string PatternNameOf(std::string_view item) {
    const std::size_t at = item.rfind(kPatternItemSeparator);
    return std::string(at == std::string_view::npos ? item : item.substr(0, at));
}

std::string PatternFileOf(std::string_view item) {
    const std::size_t at = item.rfind(kPatternItemSeparator);
    return at == std::string_view::npos ? std::string() : std::string(item.substr(at + kPatternItemSeparator.size()));
}

int TextSizeIndex(int size) {
    if (size < kSmallestTextSize || size > kLargestTextSize) return -1;
    const int twice = size - kSmallestTextSize;  // twice the exact index
    const int below = twice / kTextSizeStep;
    if (twice % kTextSizeStep == 0) return below;
    return below % 2 == 0 ? below : below + 1;  // a tie goes to the even index
}

}  // namespace velpiners
