// Key sequences through the real window: real clicks and real typing, on every display server,
// with the memory and the libraries the window takes.

#include <QFile>
#include <QMessageBox>
#include <QtTest>

#include "ClipboardBounds.h"
#include "WindowDriver.h"

class KeySequencesTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }
    void lightOnEveryDisplayServer();
    void digitEntryAndClear_data();
    void digitEntryAndClear();
    void calculations_data();
    void calculations();
    void repeatedResult();
    void arithmeticErrorIsReportedAndTheNextClickWorks();
};

void KeySequencesTest::lightOnEveryDisplayServer() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 + 3 ="));
    QCOMPARE(driver.display(), QStringLiteral("15"));
    // The window draws with the raster engine alone: no OpenGL implementation is ever loaded.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    for (const QByteArray& line : maps.readAll().split('\n')) {
        for (const char* openGL : {"libEGL_mesa", "_dri.so", "libLLVM", "libGLX_mesa"})
            QVERIFY2(!line.contains(openGL), line.constData());
    }
    if (testing::kPeakMemoryMeasured)
        QVERIFY2(testing::peakMemoryKiB() <= testing::kPeakMemoryKiB,
                 qPrintable(QStringLiteral("peak %1 KiB").arg(testing::peakMemoryKiB())));
}

void KeySequencesTest::digitEntryAndClear_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("indicator");

    QTest::newRow("three digits") << "1 2 3"
                                  << "123"
                                  << "123"
                                  << "";
    QTest::newRow("leading zeros") << "0 0 7"
                                   << "007"
                                   << "007"
                                   << "";
    QTest::newRow("every digit key") << "1 2 3 4 5 6 7 8 9 0"
                                     << "1234567890"
                                     << "1234567890"
                                     << "";
    QTest::newRow("thirteenth digit unseen") << "1 2 3 4 5 6 7 8 9 0 1 2 3"
                                             << "123456789012"
                                             << "1234567890123"
                                             << "";
    QTest::newRow("digit replaces a result") << "1 2 + 3 = 4"
                                             << "4"
                                             << "4"
                                             << "";
    QTest::newRow("digit replaces a message") << "7 / 0 = 5"
                                              << "5"
                                              << "5"
                                              << "";
    QTest::newRow("digit discards typed text") << "'3.5 2"
                                               << "2"
                                               << "2"
                                               << "";
    QTest::newRow("digits come back after typing") << "1 2 '12.5 3"
                                                   << "123"
                                                   << "123"
                                                   << "";
    QTest::newRow("typed text stays until a key") << "1 2 '12.5"
                                                  << "12.5"
                                                  << "12"
                                                  << "";
    QTest::newRow("C clears the entry") << "4 5 C"
                                        << ""
                                        << ""
                                        << "";
    QTest::newRow("C blanks the indicator") << "2ndF 4 C"
                                            << ""
                                            << ""
                                            << "";
    QTest::newRow("2ndF mid-entry") << "1 2ndF 2"
                                    << "12"
                                    << "12"
                                    << "2ndF";
    QTest::newRow("C on nothing") << "C"
                                  << ""
                                  << ""
                                  << "";
}

void KeySequencesTest::digitEntryAndClear() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, digits);
    QFETCH(QString, indicator);
    testing::WindowDriver driver;
    driver.press(keys);
    QCOMPARE(driver.display(), display);
    QCOMPARE(driver.digitList(), digits);
    QCOMPARE(driver.indicator(), indicator);
}

void KeySequencesTest::calculations_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("defaultButton");

    QTest::newRow("sum") << "1 2 + 3 ="
                         << "15"
                         << "12"
                         << "+";
    QTest::newRow("C keeps the operation") << "5 + 3 C 4 ="
                                           << "9"
                                           << "5"
                                           << "+";
    QTest::newRow("difference") << "1 0 - 3 ="
                                << "7"
                                << "10"
                                << "-";
    QTest::newRow("divide by zero") << "7 / 0 ="
                                    << "Impossibile"
                                    << "7"
                                    << "/";
    QTest::newRow("zero by zero") << "0 / 0 ="
                                  << "Indeterminata"
                                  << "0"
                                  << "/";
    QTest::newRow("power") << "2 yX 1 0 ="
                           << "1024"
                           << "2"
                           << "yX";
    QTest::newRow("zero to the zero") << "0 yX 0 ="
                                      << "Indeterminata"
                                      << "0"
                                      << "yX";
    QTest::newRow("percentage") << "2 0 0 % 1 5 ="
                                << "30"
                                << "200"
                                << "%";
    QTest::newRow("typed decimals") << "'0.1 + '0.2 ="
                                    << "0.3"
                                    << "0.1"
                                    << "+";
    QTest::newRow("Enter in the display repeats the operator") << "5 + '2.5 Enter 3 ="
                                                               << "5.5"
                                                               << "2.5"
                                                               << "+";
    QTest::newRow("log replaces the first operand") << "1 2 + 1 0 0 log ="
                                                    << "102"
                                                    << "100"
                                                    << "+";
    QTest::newRow("antilog") << "2ndF 2 log"
                             << "100"
                             << "2"
                             << "";
    QTest::newRow("antilog too large") << "2ndF 3 0 9 log"
                                       << "N° grande <max 308>"
                                       << "309"
                                       << "";
    QTest::newRow("natural antilog too large") << "2ndF 7 1 0 ln"
                                               << "N° grande <max 709>"
                                               << "710"
                                               << "";
    QTest::newRow("root replaces the first operand") << "1 2 + 9 Rad ="
                                                     << "12"
                                                     << "9"
                                                     << "+";
    QTest::newRow("imaginary root") << "'-9 Rad"
                                    << "3 i"
                                    << "-9"
                                    << "=";
    QTest::newRow("reciprocal") << "4 1/x"
                                << "0.25"
                                << "4"
                                << "=";
    QTest::newRow("2ndF ends the pending operation") << "5 + 2ndF 2ndF 3 ="
                                                     << "3"
                                                     << "5"
                                                     << "";
}

void KeySequencesTest::calculations() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, clipboard);
    QFETCH(QString, defaultButton);
    testing::WindowDriver driver;
    driver.press(keys);
    QCOMPARE(driver.display(), display);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(driver.defaultButton(), defaultButton);
}

void KeySequencesTest::repeatedResult() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 + 3 ="));
    QCOMPARE(driver.display(), QStringLiteral("15"));
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("27"));
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("39"));
}

void KeySequencesTest::arithmeticErrorIsReportedAndTheNextClickWorks() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 0 yX 4 0 0"));
    QString text, title;
    testing::answerNextMessageBox([&](QMessageBox& box) {
        text = box.text();
        title = box.windowTitle();
    });
    driver.press(QStringLiteral("="));
    QCOMPARE(text, QStringLiteral("Overflow"));
    QCOMPARE(title, QStringLiteral("BRENOLDI"));
    // The click ended at the power: the display and the digit list keep what they had.
    QCOMPARE(driver.display(), QStringLiteral("400"));
    QCOMPARE(driver.digitList(), QStringLiteral("400"));
    driver.press(QStringLiteral("C 2 + 2 ="));
    QCOMPARE(driver.display(), QStringLiteral("4"));
}

QTEST_MAIN(KeySequencesTest)
#include "tst_key_sequences.moc"
