// The controls layer's base: one object per child window (controls and the panels that hold them), and the
// reflection that hands a child control's notifications (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*) from its container back to the control's object, which turns them into
// its events (onClick, onChange). Every container of this layer (dialog forms, panels, pages) reflects first,
// so a dialog wires events and never decodes a notification itself.
//
// The object is bound to its window by a window property and a subclass; both go when the object goes (the
// window stays for its parent to destroy) or when the window is destroyed first. Events run on the
// user-interface thread; an exception in one reaches the container's dispatcher, which shows it in the
// standard error box.
//
// Controls are Unicode windows, as forms are: interface texts (captions, tab and list texts of the current
// language) go in as UTF-16 (std::wstring_view, ShownText of lang/shown_text_win.h); the program's data
// (a sticker's texts, font names, pattern names) go in and come out in the ANSI code page the stored
// formats use (std::string_view), converted by the system.
//
// Places and sizes given to this layer (Bounds, item and caption heights) are in pixels at 96 dots per inch,
// as the dialogs' tables are drawn; each control turns them into its window's pixels by the resolution of
// the top-level form it belongs to (FormDpi), so a dialog made for 144 is half as large again and at 96 every
// pixel is the number given. A form that moves to a monitor of another resolution re-applies each
// control's numbers (ApplyDpi) instead of scaling what is on screen, so no rounding builds up.
//
// Also here: the plain controls both sticker dialogs use (labels, buttons, check boxes, radio buttons,
// group boxes, bevels, one-line edits) and the fonts of the dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "base/dpi.h"
#include "base/unique_handle_win.h"

namespace velpiners {

// The dialogs' font: "MS Sans Serif", 11 pixels high.
inline constexpr const char* kDialogFontFace = "MS Sans Serif";
inline constexpr int kDialogFontHeight = 11;

// A font `pixelHeight` pixels high (character height, without internal leading).
[[nodiscard]] UniqueFont CreatePixelFont(std::string_view face, int pixelHeight, bool bold = false);
// A font of `points` points at `dpi` dots per inch.
[[nodiscard]] UniqueFont CreatePointFont(std::string_view face, int points, int dpi);

// The resolution the top-level form of `hwnd` is made for: the one it was given (SetFormDpi), else the
// resolution the system reports for the window.
[[nodiscard]] int FormDpi(HWND hwnd);
// Gives a top-level window the resolution its controls are made and placed for.
void SetFormDpi(HWND form, int dpi);

// The text of any window, in the ANSI code page.
[[nodiscard]] std::string WindowTextOf(HWND hwnd);

// A control's place in its parent's client area, in pixels.
struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    [[nodiscard]] HWND Handle() const { return m_hwnd; }
    [[nodiscard]] int Id() const;

    // The place in the parent's client area at 96 dots per inch, which the window takes at its form's
    // resolution.
    void SetBounds(const Bounds& bounds);
    // The place given last when the window still has it, else the window's place taken back to 96 dots per
    // inch.
    [[nodiscard]] Bounds GetBounds() const;
    // The window's place in its parent's client area in the window's own pixels; a container that places
    // a child by what the system reports (a tab control's page area) sets it so, and the child then stays
    // where its container puts it when the resolution changes.
    void SetPixelBounds(const Bounds& bounds);
    [[nodiscard]] Bounds PixelBounds() const;
    // The resolution the control is made and placed for.
    [[nodiscard]] int Dpi() const { return m_dpi; }
    // A number at 96 dots per inch in this control's pixels.
    [[nodiscard]] int Scaled(int n) const;
    // Places the window again for a form now shown at `dpi`, whose dialog font is now `formFont` (the form
    // has already given it to every control that had the old one); a control that keeps other numbers (item
    // heights, a caption strip, fonts of its own) makes them anew.
    virtual void ApplyDpi(int dpi, HFONT formFont);
    void SetVisible(bool visible);
    [[nodiscard]] bool Visible() const;
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Enabled() const;
    // An interface text.
    void SetText(std::wstring_view text);
    // Data in the ANSI code page.
    void SetText(std::string_view text);
    void SetText(const char* text) { SetText(std::string_view(text)); }
    [[nodiscard]] std::string Text() const;
    [[nodiscard]] std::wstring WideText() const;
    void SetFont(HFONT font);
    [[nodiscard]] HFONT Font() const;
    void Focus();
    void Invalidate();

    // The object of a window made by this layer, or nullptr.
    [[nodiscard]] static Control* Of(HWND hwnd);

    // Called first by every container for every message: a child control's notification or owner-draw
    // request goes to that control's object. True when the object answered; `result` is then the answer.
    static bool Reflect(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Makes the window as a child of `parent` and binds it to this object; `id` 0 takes a fresh identifier.
    // Throws AppError when the window cannot be made.
    void CreateControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style, DWORD exStyle,
                       const Bounds& bounds, HFONT font, int id = 0);

    // A notification of this control that reached its container. The default answers nothing.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window's own messages, once it is made; the default hands them to the window's class.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // The place given last, at 96 dots per inch.
    [[nodiscard]] const Bounds& GivenBounds() const { return m_base; }

    // Unbinds the object from its window (the window stays).
    void Detach();

    // Registers (once) a window class of this name whose only drawing is its `background` (none when null),
    // for controls that paint and handle the mouse in OnMessage; returns the name.
    static const wchar_t* PlainWindowClass(const wchar_t* name, HBRUSH background = nullptr);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);

    HWND m_hwnd = nullptr;
    bool m_subclassed = false;
    Bounds m_base;
    bool m_pixelPlaced = false;
    int m_dpi = kBaseDpi;
};

// A static text. Alignment: SS_LEFT, SS_CENTER or SS_RIGHT.
class Label : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text = {}, DWORD alignment = SS_LEFT);
    void SetAlignment(DWORD alignment);
    // The height of its text wrapped at words to `width`, in its font (both at 96 dots per inch: the height
    // rounded up, so the text it measures fits).
    [[nodiscard]] int TextHeight(int width) const;
};

// A push button. IDOK and IDCANCEL as `id` make Enter and Esc press it.
class Button : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text = {}, int id = 0,
                bool isDefault = false);
    std::function<void()> onClick;
    // The program's own value kept with the button (the OK marker, which button closes the dialog).
    int tag = 0;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A check box (`radio` false) or a radio button; radio buttons with `startsGroup` begin a new group, and
// checking one clears the others of its group. Setting the state from code fires no event.
class CheckBox : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text = {}, bool radio = false,
                bool startsGroup = false);
    void SetChecked(bool checked);
    [[nodiscard]] bool Checked() const;
    // The user changed the state.
    std::function<void()> onClick;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class RadioButton : public CheckBox {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text = {}, bool startsGroup = false) {
        CheckBox::Create(parent, bounds, font, text, true, startsGroup);
    }
};

// A group box: a frame with its caption; the controls it frames are its siblings.
class GroupBox : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::wstring_view text = {});
};

// An etched or raised shape: a box, a frame or one of its four lines.
class Bevel : public Control {
public:
    enum class Shape { kBox, kFrame, kTopLine, kBottomLine, kLeftLine, kRightLine };
    void Create(HWND parent, const Bounds& bounds, Shape shape = Shape::kBox, bool raised = false);

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Shape m_shape = Shape::kBox;
    bool m_raised = false;
};

// A one-line edit with a sunken border; its text is data (ANSI).
class Edit : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font, std::string_view text = {}, int maxLength = 0);
    void SelectAll();
    // The text changed, by the user or from code.
    std::function<void()> onChange;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace velpiners
