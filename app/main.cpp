#include <QApplication>
#include <cstdio>

#include "Application.h"
#include "Form1.h"

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "brenoldi: nessuno schermo grafico (DISPLAY non impostato): avviare il programma "
            "da una sessione grafica, oppure con xvfb-run.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepareApplication(application);
    Form1 form;
    form.show();
    return application.exec();
}
