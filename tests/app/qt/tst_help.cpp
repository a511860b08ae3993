// Aiuto: a modal box with the fixed help text and the application's title, one OK button and no
// icon, which blocks the window while open and leaves every bit of state as it was.

#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "Form1.h"
#include "WindowDriver.h"

namespace {
const QString kHelp = QStringLiteral(
    "Per inserire i numeri decimali occorre fare doppio click nella finestra di Input/Output, ed "
    "in seguito usare i tasti della tastiera. Per inserire la virgola utilizzare il punto.");
} // namespace

class HelpTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }
    void opensModalBoxWithTheHelpText();
    void blocksTheWindowAndKeepsTheState();
    void showsTheSameTextEveryTime();
    void qtTextsAreItalian();
};

void HelpTest::opensModalBoxWithTheHelpText() {
    QCOMPARE(kHelp.size(), 177);
    testing::WindowDriver driver;
    bool inspected = false;
    testing::answerNextMessageBox([&](QMessageBox& box) {
        inspected = true;
        QCOMPARE(box.text(), kHelp);
        QCOMPARE(box.windowTitle(), QStringLiteral("BRENOLDI"));
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        QCOMPARE(box.icon(), QMessageBox::NoIcon);
        QCOMPARE(box.buttons().size(), qsizetype(1));
        QCOMPARE(box.standardButton(box.buttons().front()), QMessageBox::Ok);
        QVERIFY(box.button(QMessageBox::Ok)->icon().isNull());
        QCOMPARE(box.defaultButton(), box.button(QMessageBox::Ok));
    });
    driver.click(driver.form().button("Guida"));
    QVERIFY(inspected);
}

void HelpTest::blocksTheWindowAndKeepsTheState() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("1 2 + 3"));
    int clicksWhileOpen = 0;
    testing::answerNextMessageBox([&](QMessageBox&) {
        // A click on the window while the box is open must not reach any handler.
        QObject::connect(&driver.form().button("Command5").widget(), &QPushButton::clicked,
                         &driver.form(), [&clicksWhileOpen] { ++clicksWhileOpen; });
        driver.click(driver.form().button("Command5"));
        QTest::keyClick(driver.form().windowHandle(), Qt::Key_7);
    });
    driver.click(driver.form().button("Guida"));
    QCOMPARE(clicksWhileOpen, 0);
    QCOMPARE(driver.display(), QStringLiteral("3"));
    QCOMPARE(driver.digitList(), QStringLiteral("3"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
    QCOMPARE(driver.defaultButton(), QStringLiteral("+"));
    driver.press(QStringLiteral("="));
    QCOMPARE(driver.display(), QStringLiteral("15"));
}

void HelpTest::showsTheSameTextEveryTime() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("7 / 0 = 2ndF"));
    for (int time = 0; time < 2; ++time) {
        QString text;
        testing::answerNextMessageBox([&](QMessageBox& box) { text = box.text(); });
        driver.click(driver.form().button("Guida"));
        QCOMPARE(text, kHelp);
    }
    QCOMPARE(driver.display(), QStringLiteral("Impossibile"));
    QCOMPARE(driver.indicator(), QStringLiteral("2ndF"));
    QCOMPARE(driver.defaultButton(), QStringLiteral("2ndF"));
}

void HelpTest::qtTextsAreItalian() {
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
