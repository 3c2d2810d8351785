#include "dialogs/form_dialog_win.h"

#include <algorithm>
#include <exception>

#include "ui/modal_win.h"

namespace velpiners {
namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 113;
// The message of a confirmation is centred both ways in this box.
constexpr Bounds kMessageBox{8, 8, 297, 57};
// A prompt starts here and grows downward with its text, at least one line high.
constexpr Bounds kPromptBox{13, 16, 281, 13};
constexpr Bounds kAnswerBox{24, 36, 265, 21};
constexpr Bounds kOkButton{144, 80, 75, 25};
constexpr Bounds kNoButton{224, 80, 75, 25};

}  // namespace

bool TFormDialog::FormCreate(TextLookup texts) {
    m_texts = std::move(texts);
    try {
        CreateDialogForm("TFormDialog", kClientWidth, kClientHeight, DialogBorder::kDialog);
        LText.Create(Handle(), kMessageBox, DialogFont(), {}, SS_CENTER | SS_NOPREFIX);
        E_text.Create(Handle(), kAnswerBox, DialogFont());
        BOK.Create(Handle(), kOkButton, DialogFont(), {}, IDOK, true);
        BNO.Create(Handle(), kNoButton, DialogFont(), {}, IDCANCEL);
    } catch (const std::exception&) {
        return false;
    }
    BOK.onClick = [this] { BOKClick(); };
    BNO.onClick = [this] { Close(); };
    return true;
}

HWND TFormDialog::Control(ControlId id) const {
    switch (id) {
        case kLText:
            return LText.Handle();
        case kEText:
            return E_text.Handle();
        case kBOK:
            return BOK.Handle();
        case kBNO:
            return BNO.Handle();
    }
    return nullptr;
}

void TFormDialog::PrepareButtons(const std::wstring& caption) {
    SetCaption(caption);
    BOK.SetText(m_texts ? m_texts(TextKey::bOk) : std::wstring(L"OK"));
    BNO.SetText(m_texts ? m_texts(TextKey::bNO) : std::wstring(L"Cancel"));
    CentreOnDesktop();
    BOK.tag = 0;
}

bool TFormDialog::ShowingAlready() const {
    if (!Showing()) return false;
    // Its texts and answer belong to the question it shows.
    BringModalToFront();
    return true;
}

bool TFormDialog::Confirm(const std::wstring& caption, const std::wstring& text) {
    if (ShowingAlready()) return false;
    PrepareButtons(caption);
    LText.SetAlignment(SS_CENTER);
    LText.SetText(text);
    // The static centres the lines; the block is centred in the box here.
    const int height = std::min(LText.TextHeight(kMessageBox.width), kMessageBox.height);
    LText.SetBounds({kMessageBox.x, kMessageBox.y + (kMessageBox.height - height) / 2, kMessageBox.width, height});
    E_text.SetVisible(false);
    return RunModal();
}

bool TFormDialog::AskText(const std::wstring& caption, const std::wstring& prompt) {
    if (ShowingAlready()) return false;
    PrepareButtons(caption);
    LText.SetAlignment(SS_LEFT);
    LText.SetText(prompt);
    const int height = std::max(LText.TextHeight(kPromptBox.width), kPromptBox.height);
    LText.SetBounds({kPromptBox.x, kPromptBox.y, kPromptBox.width, height});
    E_text.SetVisible(true);
    E_text.Focus();
    E_text.SelectAll();
    return RunModal();
}

bool TFormDialog::RunModal() {
    ShowModalDialog();
    return BOK.tag != 0;
}

void TFormDialog::BOKClick() {
    BOK.tag = 1;
    Close();
}

}  // namespace velpiners
