#include "dialogs/note_search.h"

namespace velpiners {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::vector<std::string> QueryWords(std::string_view query, const UpperCase& upper) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < query.size()) {
        while (i < query.size() && IsBlank(query[i])) ++i;
        const std::size_t start = i;
        while (i < query.size() && !IsBlank(query[i])) ++i;
        if (i > start) words.push_back(upper(query.substr(start, i - start)));
    }
    return words;
}

bool NoteMatches(const StickerRecord& note, const std::vector<std::string>& words, const UpperCase& upper) {
    // A line break between the parts keeps a word from matching across them (no word holds one).
    const std::string text = upper(std::string(note.caption.text.View()) + '\n' + std::string(note.date.text.View()) +
                                   '\n' + std::string(note.body.text.View()));
    for (const std::string& word : words)
        if (text.find(word) == std::string::npos) return false;
    return true;
}

}  // namespace velpiners
