#include "gui/shell/MDIFormMain.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/GridClipboard.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/common/Twips.h"
#include "gui/codeplug/frmMain.h"
#include "gui/shell/AfterFirstPaint.h"
#include "gui/shell/EditorUndo.h"
#include "gui/shell/EmptyHint.h"
#include "gui/shell/FileCommands.h"
#include "gui/common/ProgramIcons.h"
#include "gui/common/WindowPlacement.h"

namespace vantrel {

namespace {

struct MenuItem {
    const char* name;       // control name; nullptr for a separator
    const char* caption;
    const char* shortcut;
    MDIFormMain::Command command;
    bool commits;           // runs the pending-edit commit first
};

using C = MDIFormMain::Command;

struct MenuDef {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};


const std::vector<MenuDef>& menuTable() {
    static const std::vector<MenuDef> menus = {
        {"mnuFile", "&File",
         {{"mnuFileOpen", "&Open..", "Ctrl+O", C::Open, true},
          {"mnuFileArchive", "Radio &Archive...", nullptr, C::Archive, true},
          {"mnuFileBar0", nullptr, nullptr, C::Open, false},
          {"mnuFileSave", "&Save", "Ctrl+S", C::Save, true},
          {"mnuFileBar1", nullptr, nullptr, C::Open, false},
          {"mnuFilePrintPreview", "Print Pre&view", nullptr, C::PrintPreview, true},
          {"mnuFilePrint", "&Print..", "Ctrl+P", C::Print, true},
          {"mnuFileBar2", nullptr, nullptr, C::Open, false},
          {"mnuDefault", "Default", nullptr, C::Default, false},
          {"mnuFileBar3", nullptr, nullptr, C::Open, false},
          {"mnuFileExit", "E&xit", nullptr, C::Exit, false}}},
        {"mnuEdit", "&Edit",
         {{"mnuEditUndo", "&Undo", "Ctrl+Z", C::Undo, true},
          {"mnuEditRedo", "&Redo", "Ctrl+Shift+Z; Ctrl+Y", C::Redo, true},
          {"mnuEditBar0", nullptr, nullptr, C::Open, false},
          {"mnuEditCut", "Cu&t", "Ctrl+X", C::Cut, true},
          {"mnuEditCopy", "&Copy", "Ctrl+C", C::Copy, true},
          {"mnuEditPaste", "&Paste", "Ctrl+V", C::Paste, true},
          {"mnuEditDelete", "&Delete", nullptr, C::Delete, true}}},
        {"mnuDevice", "&Device",
         {{"mnuRead", "&Read", "Ctrl+R", C::Read, true},
          {"mnuWrite", "&Write", "Ctrl+W", C::Write, true},
          {"mnuFleet", "Program &Several Radios...", nullptr, C::Fleet, true}}},
        {"mnuPort", "&Comm Port", {}},
        {"mnuHelp", "&Help",
         {{"mnuContents", "&Help Topics", nullptr, C::Help, true},
          {"mnuHelpBar2", nullptr, nullptr, C::Open, false},
          {"mnuHelpAbout", "&About Vantrel CPS...", nullptr, C::About, true}}},
    };
    return menus;
}

struct ToolButton {
    const char* key;   // also the tool tip and the picture; nullptr for a separator
    C command;
};

const ToolButton kToolButtons[9] = {
    {"Open", C::Open},
    {"Save", C::Save},
    {"Read", C::Read},
    {"Write", C::Write},
    {nullptr, C::Open},
    {"Print Preview", C::PrintPreview},
    {"Print", C::Print},
    {nullptr, C::Open},
    {"Help", C::Help},
};

// The Edit menu's items, usable once their command has a handler.
const std::map<C, const char*> kEditItems = {{C::Undo, "mnuEditUndo"},   {C::Redo, "mnuEditRedo"},
                                              {C::Cut, "mnuEditCut"},     {C::Copy, "mnuEditCopy"},
                                              {C::Paste, "mnuEditPaste"}, {C::Delete, "mnuEditDelete"}};

// A command's menu caption without its mnemonic and dots ("Paste").
QString commandName(C c) {
    for (const MenuDef& m : menuTable())
        for (const MenuItem& item : m.items)
            if (item.command == c && item.caption)
                return QString::fromLatin1(item.caption).remove(QLatin1Char('&')).remove(QLatin1Char('.'));
    return {};
}

// Menu versions of these do nothing further while a toolbar button is held.
bool blockedByToolbar(C c) {
    return c == C::Open || c == C::Save || c == C::Print || c == C::Read || c == C::Write;
}

constexpr int kMainWidth = 15235;
constexpr int kMainHeight = 9050;

}  // namespace

MDIFormMain::MDIFormMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent)
    : QMainWindow(parent), state_(state), prompts_(prompts), settings_(settings) {
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
    buildMenus();
    buildToolBar();
}

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

MDIFormMain::~MDIFormMain() = default;

void MDIFormMain::buildMenus() {
    for (const MenuDef& m : menuTable()) {
        QMenu* menu = menuBar()->addMenu(m.caption);
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(QString(m.name));
        for (const MenuItem& item : m.items) {
            QAction* a = item.caption ? menu->addAction(item.caption) : menu->addSeparator();
            a->setObjectName(item.name);
            if (!item.caption) continue;
            if (item.shortcut) a->setShortcuts(QKeySequence::listFromString(item.shortcut));
            if (kEditItems.count(item.command)) a->setEnabled(false);
            const C c = item.command;
            connect(a, &QAction::triggered, this, [this, c, commits = item.commits] {
                if (commits) commitPendingEdit();
                menuTriggered(c);
            });
        }
        if (qstrcmp(m.name, "mnuPort") == 0) {
            auto* group = new QActionGroup(menu);
            for (int n = 1; n <= 8; ++n) {
                QAction* a = menu->addAction(QString("Com%1").arg(n));
                a->setObjectName(QString("mnuPortCom%1").arg(n));
                a->setCheckable(true);
                a->setChecked(n == 1);
                group->addAction(a);
            }
        }
    }
}

void MDIFormMain::buildToolBar() {
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    for (const ToolButton& b : kToolButtons) {
        if (!b.key) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(ToolbarIcon(QString::fromLatin1(b.key)), b.key);
        a->setToolTip(b.key);
        a->setProperty("key", QString(b.key));
        const C c = b.command;
        connect(a, &QAction::triggered, this, [this, c] {
            if (c == C::Read || c == C::Write) runCommand(c);
            else {
                commitPendingEdit();
                menuTriggered(c);
            }
        });
    }
    toolBar_->installEventFilter(this);
    for (QToolButton* b : toolBar_->findChildren<QToolButton*>()) b->installEventFilter(this);
}

QAction* MDIFormMain::menuAction(const QString& name) const {
    return findChild<QAction*>(name);
}

QAction* MDIFormMain::toolbarButton(int position) const {
    const auto actions = toolBar_->actions();
    return position >= 1 && position <= actions.size() ? actions[position - 1] : nullptr;
}

void MDIFormMain::setCompanion(Companion kind, QWidget* window) { companions_[kind] = window; }

QWidget* MDIFormMain::shownCompanion(Companion kind) const {
    const auto it = companions_.find(kind);
    return it != companions_.end() && it->second && it->second->isVisible() ? it->second.data() : nullptr;
}

void MDIFormMain::setCommand(Command c, std::function<void()> handler) {
    const auto edit = kEditItems.find(c);
    if (edit != kEditItems.end()) menuAction(edit->second)->setEnabled(static_cast<bool>(handler));
    commands_[c] = std::move(handler);
}

void MDIFormMain::runCommand(Command c) {
    auto it = commands_.find(c);
    if (it == commands_.end() || !it->second) return;
    // What the user did before the command is a step of its own, and so is
    // the command.
    editorUndo().checkpoint();
    editorUndo().nameNextStep(commandName(c));
    it->second();
    editorUndo().checkpoint();
}

void MDIFormMain::menuTriggered(Command c) {
    if (blockedByToolbar(c) && state_.toolbarButtonDown) {
        if (c == C::Open) state_.dataChanged = true;
        return;
    }
    runCommand(c);
}

void MDIFormMain::commitPendingEdit() { editor()->grid()->EndCellEdit(); }

void MDIFormMain::setImageCommandsEnabled(bool on) {
    for (const char* name : {"mnuFileSave", "mnuFilePrintPreview", "mnuFilePrint", "mnuDefault", "mnuWrite"})
        menuAction(name)->setEnabled(on);
    for (int position : {2, 4, 6, 7}) toolbarButton(position)->setEnabled(on);
}

void MDIFormMain::placeWindow() {
    state_.appClosing = false;
    // The frame, title bar included, at the top-left corner of the screen
    // area that panels leave free.
    PlaceWindow(*this, AvailableArea(*this).topLeft(), QSize(twips(kMainWidth), twips(kMainHeight)));
    setImageCommandsEnabled(false);
}

void MDIFormMain::Load() {
    placeWindow();
    editor()->LockEditor();
}

void MDIFormMain::startUp(const QString& commandLine) {
    // The window is placed before it appears, so the window system puts the
    // frame there.
    placeWindow();
    show();
    // The rest waits until the window has been painted, so the user sees it
    // at once: the editor, hidden until something is loaded, is most of the
    // program's windows, and finding the serial devices takes about as long
    // again. The steps keep their order, and so do their messages.
    AfterFirstPaint(*this, [this, commandLine] { finishStartUp(commandLine); });
}

void MDIFormMain::finishStartUp(const QString& commandLine) {
    editor()->LockEditor();
    openCommPort();
    editor()->setEnabled(true);
    registerFileType();
    loadCommandLineFile(commandLine);
    startedUp_ = true;
}

QString MDIFormMain::commandLinePath(const QString& commandLine) {
    QString path = commandLine;
    if (path.size() >= 2 && path.startsWith('"') && path.endsWith('"')) path = path.mid(1, path.size() - 2);
    // The desktop hands over "RADIO.CPG" as it is; on a case-sensitive file
    // system that is the file to open, not "RADIO.cpg".
    if (path.endsWith(QStringLiteral(".cpg"), Qt::CaseInsensitive) && QFileInfo(path).isFile()) return path;
    // Otherwise the extension is ".cpg", whatever the shell handed over.
    const int dot = path.lastIndexOf('.');
    const int slash = path.lastIndexOf('/');
    if (dot > slash && dot >= path.size() - 4) path.truncate(dot);
    return path + ".cpg";
}

void MDIFormMain::loadCommandLineFile(const QString& commandLine) {
    if (commandLine.isEmpty()) return;
    const QString path = commandLinePath(commandLine);
    menuAction("mnuFileSave")->setEnabled(true);
    toolbarButton(2)->setEnabled(true);
    frmMain& editor = *this->editor();
    if (!editor.OpenDataFile(frmMain::LoadKind::CommandLine, path)) return;
    editor.setEditorVisible(true);
    fileLoaded(path);
}

bool MDIFormMain::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) state_.toolbarButtonDown = true;
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) state_.toolbarButtonDown = false;
        break;
    case QEvent::MouseMove:
    case QEvent::Enter: {
        // The button under the pointer names its command; between buttons
        // the panel is empty rather than showing a placeholder.
        const auto* button = qobject_cast<QToolButton*>(watched);
        const QAction* action = button ? button->defaultAction() : nullptr;
        editor()->setStatusText(action ? action->toolTip() : QString());
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, e);
}

}  // namespace vantrel
