// A pattern file on arbitrary bytes, read through the private-profile rules (tests/common/fake_ini.h):
// ReadPattern changes only the look of a sticker's record and keeps every value within its field (an
// opacity of 1..255, an alignment of 0..2, font names within their 63 characters); the pattern box item
// made of the file's name and a file name splits back into both; the item functions on the raw bytes take
// the item apart at its last "||"; the size box index of the text size is a box entry or none. Any crash or
// sanitizer report is a finding too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "sticker/sticker_state.h"
#include "store/pattern.h"
#include "tests/common/fake_ini.h"

namespace {

using namespace velpiners;

constexpr std::string_view kSeparator = kPatternItemSeparator;
constexpr int kLastSizeIndex = (kLargestTextSize - kSmallestTextSize) / kTextSizeStep;

// What a pattern must leave as it was: the texts, where the lines and the sticker stand, and its state.
bool SameOutsideTheLook(const StickerRecord& before, const StickerRecord& after) {
    const auto sameLine = [](const TextStyleBlock& a, const TextStyleBlock& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.text.View() == b.text.View() &&
               std::memcmp(a.tail, b.tail, sizeof a.tail) == 0;
    };
    const PlacementBlock& a = before.placement;
    const PlacementBlock& b = after.placement;
    return std::memcmp(&before.date, &after.date, sizeof before.date) == 0 && sameLine(before.caption, after.caption) &&
           sameLine(before.body, after.body) && before.caption.fontSize == after.caption.fontSize && a.left == b.left &&
           a.top == b.top && a.locked == b.locked && a.unrolled == b.unrolled && a.showPicture == b.showPicture &&
           a.layer == b.layer && a.wordWrap == b.wordWrap && a.hideAtPointer == b.hideAtPointer &&
           a.hideDelayStep == b.hideDelayStep && before.window == after.window;
}

void CheckItem(std::string_view item) {
    const std::string name = PatternNameOf(item);
    const std::string file = PatternFileOf(item);
    if (item.find(kSeparator) == std::string_view::npos) {
        if (name != item || !file.empty()) std::abort();
        return;
    }
    if (name + std::string(kSeparator) + file != item) std::abort();
    if (file.find(kSeparator) != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const test::FakeIni file(text);

    StickerRecord record;
    FillStickerDefaults(record, "Caption", "Body text", "1.02.24", 40, 50);
    const StickerRecord before = record;
    ReadPattern(file, record);
    if (!SameOutsideTheLook(before, record)) std::abort();
    const PlacementBlock& p = record.placement;
    if (p.opacity == 0 || p.alignment > 2 || p.useOwnColor > 1) std::abort();
    if (record.body.shadow > 1 || record.caption.shadow > 1) std::abort();
    if (record.body.fontName.length > ShortString63::kCapacity ||
        record.caption.fontName.length > ShortString63::kCapacity)
        std::abort();

    const int sizeIndex = TextSizeIndex(record.body.fontSize);
    if (sizeIndex < -1 || sizeIndex > kLastSizeIndex) std::abort();
    if (sizeIndex >= 0 && std::abs(TextSizeOfIndex(sizeIndex) - record.body.fontSize) > 1) std::abort();

    // A file name from a folder listing never holds "|"; the name is whatever the file says.
    const std::string name = ReadPatternName(file);
    std::string fileName;
    for (const char c : name)
        if (c != '|') fileName += c;
    fileName += std::string(kPatternExtension);
    const std::string item = PatternItem(name, fileName);
    if (PatternNameOf(item) != name || PatternFileOf(item) != fileName) std::abort();
    const std::string stored = StoredPatternName(name);
    if (stored.find(kSeparator) != std::string::npos || stored.find_first_of("\r\n") != std::string::npos) std::abort();

    CheckItem(text);
    return 0;
}
