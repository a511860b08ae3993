#include "Form1Window.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include "ControlsByName.h"
#include "Form1Design.h"
#include "engine/ClickDispatch.h"
#include "platform/win32/Utf16.h"

namespace {

constexpr const wchar_t* kClassName = L"BRENOLDI.Form1";
constexpr int kFirstId = 100; // clear of IDOK and IDCANCEL, which the dialog manager sends itself
constexpr int kFocusInset = 3;

COLORREF colour(const Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT pixels(const TwipRect& place) {
    const int left = twipsToPixels(place.left), top = twipsToPixels(place.top);
    return {left, top, left + twipsToPixels(place.width), top + twipsToPixels(place.height)};
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : m_background(CreateSolidBrush(colour(kForm1Background))) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA; // the dialog manager keeps its state there
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 32, 32, 0));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = m_background;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // A fixed border: caption, system menu, minimise and maximise, but no sizing frame.
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, twipsToPixels(kForm1ClientWidth), twipsToPixels(kForm1ClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT screen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    m_window = CreateWindowExW(0, kClassName, platform::toUtf16(kForm1Caption).c_str(), style,
                               screen.left + (screen.right - screen.left - width) / 2,
                               screen.top + (screen.bottom - screen.top - height) / 2, width,
                               height, nullptr, nullptr, instance, this);
    m_clipboard.emplace(m_window);
    m_messages.emplace(m_window);
    createControls(instance);
    addToolTips(instance);
    nameControlsForScreenReaders();
    m_engine.emplace(
        engine::Controls{controlNamed(m_textBoxes, "Text1"), controlNamed(m_textBoxes, "Text2"),
                         controlNamed(m_listBoxes, "List1"), controlNamed(m_buttons, "Somma"),
                         controlNamed(m_buttons, "Differenza"), controlNamed(m_buttons, "Prodotto"),
                         controlNamed(m_buttons, "Divisione"), controlNamed(m_buttons, "Potenza"),
                         controlNamed(m_buttons, "Percentuale"),
                         controlNamed(m_buttons, "FunzioneInversa"), *m_clipboard});
    // The whole initial state: empty texts and list, Risultato the default.
    controlNamed(m_buttons, "Risultato").setDefault(true);
}

Form1Window::~Form1Window() {
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    for (const Control& control : m_controls) {
        if (control.face)
            DeleteObject(control.face);
    }
    for (const auto& [key, font] : m_fonts)
        DeleteObject(font);
    DeleteObject(m_background);
}

void Form1Window::show(int how) {
    ShowWindow(m_window, how);
    UpdateWindow(m_window);
    SetFocus(controlNamed(m_buttons, "Command1").handle());
}

HFONT Form1Window::font(const ControlDesign& design) {
    const auto key =
        std::make_tuple(std::string(design.font.family), design.font.points, design.font.bold);
    auto& font = m_fonts[key];
    if (!font) {
        // The designed point size at 96 dpi, the size the window's pixel layout is made for.
        font = CreateFontW(-pointsToPixels(design.font.points), 0, 0, 0,
                           design.font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, platform::toUtf16(design.font.family).c_str());
    }
    return font;
}

void Form1Window::createControls(HINSTANCE instance) {
    int id = kFirstId;
    for (const ControlDesign& design : kForm1Controls) {
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
                     (design.alignment == TextAlignment::Right ? ES_RIGHT : ES_LEFT);
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ListBox:
            kind = L"LISTBOX";
            style |= LBS_NOINTEGRALHEIGHT; // the designed height, not a whole number of lines
            extended = WS_EX_CLIENTEDGE;
            break;
        }
        const HWND handle = CreateWindowExW(
            extended, kind, platform::toUtf16(design.caption).c_str(), style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(design)), FALSE);
        m_controls.push_back(
            {&design, handle, design.face ? CreateSolidBrush(colour(*design.face)) : nullptr});
        switch (design.kind) {
        case ControlKind::Button:
            m_buttons.emplace(design.name,
                              std::make_unique<platform::Win32Button>(m_defaultButton, handle));
            break;
        case ControlKind::TextBox:
            m_textBoxes.emplace(design.name, std::make_unique<platform::Win32TextBox>(handle));
            break;
        case ControlKind::ListBox:
            m_listBoxes.emplace(design.name, std::make_unique<platform::Win32ListBox>(handle));
            break;
        }
        ++id;
    }
    // Created last, the indicator would lie behind the display: it is brought in front, and Tab
    // follows the design's order rather than this stacking.
    SetWindowPos(controlNamed(m_textBoxes, "Text2").handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void Form1Window::addToolTips(HINSTANCE instance) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND tips = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, instance, nullptr);
    for (const Control& control : m_controls) {
        if (!control.design->toolTip)
            continue;
        std::wstring text = platform::toUtf16(control.design->toolTip);
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood with and without visual styles
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
        tool.lpszText = text.data();
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 300);
}

void Form1Window::nameControlsForScreenReaders() {
    // A plain button is read by its caption; the system's annotation service gives each control
    // its spoken name ("più", not "+") and the tool tip as its description. Where the service is
    // missing, the captions remain.
    IAccPropServices* annotations = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&annotations))))
        return;
    for (const Control& control : m_controls) {
        annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_NAME,
                                    platform::toUtf16(control.design->spokenName).c_str());
        if (control.design->toolTip)
            annotations->SetHwndPropStr(control.handle, static_cast<DWORD>(OBJID_CLIENT),
                                        CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                        platform::toUtf16(control.design->toolTip).c_str());
    }
    annotations->Release();
}

const Form1Window::Control* Form1Window::controlOf(HWND handle) const {
    for (const Control& control : m_controls) {
        if (control.handle == handle)
            return &control;
    }
    return nullptr;
}

void Form1Window::click(int id) {
    const std::size_t index = static_cast<std::size_t>(id - kFirstId);
    if (id < kFirstId || index >= m_controls.size())
        return;
    const ControlDesign& design = *m_controls[index].design;
    if (design.kind != ControlKind::Button)
        return;
    engine::dispatchClick([this, &design] { design.click(*m_engine, *m_messages); }, *m_messages);
}

bool Form1Window::handleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    if (message.wParam == VK_RETURN) {
        const Control* focused = controlOf(GetFocus());
        if (focused && focused->design->kind == ControlKind::Button)
            controlNamed(m_buttons, focused->design->name).click();
        else if (platform::Button* holder = m_defaultButton.holder())
            holder->click();
        return true;
    }
    if (message.wParam == VK_TAB) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return false;
}

void Form1Window::moveFocus(bool backwards) {
    const Control* focused = controlOf(GetFocus());
    const int count = static_cast<int>(m_controls.size());
    int index = focused ? static_cast<int>(focused - m_controls.data()) : -1;
    for (int step = 0; step < count; ++step) {
        index = backwards ? (index - 1 + count) % count : (index + 1) % count;
        const Control& next = m_controls[static_cast<std::size_t>(index)];
        if (next.design->visible && next.design->kind != ControlKind::ListBox) {
            SetFocus(next.handle);
            if (next.design->kind == ControlKind::TextBox)
                SendMessageW(next.handle, EM_SETSEL, 0, -1);
            return;
        }
    }
}

void Form1Window::drawButton(const DRAWITEMSTRUCT& item) {
    const Control* control = controlOf(item.hwndItem);
    if (!control)
        return;
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    // The default button: a black frame around the whole button, as the system draws it.
    if (controlNamed(m_buttons, control->design->name).isDefault()) {
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (control->face) {
        RECT inside = face;
        InflateRect(&inside, -2, -2);
        FillRect(dc, &inside, control->face);
    }
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ previous = SelectObject(dc, font(*control->design));
    DrawTextW(dc, platform::toUtf16(control->design->caption).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
    // The focus: a dotted rectangle inside the face, never like the default's frame.
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK Form1Window::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window = window;
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->m_window == window)
        return self->handleMessage(message, w, l);
    return DefDlgProcW(window, message, w, l);
}

LRESULT Form1Window::handleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        // A double click on an owner-drawn button comes as its own notification: two clicks.
        if (HIWORD(w) == BN_CLICKED || HIWORD(w) == BN_DOUBLECLICKED)
            click(LOWORD(w));
        return 0;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_CTLCOLOREDIT:
        if (const Control* control = controlOf(reinterpret_cast<HWND>(l))) {
            const HDC dc = reinterpret_cast<HDC>(w);
            if (control->design->textColour)
                SetTextColor(dc, colour(*control->design->textColour));
            if (control->face) {
                SetBkColor(dc, colour(*control->design->face));
                return reinterpret_cast<LRESULT>(control->face);
            }
        }
        break;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(m_background);
    case WM_CLOSE:
        // The dialog manager would turn it into IDCANCEL; closing the window ends the program.
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefDlgProcW(m_window, message, w, l);
}
