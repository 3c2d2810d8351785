// config.txt on arbitrary bytes, read through the private-profile rules (tests/common/fake_ini.h):
// ReadConfiguration takes every key as its number or its default and cuts the language file name to its
// limit, and what WriteConfiguration writes of the result reads back the same. ParseProfileInteger on the
// whole input agrees with the standard library's own digit reader. Any crash or sanitizer report is a
// finding too.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/profile_integer.h"
#include "store/config_file.h"
#include "tests/common/fake_ini.h"

namespace {

using velpiners::Configuration;
using velpiners::ParseProfileInteger;
using velpiners::ReadConfiguration;
using velpiners::StickerDefaults;
using velpiners::test::FakeIni;

constexpr int kDecimal = 10;
constexpr int kHexadecimal = 16;

// The same rule through std::from_chars: a sign, then "$" or "0x" for hexadecimal, then digits only; a
// decimal within the signed 32-bit range, a hexadecimal within 32 bits, taken as a signed number.
std::optional<std::int32_t> ReferenceInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = kDecimal;
    if (!text.empty() && text.front() == '$') {
        base = kHexadecimal;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = kHexadecimal;
        text.remove_prefix(2);
    }
    // from_chars takes no "+" and, for an unsigned result, no "-": a second sign fails there too.
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (base == kHexadecimal) {
        if (value > 0xFFFFFFFFull) return std::nullopt;
    } else if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return std::nullopt;
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// A value the private-profile functions cannot keep: written back, its own quotes, or the blanks at its
// ends, would be taken off. (A value read can end in a blank where a NUL cut it.)
bool Unkeepable(const std::string& value) {
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) return true;
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

bool SameString(const std::string& first, const std::string& again) { return Unkeepable(first) || first == again; }

bool SameConfiguration(const Configuration& a, const Configuration& b) {
    const StickerDefaults& x = a.defaults;
    const StickerDefaults& y = b.defaults;
    return a.englishLanguage == b.englishLanguage && a.russianLanguage == b.russianLanguage &&
           SameString(a.otherLanguage, b.otherLanguage) && a.hotKey == b.hotKey && x.style == y.style &&
           x.opacity == y.opacity && x.useOwnColor == y.useOwnColor && x.onTop == y.onTop && x.wordWrap == y.wordWrap &&
           x.textColor == y.textColor && x.captionColor == y.captionColor && SameString(x.textFont, y.textFont) &&
           SameString(x.captionFont, y.captionFont) && x.textSize == y.textSize && x.showPicture == y.showPicture &&
           x.pictureNumber == y.pictureNumber && x.hideAtPointer == y.hideAtPointer &&
           x.hideDelayStep == y.hideDelayStep && x.captionShadow == y.captionShadow && x.textShadow == y.textShadow &&
           x.shadowColor == y.shadowColor && x.alignment == y.alignment && x.stickerColor == y.stickerColor;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (ParseProfileInteger(text) != ReferenceInteger(text)) std::abort();

    StickerDefaults current;
    current.stickerColor = 0x123456;
    const Configuration read = ReadConfiguration(FakeIni(text), current);
    if (read.otherLanguage.size() > velpiners::kLanguageFileNameLimit) std::abort();
    if (read.defaults.stickerColor != current.stickerColor) std::abort();

    FakeIni written;
    if (!WriteConfiguration(written, read)) std::abort();
    if (!SameConfiguration(read, ReadConfiguration(FakeIni(written.Text()), current))) std::abort();
    return 0;
}
