// The program's radio link: the checked Comm Port item picks the device.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include "gui/codeplug/frmMain.h"
#include "gui/link/ProgramCommands.h"
#include "gui/link/RadioLink.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"
#include "link/serial/SerialDevice.h"
#include "support/ScriptedPrompts.h"
#include "support/StartUp.h"

namespace vantrel::test {
namespace {

TEST(RadioLink, CheckedPortPicksItsDevice) {
    QTemporaryDir dir;
    qputenv("VANTREL_COM3", dir.filePath("no-such-device").toLocal8Bit());
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main(state, prompts, settings);
    RadioLink radioLink(main, settings);
    main.menuAction("mnuPortCom3")->setChecked(true);
    StartUp(main);
    qunsetenv("VANTREL_COM3");

    EXPECT_EQ(radioLink.selectedPort(), 3);
    // The start-up opened Com3, the device named for it, and told of the failure once.
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Comm. Port Unavailable !\r\n\r\nPlease Change the Port selection.\r\n\r\n" +
                                            dir.filePath("no-such-device") +
                                            ": no such device.\r\nIs the programming cable plugged in?");
    EXPECT_EQ(radioLink.device().portName(), dir.filePath("no-such-device"));

    settings.setValue("Ports/Com5", "/dev/ttyUSB7");
    EXPECT_EQ(radioLink.devicePath(5), "/dev/ttyUSB7");
    main.menuAction("mnuPortCom5")->setChecked(true);
    EXPECT_EQ(radioLink.selectedPort(), 5);
}

// Each Comm Port item keeps its caption and tells which device stands behind
// it, looked up again whenever the menu opens.
TEST(RadioLink, PortItemsShowTheirDevice) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main(state, prompts, settings);
    RadioLink radioLink(main, settings);
    QAction* com2 = main.menuAction("mnuPortCom2");
    settings.setValue("Ports/Com2", "/dev/ttyUSB3");
    QMenu* menu = qobject_cast<QMenu*>(com2->associatedObjects().value(0));
    ASSERT_TRUE(menu);
    emit menu->aboutToShow();

    EXPECT_EQ(com2->text(), "Com2");
    EXPECT_EQ(com2->toolTip(), "Com2: /dev/ttyUSB3");
    EXPECT_EQ(com2->statusTip(), "Com2: /dev/ttyUSB3");
    EXPECT_TRUE(menu->toolTipsVisible());
    StartUp(main);
    com2->hover();
    EXPECT_EQ(main.editor()->statusText(), "Com2: /dev/ttyUSB3");
}

}  // namespace
}  // namespace vantrel::test

namespace vantrel::test {
namespace {

// The port's device went away while the dialog was open (a simulated radio
// that quit and took its link along, as an unplugged adapter takes its
// device node): the press of Read says why, before any transfer.
TEST(RadioLink, ReadAfterTheDeviceWentAwaySaysWhy) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    QTemporaryDir dir;
    const QString pty = dir.filePath("radio");
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(::ptsname(master)), pty));
    qputenv("VANTREL_COM1", pty.toLocal8Bit());
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main(state, prompts, settings);
    RadioLink radioLink(main, settings);
    StartUp(main);
    ASSERT_TRUE(radioLink.device().isOpen());
    ASSERT_TRUE(prompts.messages.empty());

    main.runCommand(MDIFormMain::Command::Read);
    frmProgram& d = radioLink.commands().dialog();
    ASSERT_TRUE(d.isVisible());
    ::close(master);   // the far end is gone: the line hangs up
    QFile::remove(pty);

    d.cmdRead()->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Comm. Port Unavailable !"));
    EXPECT_TRUE(prompts.messages[0].text.contains(pty + ": no such device.")) << prompts.messages[0].text.toStdString();
    EXPECT_EQ(d.lblProgram()->text(), "Click Read Button");
    qunsetenv("VANTREL_COM1");
}

}  // namespace
}  // namespace vantrel::test
