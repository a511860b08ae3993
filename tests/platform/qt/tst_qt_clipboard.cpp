// The real X11 clipboard shared with another process (xclip), through the clipboard chosen for
// this display and through Qt's own. The other process is never waited
// for synchronously: while this program owns the clipboard it must keep its event loop running
// to answer the other process's request.

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QtTest>

#include "ClipboardBounds.h"
#include "OtherProgram.h"
#include "WindowDriver.h"
#include "platform/qt/DesktopClipboard.h"
#include "platform/qt/DisplayServer.h"
#include "platform/qt/QtClipboard.h"

using testing::otherProgramCopies;
using testing::otherProgramReads;
using ReadFailure = platform::ClipboardError;

class QtClipboardTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void otherProgramsReadWhatIsWritten_data();
    void otherProgramsReadWhatIsWritten();
    void readsWhatAnotherProgramCopied();
    void clipboardWithoutTextReadsEmpty();
    void clipboardWithoutOwnerReadsEmpty();
    void writesTheClipboardNotTheSelection();
    void readsLargeTextsInIncrements();
    void hungOwnerFailsTheReadWithinTheDeadline();
};

void QtClipboardTest::otherProgramsReadWhatIsWritten_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("qtsOwn"); // Qt's own clipboard rather than this display's
    QTest::newRow("number") << QByteArray("12") << false;
    QTest::newRow("message with a degree sign") << QByteArray("N° grande <max 308>") << false;
    QTest::newRow("typed decimal") << QByteArray("2.5") << false;
    QTest::newRow("Qt's own clipboard, where no reader of ours serves")
        << QByteArray("N° grande <max 308>") << true;
}

void QtClipboardTest::otherProgramsReadWhatIsWritten() {
    QFETCH(QByteArray, text);
    QFETCH(bool, qtsOwn);
    const std::unique_ptr<platform::qt::DesktopClipboard> clipboard =
        qtsOwn ? std::make_unique<platform::qt::QtClipboard>()
               : platform::qt::clipboardForThisDisplay();
    clipboard->setText(text.toStdString());
    QCOMPARE(otherProgramReads(), text);
    QCOMPARE(clipboard->text(), text.toStdString());
}

void QtClipboardTest::readsWhatAnotherProgramCopied() {
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    clipboard->setText("5");
    otherProgramCopies("7");
    QTRY_COMPARE(clipboard->text(), std::string("7"));
}

void QtClipboardTest::clipboardWithoutTextReadsEmpty() {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    testing::otherProgramCopiesPicture(png);
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    QCOMPARE(clipboard->text(), std::string());
}

void QtClipboardTest::clipboardWithoutOwnerReadsEmpty() {
    {
        testing::HungOwner owner("7"); // owns the clipboard until it is ended
    }
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    QTRY_COMPARE(clipboard->text(), std::string());
}

void QtClipboardTest::writesTheClipboardNotTheSelection() {
    testing::otherProgramSelects("selected");
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    clipboard->setText("9");
    QCOMPARE(otherProgramReads("primary"), QByteArray("selected"));
    QCOMPARE(otherProgramReads(), QByteArray("9"));
}

void QtClipboardTest::readsLargeTextsInIncrements() {
    // Larger than one X request, so xclip sends it in increments; the longest text read whole.
    using platform::qt::DesktopClipboard;
    const QByteArray digits(DesktopClipboard::kMaxTextBytes, '7');
    otherProgramCopies(digits);
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    QCOMPARE(clipboard->text(), digits.toStdString());
    // One byte more fails a calculation, and is cut for a paste. Either read leaves the
    // transfer unfinished, which xclip never gets over (it answers nobody after that): each
    // gets an xclip of its own.
    otherProgramCopies(digits + '7');
    QVERIFY_THROWS_EXCEPTION(ReadFailure, clipboard->text());
    otherProgramCopies(digits + '7');
    QCOMPARE(clipboard->pasteText(QClipboard::Clipboard), digits.toStdString());
    // The stuck xclip must not own the clipboard when the next test asks for it.
    clipboard->setText("");
}

void QtClipboardTest::hungOwnerFailsTheReadWithinTheDeadline() {
    const auto clipboard = platform::qt::clipboardForThisDisplay();
    testing::HungOwner owner("7");
    QElapsedTimer waited;
    waited.start();
    QVERIFY_THROWS_EXCEPTION(ReadFailure, clipboard->text());
    // The deadline, with the room for a loaded machine that a click has.
    QVERIFY2(waited.elapsed() <= testing::kClickBound,
             qPrintable(QStringLiteral("a hung owner cost %1 ms").arg(waited.elapsed())));
    // Taking the clipboard asks nothing of the old owner, so a write still works.
    clipboard->setText("5");
    QCOMPARE(clipboard->text(), std::string("5"));
}

QTEST_MAIN(QtClipboardTest)
#include "tst_qt_clipboard.moc"
