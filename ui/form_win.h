// The form base: one object per window, a Unicode window (its texts go in through the wide functions). The
// static window procedure keeps `this` in GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY and hands every
// message to OnMessage. No exception leaves a window procedure:
// the dispatcher shows it in the standard error box and the program goes on.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

namespace velpiners {

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }

    // Tells whether the form object still exists. A handler that runs a modal loop (a drag, a popup menu,
    // a dialog) takes one before the loop: the loop dispatches messages, and one of them may destroy the
    // form, after which the handler must not touch a member.
    class LifeWatch {
    public:
        [[nodiscard]] bool Alive() const { return !m_life.expired(); }

    private:
        friend class Form;
        explicit LifeWatch(std::weak_ptr<void> life) : m_life(std::move(life)) {}
        std::weak_ptr<void> m_life;
    };
    [[nodiscard]] LifeWatch WatchLife() const { return LifeWatch(m_life); }

    // Registers the window class (once per name) and creates the window, at `topLeft` with `size` when a place
    // is given, else where and as large as the system makes new windows; `title` is in the ANSI code page.
    // Returns false when it failed.
    bool CreateFormWindow(const char* className, const char* title, DWORD style, DWORD exStyle, HWND parent,
                          HCURSOR cursor = nullptr, UINT classStyle = 0, const POINT* topLeft = nullptr,
                          SIZE size = SIZE{0, 0});

    // Registers the window class (once per name) and creates a child window of `parent` at (x, y), width x
    // height, with the control identifier `id`. Returns false when it failed.
    bool CreateChildFormWindow(const char* className, HWND parent, int id, int x, int y, int width, int height,
                               DWORD style, DWORD exStyle);

    // Destroys the window now (the object stays).
    void DestroyFormWindow();

protected:
    // The form's message switch; the default hands the message to DefWindowProcW.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (after WM_NCDESTROY).
    virtual void OnWindowGone() {}

    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static bool RegisterFormClass(const char* className, HCURSOR cursor, UINT classStyle);
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    std::shared_ptr<void> m_life = std::make_shared<char>(0);
};

}  // namespace velpiners
