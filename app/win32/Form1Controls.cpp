#include "Form1Controls.h"

#include <commctrl.h>
#include <stdexcept>

#include "Colours.h"
#include "Dpi.h"
#include "StartError.h"
#include "form/Form1Design.h"
#include "platform/win32/Annotations.h"
#include "platform/win32/Utf16.h"

namespace app::win32 {

namespace {

using form::ControlDesign;
using form::ControlKind;
using platform::win32::toUtf16;

constexpr int kFirstId = 100; // clear of IDOK and IDCANCEL, which the dialog manager sends itself
// The widest a tool tip grows before it wraps.
int toolTipWidth(UINT dpi) {
    constexpr int kAt96Dpi = 300;
    return MulDiv(kAt96Dpi, static_cast<int>(dpi), form::kDesignDpi);
}

} // namespace

Form1Controls::Form1Controls(HWND window, HINSTANCE instance,
                             platform::DefaultButtonRule& defaultButton, UINT dpi)
    : m_dpi(dpi) {
    create(window, instance, defaultButton);
    addToolTips(window, instance);
    nameForScreenReaders();
}

const Form1Controls::Control* Form1Controls::withHandle(HWND handle) const {
    for (const Control& control : m_controls) {
        if (control.handle == handle)
            return &control;
    }
    return nullptr;
}

const Form1Controls::Control* Form1Controls::withId(int id) const {
    const auto index = static_cast<std::size_t>(id - kFirstId);
    return id >= kFirstId && index < m_controls.size() ? &m_controls[index] : nullptr;
}

platform::win32::Win32Button& Form1Controls::button(std::string_view name) const {
    return form::controlNamed(m_buttons, name);
}

platform::win32::Win32TextBox& Form1Controls::textBox(std::string_view name) const {
    return form::controlNamed(m_textBoxes, name);
}

platform::win32::Win32ListBox& Form1Controls::listBox(std::string_view name) const {
    return form::controlNamed(m_listBoxes, name);
}

HFONT Form1Controls::font(const form::FontDesign& design) {
    auto& font = m_fonts[std::make_tuple(std::string(design.family), design.points, design.bold)];
    if (!font)
        font.reset(createFontAt(design, m_dpi));
    // A font Windows could not make: the system's, rather than none.
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Form1Controls::layOut(UINT dpi) {
    if (dpi == m_dpi)
        return;
    // The old fonts stay until every control has its new one.
    auto old = std::move(m_fonts);
    m_fonts.clear();
    m_dpi = dpi;
    for (const Control& control : m_controls) {
        const RECT place = placeAt(control.design->place, dpi);
        MoveWindow(control.handle, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
        SendMessageW(control.handle, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(control.design->font)), TRUE);
    }
    if (m_toolTips)
        SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, toolTipWidth(dpi));
}

void Form1Controls::create(HWND window, HINSTANCE instance,
                           platform::DefaultButtonRule& defaultButton) {
    int id = kFirstId;
    for (const ControlDesign& design : form::kForm1Controls) {
        const RECT place = placeAt(design.place, m_dpi);
        const DWORD visible = design.visible ? WS_VISIBLE : 0;
        const wchar_t* kind = L"BUTTON";
        DWORD style = WS_CHILD | visible | WS_CLIPSIBLINGS;
        DWORD extended = 0;
        switch (design.kind) {
        case ControlKind::Button:
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        case ControlKind::TextBox:
            kind = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL |
                     (design.alignment == form::TextAlignment::Right ? ES_RIGHT : ES_LEFT);
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ListBox:
            kind = L"LISTBOX";
            style |= LBS_NOINTEGRALHEIGHT; // the designed height, not a whole number of lines
            extended = WS_EX_CLIENTEDGE;
            break;
        }
        const HWND handle =
            CreateWindowExW(extended, kind, toUtf16(design.caption).c_str(), style, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (!handle)
            throw StartError(std::string("il controllo ") + design.name + " non è stato creato");
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(design.font)), FALSE);
        OwnedBrush face(design.face ? CreateSolidBrush(colorRef(*design.face)) : nullptr);
        if (design.face && !face)
            throw StartError(std::string("il colore del controllo ") + design.name +
                             " non è stato creato");
        m_controls.push_back({&design, handle, std::move(face)});
        switch (design.kind) {
        case ControlKind::Button:
            m_buttons.emplace(
                design.name, std::make_unique<platform::win32::Win32Button>(defaultButton, handle));
            break;
        case ControlKind::TextBox:
            m_textBoxes.emplace(design.name,
                                std::make_unique<platform::win32::Win32TextBox>(handle));
            break;
        case ControlKind::ListBox:
            m_listBoxes.emplace(design.name,
                                std::make_unique<platform::win32::Win32ListBox>(handle));
            break;
        }
        ++id;
    }
    // Created last, the indicator would lie behind the display: it is brought in front, and Tab
    // follows the design's order rather than this stacking.
    SetWindowPos(textBox("Text2").handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Form1Controls::addToolTips(HWND window, HINSTANCE instance) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                                 nullptr, instance, nullptr);
    if (!m_toolTips)
        return; // the window works without its tips
    for (const Control& control : m_controls) {
        if (!control.design->toolTip)
            continue;
        std::wstring text = toUtf16(control.design->toolTip);
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood with and without visual styles
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
        tool.lpszText = text.data();
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, toolTipWidth(m_dpi));
}

void Form1Controls::nameForScreenReaders() {
    // A plain button is read by its caption; the system's annotation service gives each control
    // its spoken name ("più", not "+") and the tool tip as its description. Where the service is
    // missing, the captions remain.
    const platform::win32::Annotations annotations;
    if (!annotations)
        return;
    for (const Control& control : m_controls) {
        annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_NAME, toUtf16(control.design->spokenName).c_str());
        if (control.design->toolTip)
            annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT),
                                        CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                        toUtf16(control.design->toolTip).c_str());
    }
}

} // namespace app::win32
