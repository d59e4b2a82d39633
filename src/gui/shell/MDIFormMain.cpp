#include "gui/shell/MDIFormMain.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/GridClipboard.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/frmMain.h"
#include "gui/common/ProgramIcons.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/EmptyHint.h"
#include "gui/shell/MainMenus.h"
#include "gui/shell/MainStartUp.h"

namespace vantrel {

using C = MDIFormMain::Command;

MDIFormMain::MDIFormMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent)
    : QMainWindow(parent), state_(state), prompts_(prompts), settings_(settings),
      startUp_(std::make_unique<MainStartUp>(*this)) {
    setObjectName("MDIFormMain");
    setWindowTitle("Vantrel CPS");
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    setWindowIcon(ProgramIcon());
    hint_ = new EmptyHint(*mdi_, [this] {
        frmMain& editor = *this->editor();
        editor.setEditorVisible(true);
        editor.tabs()->setCurrentIndex(0);
        editor.radioInfo()->superBox()->setFocus();
    });
    MainMenus::Handlers handlers;
    handlers.menu = [this](C c, bool commits) {
        if (commits) commitPendingEdit();
        menuTriggered(c);
    };
    handlers.toolbar = [this](C c) {
        if (c == C::Read || c == C::Write) runCommand(c);
        else {
            commitPendingEdit();
            menuTriggered(c);
        }
    };
    handlers.pointedAt = [this](const QString& text) { editor()->setStatusText(text); };
    menus_ = new MainMenus(*this, state_, std::move(handlers));
}

MDIFormMain::~MDIFormMain() = default;

frmMain* MDIFormMain::editor() {
    if (!editor_) buildEditor();
    return editor_;
}

EditorUndo& MDIFormMain::editorUndo() {
    editor();  // the history belongs to the editor
    return *undo_;
}

void MDIFormMain::buildEditor() {
    editor_ = new frmMain(state_, prompts_, settings_);
    editorFrame_ = mdi_->addSubWindow(editor_);
    editorFrame_->setWindowTitle("Vantrel CPS");
    // The inner window shows its own icon, not the toolkit's.
    editorFrame_->setWindowIcon(ProgramIcon());
    // The frame's Close takes Ctrl+W on X11 too, which is Write here: two
    // owners of a key leave it doing nothing. The frame keeps Ctrl+F4.
    for (QAction* a : editorFrame_->systemMenu()->actions())
        if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    // Hidden until something is loaded, the editor itself too, as its load
    // leaves it: a hidden editor does not hold the main window at its size.
    editor_->setEditorVisible(false);
    hint_->follow(*editorFrame_);
    connect(editor_, &frmMain::commandsUnlocked, this, [this] { setImageCommandsEnabled(true); });
    connect(editor_, &frmMain::protectedLoaded, this, [this] {
        menuAction("mnuWrite")->setEnabled(false);
        toolbarButton(4)->setEnabled(false);
        setEnabled(false);
    });
    setCommand(C::Default, [this] { editor_->DefaultCommand(); });
    clipboard_ = std::make_unique<GridClipboard>(editor_->context(), *editor_->grid(), *editor_->scanList());
    setCommand(C::Copy, [this] { clipboard_->copy(); });
    setCommand(C::Cut, [this] { clipboard_->cut(); });
    setCommand(C::Paste, [this] { clipboard_->paste(); });
    setCommand(C::Delete, [this] { clipboard_->deleteRows(); });
    setCommand(C::Undo, [this] { undo_->undo(); });
    setCommand(C::Redo, [this] { undo_->redo(); });
    undo_ = new EditorUndo(*editor_, *menuAction("mnuEditUndo"), *menuAction("mnuEditRedo"));
    editor_->context().previewOrAboutShown = [this] {
        return shownCompanion(Companion::Preview) || shownCompanion(Companion::About);
    };
    editorBuilt();
}

QAction* MDIFormMain::menuAction(const QString& name) const { return menus_->action(name); }
QAction* MDIFormMain::toolbarButton(int position) const { return menus_->toolbarButton(position); }
QToolBar* MDIFormMain::toolBar() const { return menus_->toolBar(); }
void MDIFormMain::setImageCommandsEnabled(bool on) { menus_->setImageCommandsEnabled(on); }

void MDIFormMain::setCommand(Command c, std::function<void()> handler) {
    menus_->setHandled(c, static_cast<bool>(handler));
    commands_[c] = std::move(handler);
}

void MDIFormMain::runCommand(Command c) {
    auto it = commands_.find(c);
    if (it == commands_.end() || !it->second) return;
    // What the user did before the command is a step of its own, and so is
    // the command.
    editorUndo().checkpoint();
    editorUndo().nameNextStep(CommandName(c));
    it->second();
    editorUndo().checkpoint();
}

void MDIFormMain::menuTriggered(Command c) {
    if (BlockedByToolbar(c) && state_.toolbarButtonDown) {
        if (c == C::Open) state_.dataChanged = true;
        return;
    }
    runCommand(c);
}

void MDIFormMain::commitPendingEdit() { editor()->grid()->EndCellEdit(); }

void MDIFormMain::startUp(const QString& commandLine) { startUp_->run(commandLine); }
bool MDIFormMain::startedUp() const { return startUp_->finished(); }
void MDIFormMain::Load() { startUp_->load(); }

}  // namespace vantrel
