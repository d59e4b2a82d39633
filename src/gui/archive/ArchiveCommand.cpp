#include "gui/archive/ArchiveCommand.h"

#include <QPointer>
#include <memory>

#include "gui/archive/ReadNotice.h"
#include "gui/archive/frmArchive.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/CurrentFile.h"
#include "gui/shell/MDIFormMain.h"
#include "gui/shell/MainShell.h"

namespace vantrel {

void InstallArchiveCommand(MDIFormMain& main, MainShell& shell) {
    auto window = std::make_shared<QPointer<frmArchive>>();
    // The window, made on first use and listing the archive anew after.
    auto show = [&main, &shell, window]() -> frmArchive& {
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
        return **window;
    };
    main.setCommand(MDIFormMain::Command::Archive, [show] { show(); });

    frmMain& editor = *main.editor();
    auto* notice = new ReadNotice(main.prompts(), main.settings(),
                                  {[&editor]() -> const EditingModel& { return editor.model(); },
                                   [show](const archive::ArchiveEntry& write) {
                                       show().compareEntry(write.radio.serial, write.id);
                                   }},
                                  &main);
    QObject::connect(&editor, &frmMain::populating, notice, [notice, &main](frmMain::LoadKind kind) {
        if (kind == frmMain::LoadKind::Read) notice->readShown(main.state().image.bytes());
    });
}

}  // namespace vantrel
