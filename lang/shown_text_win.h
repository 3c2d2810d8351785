// The interface texts of a text table as the screen shows them: UTF-16, converted from the code page the
// language keeps them in (1251 for the built-in Russian texts, the system's ANSI code page for a language
// file), for the wide functions of the system.
#pragma once

#include <string>
#include <string_view>

#include "lang/text_table.h"

namespace velpiners {

// The code page (for MultiByteToWideChar) of texts declared to be in `codePage`: the system's ANSI code page
// for kSystemCodePage and for a number this system has no such code page for.
[[nodiscard]] unsigned ShownCodePage(unsigned codePage);

// The text of a key in the table's current language.
[[nodiscard]] std::wstring ShownText(const TextTable& texts, TextKey key);
// A text made of the table's texts (a caption joined from two of them), in the table's encoding.
[[nodiscard]] std::wstring ShownText(const TextTable& texts, std::string_view text);

// The text of a key as a sticker stores it (a new sticker's default caption and body): in the system's ANSI
// code page, as every stored text is. A text in another code page (the built-in Russian, a language file
// that declares its own) that the system's cannot hold gives the English one instead: the note is then
// readable, the interface stays in its language.
[[nodiscard]] std::string StoredText(const TextTable& texts, TextKey key);

}  // namespace velpiners
