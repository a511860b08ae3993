// What another program on the X11 clipboard can cost a click: for every way clipboard_owner
// misbehaves, 1 2 + (the owner takes the clipboard) 3 = on the real window, with the time that =
// took (until its box, when one opens), what the display then shows, and the process's peak
// memory; and, as "own copy", 1 2 + 3, Ctrl+C on the display's text (this program's own copy),
// then =. Each runs in a fresh process of its own, so each peak is its own. Needs an X server
// (xvfb-run).
//   xvfb-run -a build/bench/bench_owners          every mode
//   xvfb-run -a build/bench/bench_owners MODE     one

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <cstdio>
#include <optional>
#include <sys/resource.h>

#include "ClipboardBounds.h"
#include "Form1.h"
#include "OtherProgram.h"
#include "WindowDriver.h"

namespace {

constexpr const char* kOwnCopy = "own copy";

int measure(const QString& mode) {
    testing::WindowDriver driver;
    std::optional<testing::MisbehavingOwner> owner;
    if (mode == QLatin1String(kOwnCopy)) {
        driver.press(QStringLiteral("1 2 + 3"));
        driver.click(driver.form().textBox("Text1").widget());
        driver.pressKey(QStringLiteral("a"), Qt::Key_A, Qt::ControlModifier);
        driver.pressKey(QStringLiteral("c"), Qt::Key_C, Qt::ControlModifier);
    } else {
        driver.press(QStringLiteral("1 2 +"));
        owner.emplace(mode, "7");
        driver.press(QStringLiteral("3"));
    }
    const testing::BoxCloser closer;
    const auto start = testing::Clock::now();
    driver.press(QStringLiteral("="));
    const auto end = closer.boxes.isEmpty() ? testing::Clock::now() : closer.boxes.front().shownAt;
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("| %s | %lld ms | %s | %.1f MB |\n", qPrintable(mode), static_cast<long long>(took),
                closer.boxes.isEmpty() ? qPrintable(driver.display()) : "the box",
                usage.ru_maxrss / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        QApplication application(argc, argv);
        return measure(QString::fromLocal8Bit(argv[1]));
    }
    QProcess list;
    list.start(QStringLiteral(BRENOLDI_CLIPBOARD_OWNER), {QStringLiteral("--modes")});
    list.waitForFinished();
    std::printf("| owner | = took | display | peak memory |\n|---|---|---|---|\n");
    std::fflush(stdout);
    for (const QByteArray& mode : list.readAllStandardOutput().append(kOwnCopy).split('\n')) {
        if (mode.isEmpty())
            continue;
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        one.start(QString::fromLocal8Bit(argv[0]), {QString::fromUtf8(mode)});
        one.waitForFinished(-1);
    }
    return 0;
}
