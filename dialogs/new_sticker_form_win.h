// TFormStickerMess, the new-sticker dialog: the user writes a new sticker (caption, date, body text) and
// chooses its look, which opens as the defaults for new stickers and becomes them with OK; then the
// controller makes the sticker. One instance lives for the whole program, hidden between showings; a
// request to show it while it shows only brings it to the front.
//
// What it needs of the controller (TVelpin) comes through NewStickerHost. The look the user chose becomes the
// defaults only with OK (dialogs/new_sticker_apply.h): a pattern loaded and then cancelled changes nothing.
// Every opening proposes today's date with the date shown and a fresh random skin colour.
//
// The controls are public under their form names, as the dialog's tests drive them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "store/config_file.h"
#include "dialogs/new_sticker_apply.h"
#include "dialogs/preview.h"
#include "lang/text_table.h"
#include "dialogs/look_page_win.h"
#include "dialogs/patterns_page_win.h"
#include "store/record.h"
#include "ui/combo_box_win.h"
#include "ui/control_win.h"
#include "ui/dialog_form_win.h"
#include "ui/memo_win.h"
#include "ui/panel_win.h"
#include "ui/track_bar_win.h"

namespace velpiners {

class NewStickerHost : public dialogs::PreviewPictures {
public:
    // An interface text of the current language, as the screen shows it.
    [[nodiscard]] virtual std::wstring ShownText(TextKey key) const = 0;
    // The same text as a sticker stores it (the proposed caption and body).
    [[nodiscard]] virtual std::string Text(TextKey key) const = 0;
    // The defaults new stickers are made from; OK changes them.
    [[nodiscard]] virtual StickerDefaults& Defaults() = 0;
    // The folder of base.db, config.txt and patterns\, with its trailing backslash.
    [[nodiscard]] virtual const std::string& ProgramFolder() const = 0;
    // The icon list of both sticker dialogs into an image list of 32 x 32 images and its items.
    virtual void FillIconList(HIMAGELIST list, std::vector<std::string>& items) = 0;
    // Makes the sticker from the defaults and these texts (after OK, once the dialog is hidden).
    virtual void MakeNewSticker(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                                const std::string& body) = 0;
};

class TFormStickerMess : public DialogForm {
public:
    static constexpr int kPageCount = 4;

    explicit TFormStickerMess(NewStickerHost& host) : m_host(host) {}

    // Makes the hidden window and its controls, the font lists and the icon list. Throws AppError when a
    // window cannot be made.
    void FormCreate();

    // Fills the dialog from the defaults, shows it modally, and after OK has the controller make the sticker.
    // While the dialog shows, only brings it to the front.
    void ShowNewSticker();
    // The interface texts of the current language.
    void ApplyTexts();

    // The pages show in this order: 0 text, 1 appearance, 2 text options, 3 patterns.
    PageControl PC;
    // Text page.
    Label LCaption;
    Edit ECaption;
    CheckBox CB_date;
    Edit Edate;
    Memo memo;
    CheckBox CB_autoPer;
    Label LCount;
    // Appearance page.
    LookPage look;
    // Text options page.
    GroupBox GB_capt;
    FontBox CBFontNameCapt;
    ColorBox CB_color_capt;
    GroupBox GB_text;
    FontBox CBFontNameText;
    ComboBox CBsizetext;
    ColorBox CB_color_text;
    GroupBox GB_ml;
    CheckBox CB_mouse_atas;
    TrackBar TB_Ma;
    Label L_sec;
    // Patterns page.
    PatternsPage patterns;
    // Below the pages.
    CheckBox CBPos;
    Button BOK;
    Button BNO;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateTextPage(Panel& page, HFONT font);
    void CreateTextOptionsPage(Panel& page, HFONT font);
    // Steps of ShowNewSticker before the dialog shows.
    void FillFromDefaults();
    void SelectTextSize(int size);
    [[nodiscard]] NewStickerLook LookOfControls() const;
    // Gives the focus to the control that had it when the dialog was left (at the opening: the memo).
    void FocusControl();

    void BOKClick();
    void BNOClick();
    void CBFontNameTextChange();
    void CB_autoPerClick();
    void MemoChange();
    void TB_MaChange();
    void LoadPattern(const StickerRecord& pattern);

    NewStickerHost& m_host;
    // The shadows of a pattern loaded since the opening; they become defaults with OK.
    std::optional<bool> m_patternCaptionShadow;
    std::optional<bool> m_patternTextShadow;
    // Topmost is asserted again after every move; this keeps that from answering itself.
    bool m_assertingTopmost = false;
    // The control that had the focus when the dialog was last left.
    HWND m_focused = nullptr;
};

}  // namespace velpiners
