// An ordinary Qt program on the clipboard, for the tests: every Qt program serves the clipboard
// as this one does, refusing requests older than its claim. Each line read on standard input is
// copied to the clipboard, claimed with the server's present time as a key press would stamp it;
// "copied TEXT" is printed once the claim has taken. Ends when standard input closes, or is
// killed.

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <cstdio>
#include <qpa/qplatformnativeinterface.h>
#include <unistd.h>

namespace {

void stampWithServerTime() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto now = static_cast<std::uint32_t>(
        reinterpret_cast<quintptr>(native->nativeResourceForScreen("gettimestamp", screen)));
    using SetAppTime = void (*)(QScreen*, std::uint32_t);
    const auto setAppTime = reinterpret_cast<SetAppTime>(
        reinterpret_cast<void (*)()>(native->nativeResourceFunctionForScreen("setapptime")));
    setAppTime(screen, now);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QString line;
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&line] {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            QCoreApplication::quit();
            return;
        }
        line += QString::fromUtf8(buffer, static_cast<qsizetype>(got));
        for (qsizetype end = line.indexOf(QLatin1Char('\n')); end >= 0;
             end = line.indexOf(QLatin1Char('\n'))) {
            const QString text = line.left(end);
            line.remove(0, end + 1);
            stampWithServerTime();
            QGuiApplication::clipboard()->setText(text);
            if (QGuiApplication::clipboard()->ownsClipboard())
                std::printf("copied %s\n", qPrintable(text));
            else
                std::printf("not copied\n");
            std::fflush(stdout);
        }
    });
    return application.exec();
}
