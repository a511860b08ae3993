// The real X11 clipboard shared with another process (xclip). The other process is never waited
// for synchronously: while this program owns the clipboard it must keep its event loop running
// to answer the other process's request.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QtTest>

#include "OtherProgram.h"
#include "platform/SystemClipboard.h"

using testing::otherProgramCopies;
using testing::otherProgramReads;

class SystemClipboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void otherProgramsReadWhatIsWritten_data();
    void otherProgramsReadWhatIsWritten();
    void readsWhatAnotherProgramCopied();
    void clipboardWithoutTextReadsEmpty();
    void writesTheClipboardNotTheSelection();
};

void SystemClipboardTest::otherProgramsReadWhatIsWritten_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("number") << QByteArray("12");
    QTest::newRow("message with a degree sign") << QByteArray("N° grande <max 308>");
    QTest::newRow("typed decimal") << QByteArray("2.5");
}

void SystemClipboardTest::otherProgramsReadWhatIsWritten() {
    QFETCH(QByteArray, text);
    platform::SystemClipboard clipboard;
    clipboard.setText(text.toStdString());
    QCOMPARE(otherProgramReads(), text);
    QCOMPARE(clipboard.text(), text.toStdString());
}

void SystemClipboardTest::readsWhatAnotherProgramCopied() {
    platform::SystemClipboard clipboard;
    clipboard.setText("5");
    otherProgramCopies("7");
    QTRY_COMPARE(clipboard.text(), std::string("7"));
}

void SystemClipboardTest::clipboardWithoutTextReadsEmpty() {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(picture);
    platform::SystemClipboard clipboard;
    QCOMPARE(clipboard.text(), std::string());
}

void SystemClipboardTest::writesTheClipboardNotTheSelection() {
    platform::SystemClipboard clipboard;
    QGuiApplication::clipboard()->setText(QStringLiteral("selected"), QClipboard::Selection);
    clipboard.setText("9");
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), QStringLiteral("selected"));
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard), QStringLiteral("9"));
}

QTEST_MAIN(SystemClipboardTest)
#include "tst_system_clipboard.moc"
