// What the window costs a user at its edges: a 10 MB text pasted into the display and the keys
// after it, and a click that meets a clipboard owner that never answers. Needs an X server and
// xclip:   xvfb-run -a build/bench/bench_edges

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cstdio>

#include "Form1.h"
#include "OtherProgram.h"
#include "WindowDriver.h"

namespace {

template <class Work> double millisecondsFor(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents(); // what the keys queued, repainting included
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    testing::WindowDriver driver;
    QLineEdit& display = driver.form().textBox("Text1").widget();

    testing::otherProgramCopies(QByteArray(10'000'000, '3'));
    driver.click(display);
    const double paste = millisecondsFor(
        [&] { QTest::keyClick(driver.form().windowHandle(), Qt::Key_V, Qt::ControlModifier); });
    std::printf("Ctrl+V of a 10 MB text: %.1f ms, display holds %lld characters\n", paste,
                static_cast<long long>(display.text().size()));
    const double key = millisecondsFor([&] { QTest::keyClick(driver.form().windowHandle(), '5'); });
    std::printf("A key typed after it: %.1f ms\n", key);
    const double plus = millisecondsFor([&] { driver.press(QStringLiteral("+")); });
    std::printf("+ after it (the text goes to the clipboard): %.1f ms\n", plus);
    const double digit = millisecondsFor([&] { driver.press(QStringLiteral("7")); });
    std::printf("A digit key after that: %.1f ms\n", digit);

    driver.press(QStringLiteral("5 +"));
    testing::HungOwner owner("7");
    testing::answerNextMessageBox([](QMessageBox&) {});
    QElapsedTimer waited;
    waited.start();
    driver.press(QStringLiteral("3 ="));
    std::printf("= with a hung clipboard owner, until its message box closes: %.0f ms\n",
                waited.nsecsElapsed() / 1e6);
    return 0;
}
