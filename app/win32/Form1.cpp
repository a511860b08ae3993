#include "Form1.h"

#include <stdexcept>
#include <utility>

#include "ButtonPainter.h"
#include "Colours.h"
#include "Dpi.h"
#include "StartError.h"
#include "form/Form1Design.h"
#include "platform/win32/Utf16.h"

namespace app::win32 {

namespace {

constexpr const wchar_t* kClassName = L"BRENOLDI.Form1";
// A fixed border: caption, system menu, minimise and maximise, but no sizing frame.
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

RECT clientAt(UINT dpi) {
    return {0, 0, form::twipsToPixels(form::kForm1ClientWidth, static_cast<int>(dpi)),
            form::twipsToPixels(form::kForm1ClientHeight, static_cast<int>(dpi))};
}

SIZE sizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

// No background brush of its own: Windows would delete it with the class, which owns it then. The
// dialog manager paints the background with the brush WM_CTLCOLORDLG answers.
Form1::WindowClass::WindowClass(HINSTANCE instance) : m_instance(instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA; // the dialog manager keeps its state there
    windowClass.hInstance = instance;
    // Where no window of its own says otherwise (the window sets its own, at its DPI).
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        throw StartError("la classe della finestra non è stata registrata");
}

Form1::WindowClass::~WindowClass() {
    UnregisterClassW(kClassName, m_instance);
}

Form1::Form1(HINSTANCE instance)
    : m_instance(instance), m_background(CreateSolidBrush(colorRef(form::kForm1Background))),
      m_class(instance) {
    if (!m_background)
        throw StartError("il colore dello sfondo non è stato creato");
    // Sized first for the system's DPI; once the window knows its monitor, for that one's.
    const SIZE guess = sizeOf(frameAt(clientAt(dpiOf(nullptr)), kStyle, 0, dpiOf(nullptr)));
    RECT screen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    // The window procedure takes the window into m_window as it is made.
    if (!CreateWindowExW(0, kClassName, platform::win32::toUtf16(form::kForm1Caption).c_str(),
                         kStyle, screen.left + (screen.right - screen.left - guess.cx) / 2,
                         screen.top + (screen.bottom - screen.top - guess.cy) / 2, guess.cx,
                         guess.cy, nullptr, nullptr, instance, this))
        throw StartError("la finestra non è stata creata");
    const UINT dpi = dpiOf(handle());
    const SIZE size = sizeOf(frameAt(clientAt(dpi), kStyle, 0, dpi));
    if (size.cx != guess.cx || size.cy != guess.cy)
        SetWindowPos(handle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    setIcons(dpi);
    m_controls.emplace(handle(), instance, m_defaultButton, dpi);
    m_clipboard.emplace(handle());
    m_messages.emplace(handle());
    m_announcer.emplace(handle(), textBox("Text1").handle(), textBox("Text2").handle());
    m_wiring.emplace(
        form::Form1Parts{*this, m_defaultButton, *m_clipboard, *m_messages, *m_announcer});
    m_wiring->setInitialState();
}

void Form1::setIcons(UINT dpi) {
    const auto load = [this, dpi](int metric) {
        const int size = systemMetricAt(metric, dpi);
        return OwnedIcon(
            static_cast<HICON>(LoadImageW(m_instance, L"IDI_ICON1", IMAGE_ICON, size, size, 0)));
    };
    OwnedIcon big = load(SM_CXICON);
    OwnedIcon small = load(SM_CXSMICON);
    // An icon Windows could not load at this size leaves the one the window has.
    if (!big || !small)
        return;
    // The old icons go once the window has the new ones.
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    m_bigIcon = std::move(big);
    m_smallIcon = std::move(small);
}

void Form1::show(int how) {
    ShowWindow(handle(), how);
    UpdateWindow(handle());
    SetFocus(button(form::Form1Wiring::firstFocus().name).handle());
}

platform::win32::Win32Button& Form1::button(std::string_view name) const {
    return m_controls->button(name);
}

platform::win32::Win32TextBox& Form1::textBox(std::string_view name) const {
    return m_controls->textBox(name);
}

platform::win32::Win32ListBox& Form1::listBox(std::string_view name) const {
    return m_controls->listBox(name);
}

bool Form1::handleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != handle() && !IsChild(handle(), message.hwnd)))
        return false;
    if (message.wParam == VK_RETURN) {
        const Form1Controls::Control* focused = m_controls->withHandle(GetFocus());
        m_wiring->pressEnter(focused ? focused->design : nullptr);
        return true;
    }
    if (message.wParam == VK_TAB) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return false;
}

void Form1::moveFocus(bool backwards) {
    const auto order = form::Form1Wiring::tabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const Form1Controls::Control* focused = m_controls->withHandle(GetFocus());
    std::ptrdiff_t index = -1;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        if (focused && order[static_cast<std::size_t>(i)] == focused->design)
            index = i;
    }
    if (index < 0)
        index = backwards ? 0 : count - 1;
    index = backwards ? (index - 1 + count) % count : (index + 1) % count;
    const form::ControlDesign& next = *order[static_cast<std::size_t>(index)];
    const HWND handle = next.kind == form::ControlKind::TextBox ? textBox(next.name).handle()
                                                                : button(next.name).handle();
    SetFocus(handle);
    if (next.kind == form::ControlKind::TextBox)
        SendMessageW(handle, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK Form1::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window.reset(window);
        scaleNonClientArea(window);
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->handle() == window)
        return self->handleMessage(message, w, l);
    return DefDlgProcW(window, message, w, l);
}

LRESULT Form1::handleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        // A double click on an owner-drawn button comes as its own notification: two clicks.
        if ((HIWORD(w) == BN_CLICKED || HIWORD(w) == BN_DOUBLECLICKED) && m_wiring) {
            const Form1Controls::Control* control = m_controls->withId(LOWORD(w));
            if (control && control->design->kind == form::ControlKind::Button)
                m_wiring->click(*control->design);
        }
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        const Form1Controls::Control* control =
            m_controls ? m_controls->withHandle(item.hwndItem) : nullptr;
        if (control)
            paintButton(item, *control, m_controls->font(control->design->font),
                        button(control->design->name).isDefault(), m_highContrast);
        return TRUE;
    }
    case WM_CTLCOLOREDIT:
        if (m_highContrast)
            break; // the system's colours
        if (const Form1Controls::Control* control =
                m_controls ? m_controls->withHandle(reinterpret_cast<HWND>(l)) : nullptr) {
            const HDC dc = reinterpret_cast<HDC>(w);
            if (control->design->textColour)
                SetTextColor(dc, colorRef(*control->design->textColour));
            if (control->face) {
                SetBkColor(dc, colorRef(*control->design->face));
                return reinterpret_cast<LRESULT>(control->face.get());
            }
        }
        break;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(m_highContrast ? GetSysColorBrush(COLOR_BTNFACE)
                                                        : m_background.get());
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: {
        // Drawn anew when high contrast is turned on or off, or the system's colours change; the
        // other settings, of which Windows tells every window too, change nothing here.
        const bool wasHighContrast = std::exchange(m_highContrast, highContrast());
        if (message == WM_SYSCOLORCHANGE || m_highContrast != wasHighContrast)
            RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    }
    case WM_DPICHANGED:
        // Moved to a monitor of another DPI (or its scale changed): where Windows suggests, at
        // the client size the design has at the new DPI.
        if (m_controls) {
            const UINT dpi = HIWORD(w);
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            const SIZE size = sizeOf(frameAt(clientAt(dpi), kStyle, 0, dpi));
            SetWindowPos(handle(), nullptr, suggested->left, suggested->top, size.cx, size.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            m_controls->layOut(dpi);
            setIcons(dpi);
            InvalidateRect(handle(), nullptr, TRUE);
        }
        return 0;
    case WM_CLOSE:
        // The dialog manager would turn it into IDCANCEL; closing the window ends the program.
        DestroyWindow(handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        // Windows has destroyed the window: there is nothing left to destroy.
        const LRESULT result = DefDlgProcW(handle(), message, w, l);
        (void)m_window.release();
        return result;
    }
    default:
        break;
    }
    return DefDlgProcW(handle(), message, w, l);
}

} // namespace app::win32
