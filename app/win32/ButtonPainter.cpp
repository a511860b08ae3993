#include "ButtonPainter.h"

#include "Colours.h"
#include "form/Form1Design.h"
#include "platform/win32/Utf16.h"

namespace app::win32 {

namespace {
// The focus mark sits this far inside the key's edge, clear of the frame.
constexpr int kFocusInset = 3;
// The designed face colour fills the key inside the system's two-pixel frame.
constexpr int kFrameWidth = 2;
} // namespace

void paintButton(const DRAWITEMSTRUCT& item, const Form1Controls::Control& control, HFONT font,
                 bool isDefault, bool systemColours) {
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool designed = control.face && !systemColours;
    if (isDefault) {
        FrameRect(dc, &face,
                  systemColours ? GetSysColorBrush(COLOR_BTNTEXT)
                                : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (designed) {
        RECT inside = face;
        InflateRect(&inside, -kFrameWidth, -kFrameWidth);
        FillRect(dc, &inside, control.face.get());
    }
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, designed ? colorRef(form::captionColourOn(*control.design->face))
                              : GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, platform::win32::toUtf16(control.design->caption).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace app::win32
