#include "dialogs/icon_box_win.h"

#include <string_view>

#include "dialogs/icon_items.h"

namespace velpiners {
namespace {

constexpr std::string_view kNoIconText = "--/--";
constexpr int kNoIconTextLeft = 6;
constexpr int kIconLeft = 4;
constexpr int kIconSlotHeight = 36;
constexpr int kIconLabelLeft = 44;

}  // namespace

void IconBox::Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight, bool variable) {
    m_images.reset(ImageList_Create(kImageSide, kImageSide, ILC_COLOR24, 0, kImageSide));
    ComboBox::Create(parent, bounds, font, variable ? Kind::kOwnerDrawVariable : Kind::kOwnerDrawFixed, itemHeight);
}

void IconBox::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    Clear();
    for (const std::string& item : m_items) Add(item);
}

void IconBox::SelectPicture(int number) { Select(dialogs::IconItemIndex(number, m_items)); }

int IconBox::PictureNumber() const { return dialogs::PictureNumberAt(Selected(), m_items); }

void IconBox::DrawItem(HDC dc, const RECT& rect, int index, UINT state) {
    FillItem(dc, rect, state);
    if (index < 0) return;
    if (index == 0) {
        DrawItemText(dc, rect, kNoIconTextLeft, kNoIconText);
        return;
    }
    const int height = rect.bottom - rect.top;
    ImageList_Draw(m_images.get(), index - 1, dc, rect.left + kIconLeft, rect.top + (height - kIconSlotHeight) / 2,
                   ILD_NORMAL);
    // The label sits where "--/--" would: both are one line of the box's font.
    DrawItemText(dc, rect, kIconLabelLeft, dialogs::IconLabelOf(Item(index)));
}

}  // namespace velpiners
