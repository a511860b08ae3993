#pragma once

class QApplication;

namespace app::qt {

// Whether a graphical display can be reached: on X11/Wayland desktops that means DISPLAY or
// WAYLAND_DISPLAY (or an explicit Qt platform). Without one, Qt would abort with its own message.
bool displayAvailable();

// Everything the running application needs before Form1 is built: its name ("BRENOLDI", the
// title of every message box) and version, one style and palette on every desktop, fonts for the
// families the design names, and Qt's own texts in Italian.
void prepareApplication(QApplication& application);

} // namespace app::qt
