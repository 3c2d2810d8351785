#include "app/keeping_captions.h"

#include <cstdio>

namespace velpiners {
namespace {

constexpr std::string_view kCutMark = "...";
constexpr std::string_view kPlaceholder = "%1";

std::string DoubledAmpersands(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

std::string CutCaption(std::string_view caption) {
    if (caption.size() <= kTrashCaptionLength) return DoubledAmpersands(caption);
    return DoubledAmpersands(caption.substr(0, kTrashCaptionLength)) + std::string(kCutMark);
}

std::string FirstWords(std::string_view text) {
    const std::size_t lineEnd = text.find_first_of("\r\n");
    bool cut =
        lineEnd != std::string_view::npos && text.find_first_not_of(" \t\r\n", lineEnd) != std::string_view::npos;
    if (lineEnd != std::string_view::npos) text = text.substr(0, lineEnd);
    if (text.size() > kTrashWordsLength) {
        cut = true;
        // Cut after the last whole word that fits; a word longer than the limit is cut inside.
        const std::size_t space = text.substr(0, kTrashWordsLength + 1).find_last_of(" \t");
        text = text.substr(0, space != std::string_view::npos && space > 0 ? space : kTrashWordsLength);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return DoubledAmpersands(text) + (cut ? std::string(kCutMark) : std::string());
}

}  // namespace

TrashItemText TrashItemCaption(const StickerRecord& record) {
    return {CutCaption(record.caption.text.View()), FirstWords(record.body.text.View())};
}

std::string FillPlaceholder(std::string_view text, std::string_view value) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(kPlaceholder); at != std::string_view::npos; at = text.find(kPlaceholder, from)) {
        out.append(text.substr(from, at - from));
        out.append(value);
        from = at + kPlaceholder.size();
    }
    out.append(text.substr(from));
    return out;
}

SnapshotItemText SnapshotItemCaption(const TextTable& texts, const SnapshotName& name, std::uint64_t bytes) {
    const StampTime& t = name.when;
    constexpr int kMonths = 12;
    SnapshotItemText item;
    // A name that was never parsed from a file may hold any month: it shows without one.
    const std::string month = t.month >= 1 && t.month <= kMonths
                                  ? texts.Get(static_cast<TextKey>(static_cast<int>(TextKey::mMonth1) + t.month - 1))
                                  : std::string();
    item.date = std::to_string(t.day) + " " + month + " " + std::to_string(t.year);
    if (!name.daily) {
        char time[16];
        std::snprintf(time, sizeof time, ", %02d:%02d", t.hour, t.minute);
        item.date += time;
    }
    item.notes = FillPlaceholder(texts.Get(TextKey::mNotesCount), std::to_string(NotesInSnapshot(bytes)));
    return item;
}

}  // namespace velpiners
