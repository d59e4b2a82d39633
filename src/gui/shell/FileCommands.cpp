#include "gui/shell/FileCommands.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "channels/UserTplCodec.h"
#include "codeplug/CodeplugFile.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/WindowFocus.h"

namespace vantrel {

namespace {

// The pattern stays as it is in every language.
QString fileFilter() {
    return QCoreApplication::translate("vantrel::FileCommands", "Programmer data file") + QStringLiteral(" (*.cpg)");
}
const QString kFileExtension = QStringLiteral(".cpg");
// Paths of this length or longer are refused by the Save dialog loop.
constexpr int kMaxPathLength = 128;

}  // namespace

Prompts::Answer AskSaveCurrentData(Prompts& prompts) {
    return prompts.message({QCoreApplication::translate("vantrel::FileCommands", "Save Current Data to File ?"),
                            QCoreApplication::translate("vantrel::FileCommands", "Save ?"),
                            Prompts::Icon::None, Prompts::Buttons::YesNoCancel, Prompts::Answer::Cancel});
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
            prompts_.saveFileName({QCoreApplication::translate("vantrel::FileCommands", "Save"), startFolder(), offered,
                                   fileFilter(), QStringLiteral("cpg")});
        if (path.isEmpty()) return false;
        if (path.size() >= kMaxPathLength) {
            prompts_.tell(QCoreApplication::translate("vantrel::FileCommands",
                                                    "The path you entered,\r\n'%1' is too long, Enter a shorter path.")
                              .arg(path),
                          QStringLiteral("Vantrel CPS"), Prompts::Icon::Information);
            continue;
        }
        if (!path.endsWith(kFileExtension, Qt::CaseSensitive)) {
            prompts_.tell(QCoreApplication::translate("vantrel::FileCommands",
                                                    "   The file name, location, or format is not valid. Type the file "
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
    return TrCoreText(error);
}

bool FileCommands::keepCurrentData() {
    if (!state_.dataChanged) return true;
    switch (AskSaveCurrentData(prompts_)) {
    case Prompts::Answer::Yes:
        mnuFileSave_Click();
        return !state_.saveCancelled;
    case Prompts::Answer::No:
        return true;
    default:
        FocusWindow(&editor_);
        return false;
    }
}

void FileCommands::mnuFileOpen_Click(const QString& chosen) {
    state_.passwordKept = false;
    editor_.grid()->EndCellEdit();
    if (state_.toolbarButtonDown) {
        state_.dataChanged = true;
        return;
    }
    if (!keepCurrentData()) return;
    state_.passwordAttempts = 0;
    const QString path = !chosen.isEmpty()
                             ? chosen
                             : prompts_.openFileName({QCoreApplication::translate("vantrel::FileCommands", "Open"),
                                                       startFolder(), QString(), fileFilter()});
    if (path.isEmpty()) return;

    enableSave();
    // A file that cannot be loaded changes nothing: the password box keeps
    // the password of the codeplug still in the editor.
    if (!editor_.OpenDataFile(frmMain::LoadKind::FileOpen, path)) return;
    editor_.scanList()->updateButtons();
    editor_.setEditorVisible(true);
    fileUsed(path);
    loaded();
}

bool FileCommands::OpenImage(const CodeplugImage::Bytes& bytes) {
    state_.passwordKept = false;
    editor_.grid()->EndCellEdit();
    if (!keepCurrentData()) return false;
    state_.passwordAttempts = 0;
    enableSave();
    editor_.LoadImage(frmMain::LoadKind::FileOpen, bytes);
    editor_.scanList()->updateButtons();
    editor_.setEditorVisible(true);
    return true;
}

}  // namespace vantrel
