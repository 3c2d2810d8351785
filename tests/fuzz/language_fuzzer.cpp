// A language file on arbitrary bytes, read through the private-profile rules (tests/common/fake_ini.h):
// LoadLanguageFile replaces every text (short ones within 255 characters, each found again by its key's
// name) and makes the file the current language; ReadLanguageInfo names the language and picks a flag of
// the strip or none. FlagIndexOfCode on the raw bytes finds a flag only for two letters, in either case,
// and never the strip's second "tg". Any crash or sanitizer report is a finding too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/language_info.h"
#include "lang/text_table.h"
#include "tests/common/fake_ini.h"

namespace {

using namespace velpiners;

constexpr int kUnreachableFlag = 200;  // "tg" stands twice in the strip; the first one wins
constexpr std::string_view kFileName = "fuzz.lng";
constexpr std::string_view kPath = "C:\\Program\\Languages\\fuzz.lng";

std::string SwapCase(std::string_view text) {
    std::string swapped(text);
    for (char& c : swapped) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return swapped;
}

void CheckFlag(std::string_view code) {
    const int flag = FlagIndexOfCode(code);
    if (flag < -1 || flag >= kFlagCount || flag == kUnreachableFlag) std::abort();
    if (flag >= 0 && code.size() != 2) std::abort();
    if (FlagIndexOfCode(SwapCase(code)) != flag) std::abort();
}

constexpr unsigned kLargestCodePage = 65535;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const test::FakeIni file(text);

    TextTable table;
    table.LoadRussianTexts();
    table.LoadLanguageFile(std::string(kPath), file);
    if (table.Kind() != LanguageKind::File) std::abort();
    if (table.EnglishFlag() || table.RussianFlag() || table.FileName() != kFileName) std::abort();
    for (const TextInfo& info : AllTexts()) {
        const std::string& shown = table.Get(info.id);
        if (info.kind == TextKind::Short && shown.size() > kShortTextLimit) std::abort();
        if (&table.Get(info.key) != &shown) std::abort();
    }

    const LanguageInfo language = ReadLanguageInfo(kPath, file);
    if (language.name != file.Read("Options", "Name", kFileName)) std::abort();
    if (language.flagIndex != FlagIndexOfCode(file.Read("Options", "Flag", ""))) std::abort();
    // The texts and the menu's name are read in the one code page the file declares (or the system's).
    if (language.codePage != table.CodePage() || language.codePage > kLargestCodePage) std::abort();
    CheckFlag(file.Read("Options", "Flag", ""));
    CheckFlag(text);
    return 0;
}
