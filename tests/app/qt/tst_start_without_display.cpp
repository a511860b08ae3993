// Started where no graphical display can be reached, the program says so in one line and exits,
// instead of aborting in Qt's platform plugin loader; its options work there all the same.

#include <QProcess>
#include <QtTest>

class StartWithoutDisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void StartWithoutDisplayTest::answersWithoutADisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // what stdout starts with
    QTest::addColumn<QString>("error");  // what the one line on stderr contains, if any

    QTest::newRow("no options") << QStringList() << 1 << ""
                                << "DISPLAY";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "BRENOLDI 1.00\n"
                             << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Uso: brenoldi"
                          << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "«--bogus»";
    QTest::newRow("unexpected argument") << QStringList{"file.txt"} << 2 << ""
                                         << "«file.txt»";
}

void StartWithoutDisplayTest::answersWithoutADisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRENOLDI_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(output.isEmpty() ? out.isEmpty() : out.startsWith(output), qPrintable(out));
    QCOMPARE(err.count(QLatin1Char('\n')), error.isEmpty() ? 0 : 1);
    QVERIFY2(err.contains(error), qPrintable(err));
}

QTEST_GUILESS_MAIN(StartWithoutDisplayTest)
#include "tst_start_without_display.moc"
