// The clipboard through the real window: another process (xclip, a Qt program, a Wayland client)
// reading and writing the desktop's clipboard between the keys, hung and slow owners, the paste
// into the display, and this program's own copies.

#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <optional>

#include "ClipboardBounds.h"
#include "Form1.h"
#include "OtherProgram.h"
#include "WindowDriver.h"
#include "platform/qt/DisplayServer.h"

using testing::BoxCloser;
using testing::Clock;
using testing::kClickBound;
using testing::kUnavailable;
using testing::otherProgramCopies;
using testing::otherProgramReads;
using testing::programTime;

class ClipboardSequencesTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }
    void otherProgramReadsTheFirstOperand();
    void otherProgramReplacesTheFirstOperand();
    void hungClipboardOwnerEndsTheResultClick();
    void hungClipboardOwnerDoesNotStopAFunctionKey();
    void everyReadOfAnotherProgramsCopy_data();
    void everyReadOfAnotherProgramsCopy();
    void pasteIntoTheDisplay_data();
    void pasteIntoTheDisplay();
    void clipboardSteps_data();
    void clipboardSteps();
};

void ClipboardSequencesTest::otherProgramReadsTheFirstOperand() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 +"));
    QCOMPARE(otherProgramReads(), QByteArray("12"));
    driver.press(QStringLiteral("3 ="));
    QCOMPARE(driver.display(), QStringLiteral("15"));
    // The first operand outlives =, where any other program can paste it.
    QCOMPARE(otherProgramReads(), QByteArray("12"));
}

void ClipboardSequencesTest::otherProgramReplacesTheFirstOperand() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("5 +"));
    otherProgramCopies("7");
    driver.press(QStringLiteral("3 ="));
    QCOMPARE(driver.display(), QStringLiteral("10"));
    otherProgramCopies("not a number");
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("10"));
}

void ClipboardSequencesTest::hungClipboardOwnerEndsTheResultClick() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("5 +"));
    testing::HungOwner owner("7");
    QString text;
    testing::answerNextMessageBox([&](QMessageBox& box) { text = box.text(); });
    driver.press(QStringLiteral("3 ="));
    QCOMPARE(text, QStringLiteral("Appunti non disponibili"));
    QCOMPARE(driver.display(), QStringLiteral("3"));
    QCOMPARE(driver.digitList(), QStringLiteral("3"));
    // The window answers again at once, and the pending operation is still there.
    driver.press(QStringLiteral("C 2"));
    QCOMPARE(driver.display(), QStringLiteral("2"));
    QCOMPARE(driver.defaultButton(), QStringLiteral("+"));
}

void ClipboardSequencesTest::hungClipboardOwnerDoesNotStopAFunctionKey() {
    // log puts the display on the clipboard first, which asks nothing of the hung owner.
    testing::WindowDriver driver;
    driver.press(QStringLiteral("5 +"));
    testing::HungOwner owner("7");
    driver.press(QStringLiteral("1 0 0 log"));
    QCOMPARE(driver.display(), QStringLiteral("2"));
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("102"));
}

void ClipboardSequencesTest::everyReadOfAnotherProgramsCopy_data() {
    QTest::addColumn<bool>("qtProgram");
    QTest::newRow("xclip") << false;
    // Refuses a request stamped older than its claim, as every Qt program does.
    QTest::newRow("a Qt program") << true;
}

void ClipboardSequencesTest::everyReadOfAnotherProgramsCopy() {
    QFETCH(bool, qtProgram);
    if (qtProgram && platform::qt::onWayland())
        QSKIP("on Wayland a Qt program copies only while it has the focus");
    std::optional<testing::QtCopier> qt;
    if (qtProgram)
        qt.emplace();
    const auto copy = [&qt](const QByteArray& text) {
        qt ? qt->copy(text) : otherProgramCopies(text);
    };
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 +"));
    copy("7");
    driver.press(QStringLiteral("3 ="));
    QCOMPARE(driver.display(), QStringLiteral("10"));
    copy("8");
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("18"));
    copy("9");
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("27"));
    driver.press(QStringLiteral("+"));
    copy("6");
    driver.press(QStringLiteral("5 ="));
    QCOMPARE(driver.display(), QStringLiteral("11"));
}

void ClipboardSequencesTest::pasteIntoTheDisplay_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("hung");
    QTest::newRow("Ctrl+V") << "Ctrl+V" << false;
    QTest::newRow("Ctrl+V, hung owner") << "Ctrl+V" << true;
    QTest::newRow("context menu") << "menu" << false;
    QTest::newRow("context menu, hung owner") << "menu" << true;
    QTest::newRow("middle button, the selection") << "middle" << false;
}

void ClipboardSequencesTest::pasteIntoTheDisplay() {
    QFETCH(QString, how);
    QFETCH(bool, hung);
    if (platform::qt::onWayland())
        QSKIP("X11: Wayland's paste is in clipboardSteps");
    testing::WindowDriver driver;
    QLineEdit& display = driver.form().textBox("Text1").widget();
    driver.typeIntoDisplay(QStringLiteral("1"));
    std::optional<testing::HungOwner> owner;
    if (hung)
        owner.emplace("42");
    else if (how == QLatin1String("middle"))
        testing::otherProgramSelects("42");
    else
        otherProgramCopies("42");
    BoxCloser closer;
    const Clock::time_point start = Clock::now();
    if (how == QLatin1String("Ctrl+V")) {
        QTest::keyClick(driver.form().windowHandle(), Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("menu")) {
        driver.chooseFromDisplayMenu("&Paste");
    } else {
        const QPoint end(display.width() - 3, display.height() / 2); // after the text
        QTest::mouseClick(driver.form().windowHandle(), Qt::MiddleButton, Qt::NoModifier,
                          display.mapTo(&driver.form(), end));
    }
    if (hung) {
        QCOMPARE(closer.boxes.size(), 1);
        QCOMPARE(closer.boxes.front().text, kUnavailable);
        QVERIFY(programTime(driver, start, closer, 0) <= kClickBound);
        QCOMPARE(display.text(), QStringLiteral("1"));
    } else {
        QCOMPARE(closer.boxes.size(), 0);
        QCOMPARE(display.text(), QStringLiteral("142"));
    }
}

void ClipboardSequencesTest::clipboardSteps_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("box");         // "Appunti non disponibili", once, within the bound
    QTest::addColumn<bool>("waylandOnly"); // steps that need the compositor or its clipboard
    // Keys as in every table, and: @TEXT another program copies TEXT (@hung: and hangs; @slow:
    // sends a byte every 0.9 s; @picture: a picture), %TEXT another program selects TEXT (%hung:
    // and hangs), ~KEY a screen reader presses KEY (no input event, so no input serial), ^C and ^X
    // Ctrl+C and Ctrl+X on all the display's text, ^V Ctrl+V after it, &C &X &V the same from the
    // display's menu, mid the middle button on the display, !away and !back the focus goes to
    // another workspace and comes back.
    QTest::newRow("another program's copy") << "1 2 + @100 3 ="
                                            << "103" << false << true;
    QTest::newRow("hung owner") << "1 2 + @hung 3 ="
                                << "3" << true << true;
    QTest::newRow("slow owner") << "1 2 + @slow 3 ="
                                << "3" << true << true;
    QTest::newRow("read without the focus") << "1 2 + @100 3 !away ~= !back"
                                            << "3" << true << true;
    QTest::newRow("write refused: an old input serial") << "1 2 + 5 @100 ~+ @200 ="
                                                        << "205" << true << true;
    QTest::newRow("a picture") << "1 2 + @picture 3 ="
                               << "3" << false << true;
    QTest::newRow("Ctrl+V") << "@42 ^V"
                            << "42" << false << true;
    QTest::newRow("Ctrl+V, hung owner") << "@hung ^V"
                                        << "" << true << true;
    QTest::newRow("middle button, the selection") << "%42 mid"
                                                  << "42" << false << true;
    QTest::newRow("middle button, hung owner") << "%hung mid"
                                               << "" << true << false;
    // This program's own copies read at once, whichever way they were made.
    QTest::newRow("own copy, then =") << "1 2 + 3 ^C = ="
                                      << "9" << false << false;
    QTest::newRow("own copy, then Ctrl+V") << "'45 ^C ^V"
                                           << "4545" << false << false;
    QTest::newRow("own cut, then Ctrl+V") << "'45 ^X ^V"
                                          << "45" << false << false;
    QTest::newRow("own copy and paste by the menu") << "'45 &C &V"
                                                    << "4545" << false << false;
    QTest::newRow("another program's copy after ours") << "1 2 + 3 ^C @7 ="
                                                       << "10" << false << false;
}

void ClipboardSequencesTest::clipboardSteps() {
    QFETCH(QString, steps);
    QFETCH(QString, display);
    QFETCH(bool, box);
    QFETCH(bool, waylandOnly);
    if (waylandOnly && !platform::qt::onWayland())
        QSKIP("natively on Wayland only");
    testing::WindowDriver driver;
    QLineEdit& edit = driver.form().textBox("Text1").widget();
    BoxCloser closer;
    std::optional<testing::HungOwner> hung;
    std::optional<testing::WaylandOwner> other;
    const auto workspace = [](const char* number) {
        QProcess swaymsg;
        swaymsg.start(QStringLiteral("swaymsg"), {"workspace", number});
        QVERIFY(swaymsg.waitForFinished() && swaymsg.exitCode() == 0);
    };
    const auto selectAll = [&] {
        driver.click(edit);
        driver.pressKey(QStringLiteral("a"), Qt::Key_A, Qt::ControlModifier);
    };
    const auto toTheEnd = [&] {
        driver.click(edit);
        driver.pressKey(QStringLiteral("End"), Qt::Key_End);
    };
    qint64 slowest = 0;
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        const Clock::time_point start = Clock::now();
        const qsizetype boxesBefore = closer.boxes.size();
        if (step == QLatin1String("@hung") || step == QLatin1String("%hung")) {
            hung.emplace("7", step.startsWith(QLatin1Char('%')) ? "primary" : "clipboard");
        } else if (step == QLatin1String("@slow") || step == QLatin1String("@picture")) {
            other.emplace(step.mid(1), "7.0");
        } else if (step.startsWith(QLatin1Char('@'))) {
            otherProgramCopies(step.mid(1).toUtf8());
        } else if (step.startsWith(QLatin1Char('%'))) {
            testing::otherProgramSelects(step.mid(1).toUtf8());
        } else if (step.startsWith(QLatin1Char('~'))) {
            driver.buttonWithCaption(step.mid(1)).widget().click();
        } else if (step == QLatin1String("^C") || step == QLatin1String("^X")) {
            selectAll();
            driver.pressKey(step.mid(1).toLower(),
                            step == QLatin1String("^C") ? Qt::Key_C : Qt::Key_X,
                            Qt::ControlModifier);
        } else if (step == QLatin1String("^V")) {
            toTheEnd();
            driver.pressKey(QStringLiteral("v"), Qt::Key_V, Qt::ControlModifier);
        } else if (step == QLatin1String("&C") || step == QLatin1String("&X")) {
            selectAll();
            driver.chooseFromDisplayMenu(step == QLatin1String("&C") ? "&Copy" : "Cu&t");
        } else if (step == QLatin1String("&V")) {
            toTheEnd();
            driver.chooseFromDisplayMenu("&Paste");
        } else if (step == QLatin1String("mid")) {
            driver.click(edit, Qt::MiddleButton);
        } else if (step == QLatin1String("!away")) {
            workspace("2");
            QTRY_VERIFY(!driver.form().isActiveWindow());
        } else if (step == QLatin1String("!back")) {
            workspace("1");
            QTRY_VERIFY(driver.form().isActiveWindow());
        } else {
            driver.press(step);
        }
        // Another program's copy and the focus moved by swaymsg are the harness's work, not
        // the program's.
        if (!step.startsWith(QLatin1Char('@')) && !step.startsWith(QLatin1Char('%')) &&
            !step.startsWith(QLatin1Char('!')))
            slowest = std::max(slowest, programTime(driver, start, closer, boxesBefore));
    }
    QCOMPARE(driver.display(), display);
    QCOMPARE(closer.boxes.size(), box ? 1 : 0);
    if (box)
        QCOMPARE(closer.boxes.front().text, kUnavailable);
    QVERIFY2(slowest <= kClickBound, qPrintable(QStringLiteral("a step took %1 ms").arg(slowest)));
    // The next click works as if nothing had happened.
    hung.reset();
    other.reset();
    driver.press(QStringLiteral("C 4 + 5 ="));
    QCOMPARE(driver.display(), QStringLiteral("9"));
}

QTEST_MAIN(ClipboardSequencesTest)
#include "tst_clipboard_sequences.moc"
