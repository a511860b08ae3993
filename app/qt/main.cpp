#include <QApplication>
#include <cstdio>

#include "Application.h"
#include "CommandLine.h"
#include "Form1.h"

int main(int argc, char* argv[]) {
    using namespace app::qt;
    if (!displayAvailable()) {
        if (const auto status = handleCommandLine(commandLineArguments(argc, argv)))
            return *status;
        std::fputs(
            "brenoldi: nessuno schermo grafico (DISPLAY non impostato): avviare il programma "
            "da una sessione grafica, oppure con xvfb-run.\n",
            stderr);
        return 1;
    }
    std::jthread fontConfiguration = readFontConfigurationAside();
    chooseDisplayServer();
    ignoreDesktopSettings();
    QApplication application(argc, argv);
    // Read after QApplication has taken out its own options, such as -platform.
    if (const auto status = handleCommandLine(QCoreApplication::arguments()))
        return *status;
    prepareApplication(application);
    fontConfiguration.join();
    Form1 form;
    form.show();
    return application.exec();
}
