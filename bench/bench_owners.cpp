// What another program on the X11 clipboard can cost a click: for every way clipboard_owner
// misbehaves, 1 2 + (the owner takes the clipboard) 3 = on the real window, with the time that =
// took (until its box, when one opens), what the display then shows, and the process's peak
// memory. Each mode runs in a fresh process of its own, so each peak is its own. Needs an X server
// (xvfb-run).
//   xvfb-run -a build/bench/bench_owners          every mode
//   xvfb-run -a build/bench/bench_owners MODE     one

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

#include "OtherProgram.h"
#include "WindowDriver.h"

namespace {

int measure(const QString& mode) {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 +"));
    testing::MisbehavingOwner owner(mode, "7");
    QElapsedTimer clock;
    qint64 boxAfter = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            boxAfter = clock.elapsed();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(5);
    clock.start();
    driver.press(QStringLiteral("3 ="));
    const qint64 took = boxAfter >= 0 ? boxAfter : clock.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("| %s | %lld ms | %s | %.1f MB |\n", qPrintable(mode), static_cast<long long>(took),
                boxAfter >= 0 ? "the box" : qPrintable(driver.display()), usage.ru_maxrss / 1024.0);
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
    for (const QByteArray& mode : list.readAllStandardOutput().split('\n')) {
        if (mode.isEmpty())
            continue;
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        one.start(QString::fromLocal8Bit(argv[0]), {QString::fromUtf8(mode)});
        one.waitForFinished(-1);
    }
    return 0;
}
