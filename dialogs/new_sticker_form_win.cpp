#include "dialogs/new_sticker_form_win.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "base/today_text_win.h"
#include "dialogs/settings_apply.h"
#include "dialogs/preview_win.h"
#include "sticker/sticker_state.h"
#include "store/pattern.h"
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

// Appearance page.
constexpr Bounds kGBBounds{8, 2, 161, 178};
constexpr Bounds kI_styleBounds{16, 18, 145, 121};
constexpr Bounds kCB_styleBounds{16, 146, 145, 21};
constexpr Bounds kLtranBounds{177, 2, 190, 58};
constexpr Bounds kTrackBarBounds{183, 18, 178, 34};
constexpr Bounds kCBuseColorBounds{177, 66, 190, 17};
constexpr Bounds kCBColorMaskBounds{177, 86, 158, 22};
constexpr Bounds kSBrandomBounds{341, 85, 24, 24};
constexpr Bounds kTS5Bounds{177, 114, 190, 66};
constexpr Bounds kCB_iconsBounds{185, 132, 174, 42};
constexpr Bounds kCB_pic_useBounds{185, 160, 100, 17};
constexpr int kIconItemHeight = 36;

// The random colour button's glyph: four colour squares inside a border of the transparent colour.
constexpr int kGlyphSide = 16;
constexpr std::array<std::array<std::uint8_t, 3>, 4> kGlyphColors = {{
    {0x30, 0x30, 0xE0},  // B, G, R
    {0x30, 0xC0, 0x30},
    {0xE0, 0x60, 0x30},
    {0x30, 0xD0, 0xE0},
}};
constexpr std::array<std::uint8_t, 3> kGlyphTransparent = {0xFF, 0x00, 0xFF};

// Text options page.
constexpr Bounds kGB_captBounds{8, 2, 359, 52};
constexpr Bounds kCBFontNameCaptBounds{16, 20, 200, 26};
constexpr Bounds kCB_color_captBounds{224, 22, 135, 22};
constexpr Bounds kGB_textBounds{8, 58, 359, 52};
constexpr Bounds kCBFontNameTextBounds{16, 76, 150, 26};
constexpr Bounds kCBsizetextBounds{172, 78, 46, 21};
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
constexpr Bounds kGB_prew_pressBounds{8, 2, 361, 154};
constexpr Bounds kI_pressBounds{16, 18, 345, 129};
constexpr Bounds kCB_pressBounds{8, 166, 270, 22};
constexpr Bounds kB_press_primBounds{286, 164, 83, 25};

// Below the pages.
constexpr Bounds kCBPosBounds{8, 253, 220, 17};
constexpr Bounds kBOKBounds{238, 249, 75, 25};
constexpr Bounds kBNOBounds{318, 249, 75, 25};

// Any value that is no style draws the preview's empty frame.
constexpr int kNoStyle = -1;
constexpr std::string_view kProgramFont = "tahoma";

enum Page : int { kTextPage = 0, kLookPage = 1, kTextOptionsPage = 2, kPatternsPage = 3 };

// " text ": a group box caption that keeps a little room from the frame.
std::wstring Spaced(const std::wstring& text) { return L" " + text + L" "; }

}  // namespace

void TFormStickerMess::FormCreate() {
    CreateDialogForm("TFormStickerMess", kClientWidth, kClientHeight, DialogBorder::kToolWindow);
    HFONT font = DialogFont();
    m_pages.Create(Handle(), kPagesBounds, font);
    for (int i = 0; i < kPageCount; ++i) m_pages.AddPage(L"");
    CreateTextPage(m_pages.Page(kTextPage), font);
    CreateLookPage(m_pages.Page(kLookPage), font);
    CreateTextOptionsPage(m_pages.Page(kTextOptionsPage), font);
    CreatePatternsPage(m_pages.Page(kPatternsPage), font);

    m_CBPos.Create(Handle(), kCBPosBounds, font);
    m_BOK.Create(Handle(), kBOKBounds, font, {}, IDOK, true);
    m_BNO.Create(Handle(), kBNOBounds, font, {}, IDCANCEL);
    m_BOK.onClick = [this] { BOKClick(); };
    m_BNO.onClick = [this] { BNOClick(); };

    m_pages.SelectPage(kTextPage);
    ApplyTexts();
}

void TFormStickerMess::CreateTextPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    m_LCaption.Create(parent, kLCaptionBounds, font);
    m_ECaption.Create(parent, kECaptionBounds, font, {}, kCaptionLimit);
    m_CB_date.Create(parent, kCB_dateBounds, font);
    m_Edate.Create(parent, kEdateBounds, font, {}, kCaptionLimit);
    m_Memo.Create(parent, kMemoBounds, font, true);
    m_CB_autoPer.Create(parent, kCB_autoPerBounds, font);
    m_CB_autoPer.SetChecked(true);
    m_LCount.Create(parent, kLCountBounds, font, {}, SS_RIGHT);
    m_LCount.SetText(kEmptyCounter);
    m_Memo.onChange = [this] { MemoChange(); };
    m_CB_autoPer.onClick = [this] { CB_autoPerClick(); };
}

void TFormStickerMess::CreateLookPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    m_GB.Create(parent, kGBBounds, font);
    m_I_style.Create(parent, kI_styleBounds);
    m_I_style.SetCanvasFont(kProgramFont, ImageControl::kDefaultPoints);
    m_CB_style.Create(parent, kCB_styleBounds, font, ComboBox::Kind::kList, 0, false, graphics::kStyleCount);
    m_Ltran.Create(parent, kLtranBounds, font);
    m_TrackBar.Create(parent, kTrackBarBounds, kTransparencyTrackBar);
    m_CBuseColor.Create(parent, kCBuseColorBounds, font);
    m_CBColorMask.Create(parent, kCBColorMaskBounds, font);
    m_SBrandom.Create(parent, kSBrandomBounds, font);
    CreateRandomGlyph();
    m_TS5.Create(parent, kTS5Bounds, font);
    m_CB_icons.Create(parent, kCB_iconsBounds, font, kIconItemHeight, false);
    m_CB_pic_use.Create(parent, kCB_pic_useBounds, font);
    m_CB_pic_use.SetVisible(false);

    std::vector<std::string> items;
    m_host.FillIconList(m_CB_icons.Images(), items);
    m_CB_icons.SetItems(std::move(items));

    m_CB_style.onClick = [this] { CB_styleClick(); };
    // The preview shows the skin colour too, so choosing one draws it again.
    m_CBColorMask.onChange = [this] { CB_styleClick(); };
    m_SBrandom.onClick = [this] { SBrandomClick(); };
}

void TFormStickerMess::CreateRandomGlyph() {
    graphics::Picture glyph(kGlyphSide, kGlyphSide, 24);
    const int half = kGlyphSide / 2;
    for (int y = 0; y < kGlyphSide; ++y) {
        for (int x = 0; x < kGlyphSide; ++x) {
            const bool border = x == 0 || y == 0 || x == kGlyphSide - 1 || y == kGlyphSide - 1;
            const auto& color = border
                                    ? kGlyphTransparent
                                    : kGlyphColors[static_cast<std::size_t>((y < half ? 0 : 2) + (x < half ? 0 : 1))];
            std::copy(color.begin(), color.end(), glyph.Pixel(x, y));
        }
    }
    m_SBrandom.SetGlyph(glyph);
}

void TFormStickerMess::CreateTextOptionsPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    m_GB_capt.Create(parent, kGB_captBounds, font);
    m_CBFontNameCapt.Create(parent, kCBFontNameCaptBounds, font);
    m_CB_color_capt.Create(parent, kCB_color_captBounds, font);
    m_GB_text.Create(parent, kGB_textBounds, font);
    m_CBFontNameText.Create(parent, kCBFontNameTextBounds, font);
    m_CBsizetext.Create(parent, kCBsizetextBounds, font);
    m_CB_color_text.Create(parent, kCB_color_textBounds, font);
    m_GB_ml.Create(parent, kGB_mlBounds, font);
    m_CB_mouse_atas.Create(parent, kCB_mouse_atasBounds, font);
    m_TB_Ma.Create(parent, kTB_MaBounds, kHideDelaySetup);
    m_L_sec.Create(parent, kL_secBounds, font);

    for (FontBox* box : {&m_CBFontNameText, &m_CBFontNameCapt}) {
        box->FillInstalledFonts();
        box->SelectFont(kProgramFont);
    }
    for (int size = kSmallestTextSize; size <= kLargestTextSize; size += kTextSizeStep)
        m_CBsizetext.Add(std::to_string(size));

    m_CBFontNameText.onChange = [this] { CBFontNameTextChange(); };
    m_CBsizetext.onChange = [this] { CBsizetextChange(); };
    m_TB_Ma.onChange = [this] { TB_MaChange(); };
}

void TFormStickerMess::CreatePatternsPage(Panel& page, HFONT font) {
    HWND parent = page.Handle();
    m_GB_prew_press.Create(parent, kGB_prew_pressBounds, font);
    m_I_press.Create(parent, kI_pressBounds);
    m_I_press.SetCanvasFont(kProgramFont, ImageControl::kDefaultPoints);
    m_CB_press.Create(parent, kCB_pressBounds, font);
    m_B_press_prim.Create(parent, kB_press_primBounds, font);
    m_B_press_prim.SetEnabled(false);
    m_CB_press.onClick = [this] { CB_pressClick(); };
    m_B_press_prim.onClick = [this] { B_press_primClick(); };
}

void TFormStickerMess::ApplyTexts() {
    const auto text = [this](TextKey key) { return m_host.ShownText(key); };
    SetCaption(L" Velpiners: " + text(TextKey::mNewStick));
    m_LCaption.SetText(text(TextKey::capLtext));
    m_CB_date.SetText(text(TextKey::capCBusedata));
    m_BOK.SetText(text(TextKey::bOk));
    m_BNO.SetText(text(TextKey::bNO));
    m_CBPos.SetText(text(TextKey::posUp));
    m_pages.SetPageCaption(kTextPage, text(TextKey::tabText));
    m_pages.SetPageCaption(kLookPage, text(TextKey::tabVid));
    m_pages.SetPageCaption(kTextOptionsPage, text(TextKey::mConfig));
    m_pages.SetPageCaption(kPatternsPage, text(TextKey::tabPattern));
    m_Ltran.SetText(Spaced(text(TextKey::vidLTransp)));
    m_GB.SetText(Spaced(text(TextKey::vidBGSt)));
    m_GB_prew_press.SetText(Spaced(text(TextKey::vidBGSt)));
    m_CBuseColor.SetText(text(TextKey::fUseColor));
    FormHints().Set(m_SBrandom.Handle(), text(TextKey::fSBrandhint));
    m_CB_autoPer.SetText(text(TextKey::capCBAutoPer));
    m_GB_text.SetText(Spaced(text(TextKey::tabText)));
    m_GB_capt.SetText(Spaced(text(TextKey::tabCapt)));
    m_TS5.SetText(text(TextKey::tabIcon));
    m_CB_mouse_atas.SetText(text(TextKey::vidMouseLook));
    m_GB_ml.SetText(text(TextKey::vidInterval));
    m_B_press_prim.SetText(text(TextKey::bPattPrim));
    const int style = m_CB_style.Selected();
    m_CB_style.Clear();
    for (int i = 0; i < graphics::kStyleCount; ++i)
        m_CB_style.Add(text(static_cast<TextKey>(static_cast<int>(TextKey::vidSt1) + i)));
    m_CB_style.Select(style);
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
    if (!life.Alive() || m_BOK.tag <= 0) return;
    m_host.MakeStickerFromDialog(m_ECaption.Text(), m_Edate.Text(), m_CBPos.Checked(), m_CB_date.Checked(),
                                 m_Memo.Text());
}

void TFormStickerMess::FillFromDefaults() {
    m_BOK.tag = 0;
    m_patternCaptionShadow.reset();
    m_patternTextShadow.reset();
    ApplyTexts();

    m_ECaption.SetText(m_host.Text(TextKey::dfNapom));
    m_Edate.SetText(TodayText());
    m_Memo.SetText(m_host.Text(TextKey::dfText));

    const StickerDefaults& d = m_host.Defaults();
    m_CB_style.Select(d.style);
    m_TrackBar.SetPosition(d.opacity);
    m_CBuseColor.SetChecked(d.useOwnColor);
    m_CBPos.SetChecked(d.onTop);
    m_CB_autoPer.SetChecked(d.wordWrap);
    m_CB_color_capt.SetSelected(d.captionColor);
    m_CB_color_text.SetSelected(d.textColor);
    m_CBFontNameText.SelectFont(d.textFont);
    m_CBFontNameCapt.SelectFont(d.captionFont);
    m_Memo.SetFontFace(d.textFont);
    m_CB_icons.SelectPicture(d.pictureNumber);
    m_CB_pic_use.SetChecked(d.showPicture);
    m_CB_mouse_atas.SetChecked(d.hideAtPointer);
    m_TB_Ma.SetPosition(d.hideDelayStep);
    TB_MaChange();
    SelectTextSize(d.textSize);
    m_Memo.SetWordWrap(d.wordWrap);

    // Never the last colour: every new sticker is proposed in a colour of its own. This draws the preview.
    SBrandomClick();

    m_pages.SelectPage(kTextPage);
    m_Memo.SelectAll();
    m_focused = m_Memo.Handle();
    CentreOnDesktop();
    m_CB_date.SetChecked(true);

    // The pattern box's click on the remembered pattern previews it and enables loading.
    m_B_press_prim.SetEnabled(false);
    dialogs::RenderStylePreview(m_I_press, kNoStyle, 0, m_host);
    FillPatternList(m_CB_press, m_host.ProgramFolder(), ReadRememberedPattern(m_host.ProgramFolder()));
}

void TFormStickerMess::SelectTextSize(int size) {
    const int index = TextSizeIndex(size);
    m_CBsizetext.Select(index);
    m_Memo.SetFontSize(index >= 0 ? TextSizeOfIndex(index) : std::clamp(size, kSmallestTextSize, kLargestTextSize));
}

NewStickerLook TFormStickerMess::LookOfControls() const {
    const StickerDefaults& d = m_host.Defaults();
    NewStickerLook look;
    // A style the list does not hold (a damaged config.txt) stays as it was.
    look.style = m_CB_style.Selected() >= 0 ? m_CB_style.Selected() : d.style;
    look.opacity = static_cast<std::uint8_t>(m_TrackBar.Position());
    look.useOwnColor = m_CBuseColor.Checked();
    look.onTop = m_CBPos.Checked();
    look.stickerColor = m_CBColorMask.Selected();
    look.wordWrap = m_CB_autoPer.Checked();
    look.textColor = m_CB_color_text.Selected();
    look.captionColor = m_CB_color_capt.Selected();
    if (m_CBFontNameText.Selected() >= 0) look.textFont = m_CBFontNameText.SelectedFont();
    if (m_CBFontNameCapt.Selected() >= 0) look.captionFont = m_CBFontNameCapt.SelectedFont();
    if (m_CBsizetext.Selected() >= 0) look.sizeIndex = m_CBsizetext.Selected();
    look.showPicture = m_CB_pic_use.Checked();
    look.pictureNumber = m_CB_icons.PictureNumber();
    look.hideAtPointer = m_CB_mouse_atas.Checked();
    look.hideDelayStep = static_cast<std::uint8_t>(m_TB_Ma.Value());
    look.patternCaptionShadow = m_patternCaptionShadow;
    look.patternTextShadow = m_patternTextShadow;
    return look;
}

void TFormStickerMess::BOKClick() {
    m_BOK.tag = 1;
    ApplyNewStickerLook(LookOfControls(), m_host.Defaults());
    Close();
}

void TFormStickerMess::BNOClick() { Close(); }

void TFormStickerMess::SBrandomClick() {
    m_CBColorMask.SelectRandomColor();
    CB_styleClick();
}

void TFormStickerMess::CBFontNameTextChange() { m_Memo.SetFontFace(m_CBFontNameText.SelectedFont()); }

void TFormStickerMess::CBsizetextChange() { m_Memo.SetFontSize(TextSizeOfIndex(m_CBsizetext.Selected())); }

void TFormStickerMess::CB_autoPerClick() { m_Memo.SetWordWrap(m_CB_autoPer.Checked()); }

void TFormStickerMess::MemoChange() { m_LCount.SetText(m_Memo.CounterText()); }

void TFormStickerMess::TB_MaChange() {
    const std::string seconds = FormatSeconds(m_TB_Ma.Value());  // digits and a comma
    m_L_sec.SetText(std::wstring(seconds.begin(), seconds.end()) + L" " + m_host.ShownText(TextKey::vidIntSec));
}

void TFormStickerMess::CB_styleClick() {
    dialogs::RenderStylePreview(m_I_style, m_CB_style.Selected(), m_CBColorMask.Selected(), m_host);
}

void TFormStickerMess::CB_pressClick() {
    const std::string path = SelectedPatternPath(m_CB_press, m_host.ProgramFolder());
    if (path.empty()) return;
    ReadPatternFile(path, m_scratch);
    dialogs::RenderPatternPreview(m_scratch, m_I_press, m_Memo.Text(), m_host);
    m_B_press_prim.SetEnabled(true);
}

// Loading a pattern sets the look controls the two sticker dialogs share; the shadows wait for OK here.
void TFormStickerMess::B_press_primClick() {
    const std::string path = SelectedPatternPath(m_CB_press, m_host.ProgramFolder());
    if (path.empty()) return;
    ReadPatternFile(path, m_scratch);
    const PlacementBlock& p = m_scratch.placement;
    m_CB_style.Select(p.style);
    m_CBuseColor.SetChecked(p.useOwnColor != 0);
    m_CBColorMask.SetSelected(p.color);
    m_TrackBar.SetPosition(p.opacity);
    m_CBFontNameText.SelectFont(m_scratch.body.fontName.View());
    m_Memo.SetFontFace(m_scratch.body.fontName.View());
    SelectTextSize(m_scratch.body.fontSize);
    m_CB_color_text.SetSelected(m_scratch.body.color);
    m_CBFontNameCapt.SelectFont(m_scratch.caption.fontName.View());
    m_CB_color_capt.SetSelected(m_scratch.caption.color);
    m_CB_icons.SelectPicture(p.PictureNumber());
    m_patternCaptionShadow = m_scratch.caption.shadow != 0;
    m_patternTextShadow = m_scratch.body.shadow != 0;
    CB_styleClick();
    m_B_press_prim.SetEnabled(false);
}

void TFormStickerMess::FocusControl() {
    // The memo is remade when wrapping switches: a control that is gone hands the focus to it.
    if (m_focused != nullptr && ::IsWindow(m_focused) && ::IsChild(Handle(), m_focused)) {
        ::SetFocus(m_focused);
    } else {
        m_Memo.Focus();
    }
}

HWND TFormStickerMess::Component(Part part) const {
    switch (part) {
        case Part::kPC:
            return m_pages.Handle();
        case Part::kECaption:
            return m_ECaption.Handle();
        case Part::kCB_date:
            return m_CB_date.Handle();
        case Part::kEdate:
            return m_Edate.Handle();
        case Part::kMemo:
            return m_Memo.Handle();
        case Part::kCB_autoPer:
            return m_CB_autoPer.Handle();
        case Part::kLCount:
            return m_LCount.Handle();
        case Part::kI_style:
            return m_I_style.Handle();
        case Part::kCB_style:
            return m_CB_style.Handle();
        case Part::kTrackBar:
            return m_TrackBar.Handle();
        case Part::kCBuseColor:
            return m_CBuseColor.Handle();
        case Part::kCBColorMask:
            return m_CBColorMask.Handle();
        case Part::kSBrandom:
            return m_SBrandom.Handle();
        case Part::kCB_icons:
            return m_CB_icons.Handle();
        case Part::kCB_pic_use:
            return m_CB_pic_use.Handle();
        case Part::kCBFontNameCapt:
            return m_CBFontNameCapt.Handle();
        case Part::kCB_color_capt:
            return m_CB_color_capt.Handle();
        case Part::kCBFontNameText:
            return m_CBFontNameText.Handle();
        case Part::kCBsizetext:
            return m_CBsizetext.Handle();
        case Part::kCB_color_text:
            return m_CB_color_text.Handle();
        case Part::kCB_mouse_atas:
            return m_CB_mouse_atas.Handle();
        case Part::kTB_Ma:
            return m_TB_Ma.Handle();
        case Part::kL_sec:
            return m_L_sec.Handle();
        case Part::kI_press:
            return m_I_press.Handle();
        case Part::kCB_press:
            return m_CB_press.Handle();
        case Part::kB_press_prim:
            return m_B_press_prim.Handle();
        case Part::kCBPos:
            return m_CBPos.Handle();
        case Part::kBOK:
            return m_BOK.Handle();
        case Part::kBNO:
            return m_BNO.Handle();
    }
    return nullptr;
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
