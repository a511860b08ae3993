// The Qt side of the platform layer on a real X server: push buttons under the default-button
// rule, the Enter key, the text and list boxes.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "platform/DefaultButtonRule.h"
#include "platform/qt/EnterKeyFilter.h"
#include "platform/qt/WidgetButton.h"
#include "platform/qt/WidgetListBox.h"
#include "platform/qt/WidgetTextBox.h"

namespace {

// A window with three buttons and a text box, like a tiny calculator.
struct Window {
    Window() {
        widget.setGeometry(100, 100, 300, 100);
        a.widget().setGeometry(10, 50, 60, 30);
        b.widget().setGeometry(80, 50, 60, 30);
        c.widget().setGeometry(150, 50, 60, 30);
        box.widget().setGeometry(10, 10, 200, 25);
        enter.watch(widget);
        widget.show();
        widget.activateWindow();
        if (!QTest::qWaitForWindowActive(&widget))
            qFatal("test window never became active");
    }

    void clickWithMouse(QWidget& target) {
        QTest::mouseClick(widget.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target.mapTo(&widget, target.rect().center()));
    }
    void pressEnter(Qt::Key key = Qt::Key_Return) { QTest::keyClick(widget.windowHandle(), key); }

    platform::DefaultButtonRule rule;
    QWidget widget;
    platform::qt::WidgetButton a{rule, &widget, "a"}, b{rule, &widget, "b"}, c{rule, &widget, "c"};
    platform::qt::WidgetTextBox box{&widget, "box"};
    // Enter goes through the shared rule, as in the calculator's window.
    platform::qt::EnterKeyFilter enter{[this](QObject& focused) {
                                           platform::Button* button = nullptr;
                                           for (auto* candidate : {&a, &b, &c}) {
                                               if (&candidate->widget() == &focused)
                                                   button = candidate;
                                           }
                                           if (platform::Button* target =
                                                   rule.buttonForEnter(button))
                                               target->click();
                                       },
                                       &widget};
    QSignalSpy clickedA{&a.widget(), &QPushButton::clicked};
    QSignalSpy clickedB{&b.widget(), &QPushButton::clicked};
    QSignalSpy clickedC{&c.widget(), &QPushButton::clicked};
};

} // namespace

class WidgetControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emphasisFollowsTheRuleOnly();
    void clicksAndFocusNeverMoveTheDefault();
    void enterFromTheTextBoxClicksTheDefault_data();
    void enterFromTheTextBoxClicksTheDefault();
    void enterOnAFocusedButtonClicksThatButton();
    void enterOnTheFocusedDefaultClicksItOnce();
    void enterWithNoDefaultClicksNothing();
    void pastedTextStopsAtTheEditLimit();
    void textBoxKeepsUtf8();
    void listBoxReadsPastTheEndAsEmpty();
};

void WidgetControlsTest::emphasisFollowsTheRuleOnly() {
    Window w;
    w.a.setDefault(true);
    w.b.setDefault(true);
    // Outside a dialog Qt would let several push buttons report isDefault(); the rule does not.
    QVERIFY(!w.a.widget().isDefault());
    QVERIFY(w.b.widget().isDefault());
    QVERIFY(!w.c.widget().isDefault());
    w.b.setDefault(false);
    QVERIFY(!w.b.widget().isDefault());
    for (auto* button : {&w.a, &w.b, &w.c})
        QVERIFY(!button->widget().autoDefault());
}

void WidgetControlsTest::clicksAndFocusNeverMoveTheDefault() {
    Window w;
    w.b.setDefault(true);
    w.clickWithMouse(w.a.widget());
    w.clickWithMouse(w.c.widget());
    QCOMPARE(w.clickedA.count(), 1);
    QTest::keyClick(w.widget.windowHandle(), Qt::Key_Tab);
    w.a.widget().setFocus();
    QTRY_VERIFY(w.a.widget().hasFocus());
    QVERIFY(w.b.isDefault());
    QVERIFY(!w.a.isDefault());
    QVERIFY(!w.c.isDefault());
    QVERIFY(w.b.widget().isDefault());
    QVERIFY(!w.a.widget().isDefault());
}

void WidgetControlsTest::enterFromTheTextBoxClicksTheDefault_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::Key_Enter;
}

void WidgetControlsTest::enterFromTheTextBoxClicksTheDefault() {
    QFETCH(Qt::Key, key);
    Window w;
    w.c.setDefault(true);
    w.clickWithMouse(w.box.widget());
    QTRY_VERIFY(w.box.widget().hasFocus());
    for (char character : {'2', '.', '5'})
        QTest::keyClick(w.widget.windowHandle(), character);
    w.pressEnter(key);
    QCOMPARE(w.clickedC.count(), 1);
    QCOMPARE(w.clickedA.count() + w.clickedB.count(), 0);
    QCOMPARE(w.box.text(), std::string("2.5"));
}

void WidgetControlsTest::enterOnAFocusedButtonClicksThatButton() {
    Window w;
    w.c.setDefault(true);
    w.a.widget().setFocus();
    QTRY_VERIFY(w.a.widget().hasFocus());
    w.pressEnter();
    QCOMPARE(w.clickedA.count(), 1);
    QCOMPARE(w.clickedC.count(), 0);
    QVERIFY(w.c.isDefault());
}

void WidgetControlsTest::enterOnTheFocusedDefaultClicksItOnce() {
    Window w;
    w.b.setDefault(true);
    w.b.widget().setFocus();
    QTRY_VERIFY(w.b.widget().hasFocus());
    w.pressEnter();
    QCOMPARE(w.clickedB.count(), 1);
}

void WidgetControlsTest::enterWithNoDefaultClicksNothing() {
    Window w;
    w.a.setDefault(true);
    w.a.setDefault(false);
    w.box.widget().setFocus();
    QTRY_VERIFY(w.box.widget().hasFocus());
    w.pressEnter();
    w.pressEnter(Qt::Key_Enter);
    QCOMPARE(w.clickedA.count() + w.clickedB.count() + w.clickedC.count(), 0);
}

void WidgetControlsTest::pastedTextStopsAtTheEditLimit() {
    // A line of megabytes would take seconds a key to lay out.
    QWidget parent;
    platform::qt::WidgetTextBox box(&parent, "box");
    box.widget().insert(QString(100000, QLatin1Char('7'))); // what a paste does
    QCOMPARE(box.text().size(), std::size_t{32767});
}

void WidgetControlsTest::textBoxKeepsUtf8() {
    QWidget parent;
    platform::qt::WidgetTextBox box(&parent, "box");
    box.setText("N° grande <max 308>");
    QCOMPARE(box.widget().text().size(), 19);
    QCOMPARE(box.text(), std::string("N° grande <max 308>"));
}

void WidgetControlsTest::listBoxReadsPastTheEndAsEmpty() {
    QWidget parent;
    platform::qt::WidgetListBox list(&parent, "list");
    list.addItem("4");
    list.addItem("2");
    QCOMPARE(list.count(), std::size_t{2});
    QCOMPARE(list.item(0), std::string("4"));
    QCOMPARE(list.item(1), std::string("2"));
    QCOMPARE(list.item(2), std::string());
    QCOMPARE(list.item(11), std::string());
    list.clear();
    QCOMPARE(list.count(), std::size_t{0});
    QCOMPARE(list.item(0), std::string());
}

QTEST_MAIN(WidgetControlsTest)
#include "tst_widget_controls.moc"
