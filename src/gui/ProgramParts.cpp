#include "gui/ProgramParts.h"

#include "gui/archive/ArchiveCommand.h"
#include "gui/fleet/FleetCommand.h"
#include "gui/link/RadioLink.h"
#include "gui/report/ReportCommands.h"
#include "gui/shell/AccessibleWindows.h"
#include "gui/shell/LanguageMenu.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/MainShell.h"

namespace vantrel {

ProgramParts::ProgramParts(MDIFormMain& main, QSettings& settings) {
    InstallAccessibleWindows();
    new LanguageMenu(main, settings);  // owned by the main window
    main.editorBuilt = [this, &main, &settings] {
        auto* shell = new MainShell(main);  // owned by the main window
        radioLink_ = std::make_unique<RadioLink>(main, settings);
        InstallFleetCommand(main, *radioLink_);
        report::InstallReportCommands(main);
        InstallArchiveCommand(main, *shell);
    };
}

ProgramParts::~ProgramParts() = default;

}  // namespace vantrel
