#include "gui/link/ReadTail.h"

#include <QFrame>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "codeplug/FactoryFields.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/EditorSizes.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/Twips.h"
#include "gui/link/MainCommands.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"

namespace vantrel {

namespace {

using namespace editorsize;
using link::TransferOutcome;

void showReadRadio(MDIFormMain& main, frmProgram& dialog) {
    frmMain& editor = *main.editor();
    dialog.unload();
    editor.setEditorVisible(true);
    SetCommandsEnabled(main, kSaveCommands, true);
    if (editor.tabs()->currentIndex() == 0) {
        QWidget* frame = editor.parentWidget() ? editor.parentWidget() : &editor;
        frame->resize(twips(kEditorWidth), twips(kEditorHeight));
        editor.tabs()->resize(twips(kTabsWidth), twips(kTabsHeight));
    }
    // A protected image locks the editor and asks for its password
    // (frmMain::protectedLoaded).
    editor.PopulateEditor(frmMain::LoadKind::Read);
}

void tail(MDIFormMain& main, TransferOutcome outcome) {
    frmMain& editor = *main.editor();
    // A locked editor keeps its scan list buttons disabled until unlocked.
    if (!codeplugProtected(main.state().image)) editor.scanList()->updateButtons();
    if (outcome != TransferOutcome::Success) editor.ReadFailed();
    editor.grid()->table()->setFrameShadow(QFrame::Sunken);
}

}  // namespace

void FinishRead(MDIFormMain& main, frmProgram& dialog, TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::OpeningFailed:
        dialog.cmdClose()->setFocus();
        break;
    case TransferOutcome::Success:
        showReadRadio(main, dialog);
        tail(main, outcome);
        break;
    case TransferOutcome::TransferFailed:
        dialog.cmdClose()->setFocus();
        tail(main, outcome);
        break;
    default:
        break;
    }
}

}  // namespace vantrel
