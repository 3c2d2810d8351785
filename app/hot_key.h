// THotKey: which one global key, if any, opens the new-sticker dialog. Five choice flags, index 0 Win with
// "+", 1 Find, 2 Back, 3 Forward, 4 Favourite; at most one is set, none after creation. The hot-key library
// is told all five, in index order, whenever the choice is applied.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "protocol/protocol.h"

namespace velpiners {

inline constexpr int kHotKeyCount = static_cast<int>(protocol::kHotKeyCount);
// The choice "no key".
inline constexpr int kNoHotKey = -1;

class THotKey {
public:
    // The index of the first set flag, or -1 when none is set.
    [[nodiscard]] int FirstSet() const;
    // -1 clears every flag; any other choice outside 0..4 counts as 0; then only its flag is set.
    void Select(int choice);
    [[nodiscard]] bool Flag(int index) const { return index >= 0 && index < kHotKeyCount && m_flags[index] != 0; }
    // Calls hookTablenum(flag, index) for index 0..4 in order.
    void Publish(const std::function<void(int enabled, int index)>& hookTablenum) const;

private:
    std::array<std::uint8_t, kHotKeyCount> m_flags{};
};

// The menu items of the hot-key submenu carry tags 0 (none) and 1..5 (the keys in index order).
[[nodiscard]] constexpr int HotKeyChoiceOfTag(int tag) { return tag - 1; }
[[nodiscard]] constexpr int HotKeyTagOfChoice(int choice) { return choice < 0 ? 0 : choice + 1; }

// The key index of a hot-key notification's wParam (201..205), or nullopt for any other value.
[[nodiscard]] std::optional<int> HotKeyOfNotification(std::uint32_t wParam);

}  // namespace velpiners
