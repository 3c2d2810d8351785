#include "ui/control_win.h"

#include <commctrl.h>

#include <exception>
#include <vector>

#include "base/app_error.h"
#include "base/dpi_win.h"
#include "base/wide_string_win.h"
#include "ui/error_box_win.h"

namespace velpiners {
namespace {

constexpr const char* kControlProperty = "VelpinersControl";
constexpr UINT_PTR kSubclassId = 1;
// Identifiers taken by controls made without one; below them room for the dialog's own (IDOK, IDCANCEL).
constexpr int kFirstFreeId = 0x4000;
constexpr int kLastFreeId = 0xFFFF;
constexpr int kPointsPerInch = 72;
// The top-level form's resolution, kept with its window so every control made in it finds it.
constexpr const char* kFormDpiProperty = "VelpinersFormDpi";

int g_nextId = kFirstFreeId;

// The control whose window is being made: its owner-drawn list asks its container for item heights before
// CreateWindowEx returns, so before the window is bound.
thread_local Control* t_creating = nullptr;

void EnsureCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

int TakeId() {
    const int id = g_nextId;
    g_nextId = g_nextId >= kLastFreeId ? kFirstFreeId : g_nextId + 1;
    return id;
}

Bounds ScaleBounds(const Bounds& bounds, int dpi) {
    return Bounds{Scale(bounds.x, dpi), Scale(bounds.y, dpi), Scale(bounds.width, dpi), Scale(bounds.height, dpi)};
}

// A window's pixels taken back to 96 dots per inch, to the nearest; rounding up makes `up` true.
int Unscaled(int n, int dpi, bool up = false) {
    const int d = SaneDpi(dpi);
    const long long product = static_cast<long long>(n) * kBaseDpi;
    const long long add = up ? d - 1 : d / 2;
    return static_cast<int>(product >= 0 ? (product + add) / d : -((-product + (d - 1 - add)) / d));
}

bool SameBounds(const Bounds& a, const Bounds& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

int FormDpi(HWND hwnd) {
    HWND root = hwnd != nullptr ? ::GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (root == nullptr) return kBaseDpi;
    const auto given = reinterpret_cast<INT_PTR>(::GetPropA(root, kFormDpiProperty));
    return given != 0 ? SaneDpi(static_cast<int>(given)) : DpiOfWindow(root);
}

void SetFormDpi(HWND form, int dpi) {
    ::SetPropA(form, kFormDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(SaneDpi(dpi))));
}

UniqueFont CreatePixelFont(std::string_view face, int pixelHeight, bool bold) {
    const std::string name(face);
    return UniqueFont(::CreateFontA(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
}

UniqueFont CreatePointFont(std::string_view face, int points, int dpi) {
    return CreatePixelFont(face, ::MulDiv(points, SaneDpi(dpi), kPointsPerInch));
}

std::string WindowTextOf(HWND hwnd) {
    const int length = ::GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

Control::~Control() { Detach(); }

int Control::Id() const { return m_hwnd != nullptr ? ::GetDlgCtrlID(m_hwnd) : 0; }

void Control::SetBounds(const Bounds& bounds) {
    m_base = bounds;
    m_pixelPlaced = false;
    const Bounds pixels = ScaleBounds(bounds, m_dpi);
    ::SetWindowPos(m_hwnd, nullptr, pixels.x, pixels.y, pixels.width, pixels.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Bounds Control::GetBounds() const {
    const Bounds pixels = PixelBounds();
    if (SameBounds(pixels, ScaleBounds(m_base, m_dpi))) return m_base;
    return Bounds{Unscaled(pixels.x, m_dpi), Unscaled(pixels.y, m_dpi), Unscaled(pixels.width, m_dpi),
                  Unscaled(pixels.height, m_dpi)};
}

void Control::SetPixelBounds(const Bounds& bounds) {
    ::SetWindowPos(m_hwnd, nullptr, bounds.x, bounds.y, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pixelPlaced = true;
    m_base = Bounds{Unscaled(bounds.x, m_dpi), Unscaled(bounds.y, m_dpi), Unscaled(bounds.width, m_dpi),
                    Unscaled(bounds.height, m_dpi)};
}

int Control::Scaled(int n) const { return Scale(n, m_dpi); }

void Control::ApplyDpi(int dpi, HFONT) {
    m_dpi = SaneDpi(dpi);
    if (m_pixelPlaced || m_hwnd == nullptr) return;
    const Bounds pixels = ScaleBounds(m_base, m_dpi);
    ::SetWindowPos(m_hwnd, nullptr, pixels.x, pixels.y, pixels.width, pixels.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Bounds Control::PixelBounds() const {
    RECT rect{};
    ::GetWindowRect(m_hwnd, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(m_hwnd), reinterpret_cast<POINT*>(&rect), 2);
    return Bounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Control::SetVisible(bool visible) { ::ShowWindow(m_hwnd, visible ? SW_SHOWNA : SW_HIDE); }
bool Control::Visible() const { return (::GetWindowLongPtrA(m_hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetEnabled(bool enabled) { ::EnableWindow(m_hwnd, enabled ? TRUE : FALSE); }
bool Control::Enabled() const { return ::IsWindowEnabled(m_hwnd) != FALSE; }

void Control::SetText(std::wstring_view text) {
    const std::wstring value(text);
    ::SetWindowTextW(m_hwnd, value.c_str());
}

void Control::SetText(std::string_view text) {
    const std::string value(text);
    ::SetWindowTextA(m_hwnd, value.c_str());
}

std::string Control::Text() const { return WindowTextOf(m_hwnd); }

std::wstring Control::WideText() const {
    const int length = ::GetWindowTextLengthW(m_hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(m_hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void Control::SetFont(HFONT font) { ::SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
HFONT Control::Font() const { return reinterpret_cast<HFONT>(::SendMessageA(m_hwnd, WM_GETFONT, 0, 0)); }
void Control::Focus() { ::SetFocus(m_hwnd); }
void Control::Invalidate() { ::InvalidateRect(m_hwnd, nullptr, TRUE); }

Control* Control::Of(HWND hwnd) {
    return hwnd != nullptr ? static_cast<Control*>(::GetPropA(hwnd, kControlProperty)) : nullptr;
}

bool Control::Reflect(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Control* control = nullptr;
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            control = Of(reinterpret_cast<HWND>(lParam));
            break;
        case WM_NOTIFY:
            control = Of(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
            break;
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType != ODT_MENU) control = Of(draw->hwndItem);
            break;
        }
        case WM_MEASUREITEM: {
            const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType == ODT_MENU) break;
            control = Of(::GetDlgItem(container, static_cast<int>(measure->CtlID)));
            if (control == nullptr) control = t_creating;
            break;
        }
        default:
            break;
    }
    return control != nullptr && control->OnReflected(message, wParam, lParam, result);
}

void Control::CreateControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style, DWORD exStyle,
                            const Bounds& bounds, HFONT font, int id) {
    EnsureCommonControls();
    Detach();
    const std::wstring caption(text);
    m_dpi = FormDpi(parent);
    m_base = bounds;
    m_pixelPlaced = false;
    const Bounds pixels = ScaleBounds(bounds, m_dpi);
    Control* const outer = t_creating;
    t_creating = this;
    HWND hwnd = ::CreateWindowExW(exStyle | WS_EX_NOPARENTNOTIFY, windowClass, caption.c_str(), WS_CHILD | style,
                                  pixels.x, pixels.y, pixels.width, pixels.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id != 0 ? id : TakeId())),
                                  ::GetModuleHandleA(nullptr), nullptr);
    t_creating = outer;
    if (hwnd == nullptr) throw AppError("Cannot create a control of class " + AnsiFromWide(windowClass));
    m_hwnd = hwnd;
    ::SetPropA(hwnd, kControlProperty, this);
    m_subclassed = ::SetWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (font != nullptr) ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandler(message, wParam, lParam);
}

LRESULT Control::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

const wchar_t* Control::PlainWindowClass(const wchar_t* name, HBRUSH background) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXW wc{};
    if (::GetClassInfoExW(instance, name, &wc)) return name;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    ::RegisterClassExW(&wc);
    return name;
}

void Control::Detach() {
    if (m_hwnd == nullptr) return;
    if (m_subclassed) ::RemoveWindowSubclass(m_hwnd, &Control::SubclassProc, kSubclassId);
    ::RemovePropA(m_hwnd, kControlProperty);
    m_subclassed = false;
    m_hwnd = nullptr;
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        control->Detach();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try {
        return control->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return 0;
}

void Label::Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text, DWORD alignment) {
    CreateControl(parent, L"STATIC", text, WS_VISIBLE | alignment, 0, bounds, font);
}

void Label::SetAlignment(DWORD alignment) {
    const LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
    ::SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | alignment);
}

int Label::TextHeight(int width) const {
    const std::wstring text = WideText();
    WindowDc dc(Handle());
    SelectGuard select(dc.get(), Font());
    RECT rect{0, 0, Scaled(width), 0};
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return Unscaled(rect.bottom - rect.top, Dpi(), true);
}

void Button::Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text, int id, bool isDefault) {
    CreateControl(parent, L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                  bounds, font, id);
}

bool Button::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

void CheckBox::Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text, bool radio,
                      bool startsGroup) {
    const DWORD kind = radio ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX;
    CreateControl(parent, L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | kind | (startsGroup ? WS_GROUP : 0), 0, bounds,
                  font);
}

void CheckBox::SetChecked(bool checked) {
    ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked) return;
    // A radio button checked from code clears the others of its group, as a click would.
    if ((::GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_TYPEMASK) != BS_AUTORADIOBUTTON) return;
    HWND parent = ::GetParent(Handle());
    for (HWND other = ::GetNextDlgGroupItem(parent, Handle(), FALSE); other != nullptr && other != Handle();
         other = ::GetNextDlgGroupItem(parent, other, FALSE)) {
        if ((::GetWindowLongPtrA(other, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            ::SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

bool CheckBox::Checked() const { return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool CheckBox::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

void GroupBox::Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text) {
    CreateControl(parent, L"BUTTON", text, WS_VISIBLE | BS_GROUPBOX, 0, bounds, font);
}

void Bevel::Create(HWND parent, const Bounds& bounds, Shape shape, bool raised) {
    m_shape = shape;
    m_raised = raised;
    CreateControl(parent, L"STATIC", L"", WS_VISIBLE | SS_OWNERDRAW, 0, bounds, nullptr);
}

bool Bevel::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    RECT rect = draw->rcItem;
    UINT edge = m_raised ? EDGE_BUMP : EDGE_ETCHED;
    UINT sides = BF_RECT;
    switch (m_shape) {
        case Shape::kBox:
            edge = m_raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
            break;
        case Shape::kFrame:
            break;
        case Shape::kTopLine:
            sides = BF_TOP;
            break;
        case Shape::kBottomLine:
            sides = BF_BOTTOM;
            break;
        case Shape::kLeftLine:
            sides = BF_LEFT;
            break;
        case Shape::kRightLine:
            sides = BF_RIGHT;
            break;
    }
    ::DrawEdge(draw->hDC, &rect, edge, sides);
    result = TRUE;
    return true;
}

void Edit::Create(HWND parent, const Bounds& bounds, HFONT font, std::string_view text, int maxLength) {
    CreateControl(parent, L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, bounds, font);
    if (!text.empty()) SetText(text);
    if (maxLength > 0) ::SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void Edit::SelectAll() { ::SendMessageA(Handle(), EM_SETSEL, 0, -1); }

bool Edit::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    if (onChange) onChange();
    result = 0;
    return true;
}

}  // namespace velpiners
