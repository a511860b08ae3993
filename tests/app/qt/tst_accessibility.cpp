// What a screen reader learns of the window through Qt's accessibility interfaces: an Italian name
// for every control, the pending operation as the default-button state with an event when it
// moves, and each new result, message and 2ndF state announced once without moving the focus.

#include <QAccessible>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "Form1.h"
#include "WindowDriver.h"
#include "form/Form1Design.h"

using app::qt::Form1;

namespace {

// Every accessibility event the window sends, as a screen reader's bridge would receive it.
struct Heard {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    bool defaultButtonChanged;
};
QList<Heard> g_heard;

void listen(QAccessibleEvent* event) {
    // A control being destroyed has no interface left to ask.
    if (event->type() == QAccessible::ObjectDestroyed)
        return;
    QAccessibleInterface* source = event->accessibleInterface();
    QString name = source ? source->text(QAccessible::Name) : QString();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        name = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
    const bool defaultChanged =
        event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().defaultButton;
    g_heard.append({event->type(), source ? source->role() : QAccessible::NoRole, name,
                    defaultChanged});
}

// What a screen reader is told to say: an announcement where Qt has them (6.8), else a
// notification shown.
QStringList announced() {
    QStringList said;
    for (const Heard& heard : std::as_const(g_heard)) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (heard.type == QAccessible::Announcement)
            said << heard.name;
#else
        if (heard.type == QAccessible::ObjectShow && heard.role == QAccessible::Notification)
            said << heard.name;
#endif
    }
    return said;
}

QAccessibleInterface* accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}

} // namespace

class AccessibilityTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { g_heard.clear(); }
    void everyControlHasAnItalianName();
    void pendingOperationIsTheDefaultState();
    void announcements_data();
    void announcements();
};

void AccessibilityTest::initTestCase() {
    testing::prepareTestApplication();
    // As when a screen reader has switched accessibility on, without a desktop bus to reach one.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QAccessible::installUpdateHandler(listen);
}

void AccessibilityTest::everyControlHasAnItalianName() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    const QRegularExpression word(QStringLiteral("^([a-zà-ù ]{3,}|[0-9])$"),
                                  QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const form::ControlDesign& design : form::kForm1Controls) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(design.name));
        QVERIFY(widget);
        const QString name = accessible(*widget)->text(QAccessible::Name);
        // Words, or a digit key's digit: never a bare symbol such as "+", "/" or "yX".
        QVERIFY2(word.match(name).hasMatch(),
                 qPrintable(
                     QStringLiteral("%1 is called \"%2\"").arg(QLatin1String(design.name), name)));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
        if (design.toolTip)
            QCOMPARE(accessible(*widget)->text(QAccessible::Description),
                     QString::fromUtf8(design.toolTip));
    }
}

void AccessibilityTest::pendingOperationIsTheDefaultState() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    QVERIFY(accessible(form.button("Risultato").widget())->state().defaultButton);
    g_heard.clear();
    driver.press(QStringLiteral("5 +"));
    QVERIFY(accessible(form.button("Somma").widget())->state().defaultButton);
    QVERIFY(!accessible(form.button("Risultato").widget())->state().defaultButton);
    QStringList moved;
    for (const Heard& heard : std::as_const(g_heard)) {
        if (heard.defaultButtonChanged)
            moved << heard.name;
    }
    QCOMPARE(moved, (QStringList{"uguale", "più"})); // = gives the role up, + takes it
}

void AccessibilityTest::announcements_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("each result once")
        << "1 2 + 3 =" << QStringList{"1", "12", "in attesa: più", "3", "15"};
    QTest::newRow("a message") << "7 / 0 ="
                               << QStringList{"7", "in attesa: diviso", "0", "Impossibile"};
    QTest::newRow("an operation taken ends 2ndF")
        << "2ndF yX"
        << QStringList{"seconda funzione attiva",
                       "in attesa: elevato a, seconda funzione disattivata"};
    QTest::newRow("2ndF on and off")
        << "2ndF 2ndF" << QStringList{"seconda funzione attiva", "seconda funzione disattivata"};
    QTest::newRow("antilog turns 2ndF off")
        << "2ndF 2 log"
        << QStringList{"seconda funzione attiva", "2", "100, seconda funzione disattivata"};
    QTest::newRow("nothing new, nothing said") << "C =" << QStringList{};
}

void AccessibilityTest::announcements() {
    QFETCH(QString, keys);
    QFETCH(QStringList, said);
    testing::WindowDriver driver;
    g_heard.clear();
    driver.press(keys);
    QCOMPARE(announced(), said);
    // Announced where the focus is not moved: it stays on the last key clicked.
    QVERIFY(!driver.form().textBox("Text1").widget().hasFocus());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
