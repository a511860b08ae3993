#include "OtherProgram.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStringList>

namespace testing {

namespace {

QByteArray runXclip(const QStringList& arguments, const QByteArray& input) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), arguments + QStringList{"-selection", "clipboard"});
    if (!xclip.waitForStarted(5000))
        qFatal("xclip could not be started (Debian package xclip)");
    if (!input.isNull())
        xclip.write(input);
    xclip.closeWriteChannel();
    // Spins the event loop meanwhile, unlike QProcess::waitForFinished.
    QSignalSpy finished(&xclip, &QProcess::finished);
    if (!finished.wait(10000))
        qFatal("xclip did not finish");
    return xclip.readAllStandardOutput();
}

} // namespace

QByteArray otherProgramReads() {
    return runXclip({"-o"}, QByteArray());
}

// xclip -i forks a child that serves the clipboard until another program takes it over.
void otherProgramCopies(const QByteArray& text) {
    runXclip({"-i"}, text);
}

} // namespace testing
