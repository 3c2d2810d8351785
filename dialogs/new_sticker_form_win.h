// TFormStickerMess, the new-sticker dialog: the user writes a new sticker (caption, date, body text) and
// chooses its look, which opens as the defaults for new stickers and becomes them with OK; then the
// controller makes the sticker. One instance lives for the whole program, hidden between showings; a
// request to show it while it shows only brings it to the front.
//
// What it needs of the controller comes through NewStickerHost. The look the user chose becomes the
// defaults only with OK (dialogs/new_sticker_apply.h): a pattern loaded and then cancelled changes nothing.
// Every opening proposes today's date with the date shown and a fresh random skin colour.
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
    [[nodiscard]] virtual std::string ProgramFolder() const = 0;
    // The icon list of both sticker dialogs into an image list of 32 x 32 images and its items.
    virtual void FillIconList(HIMAGELIST list, std::vector<std::string>& items) = 0;
    // Makes the sticker from the defaults and these texts (after OK, once the dialog is hidden).
    virtual void MakeStickerFromDialog(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                                       const std::string& body) = 0;
};

class TFormStickerMess : public DialogForm {
public:
    // The dialog's components by their names, for tests that drive it through its windows.
    enum class Part {
        kPC,
        kECaption,
        kCB_date,
        kEdate,
        kMemo,
        kCB_autoPer,
        kLCount,
        kI_style,
        kCB_style,
        kTrackBar,
        kCBuseColor,
        kCBColorMask,
        kSBrandom,
        kCB_icons,
        kCB_pic_use,
        kCBFontNameCapt,
        kCB_color_capt,
        kCBFontNameText,
        kCBsizetext,
        kCB_color_text,
        kCB_mouse_atas,
        kTB_Ma,
        kL_sec,
        kI_press,
        kCB_press,
        kB_press_prim,
        kCBPos,
        kBOK,
        kBNO,
    };
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

    [[nodiscard]] HWND Component(Part part) const;
    // The page shown (0 text, 1 appearance, 2 text options, 3 patterns).
    [[nodiscard]] int ActivePage() const { return m_pages.ActivePage(); }

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

    PageControl m_pages;
    // Text page.
    Label m_LCaption;
    Edit m_ECaption;
    CheckBox m_CB_date;
    Edit m_Edate;
    Memo m_Memo;
    CheckBox m_CB_autoPer;
    Label m_LCount;
    LookPage look;
    // Text options page.
    GroupBox m_GB_capt;
    FontBox m_CBFontNameCapt;
    ColorBox m_CB_color_capt;
    GroupBox m_GB_text;
    FontBox m_CBFontNameText;
    ComboBox m_CBsizetext;
    ColorBox m_CB_color_text;
    GroupBox m_GB_ml;
    CheckBox m_CB_mouse_atas;
    TrackBar m_TB_Ma;
    Label m_L_sec;
    PatternsPage patterns;
    // Below the pages.
    CheckBox m_CBPos;
    Button m_BOK;
    Button m_BNO;
};

}  // namespace velpiners
