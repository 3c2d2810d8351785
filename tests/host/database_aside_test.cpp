// A base.db the program could not read whole: the name it is kept under, and what the saves do while the
// move aside keeps failing.
#include <gtest/gtest.h>

#include "store/database_aside.h"

namespace velpiners {
namespace {

constexpr StampTime kWhen{2026, 12, 8, 3, 15, 4};
constexpr FileIdentity kRead{1076 * 2 + 10, 133'000'000'000'000'000};

TEST(AsideNameTest, StampedNamesAndTheirSuccessors) {
    EXPECT_EQ(AsideDatabasePath("C:\\notes\\base.db", kWhen, 1), "C:\\notes\\base.db.unreadable-20261208-031504");
    EXPECT_EQ(AsideDatabasePath("C:\\notes\\base.db", kWhen, 2), "C:\\notes\\base.db.unreadable-20261208-031504-2");
}

TEST(AsideKeepingTest, AFileReadInPartIsReplacedAfterThreeFailedMovesWhenStillTheSame) {
    AsideKeeping keeping;
    keeping.ReadInPart(kWhen, kRead);
    ASSERT_TRUE(keeping.Pending());
    for (int save = 1; save <= 2; ++save) {
        const AsideKeeping::AfterFailure after = keeping.MoveFailed(kRead);
        EXPECT_FALSE(after.write) << save;
        EXPECT_FALSE(after.tell) << save;
    }
    const AsideKeeping::AfterFailure third = keeping.MoveFailed(kRead);
    EXPECT_TRUE(third.write);
    EXPECT_TRUE(third.tell);
    // The write failed too (the caller did not say Kept): the next save tries again without telling twice.
    const AsideKeeping::AfterFailure fourth = keeping.MoveFailed(kRead);
    EXPECT_TRUE(fourth.write);
    EXPECT_FALSE(fourth.tell);
    keeping.Kept();
    EXPECT_FALSE(keeping.Pending());
}

TEST(AsideKeepingTest, NeverOverADifferentFileOrOneThatCouldNotBeRead) {
    AsideKeeping changed;
    changed.ReadInPart(kWhen, kRead);
    FileIdentity other = kRead;
    other.writeTime += 1;
    for (int save = 1; save <= 5; ++save) {
        const AsideKeeping::AfterFailure after =
            changed.MoveFailed(save % 2 == 0 ? std::optional<FileIdentity>(other) : std::nullopt);
        EXPECT_FALSE(after.write) << save;
        EXPECT_EQ(after.tell, save == 3) << save;
    }
    EXPECT_TRUE(changed.Pending());

    AsideKeeping unreadable;
    unreadable.ReadNothing(kWhen);
    for (int save = 1; save <= 5; ++save) {
        const AsideKeeping::AfterFailure after = unreadable.MoveFailed(kRead);
        EXPECT_FALSE(after.write) << save;
        EXPECT_EQ(after.tell, save == 3) << save;
    }
    EXPECT_TRUE(unreadable.Pending());
}

TEST(AsideKeepingTest, EachReadDecidesAnew) {
    AsideKeeping keeping;
    keeping.ReadNothing(kWhen);
    (void)keeping.MoveFailed(kRead);
    (void)keeping.MoveFailed(kRead);
    keeping.ReadWhole();  // read again (the notification area came back): the file is whole now
    EXPECT_FALSE(keeping.Pending());

    keeping.ReadInPart(StampTime{2026, 12, 9, 0, 0, 0}, kRead);
    EXPECT_EQ(keeping.Stamp().day, 9);
    EXPECT_FALSE(keeping.MoveFailed(kRead).tell);  // counting starts again with the new read
}

}  // namespace
}  // namespace velpiners
