// The items of the icon box both sticker dialogs show: item 0 is empty (no icon), items 1..34 the built-in
// icons, each labelled with its size (" (48x48)"), then the user icons, each "|<picture number>||<size>".
// Image i - 1 of the box's image list belongs to item i.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velpiners::dialogs {

// " (<width>x<height>)".
[[nodiscard]] std::string IconSizeLabel(int width, int height);

// "|<number>||<label>".
[[nodiscard]] std::string UserIconItem(int number, std::string_view label);

// What the box shows beside the image: the text after "||" when the item holds "|", else the whole item.
[[nodiscard]] std::string IconLabelOf(std::string_view item);

// The picture number of a user icon item (the digits between its first "|" and the "||"); 0 when the item
// is not one.
[[nodiscard]] int PictureNumberOfItem(std::string_view item);

// The item that shows picture `number`: 0..34 are their own index; the numbers 35..100, which every
// sticker paints as picture 1, select item 1; a user number selects the item carrying it, 0 when none
// does; a negative number selects 0.
[[nodiscard]] int IconItemIndex(int number, const std::vector<std::string>& items);

// The picture number an item stands for: its index for items 0..34, else the number it carries.
[[nodiscard]] int PictureNumberAt(int index, const std::vector<std::string>& items);

}  // namespace velpiners::dialogs
