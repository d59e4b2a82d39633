#include "gui/fleet/FleetCommand.h"

#include <QAction>
#include <QPointer>

#include "fleet/ArchivingObserver.h"
#include "gui/codeplug/frmMain.h"
#include "gui/fleet/frmFleet.h"
#include "gui/link/RadioLink.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/MDIFormMain.h"
#include "link/serial/SerialDevice.h"

namespace vantrel {

namespace {

// The Write command's checks and preparation, once, on the editor's model.
std::optional<fleet::FleetWrite> PrepareEditorWrite(MDIFormMain& main, RadioLink& radioLink) {
    frmMain& editor = *main.editor();
    if (!editor.forward([](EditingModel& m) { return m.CheckBeforeWrite(); }).ok) return std::nullopt;
    editor.forward([](EditingModel& m) {
        m.PrepareForWrite();
        return EditResult{};
    });
    main.editorUndo().amend();
    // The main window's own port may be one of the job's: it lets go of it
    // (Read and Write open it again).
    radioLink.device().close();
    return fleet::FleetWrite{editor.model().snapshot(), std::nullopt, false};
}

}  // namespace

void InstallFleetCommand(MDIFormMain& main, RadioLink& radioLink) {
    QAction* item = main.menuAction("mnuFleet");
    QAction* write = main.menuAction("mnuWrite");
    if (item && write) {
        item->setEnabled(write->isEnabled());
        QObject::connect(write, &QAction::changed, item, [item, write] { item->setEnabled(write->isEnabled()); });
    }
    auto window = std::make_shared<QPointer<frmFleet>>();
    // Every radio of a job goes into the archive, as a single read or write does.
    std::shared_ptr<fleet::ArchivingObserver> archiving;
    if (archive::ArchiveRecorder* recorder = radioLink.archive())
        archiving = std::make_shared<fleet::ArchivingObserver>(*recorder);
    main.setCommand(MDIFormMain::Command::Fleet, [&main, &radioLink, window, archiving] {
        if (!*window) {
            *window = new frmFleet(
                main.prompts(), [&radioLink](int port) { return radioLink.devicePath(port); },
                [&main, &radioLink] { return PrepareEditorWrite(main, radioLink); }, &main);
            (*window)->setObserver(archiving.get());
        }
        (*window)->refreshDevices();
        (*window)->show();
        (*window)->raise();
        (*window)->activateWindow();
    });
}

}  // namespace vantrel
