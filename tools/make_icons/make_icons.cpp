// Writes the program icon's files from the pixels the window uses: brenoldi-N.png at every
// launcher size and brenoldi.svg for the Linux desktop, brenoldi.ico (every size Windows asks from
// 100 to 200 % in 16 colours with a transparency mask, 256 as PNG) for Windows. Run by hand after
// a change to the icon:
//   make_icons packaging/icons

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "IcoFile.h"
#include "app/qt/ProgramIcon.h"
#include "form/IconPixels.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: make_icons OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    const QDir out(arguments.at(1));
    bool ok = true;
    for (int size : form::kIconSizes) {
        const QString name = QStringLiteral("brenoldi-%1.png").arg(size);
        ok = app::qt::programIconImage(size).save(out.filePath(name), "PNG") && ok;
    }
    QFile svg(out.filePath(QStringLiteral("brenoldi.svg")));
    ok = svg.open(QIODevice::WriteOnly) && svg.write(app::qt::programIconSvg()) > 0 && ok;
    QFile ico(out.filePath(QStringLiteral("brenoldi.ico")));
    ok = ico.open(QIODevice::WriteOnly) && ico.write(icoFile(form::kWindowsIconSizes)) > 0 && ok;
    if (!ok) {
        std::fputs("make_icons: could not write the icon files\n", stderr);
        return 1;
    }
    return 0;
}
