// The form base: one object per window. The static window procedure keeps `this` in GWLP_USERDATA from
// WM_NCCREATE to WM_NCDESTROY and hands every message to OnMessage. No exception leaves a window procedure:
// the dispatcher shows it in the standard error box and the program goes on.
#pragma once

#include <windows.h>

#include <string>

namespace velpiners {

class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }

    // Registers the window class (once per name) and creates the window. Returns false when it failed.
    bool CreateFormWindow(const char* className, const char* title, DWORD style, DWORD exStyle, HWND parent,
                          HCURSOR cursor = nullptr, UINT classStyle = 0);

    // Destroys the window now (the object stays).
    void DestroyFormWindow();

protected:
    // The form's message switch; the default hands the message to DefWindowProcA.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (after WM_NCDESTROY).
    virtual void OnWindowGone() {}

    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

}  // namespace velpiners
