// Writes the program icon's files from the pixels the window uses: brenoldi-16.png and
// brenoldi-32.png for the Linux desktop, brenoldi.ico (both sizes, 16 colours with a
// transparency mask) for Windows. Run by hand after a change to the icon:
//   make_icons packaging/icons

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "IcoFile.h"
#include "ProgramIcon.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: make_icons OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    const QDir out(arguments.at(1));
    bool ok = true;
    for (int size : {16, 32}) {
        const QString name = QStringLiteral("brenoldi-%1.png").arg(size);
        ok = programIconImage(size).save(out.filePath(name), "PNG") && ok;
    }
    QFile ico(out.filePath(QStringLiteral("brenoldi.ico")));
    ok = ico.open(QIODevice::WriteOnly) && ico.write(icoFile({16, 32})) > 0 && ok;
    if (!ok) {
        std::fputs("make_icons: could not write the icon files\n", stderr);
        return 1;
    }
    return 0;
}
