#include "store/note_merge.h"

#include <limits>

namespace velpiners {

bool SameNote(const StickerRecord& a, const StickerRecord& b) {
    return a.caption.text.View() == b.caption.text.View() && a.date.text.View() == b.date.text.View() &&
           a.body.text.View() == b.body.text.View();
}

MergePlan PlanMerge(const std::vector<StickerRecord>& records, const Tmassiv& table, std::uint64_t beyond) {
    MergePlan plan;
    int free = kSlotCount - table.Count();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StickerRecord& record = records[i];
        bool duplicate = false;
        table.ForEachInUse([&](int, const StickerRecord& slot) { duplicate = duplicate || SameNote(slot, record); });
        for (std::size_t added : plan.add) duplicate = duplicate || SameNote(records[added], record);
        if (duplicate) {
            ++plan.duplicates;
        } else if (free > 0) {
            plan.add.push_back(i);
            --free;
        } else {
            ++plan.noRoom;
        }
    }
    constexpr auto kMostCounted = static_cast<std::uint64_t>(std::numeric_limits<int>::max() / 2);
    plan.noRoom += static_cast<int>(beyond < kMostCounted ? beyond : kMostCounted);
    return plan;
}

}  // namespace velpiners
