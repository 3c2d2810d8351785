// TSettingsForm: the properties dialog of one sticker. Five pages (caption, text with its collapsible
// settings panel, appearance, position, patterns) and OK, Cancel and Apply. It never touches the sticker:
// OK and Apply send the controls' values as sticker commands and strings (dialogs/settings_apply.h) and
// ask the controller to save; the sticker lays itself out or repaints once. One instance lives for the whole
// program; it shows modally and hides again when it closes.
//
// The controls are public under their form names, as the dialog's tests drive them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/settings_apply.h"
#include "dialogs/task_panel_win.h"
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
#include "ui/speed_button_win.h"

namespace velpiners {

// What the dialog needs from the program (the controller, TVelpin): the texts, the previews' pictures, the
// icon list, a new pattern's name and the save request after OK and Apply.
class SettingsFormHost : public dialogs::PreviewPictures {
public:
    // An interface text of the current language, as the screen shows it.
    [[nodiscard]] virtual std::wstring ShownText(TextKey key) const = 0;
    // The program folder, with its trailing backslash: patterns\ and config.txt lie there.
    [[nodiscard]] virtual const std::string& ProgramFolder() const = 0;
    // Fills an image list of 32 x 32 images and its items with the icon list.
    virtual void FillIconList(HIMAGELIST list, std::vector<std::string>& items) = 0;
    // Asks for a new pattern's name (the confirmation dialog); true and the name (ANSI) when given.
    virtual bool AskPatternName(std::string& name) = 0;
    // Asks the controller to save base.db (posted: the sticker has the values first).
    virtual void PostSaveRequest() const = 0;
    // Where the glyphs' pictures are (nullptr: the program itself).
    [[nodiscard]] virtual HMODULE Resources() const = 0;
};

class TSettingsForm : public DialogForm {
public:
    enum Page : int { kCaptionPage = 0, kTextPage = 1, kAppearancePage = 2, kPositionPage = 3, kPatternsPage = 4 };
    // The page index that keeps the page last shown.
    static constexpr int kLastShownPage = -1;

    // Makes the hidden dialog and its controls. Throws AppError when a window cannot be made.
    void FormCreate(SettingsFormHost& host);

    // Fills the dialog from one sticker and shows it modally on `page` (kLastShownPage keeps the page last
    // shown); returns when it closes. While it shows, it is only brought to the front.
    void ShowForSticker(HWND sticker, const TextStyleBlock& caption, const TextStyleBlock& date,
                        const TextStyleBlock& body, const PlacementBlock& placement, int page);
    // The filling of ShowForSticker without the showing.
    void FillForSticker(HWND sticker, const TextStyleBlock& caption, const TextStyleBlock& date,
                        const TextStyleBlock& body, const PlacementBlock& placement, int page);
    // Every caption, hint and style name from the current language.
    void ApplyTexts();

    // OK (closes) and Apply (stays open).
    void OkClick(const Button& button);
    void BNOClick();

    PageControl PC;
    // Caption page.
    Label LCapt, Lfontscap, LCaptColor, Ltextdata;
    Edit ECaption, EdateText;
    FontBox CBListFonts;
    ColorBox CB_capt;
    CheckBox CBDatause, CBShadCapt;
    Bevel b_cap2, B_cap;
    // Text page.
    Panel P_text_main;
    Memo memo;
    CheckBox CB_autoPer;
    Label LCount;
    TTaskPanel TP_text;
    FontBox CBFontNameText;
    ComboBox CBsizetext;
    Label LColor;
    ColorBox CBColor, CBColorSh;
    CheckBox CBShadText;
    SpeedButton SB_text_l, SB_text_c, SB_text_r;
    // Appearance page.
    LookPage look;
    // Position page.
    RadioButton RB_upp, RB_bott;
    CheckBox CB_lockMove, CB_mouse_atas;
    GroupBox GB_ml;
    TrackBar TB_Ma;
    Label L_sec;
    // Patterns page.
    PatternsPage patterns;
    // Below the pages.
    Button Ok, BNO, BPRIM;

    [[nodiscard]] HWND Sticker() const { return m_sticker; }
    [[nodiscard]] const std::string& RememberedPattern() const { return m_rememberedPattern; }

protected:
    void FormClose() override;
    void FormDpiChanged() override;

private:
    void CreateCaptionPage(Panel& page);
    void CreateTextPage(Panel& page);
    void CreatePositionPage(Panel& page);
    void LayOutTextPage();
    void SetListFont();

    [[nodiscard]] SettingsValues ReadValues() const;
    void SendToSticker(const std::vector<SettingsMessage>& messages) const;
    void SelectSize(int size);
    void SetAlignment(int alignment);
    [[nodiscard]] int Alignment() const;

    void CBFontNameTextChange();
    void CB_autoPerClick();
    void MemoChange();
    void CBDatauseClick();
    void EdateTextChange();
    void TB_MaChange();
    void LoadPattern(const StickerRecord& pattern);
    void BsavePattern1Click();
    void BdelPattern1Click();

    SettingsFormHost* m_host = nullptr;
    UniqueFont m_listFont;  // CBListFonts's own face
    SpeedButtonGroup m_alignment;
    HWND m_sticker = nullptr;
    SettingsOpening m_opening;
    std::string m_rememberedPattern;
    bool m_filling = false;  // the controls are being set from code: no edited flags
};

}  // namespace velpiners
