#include "shell/widgets/ProgramParts.h"

#include "gui/fleet/FleetCommand.h"
#include "link/widgets/RadioLink.h"
#include "report/widgets/ReportCommands.h"
#include "shell/widgets/MDIFormMain.h"
#include "shell/widgets/MainShell.h"

namespace vantrel {

ProgramParts::ProgramParts(MDIFormMain& main, QSettings& settings) {
    main.editorBuilt = [this, &main, &settings] {
        new MainShell(main);  // owned by the main window
        radioLink_ = std::make_unique<RadioLink>(main, settings);
        InstallFleetCommand(main, *radioLink_);
        report::InstallReportCommands(main);
    };
}

ProgramParts::~ProgramParts() = default;

}  // namespace vantrel
