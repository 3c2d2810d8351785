// TFindForm: "Find a note". A search box and, under it, a list of the notes whose caption, date or text
// hold every word typed, refreshed as the user types. Enter or a double click hands the chosen note's slot
// to the controller, which brings the sticker into view. Unlike the other dialogs it is not modal: the user
// goes on working with the stickers it finds. One instance; opening it again brings it forward.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "lang/text_lookup.h"
#include "store/table.h"
#include "ui/control_win.h"
#include "ui/dialog_form_win.h"
#include "ui/list_box_win.h"

namespace velpiners {

class TFindForm : public DialogForm {
public:
    // `choose` gets the slot of the note the user picked. Throws AppError when the window cannot be made.
    void FormCreate(TextLookup texts, const Tmassiv& table, std::function<void(int slot)> choose);

    // Shows the dialog with the notes as they are now, or brings it forward with its query when it shows.
    void ShowFind();
    // The list again from the table; the chosen note stays chosen while it is listed. Run as the user types
    // and whenever the dialog comes back to the front (notes may have changed meanwhile).
    void Refill();
    // The slots the list shows, in its order.
    [[nodiscard]] const std::vector<int>& Listed() const { return m_listed; }

    SearchEdit E_find;
    ListBox LB_found;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Choose();

    TextLookup m_texts;
    const Tmassiv* m_table = nullptr;
    std::function<void(int)> m_choose;
    std::vector<int> m_listed;
};

}  // namespace velpiners
