#pragma once

#include "platform/win32/WindowsApi.h"

#include "Form1Controls.h"

namespace app::win32 {

// Paints an owner-drawn key: the system's push-button frame, the designed face colour inside it,
// the caption centred in the key's font (black or white, whichever reads on the face), the default
// button's black frame around the whole key, and the focus as a dotted rectangle inside the face,
// so the two never look alike. With `systemColours` (high contrast) every key is the system's.
void paintButton(const DRAWITEMSTRUCT& item, const Form1Controls::Control& control, HFONT font,
                 bool isDefault, bool systemColours);

} // namespace app::win32
