#include "shell/widgets/FileCommands.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "channels/UserTplCodec.h"
#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ScanListPanel.h"
#include "codeplug/widgets/RadioInfoFrame.h"
#include "codeplug/widgets/UserTplFrame.h"
#include "codeplug/widgets/frmMain.h"
#include "shell/CodeplugFile.h"
#include "shell/widgets/WindowFocus.h"

namespace vantrel {

namespace {

const QString kFileFilter = QStringLiteral("Programmer data file (*.cpg)");
const QString kFileExtension = QStringLiteral(".cpg");
// Paths of this length or longer are refused by the Save dialog loop.
constexpr int kMaxPathLength = 128;

}  // namespace

Prompts::Answer AskSaveCurrentData(Prompts& prompts) {
    return prompts.message({QStringLiteral("Save Current Data to File ?"), QStringLiteral("Save ?"),
                            Prompts::Icon::None, Prompts::Buttons::YesNoCancel, Prompts::Answer::Cancel});
}

bool LoadCodeplugFile(AppState& state, Prompts& prompts, const QString& path) {
    const CodeplugFileLoad load = vantrel::CopyToBox(state.image, path.toStdString());
    state.loadFailed = !load.ok();
    if (load.ok()) return true;
    if (load.status == CodeplugFileLoad::Status::WrongType) {
        prompts.beep();
        prompts.tell(QStringLiteral("Error! invalid data type     "), QStringLiteral("Open File"),
                     Prompts::Icon::Exclamation);
    } else {
        // A missing or damaged file: say why rather than pretend it loaded.
        prompts.tell(QString::fromStdString(load.error), QStringLiteral("Open File"),
                     Prompts::Icon::Exclamation);
    }
    return false;
}

FileCommands::FileCommands(AppState& state, Prompts& prompts, frmMain& editor)
    : state_(state), prompts_(prompts), editor_(editor) {}

void FileCommands::mnuFileSave_Click() {
    editor_.grid()->EndCellEdit();
    if (!editor_.forward([](EditingModel& m) { return m.CheckUserTplBoxes(); }).ok) {
        state_.saveCancelled = true;
        return;
    }
    if (state_.toolbarButtonDown) {
        // Nothing is saved: the save question of Open and of closing must not
        // go on as if it had been.
        state_.saveCancelled = true;
        return;
    }
    if (!editor_.forward([](EditingModel& m) { return m.CheckPriorityScanChannel(); }).ok) {
        editor_.context().closeReadWriteDialog();
        state_.saveCancelled = true;
        return;
    }
    state_.saveCancelled = !chooseFileAndSave();
}

// The dialog loop: a refused name brings the dialog back with an empty name.
// Cancelling, or a file that cannot be written, cancels the save.
bool FileCommands::chooseFileAndSave() {
    // The current file's name is offered once; a refused name clears it.
    for (QString offered = proposedName();; offered.clear()) {
        // A name typed without an extension gets ".cpg"; one typed with
        // another (".CPG" included) is judged below as typed.
        const QString path =
            prompts_.saveFileName({QStringLiteral("Save"), startFolder(), offered, kFileFilter, QStringLiteral("cpg")});
        if (path.isEmpty()) return false;
        if (path.size() >= kMaxPathLength) {
            prompts_.tell(QStringLiteral("The path you entered,\r\n'") + path +
                              QStringLiteral("' is too long, Enter a shorter path."),
                          QStringLiteral("Vantrel CPS"), Prompts::Icon::Information);
            continue;
        }
        if (!path.endsWith(kFileExtension, Qt::CaseSensitive)) {
            prompts_.tell(QStringLiteral("   The file name, location, or format is not valid. Type the file "
                                         "name and location in the correct format."));
            continue;
        }
        const QString error = CopyToFile(path);
        if (!error.isEmpty()) {
            prompts_.tell(error, QStringLiteral("Vantrel CPS"), Prompts::Icon::Exclamation);
            return false;
        }
        state_.dataChanged = false;
        fileUsed(path);
        saved();
        return true;
    }
}

QString FileCommands::CopyToFile(const QString& path) {
    std::string error;
    editor_.forward([&](EditingModel& m) {
        error = m.SaveToFile(path.toStdString());
        return EditResult{};
    });
    return QString::fromStdString(error);
}

void FileCommands::CopyToBox(const QString& path) { LoadCodeplugFile(state_, prompts_, path); }

void FileCommands::mnuFileOpen_Click(const QString& chosen) {
    state_.passwordKept = false;
    editor_.grid()->EndCellEdit();
    if (state_.toolbarButtonDown) {
        state_.dataChanged = true;
        return;
    }
    if (state_.dataChanged) {
        switch (AskSaveCurrentData(prompts_)) {
        case Prompts::Answer::Yes:
            mnuFileSave_Click();
            if (state_.saveCancelled) return;
            break;
        case Prompts::Answer::No:
            break;
        default:
            FocusWindow(&editor_);
            return;
        }
    }
    state_.passwordAttempts = 0;
    const QString path = !chosen.isEmpty()
                             ? chosen
                             : prompts_.openFileName({QStringLiteral("Open"), startFolder(), QString(), kFileFilter});
    if (path.isEmpty()) return;

    enableSave();
    state_.loadingImage = true;
    QLineEdit& password = *editor_.radioInfo()->passwordBox();
    const QString typedPassword = password.text();
    password.clear();
    CopyToBox(path);
    if (state_.loadFailed) {
        // Nothing was loaded: the edits that follow are ordinary edits again,
        // and the password box keeps the password of the codeplug still in the
        // editor, or the next save or write would drop its protection.
        state_.loadingImage = false;
        password.setText(typedPassword);
        return;
    }
    editor_.PopulateEditor(frmMain::LoadKind::FileOpen);
    editor_.scanList()->updateButtons();
    editor_.radioInfo()->serialBox()->setEnabled(false);
    state_.loadingImage = false;
    state_.dataChanged = true;
    editor_.setEditorVisible(true);
    fileUsed(path);
}

}  // namespace vantrel
