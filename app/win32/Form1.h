#pragma once

// The Windows front-end: BRENOLDI.exe's entry (main.cpp), its resources, and Form1.
//
// This file: the calculator's window on Windows, Form1, run by the dialog manager (DefDlgProcW)
// and built from the design table (form/) by Form1Controls. Clicks, the Enter key, the focus at
// start and the tab order go through the shared wiring.

#include "platform/win32/WindowsApi.h"

#include <optional>
#include <string_view>

#include "Colours.h"
#include "Form1Controls.h"
#include "Handles.h"
#include "form/Form1Wiring.h"
#include "platform/DefaultButtonRule.h"
#include "platform/win32/Win32Announcer.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32MessageBox.h"

namespace app::win32 {

class Form1 final : public form::ControlLookup {
public:
    // Throws StartError when Windows refuses the window class, the window or one of its
    // controls; what was made is released, and no window is left to reach this object.
    explicit Form1(HINSTANCE instance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND handle() const { return m_window.get(); }
    void show(int how);

    // The keys the window decides itself, before the dialog manager sees them: Enter (through the
    // wiring) and Tab (the design's tab order). Returns whether the message was one of them.
    bool handleKey(const MSG& message);

    platform::win32::Win32Button& button(std::string_view name) const override;
    platform::win32::Win32TextBox& textBox(std::string_view name) const override;
    platform::win32::Win32ListBox& listBox(std::string_view name) const override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handleMessage(UINT message, WPARAM w, LPARAM l);
    void moveFocus(bool backwards);
    // The title bar's and the taskbar's icons, drawn at the sizes Windows wants at `dpi`.
    void setIcons(UINT dpi);

    // The window's class, registered for as long as this lives.
    class WindowClass {
    public:
        explicit WindowClass(HINSTANCE instance);
        ~WindowClass();
        WindowClass(const WindowClass&) = delete;
        WindowClass& operator=(const WindowClass&) = delete;

    private:
        HINSTANCE m_instance;
    };

    HINSTANCE m_instance;
    OwnedBrush m_background;
    bool m_highContrast = highContrast();
    WindowClass m_class;
    // Declared before the controls, whose buttons hold on to it until they are gone.
    platform::DefaultButtonRule m_defaultButton;
    std::optional<Form1Controls> m_controls;
    std::optional<platform::win32::Win32Clipboard> m_clipboard;
    std::optional<platform::win32::Win32MessageBox> m_messages;
    std::optional<platform::win32::Win32Announcer> m_announcer;
    std::optional<form::Form1Wiring> m_wiring;
    OwnedIcon m_bigIcon, m_smallIcon;
    // Last, so it goes first, before everything its controls use; empty once Windows has
    // destroyed it.
    OwnedWindow m_window;
};

} // namespace app::win32
