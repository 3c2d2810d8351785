// Stored stickers open in one go: each is made where it stands, laid out, painted and handed to the window
// system once, and shown; the commands posted to it at the start (its layer, its menu texts) paint nothing
// again.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "app/velpin_win.h"
#include "base/phase_times.h"
#include "tests/common/synthetic_stickers.h"
#include "tests/win32/test_support.h"
#include "ui/handle_value_win.h"

namespace velpiners {
namespace {

TEST(StartOnce, EveryStoredStickerIsPresentedOnceAtItsPlace) {
    test::TempFolder folder;
    test::ErrorCapture errors;
    constexpr int kCount = 5;
    std::vector<std::uint8_t> image;
    for (int i = 0; i < kCount; ++i) {
        const StickerRecord record = testing::SyntheticSticker(i);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
        image.insert(image.end(), bytes, bytes + sizeof record);
    }
    test::WriteAll(folder.File("base.db"), image);

    phase::Reset();
    phase::Enable(true);
    auto controller = std::make_unique<TVelpin>(folder.Path(), test::ProgramResources());
    ASSERT_TRUE(controller->FormCreate(false));
    test::PumpMessages();
    const phase::Totals updates = phase::Get(phase::Phase::kLayeredUpdate);
    phase::Enable(false);

    ASSERT_EQ(controller->Table().Count(), kCount);
    EXPECT_EQ(updates.calls, kCount);
    for (int i = 0; i < kCount; ++i) {
        HWND window = HandleFromValue(controller->Table().Slot(i).window);
        ASSERT_TRUE(::IsWindowVisible(window)) << i;
        RECT rect{};
        ::GetWindowRect(window, &rect);
        const PlacementBlock stored = testing::SyntheticSticker(i).placement;
        EXPECT_EQ(rect.left, stored.left) << i;
        EXPECT_EQ(rect.top, stored.top) << i;
        // Sized by its picture, not the form's design size.
        EXPECT_NE(rect.right - rect.left, 120) << i;
    }
    controller->DestroyFormWindow();
    test::PumpMessages();
}

}  // namespace
}  // namespace velpiners
