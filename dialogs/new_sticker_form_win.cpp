#include "dialogs/new_sticker_form_win.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/today_text_win.h"
#include "dialogs/settings_apply.h"
#include "sticker/sticker_state.h"
#include "store/pattern.h"
#include "store/pattern_files_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

// The dialog's client area and the page control.
constexpr int kClientWidth = 401;
constexpr int kClientHeight = 281;
constexpr Bounds kPagesBounds{8, 8, 385, 233};

// Text page.
constexpr Bounds kLCaptionBounds{8, 12, 84, 13};
constexpr Bounds kECaptionBounds{96, 8, 271, 21};
constexpr Bounds kCB_dateBounds{8, 37, 84, 17};
constexpr Bounds kEdateBounds{96, 35, 120, 21};
constexpr Bounds kMemoBounds{8, 62, 359, 114};
constexpr Bounds kCB_autoPerBounds{8, 182, 240, 17};
constexpr Bounds kLCountBounds{287, 184, 80, 13};
constexpr int kCaptionLimit = 255;
constexpr std::string_view kEmptyCounter = "0/255";

// Appearance page, in the order of the layout's fields.
constexpr LookPageLayout kLook{{8, 2, 161, 178},    {16, 18, 145, 121},  {16, 146, 145, 21}, {177, 2, 190, 58},
                               {183, 18, 178, 34},  {177, 66, 190, 17},  {177, 86, 158, 22}, {341, 85, 24, 24},
                               {177, 114, 190, 66}, {185, 132, 174, 42}, {185, 160, 100, 17}};
// Its icon items are taller and all of one height; the transparency caption is spaced as the frames' are.
constexpr int kIconItemHeight = 36;
constexpr LookPageOptions kLookOptions{kIconItemHeight, false, true};

// Text options page.
constexpr Bounds kGB_captBounds{8, 2, 359, 52};
constexpr Bounds kCBFontNameCaptBounds{16, 22, 200, ComboBox::kRowBoxHeight};
constexpr Bounds kCB_color_captBounds{224, 22, 135, 22};
constexpr Bounds kGB_textBounds{8, 58, 359, 52};
constexpr Bounds kCBFontNameTextBounds{16, 78, 150, ComboBox::kRowBoxHeight};
constexpr Bounds kCBsizetextBounds{172, 78, 46, ComboBox::kRowBoxHeight};
constexpr Bounds kCB_color_textBounds{224, 78, 135, 22};
constexpr Bounds kGB_mlBounds{8, 114, 359, 84};
constexpr Bounds kCB_mouse_atasBounds{16, 132, 340, 17};
constexpr Bounds kTB_MaBounds{16, 154, 250, 34};
constexpr Bounds kL_secBounds{272, 164, 87, 13};
// The hide delay starts at 30 steps of 20 ms.
constexpr int kHideDelayStart = 30;
constexpr TrackBarSetup kHideDelaySetup = [] {
    TrackBarSetup setup = kHideDelayTrackBar;
    setup.position = kHideDelayStart;
    return setup;
}();

// Patterns page.
const PatternsPageLayout kPatterns{{8, 2, 361, 154}, {16, 18, 345, 129}, {8, 166, 270, 22}, {286, 164, 83, 25}, {}, {}};

// Below the pages.
constexpr Bounds kCBPosBounds{8, 253, 220, 17};
constexpr Bounds kBOKBounds{238, 249, 75, 25};
constexpr Bounds kBNOBounds{318, 249, 75, 25};

constexpr std::string_view kProgramFont = "tahoma";

enum Page : int { kTextPage = 0, kLookPage = 1, kTextOptionsPage = 2, kPatternsPage = 3 };

// " text ": a group box caption that keeps a little room from the frame.
std::wstring Spaced(const std::wstring& text) { return L" " + text + L" "; }

}  // namespace

void TFormStickerMess::FormCreate() {
    CreateDialogForm("TFormStickerMess", kClientWidth, kClientHeight, DialogBorder::kToolWindow);
    HFONT font = DialogFont();
    PC.Create(Handle(), kPagesBounds, font);
    for (int i = 0; i < kPageCount; ++i) PC.AddPage(L"");
    CreateTextPage(PC.Page(kTextPage), font);
    look.Create(PC.Page(kLookPage).Handle(), kLook, font, &m_host, kLookOptions);
    std::vector<std::string> items;
    m_host.FillIconList(look.CB_icons.Images(), items);
    look.CB_icons.SetItems(std::move(items));
    CreateTextOptionsPage(PC.Page(kTextOptionsPage), font);
    patterns.Create(PC.Page(kPatternsPage).Handle(), kPatterns, font, m_host.ProgramFolder(), memo, &m_host, nullptr);
    patterns.onLoad = [this](const StickerRecord& pattern) { LoadPattern(pattern); };

    CBPos.Create(Handle(), kCBPosBounds, font);
    BOK.Create(Handle(), kBOKBounds, font, {}, IDOK, true);
    BNO.Create(Handle(), kBNOBounds, font, {}, IDCANCEL);
    BOK.onClick = [this] { BOKClick(); };
    BNO.onClick = [this] { BNOClick(); };

    PC.SelectPage(kTextPage);
    ApplyTexts();
}

void TFormStickerMess::CreateTextPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    LCaption.Create(parent, kLCaptionBounds, font);
    ECaption.Create(parent, kECaptionBounds, font, {}, kCaptionLimit);
    CB_date.Create(parent, kCB_dateBounds, font);
    Edate.Create(parent, kEdateBounds, font, {}, kCaptionLimit);
    memo.Create(parent, kMemoBounds, font, true);
    CB_autoPer.Create(parent, kCB_autoPerBounds, font);
    CB_autoPer.SetChecked(true);
    LCount.Create(parent, kLCountBounds, font, {}, SS_RIGHT);
    LCount.SetText(kEmptyCounter);
    memo.onChange = [this] { MemoChange(); };
    CB_autoPer.onClick = [this] { CB_autoPerClick(); };
}

void TFormStickerMess::CreateTextOptionsPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    GB_capt.Create(parent, kGB_captBounds, font);
    CBFontNameCapt.Create(parent, kCBFontNameCaptBounds, font);
    CB_color_capt.Create(parent, kCB_color_captBounds, font);
    GB_text.Create(parent, kGB_textBounds, font);
    CBFontNameText.Create(parent, kCBFontNameTextBounds, font);
    CreateTextSizeBox(CBsizetext, parent, kCBsizetextBounds, font);
    CB_color_text.Create(parent, kCB_color_textBounds, font);
    GB_ml.Create(parent, kGB_mlBounds, font);
    CB_mouse_atas.Create(parent, kCB_mouse_atasBounds, font);
    TB_Ma.Create(parent, kTB_MaBounds, kHideDelaySetup);
    L_sec.Create(parent, kL_secBounds, font);

    for (FontBox* box : {&CBFontNameText, &CBFontNameCapt}) {
        box->FillInstalledFonts();
        box->SelectFont(kProgramFont);
    }

    CBFontNameText.onChange = [this] { CBFontNameTextChange(); };
    CBsizetext.onChange = [this] { ShowTextSize(CBsizetext, memo); };
    TB_Ma.onChange = [this] { TB_MaChange(); };
}

void TFormStickerMess::ApplyTexts() {
    const auto text = [this](TextKey key) { return m_host.ShownText(key); };
    SetCaption(L" Velpiners: " + text(TextKey::mNewStick));
    LCaption.SetText(text(TextKey::capLtext));
    CB_date.SetText(text(TextKey::capCBusedata));
    BOK.SetText(text(TextKey::bOk));
    BNO.SetText(text(TextKey::bNO));
    CBPos.SetText(text(TextKey::posUp));
    PC.SetPageCaption(kTextPage, text(TextKey::tabText));
    PC.SetPageCaption(kLookPage, text(TextKey::tabVid));
    PC.SetPageCaption(kTextOptionsPage, text(TextKey::mConfig));
    PC.SetPageCaption(kPatternsPage, text(TextKey::tabPattern));
    look.ApplyTexts(text, FormHints());
    patterns.ApplyTexts(text, FormHints());
    CB_autoPer.SetText(text(TextKey::capCBAutoPer));
    GB_text.SetText(Spaced(text(TextKey::tabText)));
    GB_capt.SetText(Spaced(text(TextKey::tabCapt)));
    CB_mouse_atas.SetText(text(TextKey::vidMouseLook));
    GB_ml.SetText(text(TextKey::vidInterval));
    TB_MaChange();
}

void TFormStickerMess::ShowNewSticker() {
    if (Showing()) {
        BringModalToFront();
        return;
    }
    FillFromDefaults();
    MakeTopmost();
    const LifeWatch life = WatchLife();
    ShowModalDialog();
    if (!life.Alive() || BOK.tag <= 0) return;
    m_host.MakeNewSticker(ECaption.Text(), Edate.Text(), CBPos.Checked(), CB_date.Checked(), memo.Text());
}

void TFormStickerMess::FillFromDefaults() {
    BOK.tag = 0;
    m_patternCaptionShadow.reset();
    m_patternTextShadow.reset();
    ApplyTexts();

    ECaption.SetText(m_host.Text(TextKey::dfNapom));
    Edate.SetText(TodayText());
    memo.SetText(m_host.Text(TextKey::dfText));

    const StickerDefaults& d = m_host.Defaults();
    // The colour is not the defaults': every opening proposes a random one below.
    look.CB_style.Select(d.style);
    look.trackBar.SetPosition(d.opacity);
    look.CBuseColor.SetChecked(d.useOwnColor);
    look.CB_icons.SelectPicture(d.pictureNumber);
    CBPos.SetChecked(d.onTop);
    CB_autoPer.SetChecked(d.wordWrap);
    CB_color_capt.SetSelected(d.captionColor);
    CB_color_text.SetSelected(d.textColor);
    CBFontNameText.SelectFont(d.textFont);
    CBFontNameCapt.SelectFont(d.captionFont);
    memo.SetFontFace(d.textFont);
    look.CB_pic_use.SetChecked(d.showPicture);
    CB_mouse_atas.SetChecked(d.hideAtPointer);
    TB_Ma.SetPosition(d.hideDelayStep);
    TB_MaChange();
    SelectTextSize(d.textSize);
    memo.SetWordWrap(d.wordWrap);

    // Never the last colour: every new sticker is proposed in a colour of its own. This draws the preview.
    look.SBrandomClick();

    PC.SelectPage(kTextPage);
    memo.SelectAll();
    m_focused = memo.Handle();
    CentreOnDesktop();
    CB_date.SetChecked(true);

    patterns.Fill(ReadRememberedPattern(m_host.ProgramFolder()));
}

void TFormStickerMess::SelectTextSize(int size) {
    const int index = TextSizeIndex(size);
    CBsizetext.Select(index);
    memo.SetFontSize(index >= 0 ? TextSizeOfIndex(index) : std::clamp(size, kSmallestTextSize, kLargestTextSize));
}

NewStickerLook TFormStickerMess::LookOfControls() const {
    const StickerDefaults& d = m_host.Defaults();
    NewStickerLook chosen;
    const LookValues shown = look.Read();
    // A style the list does not hold (a damaged config.txt) stays as it was.
    chosen.style = shown.style >= 0 ? shown.style : d.style;
    chosen.opacity = shown.opacity;
    chosen.useOwnColor = shown.useOwnColor;
    chosen.onTop = CBPos.Checked();
    chosen.stickerColor = shown.color;
    chosen.wordWrap = CB_autoPer.Checked();
    chosen.textColor = CB_color_text.Selected();
    chosen.captionColor = CB_color_capt.Selected();
    if (CBFontNameText.Selected() >= 0) chosen.textFont = CBFontNameText.SelectedFont();
    if (CBFontNameCapt.Selected() >= 0) chosen.captionFont = CBFontNameCapt.SelectedFont();
    if (CBsizetext.Selected() >= 0) chosen.sizeIndex = CBsizetext.Selected();
    chosen.showPicture = look.CB_pic_use.Checked();
    chosen.pictureNumber = shown.pictureNumber;
    chosen.hideAtPointer = CB_mouse_atas.Checked();
    chosen.hideDelayStep = static_cast<std::uint8_t>(TB_Ma.Value());
    chosen.patternCaptionShadow = m_patternCaptionShadow;
    chosen.patternTextShadow = m_patternTextShadow;
    return chosen;
}

void TFormStickerMess::BOKClick() {
    BOK.tag = 1;
    ApplyNewStickerLook(LookOfControls(), m_host.Defaults());
    Close();
}

void TFormStickerMess::BNOClick() { Close(); }

void TFormStickerMess::CBFontNameTextChange() { memo.SetFontFace(CBFontNameText.SelectedFont()); }

void TFormStickerMess::CB_autoPerClick() { memo.SetWordWrap(CB_autoPer.Checked()); }

void TFormStickerMess::MemoChange() { LCount.SetText(memo.CounterText()); }

void TFormStickerMess::TB_MaChange() {
    L_sec.SetText(SecondsText(TB_Ma.Value(), m_host.ShownText(TextKey::vidIntSec)));
}

// The shadows of a loaded pattern wait for OK here.
void TFormStickerMess::LoadPattern(const StickerRecord& pattern) {
    look.Fill(LookOf(pattern.placement));
    CBFontNameText.SelectFont(pattern.body.fontName.View());
    memo.SetFontFace(pattern.body.fontName.View());
    SelectTextSize(pattern.body.fontSize);
    CB_color_text.SetSelected(pattern.body.color);
    CBFontNameCapt.SelectFont(pattern.caption.fontName.View());
    CB_color_capt.SetSelected(pattern.caption.color);
    m_patternCaptionShadow = pattern.caption.shadow != 0;
    m_patternTextShadow = pattern.body.shadow != 0;
    look.CB_styleClick();
}

void TFormStickerMess::FocusControl() {
    // The memo is remade when wrapping switches: a control that is gone hands the focus to it.
    if (m_focused != nullptr && ::IsWindow(m_focused) && ::IsChild(Handle(), m_focused)) {
        ::SetFocus(m_focused);
    } else {
        memo.Focus();
    }
}

LRESULT TFormStickerMess::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGED:
            // Kept above everything, topmost stickers included, whatever moved it.
            if (!m_assertingTopmost && Showing()) {
                m_assertingTopmost = true;
                MakeTopmost();
                m_assertingTopmost = false;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(Handle(), focus)) m_focused = focus;
            } else {
                FocusControl();
            }
            return 0;
        case WM_SETFOCUS:
            // The window itself never keeps the focus (activation, or a click on its caption, gives it there).
            FocusControl();
            return 0;
        default:
            break;
    }
    return DialogForm::OnMessage(message, wParam, lParam);
}

}  // namespace velpiners
