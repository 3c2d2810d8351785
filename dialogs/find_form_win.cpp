#include "dialogs/find_form_win.h"

#include <string>

#include "base/wide_string_win.h"
#include "dialogs/note_search.h"

namespace velpiners {
namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 240;
constexpr Bounds kSearchBox{8, 8, 344, 21};
constexpr Bounds kFoundList{8, 36, 344, 196};
// The longest search the box takes: the longest text a note holds.
constexpr int kLongestQuery = 255;
// How much of a note's text its list item shows.
constexpr std::size_t kListedTextChars = 80;

std::string UpperInSystemCodePage(std::string_view text) {
    std::string upper(text);
    if (!upper.empty()) ::CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

// "caption — text" on one line: the text's line breaks become spaces.
std::wstring ItemText(const StickerRecord& note) {
    std::string text(note.body.text.View().substr(0, kListedTextChars));
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return WideFromCodePage(note.caption.text.View(), CP_ACP) + L" \u2014 " + WideFromCodePage(text, CP_ACP);
}

}  // namespace

void TFindForm::FormCreate(TextLookup texts, const Tmassiv& table, std::function<void(int slot)> choose) {
    m_texts = std::move(texts);
    m_table = &table;
    m_choose = std::move(choose);
    CreateDialogForm("TFindForm", kClientWidth, kClientHeight, DialogBorder::kToolWindow);
    E_find.Create(Handle(), kSearchBox, DialogFont(), {}, kLongestQuery);
    LB_found.Create(Handle(), kFoundList, DialogFont());
    E_find.onChange = [this] { Refill(); };
    E_find.onEnter = [this] { Choose(); };
    E_find.onArrow = [this](int step) { LB_found.MoveSelection(step); };
    LB_found.onChoose = [this] { Choose(); };
}

void TFindForm::ShowFind() {
    if (!Showing()) {
        if (m_texts) SetCaption(m_texts(TextKey::fFind));
        Refill();
        CentreOnDesktop();
        ::ShowWindow(Handle(), SW_SHOW);
        // Above the stickers kept on top of every window.
        MakeTopmost();
    }
    ::SetForegroundWindow(Handle());
    E_find.Focus();
    E_find.SelectAll();
}

void TFindForm::Refill() {
    const int chosen = LB_found.Selected();
    const int chosenSlot = chosen >= 0 && static_cast<std::size_t>(chosen) < m_listed.size()
                               ? m_listed[static_cast<std::size_t>(chosen)]
                               : -1;
    const std::vector<std::string> words = QueryWords(E_find.Text(), UpperInSystemCodePage);
    LB_found.Clear();
    m_listed.clear();
    m_table->ForEachInUse([&](int slot, const StickerRecord& note) {
        if (!NoteMatches(note, words, UpperInSystemCodePage)) return;
        m_listed.push_back(slot);
        LB_found.Add(ItemText(note));
    });
    int select = 0;
    for (std::size_t i = 0; i < m_listed.size(); ++i)
        if (m_listed[i] == chosenSlot) select = static_cast<int>(i);
    if (!m_listed.empty()) LB_found.Select(select);
}

LRESULT TFindForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && m_table != nullptr) Refill();
    return DialogForm::OnMessage(message, wParam, lParam);
}

void TFindForm::Choose() {
    const int index = LB_found.Selected();
    if (index < 0 || static_cast<std::size_t>(index) >= m_listed.size()) return;
    const int slot = m_listed[static_cast<std::size_t>(index)];
    // The note may have gone since the list was made.
    if (m_table->Slot(slot).inUse != 1) {
        Refill();
        return;
    }
    if (m_choose) m_choose(slot);
}

}  // namespace velpiners
