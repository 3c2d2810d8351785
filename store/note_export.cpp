#include "store/note_export.h"

namespace velpiners {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDateDash = " \xE2\x80\x94 ";  // " — "

// Every line break of the text as CR LF.
void AppendLines(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += kLineEnd;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
}

}  // namespace

std::string ExportNotesText(const Tmassiv& table, const ToUtf8& toUtf8) {
    std::string out(kByteOrderMark);
    bool first = true;
    table.ForEachInUse([&](int, const StickerRecord& note) {
        if (!first) out += kLineEnd;
        first = false;
        AppendLines(out, toUtf8(note.caption.text.View()));
        if (note.date.text.Length() > 0) {
            out += kDateDash;
            AppendLines(out, toUtf8(note.date.text.View()));
        }
        out += kLineEnd;
        out += kLineEnd;
        AppendLines(out, toUtf8(note.body.text.View()));
        out += kLineEnd;
    });
    return out;
}

}  // namespace velpiners
