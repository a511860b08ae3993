// A short soak of the real window: thousands of random clicks and typed texts, with another
// program (xclip) replacing the clipboard now and then, and every message box closed as it opens.
// The window must come out of it alive, consistent, and still calculating.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include "Form1.h"
#include "OtherProgram.h"
#include "WindowDriver.h"

namespace {

constexpr int kClicks = 2000;
constexpr int kClipboardEvery = 100; // clicks between two copies by the other program

const QStringList kKeys{"0", "1", "2", "3",  "4", "5", "6",    "7",   "8",  "9",   "C",  "+",
                        "-", "x", "/", "yX", "%", "=", "2ndF", "log", "ln", "Rad", "1/x"};
const QStringList kTexts{"1E999",       "1.7976931348623157E308",
                         "5.5E+293",    "-8",
                         "0.5",         "308.5",
                         "709.5",       "1E-309",
                         "Impossibile", "12"};
const QStringList kKnownMessages{"Overflow", "Divisione per zero", "Operazione non valida",
                                 "Appunti non disponibili"};

} // namespace

class GuiSoakTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }
    void randomClicksLeaveAWorkingWindow();
};

void GuiSoakTest::randomClicksLeaveAWorkingWindow() {
    QRandomGenerator random(20261207);
    testing::WindowDriver driver;
    QStringList messages;
    // Closes every message box as soon as it shows, noting what it said.
    QTimer closer;
    connect(&closer, &QTimer::timeout, &closer, [&messages] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            messages << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(5);

    for (int click = 0; click < kClicks; ++click) {
        if (click % kClipboardEvery == kClipboardEvery - 1)
            testing::otherProgramCopies(kTexts.at(random.bounded(kTexts.size())).toUtf8());
        if (random.bounded(10) == 0)
            driver.typeIntoDisplay(kTexts.at(random.bounded(kTexts.size())));
        driver.press(kKeys.at(random.bounded(kKeys.size())));
        const QString display = driver.display();
        QVERIFY2(!display.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                     !display.contains(QLatin1String("nan"), Qt::CaseInsensitive),
                 qPrintable(display));
    }

    QVERIFY(driver.form().isVisible());
    driver.defaultButton(); // stops the run if two buttons hold the role
    for (const QString& message : std::as_const(messages))
        QVERIFY2(kKnownMessages.contains(message), qPrintable(message));
    driver.press(QStringLiteral("C 1 2 + 3 ="));
    QCOMPARE(driver.display(), QStringLiteral("15"));
    qInfo("%d clicks, %lld message boxes", kClicks, static_cast<long long>(messages.size()));
}

QTEST_MAIN(GuiSoakTest)
#include "tst_gui_soak.moc"
