#include "ui/panel_win.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/wide_string_win.h"
#include "graphics/gdi_surface_win.h"

namespace velpiners {

void Panel::Create(HWND parent, const Bounds& bounds, const char* className, bool clipChildren) {
    // A container takes part in dialog navigation: Tab and the arrow keys go into it.
    const DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | (clipChildren ? WS_CLIPCHILDREN : 0);
    const std::wstring name = WideFromCodePage(className, CP_ACP);
    CreateControl(parent, PlainWindowClass(name.c_str(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"", style,
                  WS_EX_CONTROLPARENT, bounds, nullptr);
}

void Panel::Redraw() { ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

bool Panel::ShowsTabBody() const { return m_tabs != nullptr && ::IsAppThemed() && ::IsThemeActive(); }

void Panel::PaintTabBody(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    HTHEME theme = ::OpenThemeData(m_tabs, L"TAB");
    if (theme == nullptr) {
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    ::DrawThemeBackground(theme, dc, TABP_BODY, 0, &client, nullptr);
    ::CloseThemeData(theme);
}

// Static texts and buttons paint their background with this brush: the tab body as this panel shows it,
// lined up with the child's place.
HBRUSH Panel::TabBodyBrush(HWND child, HDC dc) {
    if (!m_bodyBrush) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        GdiSurface body(24);
        body.Resize(client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
        PaintTabBody(body.Dc());
        const graphics::Picture& pixels = body.Pixels();
        // A packed bottom-up DIB, which the brush copies.
        const std::size_t rowBytes = static_cast<std::size_t>(graphics::Picture::OwnedStride(pixels.Width(), 24));
        std::vector<std::uint8_t> packed(sizeof(BITMAPINFOHEADER) +
                                         rowBytes * static_cast<std::size_t>(pixels.Height()));
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = pixels.Width();
        header->biHeight = pixels.Height();
        header->biPlanes = 1;
        header->biBitCount = 24;
        header->biCompression = BI_RGB;
        for (int y = 0; y < pixels.Height(); ++y)
            std::memcpy(
                packed.data() + sizeof(BITMAPINFOHEADER) + rowBytes * static_cast<std::size_t>(pixels.Height() - 1 - y),
                pixels.Row(y), pixels.RowBytes());
        m_bodyBrush.reset(::CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
    }
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    ::SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
    return m_bodyBrush.get();
}

LRESULT Panel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Control::Reflect(Handle(), message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_ERASEBKGND:
            if (!ShowsTabBody()) break;
            PaintTabBody(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PRINTCLIENT:
            // Themed check boxes and group boxes ask for what lies behind them.
            if (!ShowsTabBody()) break;
            PaintTabBody(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (!ShowsTabBody()) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(
                TabBodyBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        case WM_SIZE:
        case WM_THEMECHANGED:
            m_bodyBrush.reset();
            break;
        case WM_CLOSE:
            // A multi-line edit in a dialog answers Esc with WM_CLOSE to its parent: that closes the form the
            // panel belongs to. Left to the default handling it would destroy the panel with its controls.
            ::SendMessageW(::GetAncestor(Handle(), GA_ROOT), WM_CLOSE, 0, 0);
            return 0;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void PageControl::Create(HWND parent, const Bounds& bounds, HFONT font) {
    // The pages are children of the tab control, which must not paint over them.
    CreateControl(parent, WC_TABCONTROLW, L"", WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  WS_EX_CONTROLPARENT, bounds, font);
}

// In the tab control's pixels: the area the system leaves below its row of tabs.
Bounds PageControl::PageArea() const {
    RECT area{};
    ::GetClientRect(Handle(), &area);
    TabCtrl_AdjustRect(Handle(), FALSE, &area);
    return Bounds{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

Panel& PageControl::AddPage(std::wstring_view caption) {
    std::wstring text(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = static_cast<int>(m_pages.size());
    ::SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    auto page = std::make_unique<Panel>();
    page->Create(Handle(), Bounds{}, "TTabSheet");
    page->UseTabBody(Handle());
    m_pages.push_back(std::move(page));
    // Adding the first tab can change the area the tabs leave (a row of tabs appears): place every page anew.
    PlacePages();
    ShowOnly(ActivePage());
    return *m_pages.back();
}

void PageControl::PlacePages() {
    const Bounds area = PageArea();
    for (auto& each : m_pages) each->SetPixelBounds(area);
}

void PageControl::ApplyDpi(int dpi, HFONT formFont) {
    Control::ApplyDpi(dpi, formFont);
    PlacePages();
}

void PageControl::SetPageCaption(int index, std::wstring_view caption) {
    std::wstring text(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    ::SendMessageW(Handle(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void PageControl::SelectPage(int index) {
    if (index < 0 || index >= PageCount()) return;
    TabCtrl_SetCurSel(Handle(), index);
    ShowOnly(index);
}

int PageControl::ActivePage() const { return TabCtrl_GetCurSel(Handle()); }

void PageControl::ShowOnly(int index) {
    for (int i = 0; i < PageCount(); ++i)
        if (i != index) m_pages[static_cast<std::size_t>(i)]->SetVisible(false);
    if (index >= 0 && index < PageCount()) {
        Panel& page = *m_pages[static_cast<std::size_t>(index)];
        page.SetVisible(true);
        page.Redraw();
    }
}

bool PageControl::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(TCN_SELCHANGE))
        return false;
    ShowOnly(ActivePage());
    if (onChange) onChange();
    result = 0;
    return true;
}

}  // namespace velpiners
