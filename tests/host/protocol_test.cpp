// Command line splitting and the summary payload that other programs read.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_line.h"
#include "protocol/protocol.h"
#include "sticker/sticker_state.h"

namespace velpiners {
namespace {

TEST(CommandLine, SplitsLikeTheFramework) {
    const char* line = "\"C:\\Program Files\\Velpiners\\velpiners.exe\"  -autorun  \"two words\" x\"y z\"w";
    EXPECT_EQ(CommandLineParameter(line, 0), "C:\\Program Files\\Velpiners\\velpiners.exe");
    EXPECT_EQ(CommandLineParameter(line, 1), "-autorun");
    EXPECT_EQ(CommandLineParameter(line, 2), "two words");
    EXPECT_EQ(CommandLineParameter(line, 3), "xy zw");
    EXPECT_EQ(CommandLineParameter(line, 4), "");
    EXPECT_EQ(CommandLineParameter("", 1), "");
    EXPECT_EQ(CommandLineParameter("prog \"\" second", 1), "second");
}

TEST(CommandLine, AutorunIsASubstringOfTheFirstParameterOnly) {
    EXPECT_TRUE(WantsAutorun("velpiners.exe -autorun"));
    EXPECT_TRUE(WantsAutorun("velpiners.exe x-autoruns"));
    EXPECT_TRUE(WantsAutorun("\"c:\\a b\\v.exe\" \"--autorun now\""));
    EXPECT_FALSE(WantsAutorun("velpiners.exe -Autorun"));
    EXPECT_FALSE(WantsAutorun("velpiners.exe other -autorun"));
    EXPECT_FALSE(WantsAutorun("c:\\-autorun\\velpiners.exe"));
    EXPECT_FALSE(WantsAutorun("velpiners.exe"));
}

TEST(Protocol, WireNumbers) {
    EXPECT_EQ(protocol::kStickerCommandMessage, 3529u);
    EXPECT_EQ(protocol::kControllerCommandMessage, 3530u);
    EXPECT_EQ(protocol::UserCommandOf(0x00AB0578), 1400u);
    EXPECT_EQ(protocol::SummaryIndexOf(0x00AB0000 | 301), 0xABu);
}

TEST(Protocol, SummaryIndexByteForTheRequest) {
    EXPECT_EQ(protocol::SummaryIndexByte(999), 0);     // n = 0
    EXPECT_EQ(protocol::SummaryIndexByte(1254), 255);  // n = 255
    EXPECT_EQ(protocol::SummaryIndexByte(1255), 0);    // wraps
    EXPECT_EQ(protocol::SummaryIndexByte(999 + 17), 17);
}

TEST(Protocol, SummaryCarriesTheRecordAtItsOffsetsWithZeroPadding) {
    StickerRecord r;
    std::memset(&r, 0x5A, sizeof r);  // garbage everywhere: padding must still come out zero
    r.caption.color = 0x00010203;
    r.caption.text.Set("Caption");
    r.date.fontName.Set("Tahoma");
    r.body.text.Set("Body text");
    r.placement.opacity = 77;
    r.placement.color = 0x00A0B0C0;
    r.placement.pictureLow = 0x65;
    r.placement.layer = 0;

    const auto s = MakeSummary(r, -10, 20, 240, 120, 999 + 3);
    const auto* b = reinterpret_cast<const std::uint8_t*>(&s);
    EXPECT_EQ(b[0], 0x03);
    EXPECT_EQ(b[69], 7);
    EXPECT_EQ(std::memcmp(&b[70], "Caption", 7), 0);
    EXPECT_EQ(b[333], 6);
    EXPECT_EQ(b[725], 9);
    std::int32_t left = 0;
    std::memcpy(&left, &b[984], 4);
    EXPECT_EQ(left, -10);
    std::int32_t height = 0;
    std::memcpy(&height, &b[996], 4);
    EXPECT_EQ(height, 120);
    EXPECT_EQ(b[1000], 77);
    EXPECT_EQ(b[1004], 0xC0);
    EXPECT_EQ(b[1010], 0x65);
    EXPECT_EQ(b[1011], 0);
    EXPECT_EQ(b[1012], 3);
    for (std::size_t at : {325, 326, 327, 653, 654, 655, 981, 982, 983}) EXPECT_EQ(b[at], 0) << at;
    for (std::size_t at = 1013; at < 1029; ++at) EXPECT_EQ(b[at], 0) << at;
}

}  // namespace
}  // namespace velpiners
