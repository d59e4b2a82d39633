// The yardstick for bench_editor's start-up: a program that links Qt Widgets
// and nothing else, shows a main window of the program's size and says so
// once the window has been painted (the same moment the program's start-up
// is timed to).
#include <QApplication>
#include <QMainWindow>

#include "StartupChild.h"
#include "shell/widgets/AfterFirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1015, 603);
    window.show();
    vantrel::AfterFirstPaint(window, [] {
        Say("shown");
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
