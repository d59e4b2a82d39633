#include "gui/archive/ArchiveCommand.h"

#include <QPointer>
#include <memory>

#include "gui/archive/frmArchive.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/CurrentFile.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/MainShell.h"

namespace vantrel {

void InstallArchiveCommand(MDIFormMain& main, MainShell& shell) {
    auto window = std::make_shared<QPointer<frmArchive>>();
    main.setCommand(MDIFormMain::Command::Archive, [&main, &shell, window] {
        if (!*window) {
            frmArchive::Editor editor{
                [&main, &shell](const CodeplugImage::Bytes& bytes, const QString& label) {
                    if (!shell.files().OpenImage(bytes)) return false;
                    // The data no longer come from the file the title names.
                    shell.currentFile().clear();
                    main.editor()->setStatusText(label);
                    return true;
                },
                [&main]() -> const EditingModel& { return main.editor()->model(); }};
            *window = new frmArchive(main.prompts(), main.settings(), std::move(editor), &main);
        } else {
            (*window)->refresh();
        }
        (*window)->show();
        (*window)->raise();
        (*window)->activateWindow();
    });
}

}  // namespace vantrel
