// Time from process start to the calculator window shown and painted, the time of one click on
// the real window, and the process's peak memory. Needs an X server (xvfb-run).
//   xvfb-run -a build/bench/bench_startup

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

#include "Application.h"
#include "Form1.h"

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    app::qt::prepareApplication(application);
    app::qt::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QCoreApplication::processEvents();
    const double startup =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    constexpr int kClicks = 2000;
    const auto clicks = std::chrono::steady_clock::now();
    for (int i = 0; i < kClicks; ++i) {
        form.button("Command7").widget().click();
        form.button("Somma").widget().click(); // writes the X clipboard every time
        QCoreApplication::processEvents();
    }
    const double perClick =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - clicks).count() /
        (2 * kClicks);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Start-up to painted window: %.0f ms\n", startup * 1e3);
    std::printf("One click on the real window (digit or +): %.0f us\n", perClick * 1e6);
    std::printf("Peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
