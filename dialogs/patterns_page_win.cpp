#include "dialogs/patterns_page_win.h"

#include <exception>
#include <vector>

#include "dialogs/preview_win.h"
#include "graphics/ress_loader_win.h"
#include "store/pattern_files_win.h"

namespace velpiners {
namespace {

// The style a preview draws its empty frame for.
constexpr int kNoStyle = -1;

}  // namespace

void PatternsPage::Create(HWND parent, const PatternsPageLayout& layout, HFONT font, std::string programFolder,
                          const Memo& memo, dialogs::PreviewPictures* pictures, HMODULE resources) {
    m_folder = std::move(programFolder);
    m_memo = &memo;
    m_pictures = pictures;
    GB_prew_press.Create(parent, layout.GB_prew_press, font);
    I_press.Create(parent, layout.I_press);
    CB_press.Create(parent, layout.CB_press, font);
    CB_press.onClick = [this] { CB_pressClick(); };
    B_press_prim.Create(parent, layout.B_press_prim, font);
    B_press_prim.SetEnabled(false);
    B_press_prim.onClick = [this] { B_press_primClick(); };
    m_savesPatterns = layout.BsavePattern && layout.BdelPattern;
    if (!m_savesPatterns) return;
    BsavePattern.Create(parent, *layout.BsavePattern, font);
    BsavePattern.SetGlyph(Glyph("BUTTON_SAVE", resources));
    BdelPattern.Create(parent, *layout.BdelPattern, font);
    BdelPattern.SetGlyph(Glyph("BUTTON_DELETE", resources));
}

void PatternsPage::ApplyTexts(const TextLookup& text, Hints& hints) {
    GB_prew_press.SetText(L" " + text(TextKey::vidBGSt) + L" ");
    B_press_prim.SetText(text(TextKey::bPattPrim));
    if (!m_savesPatterns) return;
    hints.Set(BsavePattern.Handle(), text(TextKey::bPattSave));
    hints.Set(BdelPattern.Handle(), text(TextKey::bPattDel));
}

void PatternsPage::EnableChosen(bool enabled) {
    B_press_prim.SetEnabled(enabled);
    if (m_savesPatterns) BdelPattern.SetEnabled(enabled);
}

void PatternsPage::Fill(std::string_view remembered) {
    // Loading and deleting wait for a pattern chosen in the box; the click on the remembered one counts.
    EnableChosen(false);
    FillPatternList(CB_press, m_folder, remembered);
    if (CB_press.Selected() < 0) ShowNoPattern();
}

void PatternsPage::ShowNoPattern() {
    CB_press.Select(-1);
    EnableChosen(false);
    // The preview shows its empty frame, not what it showed before.
    if (m_pictures != nullptr) dialogs::RenderStylePreview(I_press, kNoStyle, 0, *m_pictures);
}

std::string PatternsPage::SelectedPath() const { return SelectedPatternPath(CB_press, m_folder); }

void PatternsPage::CB_pressClick() {
    const std::string path = SelectedPath();
    if (path.empty()) return;
    EnableChosen(true);
    if (m_pictures == nullptr) return;
    StickerRecord pattern{};
    ReadPatternFile(path, pattern);
    dialogs::RenderPatternPreview(pattern, I_press, m_memo->Text(), *m_pictures);
}

void PatternsPage::B_press_primClick() {
    const std::string path = SelectedPath();
    if (path.empty()) return;
    // Only the controls change: the sticker gets the look when the dialog sends it.
    StickerRecord pattern{};
    ReadPatternFile(path, pattern);
    if (onLoad) onLoad(pattern);
    B_press_prim.SetEnabled(false);
}

graphics::Picture Glyph(const char* name, HMODULE resources) {
    try {
        return graphics::LoadRessBitmap(name, resources);
    } catch (const std::exception&) {
        return graphics::Picture();  // a button without its picture still works
    }
}

void PatternBox::Create(HWND parent, const Bounds& bounds, HFONT font) {
    ComboBox::Create(parent, bounds, font, Kind::kOwnerDrawFixed, kItemHeight, true);
}

void FillPatternList(ComboBox& box, const std::string& programFolder, std::string_view remembered) {
    std::vector<std::string> names;
    if (!ListPatternFiles(programFolder, names)) return;
    const std::string folder = PatternFolderOf(programFolder);
    box.Clear();
    for (const std::string& name : names) box.Add(PatternItem(ReadPatternFileName(folder + name), name));
    if (remembered.empty()) return;
    box.SelectText(remembered);
    box.PressAndRelease();
}

std::string SelectedPatternPath(const ComboBox& box, const std::string& programFolder) {
    const int index = box.Selected();
    if (index < 0) return {};
    return PatternPathOfItem(programFolder, box.Item(index));
}

}  // namespace velpiners
