#include "OtherProgram.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <csignal>

namespace testing {

namespace {

constexpr int kPatience = 10000; // ms: far beyond any answer under load, short of ctest's limit

void start(QProcess& xclip, const QStringList& arguments) {
    xclip.start(QStringLiteral("xclip"), arguments);
    if (!xclip.waitForStarted(kPatience))
        qFatal("xclip could not be started (Debian package xclip)");
}

// Spins the event loop meanwhile, unlike QProcess::waitForFinished.
void waitUntilFinished(QProcess& xclip) {
    if (xclip.state() == QProcess::NotRunning)
        return;
    QSignalSpy finished(&xclip, &QProcess::finished);
    if (!finished.wait(kPatience))
        qFatal("%s did not finish", qPrintable(xclip.program()));
}

QByteArray read(const char* selection, const char* target) {
    QProcess xclip;
    start(xclip, {"-o", "-selection", selection, "-t", target});
    xclip.closeWriteChannel();
    waitUntilFinished(xclip);
    return xclip.readAllStandardOutput();
}

// Returns once a third process reads `data` from `selection` in the form `target`.
void waitUntilOffered(const char* selection, const char* target, const QByteArray& data) {
    const QDeadlineTimer deadline(kPatience);
    while (read(selection, target) != data) {
        if (deadline.hasExpired())
            qFatal("xclip never came to own the %s selection", selection);
    }
}

// xclip -i forks a child that serves the selection until another program takes it over; the
// parent exits before the child owns it.
void copy(const char* selection, const char* target, const QByteArray& data) {
    QProcess xclip;
    start(xclip, {"-i", "-selection", selection, "-t", target});
    xclip.write(data);
    xclip.closeWriteChannel();
    waitUntilFinished(xclip);
    waitUntilOffered(selection, target, data);
}

// Spins the event loop until the program prints a line starting with `prefix`.
QByteArray waitForLine(QProcess& program, const QByteArray& prefix) {
    const QDeadlineTimer deadline(kPatience);
    QByteArray line;
    while (!line.startsWith(prefix)) {
        while (!program.canReadLine()) {
            QSignalSpy output(&program, &QProcess::readyReadStandardOutput);
            if (program.state() == QProcess::NotRunning || !output.wait(kPatience) ||
                deadline.hasExpired())
                qFatal("%s never printed %s", qPrintable(program.program()), prefix.constData());
        }
        line = program.readLine();
    }
    return line;
}

bool stopped(qint64 pid) {
    // The state letter follows the parenthesised command name in /proc/PID/stat.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) == "T";
}

// Ends a program that needs nothing more of this one, so no event loop has to run: this also
// works while a failed test unwinds, when QtTest refuses to spin one.
void end(QProcess& program, int signal) {
    ::kill(static_cast<pid_t>(program.processId()), SIGCONT);
    ::kill(static_cast<pid_t>(program.processId()), signal);
    if (program.state() != QProcess::NotRunning && !program.waitForFinished(kPatience))
        qFatal("%s did not end", qPrintable(program.program()));
}

void stopAndWait(QProcess& program) {
    ::kill(static_cast<pid_t>(program.processId()), SIGSTOP);
    const QDeadlineTimer deadline(kPatience);
    while (!stopped(program.processId())) {
        if (deadline.hasExpired())
            qFatal("%s did not stop", qPrintable(program.program()));
    }
}

} // namespace

QByteArray otherProgramReads(const char* selection) {
    return read(selection, "UTF8_STRING");
}

void otherProgramCopies(const QByteArray& text) {
    copy("clipboard", "UTF8_STRING", text);
}

void otherProgramSelects(const QByteArray& text) {
    copy("primary", "UTF8_STRING", text);
}

void otherProgramCopiesPicture(const QByteArray& png) {
    copy("clipboard", "image/png", png);
}

QtCopier::QtCopier() {
    m_copier.start(QStringLiteral(BRENOLDI_QT_COPIER), {});
    if (!m_copier.waitForStarted(kPatience))
        qFatal("qt_copier could not be started");
}

QtCopier::~QtCopier() {
    end(m_copier, SIGKILL);
}

void QtCopier::copy(const QByteArray& text) {
    m_copier.write(text + '\n');
    if (waitForLine(m_copier, "copied ").trimmed() != "copied " + text)
        qFatal("qt_copier did not copy %s", text.constData());
}

MisbehavingOwner::MisbehavingOwner(const QString& mode, const QByteArray& text) {
    m_owner.start(QStringLiteral(BRENOLDI_CLIPBOARD_OWNER), {mode, QString::fromUtf8(text)});
    if (!m_owner.waitForStarted(kPatience))
        qFatal("clipboard_owner could not be started");
    waitForLine(m_owner, "ready");
}

MisbehavingOwner::~MisbehavingOwner() {
    end(m_owner, SIGKILL);
}

void MisbehavingOwner::stop() {
    stopAndWait(m_owner);
}

void MisbehavingOwner::resume() {
    ::kill(static_cast<pid_t>(m_owner.processId()), SIGCONT);
}

HungOwner::HungOwner(const QByteArray& text) {
    // -quiet keeps xclip in the foreground, so the process started here is the owner itself.
    start(m_xclip, {"-quiet", "-i", "-selection", "clipboard"});
    m_xclip.write(text);
    m_xclip.closeWriteChannel();
    waitUntilOffered("clipboard", "UTF8_STRING", text);
    stopAndWait(m_xclip);
}

HungOwner::~HungOwner() {
    end(m_xclip, SIGTERM);
}

} // namespace testing
