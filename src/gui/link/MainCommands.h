#pragma once
// Enabling groups of the main window's commands: menu items by name and
// toolbar buttons by position (2 Save, 4 Write, 6 Print Preview, 7 Print).
#include <QAction>
#include <vector>

#include "gui/shell/MDIFormMain.h"

namespace vantrel {

struct CommandGroup {
    std::vector<const char*> menus;
    std::vector<int> toolbar;
};

inline const CommandGroup kWriteCommands{{"mnuWrite"}, {4}};
inline const CommandGroup kSaveCommands{{"mnuFileSave"}, {2}};
// What a locked codeplug may not do besides writing: print and load defaults.
inline const CommandGroup kPrintAndDefault{{"mnuFilePrintPreview", "mnuFilePrint", "mnuDefault"}, {6, 7}};

inline void SetCommandsEnabled(MDIFormMain& main, const CommandGroup& group, bool on) {
    for (const char* name : group.menus)
        if (QAction* a = main.menuAction(name)) a->setEnabled(on);
    for (int position : group.toolbar)
        if (QAction* a = main.toolbarButton(position)) a->setEnabled(on);
}

}  // namespace vantrel
