// Containers of controls: the panel (a control with the button-face background whose child controls'
// notifications reach their objects through Control::Reflect) and the page control (tabs over pages, each
// page a panel). Containers do not clip their children unless told to: group boxes and bevels are drawn
// over the container's face, which must lie beneath them. A panel never closes: WM_CLOSE (a multi-line edit's
// answer to Esc) goes on to the top-level form it belongs to.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/control_win.h"
#include "base/unique_handle_win.h"

namespace velpiners {

class Panel : public Control {
public:
    // Makes the panel at `bounds` in `parent`, visible. Throws AppError when the window cannot be made.
    void Create(HWND parent, const Bounds& bounds, const char* className = "TPanel", bool clipChildren = false);

    // Repaints the panel and every control on it.
    void Redraw();

    // With visual styles on, the panel shows the body of the tab control `tabs` behind its controls, as
    // the pages of the system's own property sheets do; without them it keeps the button face.
    void UseTabBody(HWND tabs) { m_tabs = tabs; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[nodiscard]] bool ShowsTabBody() const;
    void PaintTabBody(HDC dc);
    HBRUSH TabBodyBrush(HWND child, HDC dc);

    HWND m_tabs = nullptr;
    UniqueBrush m_bodyBrush;
};

class PageControl : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font);

    // A new last page with this tab caption; its controls are made with the page's Handle() as parent.
    Panel& AddPage(std::wstring_view caption);
    [[nodiscard]] Panel& Page(int index) { return *m_pages.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] int PageCount() const { return static_cast<int>(m_pages.size()); }
    void SetPageCaption(int index, std::wstring_view caption);

    // Shows page `index` (no event); out of range does nothing.
    void SelectPage(int index);
    [[nodiscard]] int ActivePage() const;

    // The user chose another page.
    std::function<void()> onChange;

    void ApplyDpi(int dpi, HFONT formFont) override;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowOnly(int index);
    void PlacePages();
    [[nodiscard]] Bounds PageArea() const;

    std::vector<std::unique_ptr<Panel>> m_pages;
};

}  // namespace velpiners
