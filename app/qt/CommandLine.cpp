#include "CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

#include "brenoldi_version.h"

namespace app::qt {

namespace {

constexpr const char* kUsage =
    "Uso: brenoldi [--help] [--version]\n"
    "Piccola calcolatrice da tavolo. Senza opzioni apre la finestra della calcolatrice.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  -v, --version  mostra la versione ed esce\n";

constexpr int kUsageError = 2;

// As the user wrote it: the parser hands option names back without their dashes.
QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> handleCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString what = parser.unknownOptionNames().isEmpty()
                                 ? QStringLiteral("argomento inatteso «%1»")
                                       .arg(parser.positionalArguments().value(0))
                                 : QStringLiteral("opzione sconosciuta «%1»")
                                       .arg(dashed(parser.unknownOptionNames().first()));
        std::fprintf(stderr, "brenoldi: %s (brenoldi --help per l'aiuto)\n", qPrintable(what));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("BRENOLDI %s\n", BRENOLDI_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace app::qt
