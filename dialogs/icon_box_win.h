// The icon box both sticker dialogs show: an owner-drawn list of the icon items (dialogs/icon_items.h), each
// drawn as its 32 x 32 image and its size label.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "base/unique_handle_win.h"
#include "ui/combo_box_win.h"

namespace velpiners {

class IconBox : public ComboBox {
public:
    static constexpr int kImageSide = 32;
    static constexpr int kItemHeight = 34;

    // `variable`: every item is measured (all at the same height).
    void Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight = kItemHeight, bool variable = true);
    // The image list of the items: image i - 1 belongs to item i.
    [[nodiscard]] HIMAGELIST Images() const { return m_images.get(); }
    // The icon list's items (dialogs/icon_items.h), whose images are already in Images().
    void SetItems(std::vector<std::string> items);
    [[nodiscard]] const std::vector<std::string>& Items() const { return m_items; }
    // Selects the item that shows picture `number` (item 0, no icon, when none does).
    void SelectPicture(int number);
    // The picture number of the selected item; 0 when none is selected.
    [[nodiscard]] int PictureNumber() const;

protected:
    void DrawItem(HDC dc, const RECT& rect, int index, UINT state) override;

private:
    UniqueImageList m_images;
    std::vector<std::string> m_items;
};

}  // namespace velpiners
