// The find dialog's match: a note is listed when its caption, date or text together contain every word of
// the query (words are separated by blanks; an empty query lists every note). Case does not count: the
// caller hands in an upper-casing of the system's code page (CharUpperBuffA), which both the note and the
// query go through, so Cyrillic folds as the system folds it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/record.h"

namespace velpiners {

using UpperCase = std::function<std::string(std::string_view)>;

// The query's words, upper-cased.
[[nodiscard]] std::vector<std::string> QueryWords(std::string_view query, const UpperCase& upper);

// True when every word occurs in the caption, the date or the text. A word never spans two of them.
[[nodiscard]] bool NoteMatches(const StickerRecord& note, const std::vector<std::string>& words,
                               const UpperCase& upper);

}  // namespace velpiners
