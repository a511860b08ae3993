// The floor for start-up: a bare Qt 6 window of 24 push buttons in a fixed size, nothing else.
// bench_launch measures BRENOLDI against it.

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(233, 277);
    for (int i = 0; i < 24; ++i) {
        auto* button = new QPushButton(QString::number(i), &window);
        button->setGeometry(16 + (i % 5) * 40, 80 + (i / 5) * 40, 33, 33);
    }
    window.show();
    return application.exec();
}
