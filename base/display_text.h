// Texts the program makes for display: a text's first line cut for a one-line caption (the Stickers
// submenu, the pattern preview).
#pragma once

#include <cstddef>
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

}  // namespace velpiners
