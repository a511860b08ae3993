// Started where no graphical display can be reached, the program says so in one line and exits,
// instead of aborting in Qt's platform plugin loader.

#include <QProcess>
#include <QtTest>

class StartWithoutDisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saysWhatToDoInOneLine();
};

void StartWithoutDisplayTest::saysWhatToDoInOneLine() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRENOLDI_PROGRAM), QStringList());
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString message = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(message.count(QLatin1Char('\n')), 1);
    QVERIFY2(message.contains(QStringLiteral("DISPLAY")), qPrintable(message));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(StartWithoutDisplayTest)
#include "tst_start_without_display.moc"
