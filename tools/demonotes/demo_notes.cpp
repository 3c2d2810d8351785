#include "tools/demonotes/demo_notes.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>
#include <set>

#include "lang/cp1251.h"
#include "sticker/sticker_state.h"
#include "store/database_image.h"
#include "store/table.h"

namespace velpiners::demonotes {

namespace {

constexpr std::string_view kNoteHeading = "[note]";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";
constexpr char kComment = '#';

constexpr std::uint8_t kDesktopLayer = 1;
constexpr std::uint8_t kTopmostLayer = 0;
constexpr std::uint8_t kAlignLeft = 0;
constexpr std::uint8_t kAlignCentre = 1;
constexpr std::uint8_t kAlignRight = 2;

constexpr std::int64_t kMinOpacity = 1;
constexpr std::int64_t kMaxOpacity = 255;
constexpr std::int64_t kMaxPictureNumber = 0xFFFF;
constexpr std::int64_t kMinFontSize = 6;
constexpr std::int64_t kMaxFontSize = 72;
constexpr std::size_t kColourDigits = 6;
constexpr int kHexBase = 16;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A whole decimal number in [low, high]; false for anything else (signs but "-", spaces, overflow).
bool ReadNumber(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t* value) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, *value);
    return !text.empty() && fault == std::errc() && stop == end && *value >= low && *value <= high;
}

// "#RRGGBB" as the stored colour value 0x00BBGGRR.
bool ReadColour(std::string_view text, ColorValue* colour) {
    if (text.size() != 1 + kColourDigits || text[0] != '#') return false;
    std::uint32_t rgb = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data() + 1, end, rgb, kHexBase);
    if (fault != std::errc() || stop != end) return false;
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    *colour = static_cast<ColorValue>(red | (green << 8) | (blue << 16));
    return true;
}

// One of the words a key takes; false for any other word.
template <typename Value>
bool ReadWord(std::string_view text, std::initializer_list<std::pair<std::string_view, Value>> words, Value* value) {
    for (const auto& [word, meaning] : words)
        if (text == word) {
            *value = meaning;
            return true;
        }
    return false;
}

// The text in code page 1251; false when a character has no place there (the converter would store "?").
bool ToCodePage(std::string_view utf8, std::string* text) {
    *text = Utf8ToCp1251(utf8);
    return std::count(text->begin(), text->end(), '?') == std::count(utf8.begin(), utf8.end(), '?');
}

class Reader {
public:
    DemoNotes Read(std::string_view description) {
        if (description.size() > kDemoDescriptionLimit) {
            m_result.error = "the description is larger than " + std::to_string(kDemoDescriptionLimit) + " bytes";
            return std::move(m_result);
        }
        if (description.substr(0, kUtf8Mark.size()) == kUtf8Mark) description.remove_prefix(kUtf8Mark.size());
        while (m_result.error.empty() && !description.empty()) {
            const std::size_t end = description.find('\n');
            std::string_view line = description.substr(0, end);
            description.remove_prefix(end == std::string_view::npos ? description.size() : end + 1);
            ++m_line;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ReadLine(Trimmed(line));
        }
        if (m_result.error.empty()) EndNote();
        if (m_result.error.empty() && m_result.records.empty()) m_result.error = "the description holds no [note]";
        if (!m_result.error.empty()) m_result.records.clear();
        return std::move(m_result);
    }

private:
    void Fail(const std::string& what, int line) {
        m_result.error = what;
        m_result.errorLine = line;
    }
    void Fail(const std::string& what) { Fail(what, m_line); }

    void ReadLine(std::string_view line) {
        if (line.empty() || line[0] == kComment) return;
        if (line == kNoteHeading) {
            StartNote();
            return;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return Fail("expected \"key: value\" or " + std::string(kNoteHeading));
        if (!m_inNote) return Fail("a key before the first " + std::string(kNoteHeading));
        const std::string key(Trimmed(line.substr(0, colon)));
        const std::string_view value = Trimmed(line.substr(colon + 1));
        if (key != "text" && !m_keys.insert(key).second) return Fail("\"" + key + "\" is given twice in this note");
        ReadKey(key, value);
    }

    void StartNote() {
        EndNote();
        if (!m_result.error.empty()) return;
        if (m_result.records.size() >= static_cast<std::size_t>(kSlotCount))
            return Fail("more than " + std::to_string(kSlotCount) + " notes");
        FillStickerDefaults(m_note, "", "", "", 0, 0);
        m_note.date.SetShowDate(0);
        m_note.inUse = 1;
        m_inNote = true;
        m_noteLine = m_line;
        m_keys.clear();
        m_body.clear();
    }

    void EndNote() {
        if (!m_inNote) return;
        m_inNote = false;
        if (m_keys.count("place") == 0) {
            return Fail("the note has no place", m_noteLine);
        }
        m_result.records.push_back(m_note);
    }

    // A text for a short string field: in code page 1251 and not longer than the field.
    template <std::size_t Capacity>
    bool ReadText(std::string_view value, const char* what, ShortString<Capacity>* field) {
        std::string text;
        if (!ToCodePage(value, &text)) {
            Fail(std::string("the ") + what + " has a character code page 1251 cannot hold");
            return false;
        }
        if (text.size() > Capacity) {
            Fail(std::string("the ") + what + " is " + std::to_string(text.size()) + " characters long, a note holds " +
                 std::to_string(Capacity));
            return false;
        }
        field->Set(text);
        return true;
    }

    // "FACE SIZE": the font's name and its size in points.
    void ReadFont(std::string_view value, TextStyleBlock* block) {
        const std::size_t space = value.find_last_of(" \t");
        std::int64_t size = 0;
        if (space == std::string_view::npos || !ReadNumber(value.substr(space + 1), kMinFontSize, kMaxFontSize, &size))
            return Fail("a font is its name and a size of " + std::to_string(kMinFontSize) + " to " +
                        std::to_string(kMaxFontSize) + " points");
        if (ReadText(Trimmed(value.substr(0, space)), "font name", &block->fontName))
            block->fontSize = static_cast<std::uint8_t>(size);
    }

    void ReadKey(const std::string& key, std::string_view value) {
        PlacementBlock& p = m_note.placement;
        std::int64_t number = 0;
        if (key == "caption") {
            ReadText(value, "caption", &m_note.caption.text);
        } else if (key == "text") {
            if (!m_body.empty() || m_keys.count("text") != 0) m_body += kLineBreak;
            m_keys.insert(key);
            m_body += value;
            ReadText(m_body, "text", &m_note.body.text);
        } else if (key == "date") {
            if (ReadText(value, "date", &m_note.date.text)) m_note.date.SetShowDate(1);
        } else if (key == "style") {
            if (!ReadNumber(value, 0, kLastStyle, &number))
                return Fail("the style is a number from 0 to " + std::to_string(kLastStyle));
            p.style = static_cast<std::uint8_t>(number);
        } else if (key == "colour") {
            if (!ReadColour(value, &p.color)) return Fail("a colour is written #RRGGBB");
            p.useOwnColor = 1;
        } else if (key == "place") {
            const std::size_t space = value.find_first_of(" \t");
            std::int64_t left = 0;
            std::int64_t top = 0;
            constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
            constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
            if (space == std::string_view::npos || !ReadNumber(value.substr(0, space), kLow, kHigh, &left) ||
                !ReadNumber(Trimmed(value.substr(space)), kLow, kHigh, &top))
                return Fail("a place is the left and the top edge: two whole numbers");
            p.left = static_cast<std::int32_t>(left);
            p.top = static_cast<std::int32_t>(top);
        } else if (key == "layer") {
            if (!ReadWord(value, {{"desktop", kDesktopLayer}, {"top", kTopmostLayer}}, &p.layer))
                return Fail("the layer is \"desktop\" or \"top\"");
        } else if (key == "rolled up") {
            std::uint8_t rolled = 0;
            if (!ReadWord(value, {{"yes", std::uint8_t{1}}, {"no", std::uint8_t{0}}}, &rolled))
                return Fail("\"rolled up\" is \"yes\" or \"no\"");
            p.unrolled = rolled == 0 ? 1 : 0;
        } else if (key == "wrap") {
            if (!ReadWord(value, {{"yes", std::uint8_t{1}}, {"no", std::uint8_t{0}}}, &p.wordWrap))
                return Fail("\"wrap\" is \"yes\" or \"no\"");
        } else if (key == "align") {
            if (!ReadWord(value, {{"left", kAlignLeft}, {"centre", kAlignCentre}, {"right", kAlignRight}},
                          &p.alignment))
                return Fail("the alignment is \"left\", \"centre\" or \"right\"");
        } else if (key == "icon") {
            // The program shows a picture only when the number's low byte is not 0.
            if (!ReadNumber(value, 0, kMaxPictureNumber, &number) || (number != 0 && (number & 0xFF) == 0))
                return Fail(
                    "an icon is a picture number from 1 to 65535 whose low byte is not 0 (1 to 34: the "
                    "built-in icons), or 0 for none");
            p.SetPictureNumber(static_cast<std::uint32_t>(number));
            p.showPicture = number != 0 ? 1 : 0;
        } else if (key == "opacity") {
            if (!ReadNumber(value, kMinOpacity, kMaxOpacity, &number))
                return Fail("the opacity is a number from " + std::to_string(kMinOpacity) + " to " +
                            std::to_string(kMaxOpacity));
            p.opacity = static_cast<std::uint8_t>(number);
        } else if (key == "caption font") {
            ReadFont(value, &m_note.caption);
        } else if (key == "text font") {
            ReadFont(value, &m_note.body);
        } else {
            Fail("unknown key \"" + key + "\"");
        }
    }

    DemoNotes m_result;
    StickerRecord m_note{};
    bool m_inNote = false;
    int m_line = 0;
    int m_noteLine = 0;
    std::set<std::string> m_keys;
    std::string m_body;  // UTF-8, lines joined by CR LF
};

}  // namespace

DemoNotes ParseDemoNotes(std::string_view description) { return Reader().Read(description); }

std::vector<std::uint8_t> DemoDatabase(const std::vector<StickerRecord>& records) {
    auto table = std::make_unique<Tmassiv>();
    const std::size_t count = std::min(records.size(), static_cast<std::size_t>(kSlotCount));
    for (std::size_t i = 0; i < count; ++i) {
        StickerRecord& slot = table->Slot(static_cast<int>(i));
        slot = records[i];
        slot.inUse = 1;
    }
    return BuildDatabaseImage(*table);
}

}  // namespace velpiners::demonotes
