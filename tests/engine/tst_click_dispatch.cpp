// The click dispatcher: a failing handler ends its click, the user is told once which error it
// was, and nothing escapes into the event loop.

#include <QtTest>
#include <new>
#include <stdexcept>

#include "MemoryControls.h"
#include "engine/ArithmeticError.h"
#include "engine/ClickDispatch.h"

using engine::ArithmeticError;

Q_DECLARE_METATYPE(std::function<void()>)

class ClickDispatchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reportsEachFailureOnce_data();
    void reportsEachFailureOnce();
    void saysNothingWhenAClickSucceeds();
};

void ClickDispatchTest::reportsEachFailureOnce_data() {
    QTest::addColumn<std::function<void()>>("failure");
    QTest::addColumn<QString>("message");

    QTest::newRow("overflow") << std::function<void()>([] {
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    }) << "Overflow";
    QTest::newRow("division by zero") << std::function<void()>([] {
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    }) << "Divisione per zero";
    QTest::newRow("invalid operation") << std::function<void()>([] {
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    }) << "Operazione non valida";
    QTest::newRow("clipboard") << std::function<void()>([] {
        throw platform::ClipboardError("busy");
    }) << "Appunti non disponibili";
    QTest::newRow("memory") << std::function<void()>([] { throw std::bad_alloc(); })
                            << "Memoria insufficiente";
    QTest::newRow("anything else")
        << std::function<void()>([] { throw std::logic_error("unexpected"); })
        << "Errore imprevisto";
}

void ClickDispatchTest::reportsEachFailureOnce() {
    QFETCH(std::function<void()>, failure);
    QFETCH(QString, message);

    testing::RecordingMessageBox box;
    engine::dispatchClick(failure, box);
    QCOMPARE(box.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(box.shown.front()), message);
    QCOMPARE(box.icons.front(), platform::MessageBox::Icon::Warning);
}

void ClickDispatchTest::saysNothingWhenAClickSucceeds() {
    testing::RecordingMessageBox box;
    bool ran = false;
    engine::dispatchClick([&ran] { ran = true; }, box);
    QVERIFY(ran);
    QVERIFY(box.shown.empty());
}

QTEST_APPLESS_MAIN(ClickDispatchTest)
#include "tst_click_dispatch.moc"
