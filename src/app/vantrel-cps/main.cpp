// vantrel-cps: the splash, then the main window with the codeplug editor.
#include <QApplication>
#include <QSettings>
#include <QStringList>
#include <memory>

#include "codeplug/AppState.h"
#include "gui/ProgramParts.h"
#include "gui/common/DesktopPalette.h"
#include "gui/common/ProgramIcons.h"
#include "gui/common/Prompts.h"
#include "gui/common/Translations.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/frmSpla.h"
#include "link/serial/PortResolver.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantrel CPS");
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setWindowIcon(vantrel::ProgramIcon());

    vantrel::AppState state;
    vantrel::QtPrompts prompts;
    QString settingsProblem;
    const std::unique_ptr<QSettings> store = vantrel::link::OpenProgramSettings(&settingsProblem);
    if (!settingsProblem.isEmpty()) qWarning("Vantrel CPS: %s", qPrintable(settingsProblem));
    QSettings& settings = *store;
    vantrel::ApplyPaletteSetting(settings);
    // Before the first window: every caption is looked up as it is built.
    vantrel::InstallTranslations(settings);
    vantrel::MDIFormMain mainWindow(state, prompts, settings);
    prompts.setParent(&mainWindow);
    vantrel::ProgramParts parts(mainWindow, settings);

    const QString commandLine = QApplication::arguments().mid(1).join(' ');
    vantrel::frmSpla splash;
    splash.onOk = [&] { mainWindow.startUp(commandLine); };
    splash.show();
    return QApplication::exec();
}
