// Texts the program makes for display: a text's first line cut for a one-line caption (the Stickers
// submenu, the pattern preview) and a number of seconds as the dialogs show a hide delay.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace velpiners {

// The characters before the first carriage return or line feed, at most `limit` of them, followed by "..."
// when the text was cut at a line break or its first line is longer than `limit`.
[[nodiscard]] inline std::string FirstLineCaption(std::string_view text, std::size_t limit) {
    const std::size_t lineEnd = text.find_first_of("\r\n");
    const bool cutAtLine = lineEnd != std::string_view::npos;
    const std::string_view line = cutAtLine ? text.substr(0, lineEnd) : text;
    std::string caption(line.substr(0, limit));
    if (cutAtLine || line.size() > limit) caption += "...";
    return caption;
}

// Seconds rounded to 4 decimals, then written with 2 and a decimal comma, without blanks: 0.6 gives "0,60".
[[nodiscard]] inline std::string FormatSeconds(double seconds) {
    constexpr double kRounding = 10000.0;
    const double rounded = std::round(seconds * kRounding) / kRounding;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", rounded);
    std::string result(text);
    for (char& c : result)
        if (c == '.') c = ',';
    return result;
}

}  // namespace velpiners
