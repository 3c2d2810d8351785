// What a sticker window needs from the controller that made it: the controller's window (save requests,
// deletion announcements) and the interface texts of the current language.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace velpiners {

class StickerHost {
public:
    virtual ~StickerHost() = default;
    [[nodiscard]] virtual HWND ControllerWindow() const = 0;
    // The text of a text-table key ("dfNapom", "mCopys", ...) in the current language.
    [[nodiscard]] virtual std::string Text(std::string_view key) const = 0;
};

}  // namespace velpiners
