#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <fontconfig/fontconfig.h>

#include "ButtonFaceStyle.h"
#include "brenoldi_version.h"

#include "platform/qt/DisplayServer.h"
#include "platform/qt/wayland/ServerDecorations.h"

namespace app::qt {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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

// Qt 6.4 on Wayland asks its OpenGL buffer integration whether it may draw window decorations
// before it asks whether the compositor draws them, and so loads Mesa (about 50 MB) for a widget
// window that never uses OpenGL. Where the compositor draws the decorations, Qt's own are never
// shown: they are turned off, and OpenGL is never loaded. GNOME draws none; there Qt decorates the
// window, OpenGL and all.
void leaveOpenGLUnloaded() {
    // The compositor answers at once; one that has not in a second is taken to draw nothing.
    constexpr std::chrono::seconds kPatience{1};
    if (qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        return;
    wl_display* display = platform::qt::waylandDisplay();
    if (display && platform::qt::compositorDecoratesWindows(
                       display, std::chrono::steady_clock::now() + kPatience))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
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
    leaveOpenGLUnloaded();
}

} // namespace app::qt
