// base.db as bytes: whole records only, never more than the table holds, in-use slots in slot order.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "store/database_image.h"

namespace velpiners {
namespace {

std::vector<std::uint8_t> FileOf(int records, std::size_t tail) {
    std::vector<std::uint8_t> bytes(records * kStickerRecordSize + tail);
    for (int i = 0; i < records; ++i) {
        StickerRecord r;
        std::memset(&r, 0, sizeof r);
        r.placement.left = i;
        r.body.text.Set("sticker " + std::to_string(i));
        std::memcpy(&bytes[i * kStickerRecordSize], &r, sizeof r);
    }
    for (std::size_t i = 0; i < tail; ++i) bytes[records * kStickerRecordSize + i] = 0xEE;
    return bytes;
}

TEST(DatabaseImage, ThreeRecordsAndATailGiveThree) {
    const auto bytes = FileOf(3, 10);
    const auto records = ParseDatabaseImage(bytes.data(), bytes.size());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].placement.left, 2);
    EXPECT_EQ(records[2].body.text.Get(), "sticker 2");
}

TEST(DatabaseImage, MoreThan256RecordsKeepTheFirst256) {
    const auto bytes = FileOf(300, 0);
    const auto records = ParseDatabaseImage(bytes.data(), bytes.size());
    ASSERT_EQ(records.size(), 256u);
    EXPECT_EQ(records[255].placement.left, 255);
}

TEST(DatabaseImage, EmptyOrShortFileGivesNone) {
    EXPECT_TRUE(ParseDatabaseImage(nullptr, 0).empty());
    const auto bytes = FileOf(0, 1075);
    EXPECT_TRUE(ParseDatabaseImage(bytes.data(), bytes.size()).empty());
    EXPECT_TRUE(ParseDatabaseImage(nullptr, 5000).empty());
}

TEST(DatabaseImage, BuildsInUseSlotsInSlotOrderRawAndWhole) {
    auto table = std::make_unique<Tmassiv>();
    table->Occupy(0x10);
    table->Occupy(0x20);
    table->Occupy(0x30);
    table->Slot(0).body.text.Set("first");
    table->Slot(2).body.text.Set("third");
    table->Slot(2).reported = 1;
    table->ReleaseSlot(1);

    const auto image = BuildDatabaseImage(*table);
    ASSERT_EQ(image.size(), 2 * kStickerRecordSize);
    EXPECT_EQ(std::memcmp(image.data(), &table->Slot(0), kStickerRecordSize), 0);
    EXPECT_EQ(std::memcmp(image.data() + kStickerRecordSize, &table->Slot(2), kStickerRecordSize), 0);
    EXPECT_EQ(image[kStickerRecordSize + 1072], 1);  // in-use flag written as it is
    EXPECT_EQ(image[kStickerRecordSize + 1073], 1);  // and the reported flag too
}

TEST(DatabaseImage, NoStickersBuildAnEmptyImage) {
    auto table = std::make_unique<Tmassiv>();
    EXPECT_TRUE(BuildDatabaseImage(*table).empty());
}

TEST(DatabaseImage, RoundTripKeepsEveryByte) {
    auto table = std::make_unique<Tmassiv>();
    for (int i = 0; i < 5; ++i) {
        table->Occupy(100 + i);
        std::memset(&table->Slot(i).caption, 0x30 + i, sizeof(TextStyleBlock));
    }
    const auto image = BuildDatabaseImage(*table);
    const auto records = ParseDatabaseImage(image.data(), image.size());
    ASSERT_EQ(records.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(std::memcmp(&records[i], &table->Slot(i), kStickerRecordSize), 0);
}

}  // namespace
}  // namespace velpiners
