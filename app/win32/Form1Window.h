#pragma once

// The calculator's window on Windows, Form1: a window run by the dialog manager (DefDlgProcW),
// built from its description (Form1Design.h) with the system's EDIT, LISTBOX and owner-drawn
// push buttons, each wired to its click handler through the engine's one click dispatcher.

#include "platform/win32/WindowsApi.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ControlsByName.h"
#include "engine/Controls.h"
#include "platform/DefaultButtonRule.h"
#include "platform/win32/Win32Button.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ListBox.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32TextBox.h"

struct ControlDesign;

class Form1Window {
public:
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    HWND handle() const { return m_window; }
    void show(int how);

    // The keys the window decides itself, before the dialog manager sees them: Enter clicks the
    // focused button, else the default one, else nothing; Tab follows the design's tab order.
    // Returns whether the message was one of them.
    bool handleKey(const MSG& message);

private:
    struct Control {
        const ControlDesign* design;
        HWND handle;
        HBRUSH face; // nullptr: the system's
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handleMessage(UINT message, WPARAM w, LPARAM l);
    void createControls(HINSTANCE instance);
    void addToolTips(HINSTANCE instance);
    void nameControlsForScreenReaders();
    HFONT font(const ControlDesign& design);
    const Control* controlOf(HWND handle) const;
    void click(int id);
    void drawButton(const DRAWITEMSTRUCT& item);
    void moveFocus(bool backwards);

    HWND m_window = nullptr;
    HBRUSH m_background;
    platform::DefaultButtonRule m_defaultButton;
    std::vector<Control> m_controls; // in the design's order: the control id is 100 + the index
    ControlsByName<platform::Win32Button> m_buttons;
    ControlsByName<platform::Win32TextBox> m_textBoxes;
    ControlsByName<platform::Win32ListBox> m_listBoxes;
    std::map<std::tuple<std::string, double, bool>, HFONT> m_fonts;
    std::optional<platform::Win32Clipboard> m_clipboard;
    std::optional<platform::Win32MessageBox> m_messages;
    std::optional<engine::Controls> m_engine;
};
