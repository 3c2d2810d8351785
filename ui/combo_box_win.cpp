#include "ui/combo_box_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <set>

#include "graphics/color.h"

namespace velpiners {
namespace {

// The closed box is this much higher than its items (the border of the selection field).
constexpr int kSelectionFieldBorder = 6;
constexpr int kDroppedListBorder = 2;
// Fonts drawn in a font box are kept; past this many the cache starts again.
constexpr std::size_t kMostKeptFonts = 256;
constexpr int kDefaultFontHeight = -11;

// Colour box drawing.
constexpr int kSwatchInset = 1;
constexpr int kSwatchTextGap = 3;
constexpr std::string_view kCustomColorText = "Custom...";
constexpr std::size_t kSystemCustomColors = 16;

struct NamedColor {
    const char* name;
    ColorValue value;
};

// The sixteen standard colours, as the colour box names them.
constexpr std::array<NamedColor, 16> kStandardColors = {{
    {"Black", 0x000000},
    {"Maroon", 0x000080},
    {"Green", 0x008000},
    {"Olive", 0x008080},
    {"Navy", 0x800000},
    {"Purple", 0x800080},
    {"Teal", 0x808000},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},
    {"Lime", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},
    {"White", 0xFFFFFF},
}};

graphics::Color SystemColor(int index) { return static_cast<graphics::Color>(::GetSysColor(index)); }

COLORREF RgbOf(ColorValue color) {
    return static_cast<COLORREF>(graphics::ColorToRgb(static_cast<graphics::Color>(color), &SystemColor));
}

// Half of `value` rounded to nearest, ties to even.
int HalfRounded(int value) {
    int half = value / 2;
    if (value % 2 != 0 && half % 2 != 0) half += value > 0 ? 1 : -1;
    return half;
}

int FontHeightOf(HFONT font) {
    LOGFONTA logFont{};
    if (font != nullptr && ::GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont && logFont.lfHeight != 0)
        return logFont.lfHeight;
    return kDefaultFontHeight;
}

int CALLBACK CollectFont(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    auto* names = reinterpret_cast<std::set<std::string>*>(lParam);
    if (logFont->lfFaceName[0] != '@' && logFont->lfFaceName[0] != '\0') names->insert(logFont->lfFaceName);
    return 1;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
}

}  // namespace

void ComboBox::Create(HWND parent, const Bounds& bounds, HFONT font, Kind kind, int itemHeight, bool sorted,
                      int dropDownCount) {
    m_kind = kind;
    m_baseItemHeight = itemHeight;
    m_baseClosedHeight = 0;
    m_dropDownCount = dropDownCount;
    DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS | (sorted ? CBS_SORT : 0);
    if (kind == Kind::kOwnerDrawFixed) style |= CBS_OWNERDRAWFIXED;
    if (kind == Kind::kOwnerDrawVariable) style |= CBS_OWNERDRAWVARIABLE;
    // Item heights asked for while the window is made are the scaled ones.
    m_itemHeight = Scale(itemHeight, FormDpi(parent));
    CreateControl(parent, WC_COMBOBOXW, L"", style, 0, bounds, font);
    SizeToItems();
}

void ComboBox::SizeToItems() {
    const Bounds& given = GivenBounds();
    // The selection field's border stays as the system draws it; the field and the items grow with the
    // resolution, so boxes of one row (a colour box and a font box given its closed height) stay one height.
    int closedHeight = Scaled(given.height);
    if (m_kind != Kind::kList) {
        m_itemHeight = Scaled(m_baseItemHeight);
        ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                       Scaled(m_baseItemHeight + kSelectionFieldBorder) - kSelectionFieldBorder);
        ::SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, m_itemHeight);
        closedHeight = Scaled(m_baseItemHeight + kSelectionFieldBorder);
    } else {
        m_itemHeight = static_cast<int>(::SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
    }
    ::SendMessageA(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(m_dropDownCount), 0);
    ::SetWindowPos(Handle(), nullptr, 0, 0, Scaled(given.width),
                   closedHeight + m_dropDownCount * m_itemHeight + kDroppedListBorder,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_baseClosedHeight > 0) SetClosedHeight(m_baseClosedHeight);
}

void ComboBox::SetClosedHeight(int height) {
    m_baseClosedHeight = height;
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scaled(height) - kSelectionFieldBorder);
}

void ComboBox::ApplyDpi(int dpi, HFONT formFont) {
    Control::ApplyDpi(dpi, formFont);
    SizeToItems();
}

void ComboBox::Clear() { ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int ComboBox::Add(std::string_view text) {
    const std::string item(text);
    return static_cast<int>(::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

int ComboBox::Add(std::wstring_view text) {
    const std::wstring item(text);
    return static_cast<int>(::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

int ComboBox::Count() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::Item(int index) const {
    const LRESULT length = ::SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got =
        ::SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR || got < 0 ? 0 : std::min(static_cast<std::size_t>(got), text.size() - 1));
    return text;
}

int ComboBox::Selected() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::Select(int index) {
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < Count() ? index : -1), 0);
}

int ComboBox::FindExact(std::string_view text) const {
    const std::string item(text);
    const LRESULT found =
        ::SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    return found == CB_ERR ? -1 : static_cast<int>(found);
}

bool ComboBox::SelectText(std::string_view text) {
    const int index = FindExact(text);
    Select(index);
    return index >= 0;
}

std::string ComboBox::SelectedText() const {
    const int index = Selected();
    return index >= 0 ? Item(index) : std::string();
}

void ComboBox::PressAndRelease() {
    struct Pressing {
        bool& flag;
        explicit Pressing(bool& f) : flag(f) { flag = true; }
        ~Pressing() { flag = false; }
    } pressing(m_pressing);
    ::SendMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    ::SendMessageA(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
}

LRESULT ComboBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pressing && message == WM_LBUTTONDOWN) return 0;
    if (m_pressing && message == WM_LBUTTONUP) {
        if (onClick) onClick();
        return 0;
    }
    return DefaultHandler(message, wParam, lParam);
}

void ComboBox::Chosen() {
    if (onClick) onClick();
    if (onChange) onChange();
}

bool ComboBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == CBN_SELCHANGE) {
                Chosen();
            } else if (HIWORD(wParam) == CBN_CLOSEUP) {
                ClosedUp();
            } else {
                return false;
            }
            result = 0;
            return true;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            measure->itemHeight = static_cast<UINT>(MeasureItem(static_cast<int>(measure->itemID)));
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int index = static_cast<int>(draw->itemID);
            HFONT font = Font();
            SelectGuard select(draw->hDC, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
            DrawItem(draw->hDC, draw->rcItem, index < Count() ? index : -1, draw->itemState);
            if ((draw->itemState & ODS_FOCUS) != 0 && (draw->itemState & ODS_NOFOCUSRECT) == 0)
                ::DrawFocusRect(draw->hDC, &draw->rcItem);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

int ComboBox::MeasureItem(int) const { return m_itemHeight; }

void ComboBox::FillItem(HDC dc, const RECT& rect, UINT state) {
    int face = COLOR_WINDOW;
    int text = COLOR_WINDOWTEXT;
    if ((state & ODS_SELECTED) != 0) {
        face = COLOR_HIGHLIGHT;
        text = COLOR_HIGHLIGHTTEXT;
    } else if ((state & ODS_DISABLED) != 0) {
        face = COLOR_BTNFACE;
        text = COLOR_GRAYTEXT;
    }
    ::FillRect(dc, &rect, ::GetSysColorBrush(face));
    ::SetTextColor(dc, ::GetSysColor(text));
}

void ComboBox::DrawItemText(HDC dc, const RECT& rect, int left, std::string_view text) {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutA(dc, rect.left + left, rect.top + HalfRounded(rect.bottom - rect.top - size.cy), text.data(),
               static_cast<int>(text.size()));
}

void ComboBox::DrawItem(HDC dc, const RECT& rect, int index, UINT state) {
    FillItem(dc, rect, state);
    if (index < 0) return;
    DrawItemText(dc, rect, Scaled(textLeft), DisplayText(Item(index)));
}

std::vector<std::string> InstalledScreenFonts() {
    std::set<std::string> names;
    WindowDc screen(nullptr);
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(screen.get(), &all, &CollectFont, reinterpret_cast<LPARAM>(&names), 0);
    std::vector<std::string> sorted(names.begin(), names.end());
    std::stable_sort(sorted.begin(), sorted.end(), &LessIgnoringCase);
    return sorted;
}

void FontBox::Create(HWND parent, const Bounds& bounds, HFONT font, int itemHeight) {
    ComboBox::Create(parent, bounds, font, Kind::kOwnerDrawFixed, itemHeight);
    // Closed, as high as the colour and size boxes beside it; its list's items keep room for large faces.
    SetClosedHeight(kRowBoxHeight);
}

void FontBox::FillInstalledFonts() {
    Clear();
    for (const std::string& name : InstalledScreenFonts()) Add(name);
}

HFONT FontBox::FontFor(const std::string& face, int height) {
    std::pair<std::string, int> key{face, height};
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) return found->second.get();
    if (m_fonts.size() >= kMostKeptFonts) m_fonts.clear();
    UniqueFont font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    HFONT handle = font.get();
    m_fonts.emplace(std::move(key), std::move(font));
    return handle;
}

void FontBox::DrawItem(HDC dc, const RECT& rect, int index, UINT state) {
    FillItem(dc, rect, state);
    if (index < 0) return;
    const std::string face = Item(index);
    HFONT font = FontFor(face, FontHeightOf(Font()));
    SelectGuard select(dc, font != nullptr ? font : Font());
    DrawItemText(dc, rect, Scaled(textLeft), face);
}

static_assert(ColorBox::kItemHeight + kSelectionFieldBorder == ComboBox::kRowBoxHeight);

void ColorBox::Create(HWND parent, const Bounds& bounds, HFONT font) {
    ComboBox::Create(parent, bounds, font, Kind::kOwnerDrawFixed, kItemHeight);
    Add(kCustomColorText);
    for (const NamedColor& color : kStandardColors) Add(color.name);
}

ColorValue ColorBox::ColorAt(int index) const {
    if (index == 0) return m_custom;
    if (index > 0 && index <= static_cast<int>(kStandardColors.size()))
        return kStandardColors[static_cast<std::size_t>(index - 1)].value;
    return kStandardColors[0].value;
}

void ColorBox::SetSelected(ColorValue color) {
    for (std::size_t i = 0; i < kStandardColors.size(); ++i) {
        if (kStandardColors[i].value == color) {
            Select(static_cast<int>(i) + 1);
            return;
        }
    }
    m_custom = color;
    Select(0);
    Invalidate();
}

void ColorBox::SelectRandomColor() {
    // One generator for the run: seeding again for every colour could give the same colour twice.
    static std::mt19937 generator(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count() ^ ::GetCurrentProcessId()));
    SetSelected(static_cast<ColorValue>(graphics::RandomSkinColor(generator)));
    Invalidate();
}

ColorValue ColorBox::Selected() const { return ColorAt(ComboBox::Selected()); }

void ColorBox::PickCustom() {
    ColorValue color = m_custom;
    HWND owner = ::GetAncestor(Handle(), GA_ROOT);
    const bool picked = pickColor ? pickColor(owner, color) : PickColorWithSystemDialog(owner, color);
    if (picked) m_custom = color;
    Invalidate();
}

void ColorBox::Chosen() {
    if (ComboBox::Selected() == 0) {
        // The colour dialog waits for the dropped list to close.
        if (::SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
            m_pickOnCloseUp = true;
            return;
        }
        PickCustom();
    }
    m_pickOnCloseUp = false;
    ComboBox::Chosen();
}

void ColorBox::ClosedUp() {
    if (!m_pickOnCloseUp) return;
    m_pickOnCloseUp = false;
    if (ComboBox::Selected() != 0) return;
    PickCustom();
    ComboBox::Chosen();
}

void ColorBox::DrawItem(HDC dc, const RECT& rect, int index, UINT state) {
    FillItem(dc, rect, state);
    if (index < 0) return;
    const int side = rect.bottom - rect.top;
    const int inset = Scaled(kSwatchInset);
    RECT swatch{rect.left + inset, rect.top + inset, rect.left + side - inset, rect.bottom - inset};
    UniqueBrush fill(::CreateSolidBrush(RgbOf(ColorAt(index))));
    ::FillRect(dc, &swatch, fill.get());
    ::FrameRect(dc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    DrawItemText(dc, rect, side + Scaled(kSwatchTextGap), Item(index));
}

bool PickColorWithSystemDialog(HWND owner, ColorValue& color) {
    // The dialog's own custom colours are kept for the run, as the system dialog expects.
    static std::array<COLORREF, kSystemCustomColors> customColors = [] {
        std::array<COLORREF, kSystemCustomColors> white{};
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = RgbOf(color);
    choose.lpCustColors = customColors.data();
    choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!::ChooseColorA(&choose)) return false;
    color = static_cast<ColorValue>(choose.rgbResult);
    return true;
}

}  // namespace velpiners
