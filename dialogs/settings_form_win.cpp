#include "dialogs/settings_form_win.h"

#include <algorithm>

#include "base/wide_string_win.h"
#include "protocol/protocol.h"
#include "store/pattern.h"
#include "store/pattern_files_win.h"
#include "ui/error_box_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

// The dialog: its client area, the pages, the buttons below them.
constexpr int kClientWidth = 361;
constexpr int kClientHeight = 281;
constexpr Bounds kPages{8, 8, 345, 233};
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 249;
constexpr int kOkLeft = 120;
constexpr int kCancelLeft = 199;
constexpr int kApplyLeft = 278;
// The OK marker of the button that closes the dialog.
constexpr int kClosingTag = 1;

// The caption font box draws its names in this font.
constexpr const char* kFontListFace = "Verdana";
constexpr int kFontListHeight = 13;

// Inside a page.
constexpr int kMargin = 8;
constexpr int kRowHeight = 21;
constexpr int kLabelHeight = 13;
constexpr int kCheckHeight = 17;
// The longest caption or date text a sticker keeps.
constexpr int kTextLimit = 255;

// Caption page.
constexpr Bounds kLCapt{8, 8, 200, kLabelHeight};
constexpr Bounds kECaption{8, 24, 321, kRowHeight};
constexpr Bounds kLfontscap{8, 54, 200, kLabelHeight};
constexpr Bounds kCBListFonts{8, 70, 200, 0};
constexpr Bounds kLCaptColor{216, 54, 113, kLabelHeight};
constexpr Bounds kCB_capt{216, 70, 113, 0};
constexpr Bounds kB_cap{8, 102, 321, 2};
constexpr Bounds kCBShadCapt{8, 112, 321, kCheckHeight};
constexpr Bounds kCBDatause{8, 138, 321, kCheckHeight};
constexpr Bounds kLtextdata{24, 164, 120, kLabelHeight};
constexpr Bounds kEdateText{148, 160, 181, kRowHeight};
constexpr Bounds kb_cap2{8, 190, 321, 2};

// Text page: the memo panel fills the page above the task panel, with 8-pixel margins and a bottom strip.
// The colour label's row above the boxes, as the caption page's labels stand above theirs.
constexpr int kLabelRow = 15;
constexpr int kTextPanelHeight = 97 + kLabelRow;
constexpr int kTextPanelCaption = 21;
constexpr int kStripHeight = 20;
constexpr int kCounterWidth = 60;
// Inside the task panel, below its caption strip.
constexpr Bounds kLColor{218, 27, 111, kLabelHeight};
constexpr Bounds kCBFontNameText{8, 28 + kLabelRow, 150, 0};
constexpr Bounds kCBsizetext{164, 28 + kLabelRow, 48, kRowHeight};
constexpr Bounds kCBColor{218, 28 + kLabelRow, 111, 0};
constexpr Bounds kCBShadText{8, 62 + kLabelRow, 130, kCheckHeight};
constexpr Bounds kCBColorSh{144, 60 + kLabelRow, 111, 0};
constexpr Bounds kAlignButton{261, 59 + kLabelRow, 23, 22};
constexpr int kAlignStep = 23;

// Appearance page, in the order of the layout's fields.
constexpr LookPageLayout kLook{{8, 4, 161, 174},   {16, 20, 145, 121},          {16, 146, 145, kRowHeight},
                               {176, 4, 153, 60},  {182, 20, 141, 38},          {176, 70, 153, kCheckHeight},
                               {176, 90, 121, 0},  {303, 89, 23, 22},           {176, 116, 153, 64},
                               {184, 132, 137, 0}, {184, 184, 20, kCheckHeight}};

// Position page.
constexpr Bounds kRB_upp{8, 8, 321, kCheckHeight};
constexpr Bounds kRB_bott{8, 30, 321, kCheckHeight};
constexpr Bounds kCB_lockMove{8, 60, 321, kCheckHeight};
constexpr Bounds kGB_ml{8, 88, 321, 96};
constexpr Bounds kCB_mouse_atas{16, 106, 305, kCheckHeight};
constexpr Bounds kTB_Ma{16, 128, 220, 34};
constexpr Bounds kL_sec{240, 136, 81, kLabelHeight};

// Patterns page, in the order of the layout's fields.
const PatternsPageLayout kPatterns{{8, 4, 321, 150},         {16, 18, 305, 129},
                                   {8, 164, 172, 0},         {186, 163, 70, kButtonHeight},
                                   Bounds{262, 160, 31, 31}, Bounds{298, 160, 31, 31}};

// The memo previews the text at this size while the size box has no selection.
constexpr int kDefaultTextSize = 8;

}  // namespace

void TSettingsForm::FormCreate(SettingsFormHost& host) {
    m_host = &host;
    CreateDialogForm("TSettingsForm", kClientWidth, kClientHeight, DialogBorder::kSingle, true);
    HWND form = Handle();
    HFONT font = DialogFont();

    PC.Create(form, kPages, font);
    for (int i = 0; i < 5; ++i) PC.AddPage(L"");
    CreateCaptionPage(PC.Page(kCaptionPage));
    CreateTextPage(PC.Page(kTextPage));
    look.Create(PC.Page(kAppearancePage).Handle(), kLook, font, m_host);
    look.CBuseColor.onClick = [this] { look.CBuseColorClick(); };
    CreatePositionPage(PC.Page(kPositionPage));
    patterns.Create(PC.Page(kPatternsPage).Handle(), kPatterns, font, m_host->ProgramFolder(), memo, m_host,
                    m_host->Resources());
    patterns.onLoad = [this](const StickerRecord& pattern) { LoadPattern(pattern); };
    patterns.BsavePattern.onClick = [this] { BsavePattern1Click(); };
    patterns.BdelPattern.onClick = [this] { BdelPattern1Click(); };

    Ok.Create(form, {kOkLeft, kButtonTop, kButtonWidth, kButtonHeight}, font, L"OK", IDOK, true);
    Ok.tag = kClosingTag;
    BNO.Create(form, {kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight}, font, L"Cancel", IDCANCEL);
    BPRIM.Create(form, {kApplyLeft, kButtonTop, kButtonWidth, kButtonHeight}, font, L"Apply");
    Ok.onClick = [this] { OkClick(Ok); };
    BPRIM.onClick = [this] { OkClick(BPRIM); };
    BNO.onClick = [this] { BNOClick(); };

    // The icon box's images, once: the user pictures are read at the program's start.
    std::vector<std::string> items;
    m_host->FillIconList(look.CB_icons.Images(), items);
    look.CB_icons.SetItems(std::move(items));

    // The pattern both dialogs select when they fill their pattern box.
    m_rememberedPattern = ReadRememberedPattern(m_host->ProgramFolder());
    ApplyTexts();
}

void TSettingsForm::CreateCaptionPage(Panel& page) {
    HWND parent = page.Handle();
    HFONT font = DialogFont();
    LCapt.Create(parent, kLCapt, font);
    ECaption.Create(parent, kECaption, font, {}, kTextLimit);
    Lfontscap.Create(parent, kLfontscap, font);
    CBListFonts.Create(parent, kCBListFonts, font);
    CBListFonts.FillInstalledFonts();
    // The caption's font box lists in its own face, as the design's does.
    SetListFont();
    LCaptColor.Create(parent, kLCaptColor, font);
    CB_capt.Create(parent, kCB_capt, font);
    B_cap.Create(parent, kB_cap, Bevel::Shape::kTopLine);
    CBShadCapt.Create(parent, kCBShadCapt, font);
    CBDatause.Create(parent, kCBDatause, font);
    CBDatause.onClick = [this] { CBDatauseClick(); };
    Ltextdata.Create(parent, kLtextdata, font);
    EdateText.Create(parent, kEdateText, font, {}, kTextLimit);
    EdateText.onChange = [this] { EdateTextChange(); };
    b_cap2.Create(parent, kb_cap2, Bevel::Shape::kTopLine);
}

void TSettingsForm::CreateTextPage(Panel& page) {
    HWND parent = page.Handle();
    HFONT font = DialogFont();
    const Bounds area = page.GetBounds();
    P_text_main.Create(parent, {0, 0, area.width, area.height - kTextPanelCaption}, "TPanel");
    // The memo's panel shows the page's background, as the other pages do behind their controls.
    P_text_main.UseTabBody(PC.Handle());
    HWND main = P_text_main.Handle();
    memo.Create(main, {kMargin, kMargin, area.width - 2 * kMargin, 10}, font);
    memo.onChange = [this] { MemoChange(); };
    CB_autoPer.Create(main, {kMargin, 0, 200, kCheckHeight}, font);
    CB_autoPer.onClick = [this] { CB_autoPerClick(); };
    LCount.Create(main, {area.width - kMargin - kCounterWidth, 0, kCounterWidth, kLabelHeight}, font, L"0/255",
                  SS_RIGHT);

    TP_text.Create(parent, 0, area.height - kTextPanelHeight, font);
    TP_text.SetCaptionHeight(kTextPanelCaption);
    TP_text.SetHeight(kTextPanelHeight);
    TP_text.SetAlign(TTaskPanel::Align::kBottom);
    HWND panel = TP_text.Handle();
    CBFontNameText.Create(panel, kCBFontNameText, font);
    CBFontNameText.FillInstalledFonts();
    CBFontNameText.onChange = [this] { CBFontNameTextChange(); };
    CreateTextSizeBox(CBsizetext, panel, kCBsizetext, font);
    CBsizetext.onChange = [this] { ShowTextSize(CBsizetext, memo); };
    LColor.Create(panel, kLColor, font);
    CBColor.Create(panel, kCBColor, font);
    CBShadText.Create(panel, kCBShadText, font);
    CBColorSh.Create(panel, kCBColorSh, font);
    SpeedButton* align[] = {&SB_text_l, &SB_text_c, &SB_text_r};
    const char* glyphs[] = {"BUTTON_L", "BUTTON_C", "BUTTON_R"};
    for (int i = 0; i < 3; ++i) {
        align[i]->Create(
            panel, {kAlignButton.x + i * kAlignStep, kAlignButton.y, kAlignButton.width, kAlignButton.height}, font);
        align[i]->SetGlyph(Glyph(glyphs[i], m_host->Resources()));
        m_alignment.Add(*align[i]);
    }
    SB_text_l.SetDown(true);
    // The text panel starts at the page's bottom, folded to its caption strip.
    TP_text.SetCollapsed(true);
    TP_text.onChange = [this] { LayOutTextPage(); };
    LayOutTextPage();
}

void TSettingsForm::SetListFont() {
    UniqueFont font = CreatePixelFont(kFontListFace, Scale(kFontListHeight, Dpi()));
    CBListFonts.SetFont(font.get());
    m_listFont = std::move(font);                          // the box no longer uses the old one
    CBListFonts.SetClosedHeight(ComboBox::kRowBoxHeight);  // the font set anew sizes the box to itself
}

void TSettingsForm::FormDpiChanged() {
    SetListFont();
    LayOutTextPage();
}

void TSettingsForm::LayOutTextPage() {
    // The memo panel fills what the task panel leaves.
    const Bounds area = PC.Page(kTextPage).GetBounds();
    const int height = area.height - TP_text.Height();
    P_text_main.SetBounds({0, 0, area.width, height});
    const int stripTop = height - kStripHeight;
    memo.SetBounds({kMargin, kMargin, area.width - 2 * kMargin, stripTop - kMargin});
    CB_autoPer.SetBounds({kMargin, stripTop + 2, 200, kCheckHeight});
    LCount.SetBounds({area.width - kMargin - kCounterWidth, stripTop + 4, kCounterWidth, kLabelHeight});
}

void TSettingsForm::CreatePositionPage(Panel& page) {
    HWND parent = page.Handle();
    HFONT font = DialogFont();
    RB_upp.Create(parent, kRB_upp, font, {}, true);
    RB_bott.Create(parent, kRB_bott, font);
    CB_lockMove.Create(parent, kCB_lockMove, font);
    GB_ml.Create(parent, kGB_ml, font);
    CB_mouse_atas.Create(parent, kCB_mouse_atas, font);
    TB_Ma.Create(parent, kTB_Ma, kHideDelayTrackBar);
    TB_Ma.onChange = [this] { TB_MaChange(); };
    L_sec.Create(parent, kL_sec, font);
}

void TSettingsForm::ApplyTexts() {
    const auto text = [this](TextKey key) { return m_host->ShownText(key); };
    look.ApplyTexts(text, FormHints());
    patterns.ApplyTexts(text, FormHints());
    CB_lockMove.SetText(text(TextKey::vidCBLock));
    CBShadCapt.SetText(text(TextKey::vidCBSC));
    CBShadText.SetText(text(TextKey::vidCBST));
    LCapt.SetText(text(TextKey::capLtext));
    Lfontscap.SetText(text(TextKey::capLFont));
    LCaptColor.SetText(text(TextKey::capLColor));
    LColor.SetText(text(TextKey::capLColor));
    PC.SetPageCaption(kCaptionPage, text(TextKey::tabCapt));
    PC.SetPageCaption(kTextPage, text(TextKey::tabText));
    PC.SetPageCaption(kAppearancePage, text(TextKey::tabVid));
    PC.SetPageCaption(kPositionPage, text(TextKey::tabPos));
    PC.SetPageCaption(kPatternsPage, text(TextKey::tabPattern));
    Ok.SetText(text(TextKey::bOk));
    BNO.SetText(text(TextKey::bNO));
    BPRIM.SetText(text(TextKey::bPrim));
    CBDatause.SetText(text(TextKey::capCBusedata));
    Ltextdata.SetText(text(TextKey::capLDatatext));
    RB_upp.SetText(text(TextKey::posUp));
    RB_bott.SetText(text(TextKey::posBottom));
    CB_autoPer.SetText(text(TextKey::capCBAutoPer));
    TP_text.SetCaption(text(TextKey::mConfig));
    FormHints().Set(SB_text_l.Handle(), text(TextKey::aligL));
    FormHints().Set(SB_text_c.Handle(), text(TextKey::aligC));
    FormHints().Set(SB_text_r.Handle(), text(TextKey::aligR));
    CB_mouse_atas.SetText(text(TextKey::vidMouseLook));
    GB_ml.SetText(text(TextKey::vidInterval));
}

void TSettingsForm::ShowForSticker(HWND sticker, const TextStyleBlock& caption, const TextStyleBlock& date,
                                   const TextStyleBlock& body, const PlacementBlock& placement, int page) {
    // Filling it now would turn the showing dialog to another sticker.
    if (Showing()) {
        BringModalToFront();
        return;
    }
    FillForSticker(sticker, caption, date, body, placement, page);
    CentreOnDesktop();
    ShowModalDialog();
}

void TSettingsForm::FillForSticker(HWND sticker, const TextStyleBlock& caption, const TextStyleBlock& date,
                                   const TextStyleBlock& body, const PlacementBlock& placement, int page) {
    m_filling = true;
    // The sticker, and the copies OK compares with so that it sends only what changed.
    m_sticker = sticker;
    m_opening = SettingsOpening{};
    m_opening.caption = caption;
    m_opening.body = body;
    m_opening.placement = placement;
    // Texts, fonts and colours.
    ECaption.SetText(caption.text.View());
    CBListFonts.SelectFont(caption.fontName.View());
    CBFontNameText.SelectFont(body.fontName.View());
    // The memo previews this sticker's face, not one chosen for another and cancelled.
    memo.SetFontFace(body.fontName.View());
    CB_lockMove.SetChecked(placement.locked != 0);
    CB_capt.SetSelected(caption.color);
    CBColor.SetSelected(body.color);
    const std::wstring title =
        m_host->ShownText(TextKey::fConfig) + L" " + WideFromCodePage(caption.text.View(), CP_ACP);
    SetCaption(title);
    // The date text set from code is not an edit, unless the box showed another text before.
    const bool dateDiffers = EdateText.Text() != date.text.View();
    EdateText.SetText(date.text.View());
    m_opening.dateTextEdited = dateDiffers;
    CBDatause.SetChecked(date.ShowDate());
    CBShadCapt.SetChecked(caption.shadow != 0);
    CBShadText.SetChecked(body.shadow != 0);
    look.CB_pic_use.SetChecked(placement.showPicture != 0);
    memo.SetText(body.text.View());
    // The interface texts, the look, the date and the hiding controls.
    ApplyTexts();
    look.Fill(LookOf(placement));
    look.CB_styleClick();
    look.CBuseColorClick();
    EdateText.SetEnabled(CBDatause.Checked());
    Ltextdata.SetEnabled(CBDatause.Checked());
    CB_mouse_atas.SetChecked(placement.hideAtPointer != 0);
    TB_Ma.SetPosition(placement.hideDelayStep);
    TB_MaChange();
    // The page asked for, the layer, and the text's size, shadow colour, wrapping and alignment.
    if (page >= 0) PC.SelectPage(page);
    RB_bott.SetChecked(placement.layer != 0);
    RB_upp.SetChecked(placement.layer == 0);
    SelectSize(body.fontSize);
    CBColorSh.SetSelected(placement.shadowColor);
    CB_autoPer.SetChecked(placement.wordWrap != 0);
    memo.SetWordWrap(placement.wordWrap != 0);
    SetAlignment(placement.alignment);
    // The patterns: Load starts disabled, and the remembered pattern's click enables it.
    patterns.Fill(m_rememberedPattern);
    m_opening.dateUseToggled = false;
    m_filling = false;
}

void TSettingsForm::SelectSize(int size) {
    const int index = TextSizeIndex(size);
    CBsizetext.Select(index);
    memo.SetFontSize(index >= 0 ? TextSizeOfIndex(index) : kDefaultTextSize);
}

void TSettingsForm::SetAlignment(int alignment) {
    m_alignment.SetDownIndex(alignment >= 0 && alignment <= 2 ? alignment : -1);
}

int TSettingsForm::Alignment() const { return m_alignment.DownIndex(); }

SettingsValues TSettingsForm::ReadValues() const {
    SettingsValues v;
    const LookValues shown = look.Read();
    v.opacity = shown.opacity;
    v.locked = CB_lockMove.Checked();
    v.captionShadow = CBShadCapt.Checked();
    v.textShadow = CBShadText.Checked();
    v.showDate = CBDatause.Checked();
    v.showPicture = look.CB_pic_use.Checked();
    v.onDesktop = RB_bott.Checked();
    v.wordWrap = CB_autoPer.Checked();
    v.hideAtPointer = CB_mouse_atas.Checked();
    v.hideDelayStep = static_cast<std::uint8_t>(TB_Ma.Value());
    v.captionColor = CB_capt.Selected();
    v.textColor = CBColor.Selected();
    v.shadowColor = CBColorSh.Selected();
    if (CBListFonts.Selected() >= 0) v.captionFont = CBListFonts.SelectedFont();
    v.captionText = ECaption.Text();
    v.useOwnColor = shown.useOwnColor;
    v.stickerColor = shown.color;
    v.iconIndex = std::max(look.CB_icons.Selected(), 0);
    v.pictureNumber = shown.pictureNumber;
    v.dateText = EdateText.Text();
    v.bodyText = memo.Text();
    if (CBFontNameText.Selected() >= 0) v.textFont = CBFontNameText.SelectedFont();
    v.style = std::max(shown.style, 0);
    const int alignment = Alignment();
    if (alignment >= 0) v.alignment = alignment;
    if (CBsizetext.Selected() >= 0) v.sizeIndex = CBsizetext.Selected();
    return v;
}

void TSettingsForm::SendToSticker(const std::vector<SettingsMessage>& messages) const {
    for (const SettingsMessage& m : messages) {
        if (m.kind == SettingsMessage::Kind::kPost) {
            ::PostMessageA(m_sticker, protocol::kStickerCommandMessage, m.value, m.code);
            continue;
        }
        // The strings reach the sticker at once, before the posted values that precede them.
        std::string text = m.text;
        COPYDATASTRUCT data{0, static_cast<DWORD>(text.size() + 1), text.data()};
        ::SendMessageA(m_sticker, WM_COPYDATA, m.code, reinterpret_cast<LPARAM>(&data));
    }
}

void TSettingsForm::OkClick(const Button& button) {
    if (m_sticker != nullptr) {
        SettingsValues values = ReadValues();
        const std::vector<SettingsMessage> messages = SettingsApplyMessages(values, m_opening);
        // The empty note's first icon shows in the box as well.
        if (look.CB_icons.Selected() != values.iconIndex) look.CB_icons.Select(values.iconIndex);
        SendToSticker(messages);
    }
    m_host->PostSaveRequest();
    m_opening.dateUseToggled = false;
    if (button.tag == kClosingTag) Close();
}

void TSettingsForm::BNOClick() { Close(); }

void TSettingsForm::FormClose() {
    // The remembered pattern follows the box only once config.txt holds one.
    if (m_rememberedPattern.empty() || patterns.CB_press.Selected() < 0) return;
    m_rememberedPattern = patterns.CB_press.SelectedText();
    if (!WriteRememberedPattern(m_host->ProgramFolder(), m_rememberedPattern))
        ShowErrorBox("Unable to write to " + m_host->ProgramFolder() + "config.txt");
}

void TSettingsForm::CBFontNameTextChange() { memo.SetFontFace(CBFontNameText.SelectedFont()); }

void TSettingsForm::CB_autoPerClick() { memo.SetWordWrap(CB_autoPer.Checked()); }

void TSettingsForm::MemoChange() { LCount.SetText(memo.CounterText()); }

void TSettingsForm::CBDatauseClick() {
    EdateText.SetEnabled(CBDatause.Checked());
    Ltextdata.SetEnabled(CBDatause.Checked());
    m_opening.dateUseToggled = true;
}

void TSettingsForm::EdateTextChange() {
    if (!m_filling) m_opening.dateTextEdited = true;
}

void TSettingsForm::TB_MaChange() { L_sec.SetText(SecondsText(TB_Ma.Value(), m_host->ShownText(TextKey::vidIntSec))); }

void TSettingsForm::LoadPattern(const StickerRecord& pattern) {
    const PlacementBlock& p = pattern.placement;
    look.Fill(LookOf(p));
    look.CBuseColorClick();
    CBColorSh.SetSelected(p.shadowColor);
    CBFontNameText.SelectFont(pattern.body.fontName.View());
    CBFontNameTextChange();
    CBShadText.SetChecked(pattern.body.shadow != 0);
    SelectSize(pattern.body.fontSize);
    CBColor.SetSelected(pattern.body.color);
    CBListFonts.SelectFont(pattern.caption.fontName.View());
    CBShadCapt.SetChecked(pattern.caption.shadow != 0);
    CB_capt.SetSelected(pattern.caption.color);
    SetAlignment(p.alignment);
    look.CB_styleClick();
}

void TSettingsForm::BsavePattern1Click() {
    std::string name;
    if (!m_host->AskPatternName(name)) return;
    // A box without a selection saves what the sticker has, as OK sends it.
    const SettingsValues values = ReadValues();
    PatternLook saved;
    saved.style = values.style;
    saved.useColor = values.useOwnColor;
    saved.color = values.stickerColor;
    saved.transparent = values.opacity;
    saved.shadowColor = CBColorSh.Selected();
    saved.textFont = values.textFont.value_or(m_opening.body.fontName.Get());
    saved.textSize = values.sizeIndex ? TextSizeOfIndex(*values.sizeIndex) : m_opening.body.fontSize;
    saved.textColor = CBColor.Selected();
    saved.textShadow = CBShadText.Checked();
    saved.captionFont = values.captionFont.value_or(m_opening.caption.fontName.Get());
    saved.captionColor = CB_capt.Selected();
    saved.captionShadow = CBShadCapt.Checked();
    saved.alignment = Alignment() >= 0 ? Alignment() : kNoAlignment;
    saved.pictureNumber = values.pictureNumber;
    const std::string fileName = WritePatternFile(m_host->ProgramFolder(), name, saved, PatternTimeNow());
    patterns.Fill(m_rememberedPattern);
    // The new pattern is the chosen one, previewed and ready to load or delete.
    for (int i = 0; i < patterns.CB_press.Count(); ++i) {
        if (PatternFileOf(patterns.CB_press.Item(i)) != fileName) continue;
        patterns.CB_press.Select(i);
        patterns.CB_pressClick();
        return;
    }
}

void TSettingsForm::BdelPattern1Click() {
    const std::string path = patterns.SelectedPath();
    if (path.empty()) return;
    DeletePatternFile(path);  // a failure goes to the error box and leaves the list as it is
    patterns.Fill(m_rememberedPattern);
    // The deleted pattern was the chosen one: none is now.
    patterns.ShowNoPattern();
}

}  // namespace velpiners
