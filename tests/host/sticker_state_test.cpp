// How sticker commands and strings store their values, the creation defaults, the date text, the hide
// delay and the bring-into-view placement.
#include <gtest/gtest.h>

#include <vector>

#include <cstring>
#include <string>

#include "protocol/protocol.h"
#include "sticker/sticker_state.h"

namespace velpiners {
namespace {

using namespace protocol;

class StickerCommandTest : public ::testing::Test {
protected:
    void SetUp() override { FillStickerDefaults(record, "Sticker", "Text", "8.12.26", 309, 431); }

    StickerAction Store(std::uint32_t code, std::uint32_t value) { return StoreStickerCommand(record, code, value); }

    StickerRecord record;
};

TEST_F(StickerCommandTest, OpacityKeepsTheLowByteAndNeverStoresZero) {
    Store(kStkOpacity, 0);
    EXPECT_EQ(record.placement.opacity, 1);
    Store(kStkOpacity, 0x180);
    EXPECT_EQ(record.placement.opacity, 0x80);
    Store(kStkOpacity, 0x300);  // low byte 0 counts as 0
    EXPECT_EQ(record.placement.opacity, 1);
}

TEST_F(StickerCommandTest, FlagFieldsIgnoreValuesOtherThanZeroAndOne) {
    Store(kStkLock, 1);
    Store(kStkLock, 5);
    EXPECT_EQ(record.placement.locked, 1);
    Store(kStkLock, 0);
    EXPECT_EQ(record.placement.locked, 0);

    Store(kStkCaptionShadow, 0);
    EXPECT_EQ(record.caption.shadow, 0);
    EXPECT_EQ(record.date.shadow, 0);
    EXPECT_EQ(record.body.shadow, 1);
    Store(kStkCaptionShadow, 2);
    EXPECT_EQ(record.caption.shadow, 0);

    Store(kStkShowDate, 0);
    EXPECT_FALSE(record.date.ShowDate());
    Store(kStkShowDate, 256);
    EXPECT_FALSE(record.date.ShowDate());

    const std::uint8_t layer = record.placement.layer;
    EXPECT_EQ(Store(kStkLayer, 7), StickerAction::kApplyStoredLayer);
    EXPECT_EQ(record.placement.layer, layer);
    EXPECT_EQ(Store(kStkLayerFromMenu, 0), StickerAction::kApplyStoredLayer);
    EXPECT_EQ(record.placement.layer, 0);
}

TEST_F(StickerCommandTest, PictureNumberIsSplitOverTwoPlacementBytes) {
    Store(kStkPictureNumber, 0x0165);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record.placement);
    EXPECT_EQ(bytes[18], 0x65);
    EXPECT_EQ(bytes[25], 0x01);
    EXPECT_EQ(record.placement.PictureNumber(), 357);
    Store(kStkPictureNumber, 0xFFFF7722);  // bits above 15 are dropped
    EXPECT_EQ(record.placement.PictureNumber(), 0x7722);
}

TEST_F(StickerCommandTest, ByteAndColourFieldsStoreWhatTheySay) {
    Store(kStkStyle, 0x1205);
    EXPECT_EQ(record.placement.style, 5);
    Store(kStkCaptionColor, 0x80112233);
    EXPECT_EQ(static_cast<std::uint32_t>(record.caption.color), 0x80112233u);
    EXPECT_EQ(static_cast<std::uint32_t>(record.date.color), 0x80112233u);
    EXPECT_EQ(record.body.color, 0xFFFFFF);
    Store(kStkTextFontSize, 300);
    EXPECT_EQ(record.body.fontSize, 44);
    Store(kStkCaptionFontSize, 12);
    EXPECT_EQ(record.caption.fontSize, 12);
    EXPECT_EQ(Store(kStkHideDelay, 0x101), StickerAction::kSetHideDelay);
    EXPECT_EQ(record.placement.hideDelayStep, 1);
    Store(kStkAlignment, 9);  // stored as it comes; painting decides what 9 means
    EXPECT_EQ(record.placement.alignment, 9);
}

TEST_F(StickerCommandTest, OperationCodesChangeNoField) {
    const StickerRecord before = record;
    EXPECT_EQ(Store(kStkApplyLayer, 1), StickerAction::kApplyStoredLayer);
    EXPECT_EQ(Store(kStkLeaveDesktop, 0), StickerAction::kApplyTopmostLayer);
    EXPECT_EQ(Store(kStkRaise, 98), StickerAction::kRaise);
    EXPECT_EQ(Store(kStkEndRaise, 0), StickerAction::kEndRaise);
    EXPECT_EQ(Store(kStkReport, 1234), StickerAction::kReport);
    EXPECT_EQ(Store(kStkClose, 0), StickerAction::kClose);
    EXPECT_EQ(Store(104, 1), StickerAction::kNone);
    EXPECT_EQ(Store(14, 1), StickerAction::kNone);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
}

TEST(StickerStringTest, StringsAreCutToTheirFieldsAndNeverReadPastTheSize) {
    StickerRecord record;
    FillStickerDefaults(record, "Sticker", "Text", "1.01.26", 0, 0);

    const std::string seventy(70, 'f');
    ASSERT_TRUE(StoreStickerString(record, kStrCaptionFont, seventy.c_str(), seventy.size() + 1));
    EXPECT_EQ(record.caption.fontName.Get(), std::string(63, 'f'));

    const std::string long300(300, 'b');
    ASSERT_TRUE(StoreStickerString(record, kStrBodyText, long300.c_str(), long300.size() + 1));
    EXPECT_EQ(record.body.text.Get(), std::string(255, 'b'));

    // No terminating zero inside cbData: only the declared bytes are taken.
    const char unterminated[5] = {'a', 'b', 'c', 'd', 'e'};
    ASSERT_TRUE(StoreStickerString(record, kStrCaptionText, unterminated, 3));
    EXPECT_EQ(record.caption.text.Get(), "abc");

    // A zero inside the data ends the string.
    ASSERT_TRUE(StoreStickerString(record, kStrDateText, "12.\0junk", 8));
    EXPECT_EQ(record.date.text.Get(), "12.");

    ASSERT_TRUE(StoreStickerString(record, kStrTextFont, nullptr, 10));
    EXPECT_EQ(record.body.fontName.Get(), "");
    ASSERT_TRUE(StoreStickerString(record, kStrCaptionText, "x", 0));
    EXPECT_EQ(record.caption.text.Get(), "");

    const StickerRecord before = record;
    EXPECT_FALSE(StoreStickerString(record, 5, "zzz", 4));
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
}

TEST(StickerDefaultsTest, NewWindowBlocks) {
    StickerRecord record;
    std::memset(&record, 0xAB, sizeof record);
    FillStickerDefaults(record, "Sticker", "Text", "8.12.26", 309, 431);
    EXPECT_EQ(record.caption.text.Get(), "Sticker");
    EXPECT_EQ(record.caption.fontName.Get(), "Tahoma");
    EXPECT_EQ(record.caption.fontSize, 10);
    EXPECT_EQ(record.caption.width, 255);
    EXPECT_EQ(record.date.fontSize, 7);
    EXPECT_EQ(record.date.y, 2);
    EXPECT_TRUE(record.date.ShowDate());
    EXPECT_EQ(record.date.text.Get(), "8.12.26");
    EXPECT_EQ(record.body.x, 16);
    EXPECT_EQ(record.body.y, 26);
    EXPECT_EQ(record.body.width, 208);
    EXPECT_EQ(record.body.fontSize, 8);
    const PlacementBlock& p = record.placement;
    EXPECT_EQ(p.left, 309);
    EXPECT_EQ(p.top, 431);
    EXPECT_EQ(p.opacity, 255);
    EXPECT_EQ(p.color, 0x008000);
    EXPECT_EQ(p.unrolled, 1);
    EXPECT_EQ(p.layer, 1);
    EXPECT_EQ(p.wordWrap, 1);
    EXPECT_EQ(p.hideDelayStep, 30);
    EXPECT_EQ(p.style, 0);
    EXPECT_EQ(p.parented, 0);
    for (std::uint8_t byte : p.unused26) EXPECT_EQ(byte, 0);
}

TEST(StickerDateTest, DayWithoutLeadingZeroMonthAndYearWithTwoDigits) {
    EXPECT_EQ(FormatStickerDate(8, 12, 2026), "8.12.26");
    EXPECT_EQ(FormatStickerDate(31, 1, 2009), "31.01.09");
    EXPECT_EQ(FormatStickerDate(1, 10, 2100), "1.10.00");
}

TEST(HideDelayTest, StepTimesTwentyOrThreeSecondsForZero) {
    EXPECT_EQ(HideDelayMilliseconds(0), 3000u);
    EXPECT_EQ(HideDelayMilliseconds(1), 20u);
    EXPECT_EQ(HideDelayMilliseconds(30), 600u);
    EXPECT_EQ(HideDelayMilliseconds(255), 5100u);
}

TEST(BringIntoViewTest, OnePrimaryMonitor) {
    const std::vector<ScreenRect> work{{0, 0, 1024, 740}};
    std::int32_t left = 0, top = 0;
    EXPECT_TRUE(BringIntoViewPlace(-500, 100, 240, 100, work, &left, &top));
    EXPECT_EQ(left, (1024 - 240) / 2);
    EXPECT_EQ(top, (740 - 100) / 2);
    EXPECT_FALSE(BringIntoViewPlace(-200, 100, 240, 100, work, &left, &top));  // -224 > -240
    EXPECT_TRUE(BringIntoViewPlace(-216, 100, 240, 100, work, &left, &top));   // -240 is not > -240
    EXPECT_FALSE(BringIntoViewPlace(999, 715, 240, 100, work, &left, &top));
    EXPECT_TRUE(BringIntoViewPlace(1000, 100, 240, 100, work, &left, &top));  // 1024 is not < 1024
    EXPECT_TRUE(BringIntoViewPlace(100, 716, 240, 100, work, &left, &top));
    EXPECT_FALSE(BringIntoViewPlace(0, 0, 2000, 900, work, &left, &top));  // larger than the work area
    EXPECT_TRUE(BringIntoViewPlace(INT32_MAX, INT32_MIN, 240, 100, work, &left, &top));
    EXPECT_EQ(left, 392);
    EXPECT_EQ(top, 320);
    // No monitor listed: nothing is in view, and nothing breaks.
    EXPECT_TRUE(BringIntoViewPlace(-500, 100, 240, 100, {}, &left, &top));
}

// A 240 x 100 sticker and a 1920 x 1080 primary monitor whose taskbar takes the bottom 40 pixels.
TEST(PlaceOnMonitorsTest, ANoteOnAMonitorThatGoesIsRescuedAndComesBack) {
    const ScreenRect primary{0, 0, 1920, 1040};
    // Its own monitor there (left of or above the primary one): its own place.
    MonitorPlace place = PlaceOnMonitors(-1000, 300, 240, 100, {primary, {-1280, 0, 0, 1024}});
    EXPECT_FALSE(place.rescued);
    EXPECT_EQ(place.left, -1000);
    EXPECT_FALSE(PlaceOnMonitors(500, -600, 240, 100, {primary, {0, -1080, 1920, 0}}).rescued);
    // That monitor unplugged: centred on the primary one, (1920 - 240) / 2 and (1040 - 100) / 2.
    for (const MonitorPlace& rescued :
         {PlaceOnMonitors(-1000, 300, 240, 100, {primary}), PlaceOnMonitors(500, -600, 240, 100, {primary}),
          PlaceOnMonitors(INT32_MIN, INT32_MAX, 240, 100, {primary})}) {
        EXPECT_TRUE(rescued.rescued);
        EXPECT_EQ(rescued.left, 840);
        EXPECT_EQ(rescued.top, 470);
    }
}

TEST(PlaceOnMonitorsTest, MonitorsOfMixedSizesTakeTheNearestOne) {
    // A 1280 x 800 monitor right of the primary one, its top 200 pixels lower.
    const std::vector<ScreenRect> areas{{0, 0, 1920, 1040}, {1920, 200, 3200, 1000}};
    EXPECT_FALSE(PlaceOnMonitors(2000, 150, 240, 100, areas).rescued);  // 50 of it on the right monitor
    // Its bottom at the right monitor's top, 80 right of the primary one: the right monitor touches it and
    // takes it, centred at 1920 + (1280 - 240) / 2, 200 + (800 - 100) / 2.
    const MonitorPlace place = PlaceOnMonitors(2000, 100, 240, 100, areas);
    EXPECT_TRUE(place.rescued);
    EXPECT_EQ(place.left, 2440);
    EXPECT_EQ(place.top, 550);
}

TEST(BringIntoViewTest, ATaskbarAtTheTopOrLeftMovesTheCentre) {
    // The work area of a 1024 x 768 screen with the taskbar on the left (100 wide) or at the top (30 high).
    std::int32_t left = 0, top = 0;
    EXPECT_TRUE(BringIntoViewPlace(5000, 5000, 241, 100, {{100, 0, 1024, 768}}, &left, &top));
    EXPECT_EQ(left, 100 + (924 - 241) / 2);  // 441
    EXPECT_EQ(top, (768 - 100) / 2);
    EXPECT_TRUE(BringIntoViewPlace(5000, 5000, 240, 101, {{0, 30, 1024, 768}}, &left, &top));
    EXPECT_EQ(left, 392);
    EXPECT_EQ(top, 30 + (738 - 101) / 2);  // 348
    // Under the taskbar is not in view: 24 pixels must reach into the work area.
    EXPECT_TRUE(BringIntoViewPlace(-100, 100, 220, 100, {{100, 0, 1024, 768}}, &left, &top));  // reaches 120
    EXPECT_FALSE(BringIntoViewPlace(-100, 100, 225, 100, {{100, 0, 1024, 768}}, &left, &top));
}

TEST(BringIntoViewTest, NotesOnAnyMonitorStayAndStrandedOnesGoToTheNearest) {
    // The primary monitor, one left of it reaching higher, one above it.
    const std::vector<ScreenRect> desk{{0, 0, 1920, 1040}, {-1280, -300, 0, 724}, {0, -1080, 1920, -40}};
    std::int32_t left = 0, top = 0;
    EXPECT_FALSE(BringIntoViewPlace(-900, -250, 240, 100, desk, &left, &top));  // on the left monitor
    EXPECT_FALSE(BringIntoViewPlace(300, -900, 240, 100, desk, &left, &top));   // on the upper one
    // Left of the left monitor: centred on it, its origin added.
    EXPECT_TRUE(BringIntoViewPlace(-3000, 0, 240, 100, desk, &left, &top));
    EXPECT_EQ(left, -1280 + (1280 - 240) / 2);  // -760
    EXPECT_EQ(top, -300 + (1024 - 100) / 2);    // 162
    // In the gap under the left monitor (it ends at 724, the primary one goes on to 1040), nearer the
    // primary one: 10 pixels right of the primary's left edge against 26 below the left monitor's bottom.
    EXPECT_TRUE(BringIntoViewPlace(-230, 750, 240, 100, desk, &left, &top));
    EXPECT_EQ(left, (1920 - 240) / 2);
    EXPECT_EQ(top, (1040 - 100) / 2);
    // Far below everything: the primary one, 316 pixels nearer than the left one.
    EXPECT_TRUE(BringIntoViewPlace(-20, 5000, 40, 100, desk, &left, &top));
    EXPECT_EQ(left, 940);
}

TEST(StoredSumTest, SumsNearTheInt32LimitsHoldThereInsteadOfWrapping) {
    constexpr std::int32_t kMax = 2147483647;
    constexpr std::int32_t kMin = -2147483647 - 1;
    EXPECT_EQ(SaturatedSum(kMax - 5, 18), kMax);
    EXPECT_EQ(SaturatedSum(kMin + 3, -7), kMin);
    EXPECT_EQ(SaturatedSum(kMax, kMax), kMax);
    EXPECT_EQ(SaturatedSum(100, 208), 308);
    // A duplicate 18 pixels on: where it fits; else where the original is.
    EXPECT_EQ(MovedOrKept(100, 18), 118);
    EXPECT_EQ(MovedOrKept(kMax - 18, 18), kMax);
    EXPECT_EQ(MovedOrKept(kMax - 17, 18), kMax - 17);
    EXPECT_EQ(MovedOrKept(-5, 18), 13);
}

}  // namespace
}  // namespace velpiners
