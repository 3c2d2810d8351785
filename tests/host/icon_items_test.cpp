// The icon box's items: labels, the picture number a user icon item carries, and which item shows a
// picture number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/icon_items.h"

namespace velpiners::dialogs {
namespace {

std::vector<std::string> IconList() {
    std::vector<std::string> items{""};
    for (int i = 0; i < 34; ++i) items.push_back(IconSizeLabel(48, 48));
    items.push_back(UserIconItem(101, IconSizeLabel(16, 16)));
    items.push_back(UserIconItem(300, IconSizeLabel(64, 32)));
    return items;
}

TEST(IconItemsTest, LabelsAndNumbers) {
    EXPECT_EQ(IconSizeLabel(48, 47), " (48x47)");
    EXPECT_EQ(UserIconItem(300, " (16x16)"), "|300|| (16x16)");
    EXPECT_EQ(IconLabelOf(" (48x47)"), " (48x47)");
    EXPECT_EQ(IconLabelOf("|300|| (16x16)"), " (16x16)");
    EXPECT_EQ(PictureNumberOfItem("|300|| (16x16)"), 300);
    EXPECT_EQ(PictureNumberOfItem(" (48x48)"), 0);
    EXPECT_EQ(PictureNumberOfItem("|3x|| (1x1)"), 0);
    EXPECT_EQ(PictureNumberOfItem("|999999|| (1x1)"), 0);
    EXPECT_EQ(PictureNumberOfItem("|12"), 0);
}

TEST(IconItemsTest, ItemOfAPictureNumberAndBack) {
    const std::vector<std::string> items = IconList();
    EXPECT_EQ(IconItemIndex(0, items), 0);
    EXPECT_EQ(IconItemIndex(34, items), 34);
    EXPECT_EQ(IconItemIndex(50, items), 1);  // painted as picture 1
    EXPECT_EQ(IconItemIndex(101, items), 35);
    EXPECT_EQ(IconItemIndex(300, items), 36);
    EXPECT_EQ(IconItemIndex(301, items), 0);  // no such user icon: no icon
    EXPECT_EQ(PictureNumberAt(36, items), 300);
    EXPECT_EQ(PictureNumberAt(7, items), 7);
    EXPECT_EQ(PictureNumberAt(-1, items), 0);
    EXPECT_EQ(PictureNumberAt(99, items), 0);
}

}  // namespace
}  // namespace velpiners::dialogs
