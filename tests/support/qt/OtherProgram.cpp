#include "OtherProgram.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStringList>
#include <csignal>
#include <optional>
#include <string_view>
#include <unistd.h>

#include "platform/qt/DisplayServer.h"

namespace testing {

using platform::qt::onWayland;

namespace {

constexpr int kPatience = 10000; // ms: far beyond any answer under load, short of ctest's limit

// The display server's clipboard tool: xclip on X11, wl-copy and wl-paste natively on Wayland.
// xclip and wl-copy leave a child serving the selection after the test has ended; it must not
// keep the files this process inherited open, or whatever reads the test's output to its end
// (ninja under dpkg-buildpackage) waits for it as long as the display lives.
void start(QProcess& tool, const QString& program, const QStringList& arguments) {
    tool.setChildProcessModifier([] { ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC); });
    tool.start(program, arguments);
    if (!tool.waitForStarted(kPatience))
        qFatal("%s could not be started (Debian package xclip or wl-clipboard)",
               qPrintable(program));
}

// How `program` ended, with what it said on its error output.
QByteArray howItEnded(QProcess& program) {
    const QByteArray status = program.exitStatus() == QProcess::CrashExit
                                  ? QByteArray("crashed")
                                  : "exit status " + QByteArray::number(program.exitCode());
    return status + ": " + program.readAllStandardError().trimmed();
}

// Spins the event loop meanwhile, unlike QProcess::waitForFinished. A tool that reads may end
// with a failure (nothing offered in the form asked), never with a crash. False if it has not
// finished within `patience` ms: it is stopped then.
bool finishedWithin(QProcess& tool, int patience) {
    if (tool.state() != QProcess::NotRunning) {
        QSignalSpy finished(&tool, &QProcess::finished);
        if (!finished.wait(patience)) {
            tool.kill();
            tool.waitForFinished();
            return false;
        }
    }
    if (tool.exitStatus() != QProcess::NormalExit)
        qFatal("%s %s", qPrintable(tool.program()), howItEnded(tool).constData());
    return true;
}

void waitUntilFinished(QProcess& tool) {
    if (!finishedWithin(tool, kPatience))
        qFatal("%s did not finish", qPrintable(tool.program()));
}

// The same, for a tool that must have done what it was asked.
void waitUntilDone(QProcess& tool) {
    waitUntilFinished(tool);
    if (tool.exitCode() != 0)
        qFatal("%s failed, %s", qPrintable(tool.program()), howItEnded(tool).constData());
}

bool primary(const char* selection) {
    return std::string_view(selection) == "primary";
}

// What a third process reads, or nothing if it is still reading after `patience` ms.
std::optional<QByteArray> read(const char* selection, const char* target, int patience) {
    QProcess tool;
    if (onWayland()) {
        const QString type = std::string_view(target) == "UTF8_STRING"
                                 ? QStringLiteral("text/plain;charset=utf-8")
                                 : QString::fromLatin1(target);
        QStringList arguments{"--no-newline", "--type", type};
        if (primary(selection))
            arguments << "--primary";
        start(tool, QStringLiteral("wl-paste"), arguments);
    } else {
        start(tool, QStringLiteral("xclip"), {"-o", "-selection", selection, "-t", target});
    }
    tool.closeWriteChannel();
    if (!finishedWithin(tool, patience))
        return std::nullopt;
    return tool.readAllStandardOutput();
}

// A new copier's claim may not have reached the server yet (xclip's child sends it after its
// parent ends): a read meanwhile asks the last owner, which may never finish its answer (a
// misbehaving one left from the last row). Such a read is given up and tried again.
constexpr int kReadPatience = 2000;

// Returns once a third process reads `data` from `selection` in the form `target`.
void waitUntilOffered(const char* selection, const char* target, const QByteArray& data) {
    const QDeadlineTimer deadline(kPatience);
    while (read(selection, target, kReadPatience) != data) {
        if (deadline.hasExpired())
            qFatal("the other program never came to own the %s selection", selection);
    }
}

// Starts the program that will own `selection` with `data`: xclip -i, or wl-copy. Each forks a
// child that serves the selection until another program takes it over, unless `foreground`.
void startCopying(QProcess& tool, const char* selection, const char* target, const QByteArray& data,
                  bool foreground) {
    if (onWayland()) {
        QStringList arguments;
        if (std::string_view(target) != "UTF8_STRING")
            arguments << "--type" << QString::fromLatin1(target);
        if (primary(selection))
            arguments << "--primary";
        if (foreground)
            arguments << "--foreground";
        start(tool, QStringLiteral("wl-copy"), arguments);
    } else {
        QStringList arguments{"-i", "-selection", selection, "-t", target};
        if (foreground)
            arguments.prepend("-quiet");
        start(tool, QStringLiteral("xclip"), arguments);
    }
    tool.write(data);
    tool.closeWriteChannel();
}

void copy(const char* selection, const char* target, const QByteArray& data) {
    if (onWayland()) {
        QProcess tool;
        startCopying(tool, selection, target, data, false);
        waitUntilDone(tool);
        waitUntilOffered(selection, target, data);
        return;
    }
    // xclip ends once its child owns the selection. A program that took it over since (under
    // GNOME mutter takes over a selection whose owner has gone, a moment later) makes it copy
    // again.
    const QDeadlineTimer deadline(kPatience);
    for (;;) {
        QProcess tool;
        startCopying(tool, selection, target, data, false);
        waitUntilDone(tool);
        if (read(selection, target, kReadPatience) == data)
            return;
        if (deadline.hasExpired())
            qFatal("the other program never came to own the %s selection", selection);
    }
}

// Spins the event loop until the program prints a line starting with `prefix`.
QByteArray waitForLine(QProcess& program, const QByteArray& prefix) {
    const QDeadlineTimer deadline(kPatience);
    QByteArray line;
    while (!line.startsWith(prefix)) {
        while (!program.canReadLine()) {
            QSignalSpy output(&program, &QProcess::readyReadStandardOutput);
            if (program.state() == QProcess::NotRunning)
                qFatal("%s ended before it printed %s, %s", qPrintable(program.program()),
                       prefix.constData(), howItEnded(program).constData());
            if (!output.wait(kPatience) || deadline.hasExpired())
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

// The process of a program that still runs. One that has ended has none: its id reads 0 then,
// and a signal to process 0 would go to this process's whole group, the test run included.
pid_t runningProcess(QProcess& program) {
    if (program.state() == QProcess::NotRunning)
        qFatal("%s has ended, %s", qPrintable(program.program()), howItEnded(program).constData());
    return static_cast<pid_t>(program.processId());
}

// Ends a program that needs nothing more of this one, so no event loop has to run: this also
// works while a failed test unwinds, when QtTest refuses to spin one. One that ended by itself
// (xclip and wl-copy do, as another program takes the clipboard) must have ended well.
void end(QProcess& program, int signal) {
    if (program.state() == QProcess::NotRunning) {
        if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
            qFatal("%s ended by itself, %s", qPrintable(program.program()),
                   howItEnded(program).constData());
        return;
    }
    const pid_t pid = runningProcess(program);
    ::kill(pid, SIGCONT);
    ::kill(pid, signal);
    if (!program.waitForFinished(kPatience))
        qFatal("%s did not end", qPrintable(program.program()));
}

void stopAndWait(QProcess& program) {
    const pid_t pid = runningProcess(program);
    ::kill(pid, SIGSTOP);
    const QDeadlineTimer deadline(kPatience);
    while (!stopped(pid)) {
        if (deadline.hasExpired())
            qFatal("%s did not stop", qPrintable(program.program()));
    }
}

} // namespace

QByteArray otherProgramReads(const char* selection) {
    const std::optional<QByteArray> text = read(selection, "UTF8_STRING", kPatience);
    if (!text)
        qFatal("the reader did not finish");
    return *text;
}

void otherProgramCopies(const QByteArray& text) {
    copy("clipboard", "UTF8_STRING", text);
}

void emptyClipboard() {
    if (!onWayland()) {
        copy("clipboard", "UTF8_STRING", QByteArray());
        return;
    }
    QProcess tool;
    start(tool, QStringLiteral("wl-copy"), {"--clear"});
    waitUntilDone(tool);
    waitUntilOffered("clipboard", "UTF8_STRING", QByteArray());
}

void otherProgramSelects(const QByteArray& text) {
    copy("primary", "UTF8_STRING", text);
}

void otherProgramCopiesPicture(const QByteArray& png) {
    copy("clipboard", "image/png", png);
}

QtCopier::QtCopier() {
    // On the display server the window runs on, as another program beside it would.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QGuiApplication::platformName());
    m_copier.setProcessEnvironment(environment);
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
    ::kill(runningProcess(m_owner), SIGCONT);
}

WaylandOwner::WaylandOwner(const QString& mode, const QByteArray& text) {
    start(m_owner, QStringLiteral("/usr/bin/python3"),
          {QStringLiteral(BRENOLDI_WAYLAND_HELPER), QStringLiteral("owner"), mode,
           QString::fromUtf8(text)});
    waitForLine(m_owner, "ready");
}

WaylandOwner::~WaylandOwner() {
    end(m_owner, SIGKILL);
}

HungOwner::HungOwner(const QByteArray& text, const char* selection) {
    // In the foreground, so the process started here is the owner itself.
    startCopying(m_owner, selection, "UTF8_STRING", text, true);
    waitUntilOffered(selection, "UTF8_STRING", text);
    stopAndWait(m_owner);
}

HungOwner::~HungOwner() {
    end(m_owner, SIGTERM);
}

} // namespace testing
