// Device > Program Several Radios... in the main window: usable when Write is,
// and it opens the fleet window on the Com ports' devices.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gui/fleet/FleetCommand.h"
#include "gui/fleet/frmFleet.h"
#include "gui/link/RadioLink.h"
#include "gui/shell/MDIFormMain.h"
#include "support/ScriptedPrompts.h"
#include "support/StartUp.h"

namespace vantrel::test {
namespace {

TEST(FleetCommand, FollowsWriteAndOpensTheWindowOnThePortsDevices) {
    QTemporaryDir dir;
    const QString device = dir.filePath("radio");
    qputenv("VANTREL_COM2", device.toLocal8Bit());
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    AppState state;
    ScriptedPrompts prompts;
    MDIFormMain main(state, prompts, settings);
    RadioLink radioLink(main, settings);
    InstallFleetCommand(main, radioLink);
    StartUp(main);

    QAction* fleet = main.menuAction("mnuFleet");
    ASSERT_NE(fleet, nullptr);
    EXPECT_EQ(fleet->text(), "Program &Several Radios...");
    EXPECT_FALSE(fleet->isEnabled());  // nothing loaded: Write is off too
    main.menuAction("mnuWrite")->setEnabled(true);
    EXPECT_TRUE(fleet->isEnabled());

    fleet->trigger();
    qunsetenv("VANTREL_COM2");
    auto* window = main.findChild<frmFleet*>("frmFleet");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->row(2).lblDevice->text(), device);
    EXPECT_TRUE(window->row(2).chkPort->isChecked());
}

}  // namespace
}  // namespace vantrel::test
