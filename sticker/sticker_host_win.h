// What a sticker window needs from the controller that made it: the controller's window (save requests,
// deletion announcements), the interface texts of the current language, the shared pictures and the
// sticker icons, a copy of itself and the properties dialog.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "graphics/background_cache.h"
#include "graphics/picture.h"
#include "lang/text_table.h"
#include "store/record.h"

namespace velpiners {

class StickerHost {
public:
    virtual ~StickerHost() = default;
    [[nodiscard]] virtual HWND ControllerWindow() const = 0;
    // The text of a text-table key in the current language, as stored data keeps it (a new sticker's
    // default caption and body).
    [[nodiscard]] virtual std::string Text(TextKey key) const = 0;
    // The same text as the screen shows it (UTF-16), for menus and other interface texts.
    [[nodiscard]] virtual std::wstring ShownText(TextKey key) const = 0;
    // A new sticker from these blocks, 18 pixels right and down.
    virtual void Duplicate(const StickerRecord& blocks) = 0;
    // The properties dialog for this sticker (its live blocks) on page `page` (-1: the page last shown), unless
    // it shows.
    virtual void OpenProperties(HWND sticker, const StickerRecord& blocks, int page) = 0;
    // A shared skin, mask, point or pin picture by resource name (empty when there is none).
    [[nodiscard]] virtual const graphics::Picture& SharedPicture(std::string_view name) const = 0;
    // The sticker icon of this picture number into `target`; a user number that is not found leaves
    // `target` as it was.
    virtual void PictureByNumber(graphics::Picture& target, int number) = 0;
    // The backgrounds already made from the shared skins, for stickers of one look to share; none (every
    // background composed anew) unless the host keeps them with its skins.
    [[nodiscard]] virtual graphics::BackgroundCache* Backgrounds() { return nullptr; }
    // The sticker's window is being destroyed with the shell's window that held it (not by a close or a
    // delete): `blocks` is the note as it stands, for the host to make again. Nothing by default.
    virtual void StickerLost(HWND /*window*/, const StickerRecord& /*blocks*/) {}
};

}  // namespace velpiners
