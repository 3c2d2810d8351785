// What the tray's "Deleted notes" and "Restore notes" submenus say about each entry: a deleted note by its
// caption and the first words of its text, a kept copy of base.db by its date in the interface language and
// the number of notes in it. The parts are joined with a dash by the menu, in UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lang/text_table.h"
#include "store/record.h"
#include "store/snapshots.h"

namespace velpiners {

// The most characters of a caption, and of the first words of a text, that a "Deleted notes" entry shows.
inline constexpr std::size_t kTrashCaptionLength = 24;
inline constexpr std::size_t kTrashWordsLength = 40;

// A deleted note's entry, in the system's ANSI code page as the note stores it; every "&" doubled so the menu
// shows it. The caption is cut to kTrashCaptionLength characters, the text to its first line and then to
// whole words within kTrashWordsLength characters (a first word longer than that is cut inside); "..." marks
// either cut.
struct TrashItemText {
    std::string caption;
    std::string words;
};
[[nodiscard]] TrashItemText TrashItemCaption(const StickerRecord& record);

// A kept copy's entry in the language's code page: "8 December 2026" (a copy taken at a moment adds
// ", 14:03") and the language's count of notes, "23 notes".
struct SnapshotItemText {
    std::string date;
    std::string notes;
};
[[nodiscard]] SnapshotItemText SnapshotItemCaption(const TextTable& texts, const SnapshotName& name,
                                                   std::uint64_t bytes);

// `text` with every "%1" replaced by `value`.
[[nodiscard]] std::string FillPlaceholder(std::string_view text, std::string_view value);

}  // namespace velpiners
