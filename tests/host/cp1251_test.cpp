// The UTF-8 / code page 1251 converter, checked byte for byte against the C library's own 1251 table.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "lang/cp1251.h"

namespace velpiners {
namespace {

// The UTF-8 form of one code page 1251 byte according to iconv; empty when iconv has no character for it.
std::string IconvFrom1251(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no iconv>";
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) return {};
    return std::string(out, sizeof out - outLeft);
}

TEST(Cp1251, EveryByteAgreesWithIconvBothWays) {
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const std::string single(1, static_cast<char>(byte));
        const std::string expected = IconvFrom1251(byte);
        ASSERT_NE(expected, "<no iconv>");
        if (expected.empty()) {
            // 0x98 has no character: it reads as U+FFFD, which converts back to '?'.
            EXPECT_EQ(b, 0x98);
            EXPECT_EQ(Cp1251ToUtf8(single), "\xEF\xBF\xBD");
            EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(single)), "?");
            continue;
        }
        EXPECT_EQ(Cp1251ToUtf8(single), expected) << "byte " << b;
        EXPECT_EQ(Utf8ToCp1251(expected), single) << "byte " << b;
    }
}

TEST(Cp1251, CyrillicAlphabetAndYo) {
    EXPECT_EQ(Utf8ToCp1251("АЯабяЁё"), "\xC0\xDF\xE0\xE1\xFF\xA8\xB8");
    EXPECT_EQ(Utf8ToCp1251("«Стикер» — №1…"),
              "\xAB\xD1\xF2\xE8\xEA\xE5\xF0\xBB \x97 \xB9"
              "1\x85");
    EXPECT_EQ(Utf8ToCp1251("Velpiners: ok?"), "Velpiners: ok?");
    EXPECT_EQ(Utf8ToCp1251(""), "");
}

TEST(Cp1251, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a\xC3\xA4z"), "a?z");         // ä has no place in 1251
    EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x98\x80"), "?");     // one character outside the BMP
    EXPECT_EQ(Utf8ToCp1251("\xEF\xBF\xBD"), "?");         // U+FFFD itself
    EXPECT_EQ(Utf8ToCp1251("\x80z"), "?z");               // stray continuation byte
    EXPECT_EQ(Utf8ToCp1251("z\xD0"), "z?");               // sequence cut by the end
    EXPECT_EQ(Utf8ToCp1251("\xD0z"), "?z");               // sequence cut by an ASCII byte
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(Utf8ToCp1251("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
    EXPECT_EQ(Utf8ToCp1251("\xFF\xFE"), "??");
}

}  // namespace
}  // namespace velpiners
