#include "app/hot_key.h"

namespace velpiners {

int THotKey::FirstSet() const {
    for (int i = 0; i < kHotKeyCount; ++i)
        if (m_flags[i] != 0) return i;
    return kNoHotKey;
}

void THotKey::Select(int choice) {
    m_flags.fill(0);
    if (choice == kNoHotKey) return;
    if (choice < 0 || choice >= kHotKeyCount) choice = 0;
    m_flags[choice] = 1;
}

void THotKey::Publish(const std::function<void(int enabled, int index)>& hookTablenum) const {
    for (int i = 0; i < kHotKeyCount; ++i) hookTablenum(m_flags[i], i);
}

std::optional<int> HotKeyOfNotification(std::uint32_t wParam) {
    if (wParam < protocol::kHotKeyFirstNotification ||
        wParam >= protocol::kHotKeyFirstNotification + protocol::kHotKeyCount)
        return std::nullopt;
    return static_cast<int>(wParam - protocol::kHotKeyFirstNotification);
}

}  // namespace velpiners
