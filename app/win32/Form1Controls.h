#pragma once

#include "platform/win32/WindowsApi.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "Handles.h"
#include "form/ControlsByName.h"
#include "platform/win32/Win32Button.h"
#include "platform/win32/Win32ListBox.h"
#include "platform/win32/Win32TextBox.h"

namespace form {
struct ControlDesign;
struct FontDesign;
} // namespace form

namespace app::win32 {

// The 27 controls of Form1 as Windows child windows, made from the design table: the system's
// EDIT and LISTBOX, owner-drawn push buttons, their fonts and face brushes, tool tips, and the
// spoken names Windows screen readers use. Control ids are 100 + the row's index in the table.
class Form1Controls {
public:
    struct Control {
        const form::ControlDesign* design;
        HWND handle;     // the window's child, destroyed with it
        OwnedBrush face; // none: the system's
    };

    // Made at the window's `dpi`. Throws StartError when Windows refuses a control.
    Form1Controls(HWND window, HINSTANCE instance, platform::DefaultButtonRule& defaultButton,
                  UINT dpi);
    Form1Controls(const Form1Controls&) = delete;
    Form1Controls& operator=(const Form1Controls&) = delete;

    // The control with that window handle, or with that control id; nullptr if none.
    const Control* withHandle(HWND handle) const;
    const Control* withId(int id) const;
    const std::vector<Control>& all() const { return m_controls; }

    platform::win32::Win32Button& button(std::string_view name) const;
    platform::win32::Win32TextBox& textBox(std::string_view name) const;
    platform::win32::Win32ListBox& listBox(std::string_view name) const;

    // The design's font at the present dpi.
    HFONT font(const form::FontDesign& design);
    // Places every control and sets its font anew for a window now at `dpi`.
    void layOut(UINT dpi);

private:
    void create(HWND window, HINSTANCE instance, platform::DefaultButtonRule& defaultButton);
    void addToolTips(HWND window, HINSTANCE instance);
    void nameForScreenReaders();

    std::vector<Control> m_controls; // in the design's order
    form::ControlsByName<platform::win32::Win32Button> m_buttons;
    form::ControlsByName<platform::win32::Win32TextBox> m_textBoxes;
    form::ControlsByName<platform::win32::Win32ListBox> m_listBoxes;
    std::map<std::tuple<std::string, double, bool>, OwnedFont> m_fonts; // at m_dpi
    UINT m_dpi;
    HWND m_toolTips = nullptr; // the window's, destroyed with it; none where Windows made none
};

} // namespace app::win32
