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
        qFatal("xclip did not finish");
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

bool stopped(qint64 pid) {
    // The state letter follows the parenthesised command name in /proc/PID/stat.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) == "T";
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

HungOwner::HungOwner(const QByteArray& text) {
    // -quiet keeps xclip in the foreground, so the process started here is the owner itself.
    start(m_xclip, {"-quiet", "-i", "-selection", "clipboard"});
    m_xclip.write(text);
    m_xclip.closeWriteChannel();
    waitUntilOffered("clipboard", "UTF8_STRING", text);
    ::kill(static_cast<pid_t>(m_xclip.processId()), SIGSTOP);
    const QDeadlineTimer deadline(kPatience);
    while (!stopped(m_xclip.processId())) {
        if (deadline.hasExpired())
            qFatal("xclip did not stop");
    }
}

HungOwner::~HungOwner() {
    const auto pid = static_cast<pid_t>(m_xclip.processId());
    ::kill(pid, SIGCONT);
    ::kill(pid, SIGTERM);
    waitUntilFinished(m_xclip);
}

} // namespace testing
