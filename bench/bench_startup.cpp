// Time from process start to the calculator window shown and painted, the time of one click on
// the real window, and the process's peak memory. Needs a display: xvfb-run on X11, or natively
// on Wayland tools/wayland-session.
//   xvfb-run -a build/bench/bench_startup
//   tools/wayland-session build/bench/bench_startup
//   tools/gnome-session build/bench/bench_startup    (GNOME: through its Xwayland)

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

#include "Application.h"
#include "Form1.h"
#include "platform/qt/DisplayServer.h"

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    app::qt::chooseDisplayServer();
    app::qt::ignoreDesktopSettings();
    QApplication application(argc, argv);
    app::qt::prepareApplication(application);
    app::qt::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QCoreApplication::processEvents();
    const double startup =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double startupPeak = peakMegabytes();

    // On X11 + writes the clipboard every time. On Wayland a click made inside the program carries
    // no input event, and the compositor takes no clipboard write from it: C instead.
    const bool wayland = platform::qt::onWayland();
    const char* second = wayland ? "Cancella" : "Somma";
    constexpr int kClicks = 2000;
    const auto clicks = std::chrono::steady_clock::now();
    for (int i = 0; i < kClicks; ++i) {
        form.button("Command7").widget().click();
        form.button(second).widget().click();
        QCoreApplication::processEvents();
    }
    const double perClick =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - clicks).count() /
        (2 * kClicks);

    std::printf("Platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("Start-up to painted window: %.0f ms\n", startup * 1e3);
    std::printf("Peak resident memory once painted: %.1f MB\n", startupPeak);
    std::printf("One click on the real window (digit or %s): %.0f us\n", wayland ? "C" : "+",
                perClick * 1e6);
    std::printf("Peak resident memory: %.1f MB\n", peakMegabytes());
    return 0;
}
