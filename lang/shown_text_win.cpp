#include "lang/shown_text_win.h"

#include <windows.h>

#include "base/wide_string_win.h"

namespace velpiners {

unsigned CodePageOf(TextEncoding encoding) {
    return encoding == TextEncoding::Cp1251 ? kCyrillicCodePage : static_cast<unsigned>(CP_ACP);
}

std::wstring ShownText(const TextTable& texts, TextKey key) { return ShownText(texts, texts.Get(key)); }

std::wstring ShownText(const TextTable& texts, std::string_view text) {
    return WideFromCodePage(text, CodePageOf(texts.Encoding()));
}

std::string StoredText(const TextTable& texts, TextKey key) {
    const std::string& text = texts.Get(key);
    if (texts.Encoding() != TextEncoding::Cp1251 || ::GetACP() == kCyrillicCodePage) return text;
    const std::optional<std::string> stored = AnsiFromWideExactly(WideFromCodePage(text, kCyrillicCodePage));
    return stored ? *stored : std::string(InfoOf(key).english);
}

}  // namespace velpiners
