// The sticker table: slots, the notifications of the save cycle and the acceptance of reports.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "protocol/protocol.h"
#include "store/table.h"

namespace velpiners {
namespace {

struct Posted {
    std::uint32_t owner;
    std::uint32_t wParam;
    std::uint32_t code;
    bool operator==(const Posted& o) const { return owner == o.owner && wParam == o.wParam && code == o.code; }
};

class TableTest : public ::testing::Test {
protected:
    TableTest() : table(std::make_unique<Tmassiv>()) {
        table->SetNotifier([this](std::uint32_t owner, std::uint32_t wParam, std::uint32_t code) {
            posted.push_back({owner, wParam, code});
        });
    }

    StickerRecord ReportFrom(std::uint32_t window, std::int32_t left) {
        StickerRecord r;
        std::memset(&r, 0xAB, sizeof r);
        r.window = window;
        r.placement.left = left;
        r.body.text.Set("reported");
        return r;
    }

    std::unique_ptr<Tmassiv> table;
    std::vector<Posted> posted;
};

TEST_F(TableTest, StartsEmpty) {
    EXPECT_EQ(table->Count(), 0);
    EXPECT_EQ(table->FirstFreeSlot(), 0);
    EXPECT_EQ(table->SlotOfWindow(0), -1);
    EXPECT_EQ(table->Owner(), 0u);
}

TEST_F(TableTest, FirstFreeSlotIsTheLowestAndFullTableRefuses) {
    for (int i = 0; i < kSlotCount; ++i) ASSERT_EQ(table->Occupy(1000 + i), i);
    EXPECT_EQ(table->FirstFreeSlot(), -1);
    EXPECT_EQ(table->Occupy(5000), -1);
    EXPECT_EQ(table->Count(), 256);

    table->ReleaseSlot(200);
    table->ReleaseSlot(7);
    EXPECT_EQ(table->FirstFreeSlot(), 7);
    EXPECT_EQ(table->Occupy(6000), 7);
    EXPECT_EQ(table->Occupy(6001), 200);
}

TEST_F(TableTest, SlotOfWindowFindsOnlyInUseSlots) {
    table->Occupy(10);
    table->Occupy(20);
    table->Occupy(20);  // the same handle twice: the first in slot order wins
    EXPECT_EQ(table->SlotOfWindow(20), 1);
    table->ReleaseSlot(1);
    EXPECT_EQ(table->SlotOfWindow(20), 2);
    table->ReleaseSlot(2);
    EXPECT_EQ(table->SlotOfWindow(20), -1);  // a freed slot keeps its old handle but is not found
}

TEST_F(TableTest, OutOfRangeIndicesAreIgnored) {
    table->ReleaseSlot(-1);
    table->ReleaseSlot(256);
    table->SlotReported(300);
    EXPECT_TRUE(posted.empty());
}

TEST_F(TableTest, BeginSaveCycleClearsReportedAndAsksForStep201) {
    table->Occupy(10);
    table->Slot(0).reported = 1;
    table->BeginSaveCycle(77);
    EXPECT_EQ(table->Owner(), 77u);
    EXPECT_EQ(table->Slot(0).reported, 0);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0], (Posted{77, 1, protocol::kCtlSaveStep}));
}

TEST_F(TableTest, Step202FollowsTheLastInUseReportOnly) {
    table->Occupy(10);
    table->Occupy(20);
    table->Occupy(30);
    table->ReleaseSlot(1);  // a free slot never holds the cycle back
    table->BeginSaveCycle(77);
    posted.clear();

    EXPECT_TRUE(table->AcceptReport(ReportFrom(10, 5)));
    EXPECT_TRUE(posted.empty());
    EXPECT_TRUE(table->AcceptReport(ReportFrom(30, 6)));
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0], (Posted{77, 1, protocol::kCtlSaveEnd}));
}

TEST_F(TableTest, LateReportsAskForOneWriteUntilTheOwnerTakesIt) {
    table->Occupy(10);
    table->BeginSaveCycle(77);
    table->BeginSaveCycle(77);  // a second request before the first finished
    posted.clear();
    table->AcceptReport(ReportFrom(10, 1));  // answer to the first request
    table->AcceptReport(ReportFrom(10, 2));  // answer to the second, before the write ran
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].code, protocol::kCtlSaveEnd);
    EXPECT_EQ(table->Slot(0).placement.left, 2);  // the one write takes the newest record

    table->SaveEndTaken();
    table->AcceptReport(ReportFrom(10, 3));  // a report after the write asks once more
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[1].code, protocol::kCtlSaveEnd);
}

TEST_F(TableTest, ReportCopiesTheFourBlocksButNotHandleOrFlags) {
    table->Occupy(10);
    table->BeginSaveCycle(77);
    StickerRecord report = ReportFrom(10, -42);
    report.inUse = 0;
    report.reported = 0;
    report.unused1074[0] = 9;
    ASSERT_TRUE(table->AcceptReport(report));
    const StickerRecord& slot = table->Slot(0);
    EXPECT_EQ(slot.window, 10u);
    EXPECT_EQ(slot.inUse, 1);
    EXPECT_EQ(slot.reported, 1);
    EXPECT_EQ(slot.unused1074[0], 0);
    EXPECT_EQ(slot.placement.left, -42);
    EXPECT_EQ(slot.body.text.Get(), "reported");
    EXPECT_EQ(std::memcmp(&slot.caption, &report.caption, sizeof slot.caption), 0);
    EXPECT_EQ(std::memcmp(&slot.date, &report.date, sizeof slot.date), 0);
}

TEST_F(TableTest, ReportFromUnknownWindowChangesNothing) {
    table->Occupy(10);
    table->BeginSaveCycle(77);
    posted.clear();
    const StickerRecord before = table->Slot(0);
    EXPECT_FALSE(table->AcceptReport(ReportFrom(99, 5)));
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(std::memcmp(&before, &table->Slot(0), sizeof before), 0);
}

TEST_F(TableTest, ClearFlagsFreesEverySlot) {
    table->Occupy(10);
    table->Occupy(20);
    table->Slot(1).reported = 1;
    table->ClearFlags();
    EXPECT_EQ(table->Count(), 0);
    EXPECT_EQ(table->Slot(1).reported, 0);
    EXPECT_EQ(table->FirstFreeSlot(), 0);
}

}  // namespace
}  // namespace velpiners
