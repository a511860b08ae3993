// The default-button rule on its own: at most one holder, setting true moves the role, setting
// false on the holder leaves none, and the emphasis is redrawn only where the role really moved.

#include <QtTest>

#include "MemoryControls.h"

using testing::MemoryButton;

class DefaultButtonRuleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTrueOnlyForTheHolder();
    void settingTrueMovesTheRole();
    void settingTrueOnTheHolderChangesNothing();
    void settingFalseOnTheHolderLeavesNone();
    void settingFalseOnAnotherButtonChangesNothing();
    void aDestroyedHolderLeavesNone();
};

void DefaultButtonRuleTest::readsTrueOnlyForTheHolder() {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    QVERIFY(!a.isDefault());
    QVERIFY(!b.isDefault());
    QCOMPARE(rule.holder(), nullptr);
    b.setDefault(true);
    QVERIFY(!a.isDefault());
    QVERIFY(b.isDefault());
    QCOMPARE(rule.holder(), &b);
}

void DefaultButtonRuleTest::settingTrueMovesTheRole() {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule), c(rule);
    a.setDefault(true);
    b.setDefault(true);
    QVERIFY(!a.isDefault());
    QVERIFY(b.isDefault());
    QVERIFY(!c.isDefault());
    QVERIFY(!a.emphasised);
    QVERIFY(b.emphasised);
}

void DefaultButtonRuleTest::settingTrueOnTheHolderChangesNothing() {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    a.emphasised = false; // a redraw would set it again
    a.setDefault(true);
    QVERIFY(a.isDefault());
    QVERIFY(!a.emphasised);
}

void DefaultButtonRuleTest::settingFalseOnTheHolderLeavesNone() {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    a.setDefault(false);
    QVERIFY(!a.isDefault());
    QVERIFY(!b.isDefault());
    QVERIFY(!a.emphasised);
    QCOMPARE(rule.holder(), nullptr);
}

void DefaultButtonRuleTest::settingFalseOnAnotherButtonChangesNothing() {
    platform::DefaultButtonRule rule;
    MemoryButton a(rule), b(rule);
    a.setDefault(true);
    b.setDefault(false);
    QVERIFY(a.isDefault());
    QVERIFY(a.emphasised);
    QVERIFY(!b.isDefault());
}

void DefaultButtonRuleTest::aDestroyedHolderLeavesNone() {
    platform::DefaultButtonRule rule;
    {
        MemoryButton a(rule);
        a.setDefault(true);
    }
    QCOMPARE(rule.holder(), nullptr);
}

QTEST_APPLESS_MAIN(DefaultButtonRuleTest)
#include "tst_default_button_rule.moc"
