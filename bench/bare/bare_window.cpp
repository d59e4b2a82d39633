// The yardsticks for bench_editor's start-up: a program that links Qt Widgets
// and nothing else, shows a main window of the program's size and says so
// once the window has been painted (the moment the program's start-up is
// timed to). With --menus the window also has a menu bar with the program's
// five menus and a toolbar: what text on the screen costs any program.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "StartupChild.h"
#include "gui/shell/AfterFirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && qstrcmp(argv[1], "--menus") == 0) {
        for (const char* menu : {"&File", "&Edit", "&Device", "&Comm Port", "&Help"})
            window.menuBar()->addMenu(menu)->addAction("Item");
        window.addToolBar("Toolbar")->addAction("Open");
    }
    window.resize(1015, 603);
    window.show();
    vantrel::AfterFirstPaint(window, [] {
        Say("shown");
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
