#include "lang/shown_text_win.h"

#include <windows.h>

#include "base/wide_string_win.h"

namespace velpiners {

unsigned ShownCodePage(unsigned codePage) {
    return codePage != kSystemCodePage && ::IsValidCodePage(codePage) ? codePage : static_cast<unsigned>(CP_ACP);
}

std::wstring ShownText(const TextTable& texts, TextKey key) { return ShownText(texts, texts.Get(key)); }

std::wstring ShownText(const TextTable& texts, std::string_view text) {
    return WideFromCodePage(text, ShownCodePage(texts.CodePage()));
}

std::string StoredText(const TextTable& texts, TextKey key) {
    const std::string& text = texts.Get(key);
    const unsigned codePage = ShownCodePage(texts.CodePage());
    if (codePage == CP_ACP || codePage == ::GetACP()) return text;
    const std::optional<std::string> stored = AnsiFromWideExactly(WideFromCodePage(text, codePage));
    return stored ? *stored : std::string(InfoOf(key).english);
}

}  // namespace velpiners
