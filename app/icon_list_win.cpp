// The icon list both sticker dialogs show: the built-in icons and the user pictures as 32 x 32 images
// drawn with their alpha on white, with their sizes as the item texts.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/velpin_win.h"
#include "graphics/effects.h"
#include "dialogs/icon_items.h"
#include "graphics/ress.h"
#include "graphics/dib_bitmap_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {
namespace {

// The icon box shows every picture as a square of this side.
constexpr int kThumbnailSide = 32;

std::string SizeText(const graphics::Picture& picture) {
    return dialogs::IconSizeLabel(picture.Width(), picture.Height());
}

// Always 32 x 32, drawn on white: the image list cuts a wider bitmap into several images and takes none
// from a narrower one, and either would show every later entry with another's picture. A picture at
// least 32 high that does not fit is drawn at its own size and scaled to 32 x 32; any other is centred
// on the square (so one 32 high and narrower is padded at its sides).
graphics::Picture Thumbnail(const graphics::Picture& picture) {
    const bool fits = picture.Width() <= kThumbnailSide && picture.Height() <= kThumbnailSide;
    const bool scaled = !fits && picture.Height() >= kThumbnailSide;
    graphics::Picture white;
    int x = 0;
    int y = 0;
    if (scaled) {
        white.Reset(picture.Width() > 0 ? picture.Width() : 1, picture.Height(), 24);
    } else {
        white.Reset(kThumbnailSide, kThumbnailSide, 24);
        x = (kThumbnailSide - picture.Width()) / 2;
        y = (kThumbnailSide - picture.Height()) / 2;
    }
    for (int row = 0; row < white.Height(); ++row) std::memset(white.Row(row), 0xFF, white.RowBytes());
    if (!picture.Empty()) graphics::DrawAlphaOver24(picture, white, x, y);
    if (!scaled) return white;
    graphics::Picture square(kThumbnailSide, kThumbnailSide, 24);
    graphics::ResampleMitchell(white, square);
    return square;
}

void AddThumbnail(HIMAGELIST list, const graphics::Picture& picture) {
    UniqueBitmap bitmap = CreateDibFromPicture(Thumbnail(picture));
    // A bitmap the system could not make still takes its place (empty), so the later entries stay in step.
    if (ImageList_Add(list, bitmap.get(), bitmap.get()) < 0)
        ImageList_SetImageCount(list, static_cast<UINT>(ImageList_GetImageCount(list) + 1));
}

}  // namespace

void TVelpin::FillIconList(HIMAGELIST list, std::vector<std::string>& items) {
    items.emplace_back();
    for (int n = 0; n < graphics::kBuiltInPictures; ++n) {
        graphics::Picture picture;
        PictureByNumber(picture, n + 1);
        items.push_back(SizeText(picture));
        AddThumbnail(list, picture);
    }
    for (int i = 0; i < m_userPictures.Count(); ++i) {
        const graphics::PackEntry& entry = m_userPictures.Items(i);
        items.push_back(dialogs::UserIconItem(entry.number, SizeText(entry.bitmap)));
        AddThumbnail(list, entry.bitmap);
    }
}

}  // namespace velpiners
