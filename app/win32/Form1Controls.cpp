#include "Form1Controls.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <stdexcept>

#include "Colours.h"
#include "form/Form1Design.h"
#include "platform/win32/Utf16.h"

namespace app::win32 {

namespace {

using form::ControlDesign;
using form::ControlKind;
using platform::win32::toUtf16;

constexpr int kFirstId = 100; // clear of IDOK and IDCANCEL, which the dialog manager sends itself
constexpr int kToolTipWidth = 300;

RECT pixels(const form::TwipRect& place) {
    const int left = form::twipsToPixels(place.left), top = form::twipsToPixels(place.top);
    return {left, top, left + form::twipsToPixels(place.width),
            top + form::twipsToPixels(place.height)};
}

} // namespace

Form1Controls::Form1Controls(HWND window, HINSTANCE instance,
                             platform::DefaultButtonRule& defaultButton) {
    create(window, instance, defaultButton);
    addToolTips(window, instance);
    nameForScreenReaders();
}

Form1Controls::~Form1Controls() {
    for (const Control& control : m_controls) {
        if (control.face)
            DeleteObject(control.face);
    }
    for (const auto& [key, font] : m_fonts)
        DeleteObject(font);
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
    if (!font) {
        // The designed point size at 96 dpi, the size the window's pixel layout is made for.
        font = CreateFontW(-form::pointsToPixels(design.points), 0, 0, 0,
                           design.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, toUtf16(design.family).c_str());
    }
    return font;
}

void Form1Controls::create(HWND window, HINSTANCE instance,
                           platform::DefaultButtonRule& defaultButton) {
    int id = kFirstId;
    for (const ControlDesign& design : form::kForm1Controls) {
        const RECT place = pixels(design.place);
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
            throw std::runtime_error(std::string("control not created: ") + design.name);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(design.font)), FALSE);
        m_controls.push_back(
            {&design, handle, design.face ? CreateSolidBrush(colorRef(*design.face)) : nullptr});
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
    const HWND tips = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (!tips)
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
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, kToolTipWidth);
}

void Form1Controls::nameForScreenReaders() {
    // A plain button is read by its caption; the system's annotation service gives each control
    // its spoken name ("più", not "+") and the tool tip as its description. Where the service is
    // missing, the captions remain.
    IAccPropServices* annotations = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&annotations))))
        return;
    for (const Control& control : m_controls) {
        annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_NAME, toUtf16(control.design->spokenName).c_str());
        if (control.design->toolTip)
            annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT),
                                        CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                        toUtf16(control.design->toolTip).c_str());
    }
    annotations->Release();
}

} // namespace app::win32
