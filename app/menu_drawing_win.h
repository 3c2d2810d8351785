// The owner-drawn radio items of the tray menu's language and hot-key submenus. Each shows a picture box
// (a flag, a key picture, or nothing) and its caption at x = 32. A checked item lies on a vertical gradient
// of its brush colour with a rounded frame and its picture at full strength (for an item without picture the
// box is filled in a darker menu colour); an unchecked item shows its picture faded (96/255) and shaded.
// Colours are system colours, looked up through graphics::screen.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/unique_handle_win.h"
#include "graphics/picture.h"

namespace velpiners {

struct ChoiceItemLook {
    int height;   // of every item whose caption is not "-"
    int boxLeft;  // the picture box, from the item's left edge
    int boxWidth;
    int boxHeight;
    bool blendedWhenChecked;  // a checked item's picture drawn blended at 255 (else opaque)
};

// Language items: 21 pixels high, a 24 x 14 flag box; hot-key items: 22 pixels, a 16 x 16 box.
inline constexpr ChoiceItemLook kLanguageItemLook{21, 2, 24, 14, false};
inline constexpr ChoiceItemLook kHotKeyItemLook{22, 3, 16, 16, true};

// The x of every caption, from the item's left edge.
inline constexpr int kChoiceCaptionX = 32;

// The looks' numbers are at 96 dots per inch; a menu shown at `dpi` has its items, the picture box's place
// and the caption's x scaled, the pictures themselves drawn at their size in the middle of their box.

// WM_MEASUREITEM: the look's height unless the caption is "-", and the width the caption takes in `font`.
void MeasureChoiceItem(MEASUREITEMSTRUCT& item, const ChoiceItemLook& look, const std::wstring& caption, HFONT font,
                       int dpi);

// WM_DRAWITEM: `image` is the picture's index in `images`, or -1 for none.
void DrawChoiceItem(const DRAWITEMSTRUCT& item, const ChoiceItemLook& look, const std::wstring& caption,
                    HIMAGELIST images, int image, HFONT font, int dpi);

// The resolution of the monitor a menu opened at the pointer shows on.
[[nodiscard]] int MenuDpi();

// The image list of the hot-key pictures (16 x 16, masked): 0 Back, 1 Forward, 2 Find, 3 Favourite.
// nullptr when it cannot be made.
[[nodiscard]] UniqueImageList CreateHotKeyImages();

// The menu font of the system, for measuring and drawing owner-drawn items.
[[nodiscard]] HFONT CreateMenuFont();

}  // namespace velpiners
