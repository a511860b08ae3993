#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <fontconfig/fontconfig.h>
#include <wayland-client.h>

#include "ButtonFaceStyle.h"
#include "brenoldi_version.h"
#include "platform/qt/wayland/EventQueue.h"

namespace app::qt {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void chooseDisplayServer() {
    // The compositor answers at once; one that has not in a second is taken to draw nothing.
    constexpr std::chrono::seconds kPatience{1};
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        (!named.isEmpty() && !named.startsWith("wayland")))
        return;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return;
    // Whether the compositor draws the windows' decorations itself (xdg-decoration: sway, KDE
    // Plasma and most wlroots compositors do; GNOME does not).
    const bool decorates = platform::qt::compositorOffers(
        display, "zxdg_decoration_manager_v1", std::chrono::steady_clock::now() + kPatience);
    wl_display_disconnect(display);
    if (!decorates) {
        if (named.isEmpty() && !qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt before 6.8 maps Mesa's OpenGL for any window it may decorate, even one the compositor
    // then decorates, so its own decorations are turned off where the compositor offers to draw
    // them. (Qt 6.8 maps no OpenGL, asks for every window and draws a frame only where the
    // compositor answers that it will not.) A choice of the user's holds.
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
#endif
}

void ignoreDesktopSettings() {
    QGuiApplication::setDesktopSettingsAware(false);
}

std::jthread readFontConfigurationAside() {
    return std::jthread([] { FcInit(); });
}

namespace {

void substituteFonts() {
    // The design's families are rarely installed outside Windows. Liberation Sans is metric-
    // compatible with Arial and narrow enough that "Aiuto" and "2ndF" fit their small buttons
    // in bold, which DejaVu Sans, the usual stand-in, does not.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                           QStringLiteral("Helvetica")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("System"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

void loadItalianQtTexts(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace

void prepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("BRENOLDI"));
    QApplication::setApplicationVersion(QStringLiteral(BRENOLDI_VERSION));
    // Docks and Wayland compositors match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("brenoldi"));
    QApplication::setOrganizationName(QStringLiteral("BRENOLDI"));
    // One look everywhere: the coloured button faces need a style that paints palette colours,
    // and the desktop's own palette (a dark theme, say) must not repaint the standard buttons.
    auto* style = new ButtonFaceStyle;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    substituteFonts();
    loadItalianQtTexts(application);
}

} // namespace app::qt
