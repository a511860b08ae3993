// The live window against its design tables: every control's place, face, font, tool tip,
// visibility and tab order; the window's own properties; the start-up state; the default-button
// rule as the user meets it, with the mouse and the keyboard.

#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "Form1.h"
#include "WindowDriver.h"
#include "form/Form1Design.h"

using app::qt::Form1;

namespace {

QRect pixels(int left, int top, int width, int height) {
    const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

// The designed sizes in whole pixels at 96 dpi: 8.25 pt is 11 px, 9.75 pt 13, 12 pt 16, 13.5 pt 18.
int pixelSize(double points) {
    return int(std::lround(points * 96 / 72));
}

} // namespace

Q_DECLARE_METATYPE(QRect)

class Form1Test : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }

    void windowProperties();
    void buttons_data();
    void buttons();
    void textBoxes_data();
    void textBoxes();
    void hiddenDigitList();
    void everyControlIsNamedAndNoneIsExtra();
    void toolTips_data();
    void toolTips();
    void indicatorIsInFrontOfTheDisplay();
    void tabOrderSkipsTheDigitList();
    void startStateLeavesTheClipboardAlone();

    void mouseClicksAndFocusNeverMoveTheDefault();
    void enterRightAfterStartClicksTheFocusedDigit();
    void enterFromTheDisplayClicksTheDefault_data();
    void enterFromTheDisplayClicksTheDefault();
    void enterOnAFocusedOperatorClicksIt();
    void defaultButtonIsDrawnWithEmphasis();
};

void Form1Test::windowProperties() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral(" By  Ulderano"));
    QCOMPARE(form.size(), QSize(233, 277));
    // Fixed: the window manager is told the smallest and largest size are the same.
    QCOMPARE(form.minimumSize(), QSize(233, 277));
    QCOMPARE(form.maximumSize(), QSize(233, 277));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("BRENOLDI"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
}

void Form1Test::buttons_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("face"); // invalid: the style's usual face
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    // Every button of the design table, converted here at 96 dpi.
    for (const form::ControlDesign& design : form::kForm1Controls) {
        if (design.kind != form::ControlKind::Button)
            continue;
        const form::TwipRect& p = design.place;
        const QColor face = design.face
                                ? QColor(design.face->red, design.face->green, design.face->blue)
                                : QColor();
        QTest::newRow(design.name)
            << QString::fromUtf8(design.caption) << pixels(p.left, p.top, p.width, p.height) << face
            << pixelSize(design.font.points) << design.font.bold;
    }
}

void Form1Test::buttons() {
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(QColor, face);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    testing::WindowDriver driver;
    auto* button =
        driver.form().findChild<QPushButton*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), place);
    QVERIFY(button->isVisible());
    const QColor drawnFace = button->palette().color(QPalette::Button);
    if (face.isValid())
        QCOMPARE(drawnFace, face);
    else
        QCOMPARE(drawnFace, QApplication::palette().color(QPalette::Button));

    const QFontInfo font(button->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The caption fits inside the button's frame with room to spare.
    QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(caption) <= place.width() - 6,
             qPrintable(caption));
}

void Form1Test::textBoxes_data() {
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("Text1") << pixels(60, 240, 3375, 375) << QColor(221, 255, 255) << QColor(0, 0, 0)
                           << 13;
    QTest::newRow("Text2") << pixels(180, 280, 735, 285) << QColor(221, 255, 255)
                           << QColor(255, 128, 0) << 11;
}

void Form1Test::textBoxes() {
    QFETCH(QRect, place);
    QFETCH(QColor, background);
    QFETCH(QColor, foreground);
    QFETCH(int, pixelSize);

    testing::WindowDriver driver;
    auto* box = driver.form().findChild<QLineEdit*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QCOMPARE(box->geometry(), place);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->text(), QString());
    QCOMPARE(box->palette().color(QPalette::Base), background);
    QCOMPARE(box->palette().color(QPalette::Text), foreground);
    const QFontInfo font(box->font());
    QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QVERIFY(font.bold());
}

void Form1Test::hiddenDigitList() {
    testing::WindowDriver driver;
    auto* list = driver.form().findChild<QListWidget*>(QStringLiteral("List1"));
    QVERIFY(list);
    QVERIFY(!list->isVisible());
    QCOMPARE(list->geometry(), pixels(720, 720, 1935, 450));
    QCOMPARE(list->count(), 0);
    QVERIFY(!list->isSortingEnabled());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    const QFontInfo font(list->font());
    QCOMPARE(font.pixelSize(), 11);
    QVERIFY(!font.bold());
}

void Form1Test::everyControlIsNamedAndNoneIsExtra() {
    testing::WindowDriver driver;
    QStringList names;
    for (QWidget* child : driver.form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        names << child->objectName();
    names.sort();
    QStringList expected{"Command1",  "Command2",        "Command3", "Command4",
                         "Command5",  "Command6",        "Command7", "Command8",
                         "Command9",  "Command10",       "List1",    "Text1",
                         "Somma",     "Differenza",      "Prodotto", "Divisione",
                         "Risultato", "Cancella",        "Radice",   "Potenza",
                         "Reciproco", "Percentuale",     "Guida",    "LogaritmoDecimale",
                         "Logaritmo", "FunzioneInversa", "Text2"};
    expected.sort();
    QCOMPARE(names, expected);
}

void Form1Test::toolTips_data() {
    QTest::addColumn<QString>("tip");
    const QString decimals = QStringLiteral(
        "Nell'inserimento dei numeri decimali utilizzare il punto al posto della la virgola");
    QTest::newRow("Text1") << decimals;
    QTest::newRow("Text2") << decimals;
    QTest::newRow("FunzioneInversa")
        << "Premuto prima del tasto <log> o <ln> permette di calcolare l'antilogaritmo";
    QTest::newRow("LogaritmoDecimale") << "Calcola il Logaritmo Decimale";
    QTest::newRow("Logaritmo") << "Calcola il Logaritmo Nepereano";
    for (const char* name : {"Command1", "Command10", "Somma", "Risultato", "Cancella", "Radice",
                             "Reciproco", "Percentuale", "List1"})
        QTest::newRow(name) << QString();
}

void Form1Test::toolTips() {
    QFETCH(QString, tip);
    testing::WindowDriver driver;
    auto* control = driver.form().findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->toolTip(), tip);
}

void Form1Test::indicatorIsInFrontOfTheDisplay() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    const QRect indicator = form.textBox("Text2").widget().geometry();
    QVERIFY(form.textBox("Text1").widget().geometry().contains(indicator));
    QCOMPARE(form.childAt(indicator.center()), &form.textBox("Text2").widget());
    // The guide's tip names a contact address and ends with a blank.
    const QString guide = form.button("Guida").widget().toolTip();
    QVERIFY(guide.startsWith(QStringLiteral("Software by ")));
    QVERIFY(guide.contains(QLatin1Char('@')));
    QVERIFY(guide.endsWith(QLatin1Char(' ')));
}

void Form1Test::tabOrderSkipsTheDigitList() {
    testing::WindowDriver driver;
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 26; ++i) {
        QTest::keyClick(driver.form().windowHandle(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    const QStringList expected{"Command1",
                               "Command2",
                               "Command3",
                               "Command4",
                               "Command5",
                               "Command6",
                               "Command7",
                               "Command8",
                               "Command9",
                               "Command10",
                               "Text1",
                               "Somma",
                               "Differenza",
                               "Prodotto",
                               "Divisione",
                               "Risultato",
                               "Cancella",
                               "Radice",
                               "Potenza",
                               "Reciproco",
                               "Percentuale",
                               "Guida",
                               "LogaritmoDecimale",
                               "Logaritmo",
                               "FunzioneInversa",
                               "Text2",
                               "Command1"};
    QCOMPARE(visited, expected);
}

void Form1Test::startStateLeavesTheClipboardAlone() {
    testing::prepareTestApplication();
    QGuiApplication::clipboard()->setText(QStringLiteral("copied by the user"));
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied by the user"));
    QVERIFY(form.button("Risultato").isDefault());
    QCOMPARE(form.textBox("Text1").widget().text(), QString());
    QCOMPARE(form.textBox("Text2").widget().text(), QString());
    QCOMPARE(form.listBox("List1").widget().count(), 0);
}

void Form1Test::mouseClicksAndFocusNeverMoveTheDefault() {
    testing::WindowDriver driver;
    QCOMPARE(driver.defaultButton(), QStringLiteral("="));
    driver.press(QStringLiteral("7 C 'x"));
    driver.click(driver.form().textBox("Text2").widget());
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(driver.form().windowHandle(), Qt::Key_Tab);
    QCOMPARE(driver.defaultButton(), QStringLiteral("="));
    driver.press(QStringLiteral("5 +"));
    driver.press(QStringLiteral("3 C"));
    driver.click(driver.form().textBox("Text1").widget());
    QCOMPARE(driver.defaultButton(), QStringLiteral("+"));
}

void Form1Test::enterRightAfterStartClicksTheFocusedDigit() {
    testing::WindowDriver driver;
    QCOMPARE(QApplication::focusWidget(), &driver.form().button("Command1").widget());
    driver.pressEnter();
    QCOMPARE(driver.display(), QStringLiteral("1"));
    QCOMPARE(driver.digitList(), QStringLiteral("1"));
}

void Form1Test::enterFromTheDisplayClicksTheDefault_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("= at start") << "'007 Enter"
                                << "007"
                                << "=";
    QTest::newRow("pending operator again") << "5 + '2.5 Enter 3 ="
                                            << "5.5"
                                            << "+";
    QTest::newRow("2ndF turns off") << "2ndF '4 Enter"
                                    << "4"
                                    << "";
    QTest::newRow("no default clicks nothing") << "2ndF 2ndF '4 Enter"
                                               << "4"
                                               << "";
}

void Form1Test::enterFromTheDisplayClicksTheDefault() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, defaultButton);
    testing::WindowDriver driver;
    driver.press(keys);
    QCOMPARE(driver.display(), display);
    QCOMPARE(driver.defaultButton(), defaultButton);
    QCOMPARE(driver.indicator(), QString());
}

void Form1Test::enterOnAFocusedOperatorClicksIt() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("8"));
    driver.form().button("Prodotto").widget().setFocus();
    QTRY_VERIFY(driver.form().button("Prodotto").widget().hasFocus());
    driver.pressEnter();
    QCOMPARE(driver.defaultButton(), QStringLiteral("x"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("8"));
    QCOMPARE(driver.display(), QString());
}

void Form1Test::defaultButtonIsDrawnWithEmphasis() {
    testing::WindowDriver driver;
    driver.press(QStringLiteral("4 /"));
    QVERIFY(driver.form().button("Divisione").widget().isDefault());
    QVERIFY(!driver.form().button("Risultato").widget().isDefault());
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
