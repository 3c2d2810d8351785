#include "lang/language_info.h"

#include "lang/text_table.h"

namespace velpiners {
namespace {

// The country codes in flag-strip order, three characters apart. "tg" stands twice (198 and 200); the first
// wins, so flag 200 is never chosen.
constexpr std::string_view kCodes =
    "ad ae af ag ai al am an ao aq ar as at au aw az "
    "ba bb bd be bf bg bh bi bj bm bn bo br bs bt bv bw by bz "
    "ca cc cd cf cg ch ci ck cl cm cn co cr cs cu cv cx cy cz "
    "de dj dk dm do dz ec ee eg eh er es et eu "
    "fi fj fk fm fo fr ga gd ge gh gi gl gm gn gq gr gs gt gu gw gy "
    "hk hm hh hr ht hu id ie il in io iq ir is it "
    "jm jo jp ke kg kh ki km kn kp kr kw ky kz "
    "la lb lc li lk lr ls lt lu lv ly "
    "ma mc md mg mh mk ml mm mn mo mp mr ms mt mu mv mw mx my mz "
    "na ne nf ng ni no np nr nu nz om "
    "pa pe pf pg ph pk pl pn pr ps pt pw py "
    "qa ro ru rw sa sb sc sd se sg sh si sj sk sl sm sn so sr st sv sy sz "
    "tc td tg th tg tk tl tm tn to tr tt tv tw tz "
    "ua ug uk us uy uz va vc ve vg vi vn vu ws ye yu za zm zw";
static_assert(kCodes.size() == kFlagCount * 3 - 1);

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

int FlagIndexOfCode(std::string_view code) {
    // Only two letters can name a flag; checking that first also keeps a code holding brackets or spaces from
    // matching across two entries of the list.
    if (code.size() != 2) return -1;
    const char first = LowerAscii(code[0]);
    const char second = LowerAscii(code[1]);
    if (!IsLowerLetter(first) || !IsLowerLetter(second)) return -1;
    for (int i = 0; i < kFlagCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * 3;
        if (kCodes[at] == first && kCodes[at + 1] == second) return i;
    }
    return -1;
}

LanguageInfo ReadLanguageInfo(std::string_view path, const IniReader& ini) {
    LanguageInfo info;
    info.name = ini.Read("Options", "Name", FileNameOfPath(path));
    info.flagIndex = FlagIndexOfCode(ini.Read("Options", "Flag", "_"));
    info.codePage = DeclaredCodePage(ini);
    return info;
}

}  // namespace velpiners
