#pragma once

#include <thread>

class QApplication;

namespace app::qt {

// Whether a graphical display can be reached: on X11/Wayland desktops that means DISPLAY or
// WAYLAND_DISPLAY (or an explicit Qt platform). Without one, Qt would abort with its own message.
bool displayAvailable();

// Chooses the display server before Qt does, and so must come before QApplication. Natively on
// Wayland where the compositor draws the windows' decorations (sway, KDE Plasma, most wlroots
// compositors); before Qt 6.8 with Qt's own turned off, since Qt 6.4 would load Mesa's OpenGL
// (about 50 MB) only to ask whether it may draw them, and draws them only through it. From 6.8
// Qt asks the compositor for every window and draws a frame only where it declines. Where the
// compositor draws none
// (GNOME), through its Xwayland, whose windows it decorates, boxes and their titles included;
// natively only where there is no Xwayland, with Qt's decorations (and, with Qt 6.4, OpenGL).
// Qt 6.8 draws its decorations without OpenGL, but the choice stays the same on every Qt, so a
// desktop meets one program whichever Qt its Debian has. A platform the user names
// (QT_QPA_PLATFORM) holds.
void chooseDisplayServer();

// The window takes nothing from the desktop's settings: the design fixes its colours and fonts, a
// dark or high-contrast palette would repaint only the keys the design leaves to the system and
// leave a window half light, half dark, and its one dialog is a message box of its own. So Qt
// loads no platform theme plugin: GNOME's, Xfce's, MATE's and Cinnamon's (qt6-gtk-platformtheme,
// which every Debian desktop has) would load GTK 3, and GTK Mesa's OpenGL, tripling the memory.
// Must come before QApplication.
void ignoreDesktopSettings();

// fontconfig's first call reads its configuration and every installed font's description: a
// third of the work before the window shows. Started before QApplication, it runs on another core
// while Qt finds its plugins and connects to the display; join it before the first text is laid
// out, or that text would read them all a second time.
std::jthread readFontConfigurationAside();

// Everything the running application needs before Form1 is built: its name ("BRENOLDI", the
// title of every message box) and version, one style and palette on every desktop, fonts for the
// families the design names, and Qt's own texts in Italian.
void prepareApplication(QApplication& application);

} // namespace app::qt
