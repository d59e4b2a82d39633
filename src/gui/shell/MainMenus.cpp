#include "gui/shell/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <vector>

#include "gui/common/ProgramIcons.h"

namespace vantrel {

namespace {

using C = MainCommand;

struct MenuItem {
    const char* name;       // control name; nullptr for a separator
    const char* caption;
    const char* shortcut;
    C command;
    bool commits;           // runs the pending-edit commit first
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

const std::vector<MenuDef>& menuTable() {
    static const std::vector<MenuDef> menus = {
        {"mnuFile", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&File"),
         {{"mnuFileOpen", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Open.."), "Ctrl+O", C::Open, true},
          {"mnuFileArchive", QT_TRANSLATE_NOOP("vantrel::MainMenus", "Radio &Archive..."), nullptr, C::Archive, true},
          {"mnuFileBar0", nullptr, nullptr, C::Open, false},
          {"mnuFileSave", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Save"), "Ctrl+S", C::Save, true},
          {"mnuFileBar1", nullptr, nullptr, C::Open, false},
          {"mnuFilePrintPreview", QT_TRANSLATE_NOOP("vantrel::MainMenus", "Print Pre&view"), nullptr, C::PrintPreview, true},
          {"mnuFilePrint", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Print.."), "Ctrl+P", C::Print, true},
          {"mnuFileBar2", nullptr, nullptr, C::Open, false},
          {"mnuDefault", QT_TRANSLATE_NOOP("vantrel::MainMenus", "Default"), nullptr, C::Default, false},
          {"mnuFileBar3", nullptr, nullptr, C::Open, false},
          {"mnuFileExit", QT_TRANSLATE_NOOP("vantrel::MainMenus", "E&xit"), nullptr, C::Exit, false}}},
        {"mnuEdit", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Edit"),
         {{"mnuEditUndo", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Undo"), "Ctrl+Z", C::Undo, true},
          {"mnuEditRedo", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Redo"), "Ctrl+Shift+Z; Ctrl+Y", C::Redo, true},
          {"mnuEditBar0", nullptr, nullptr, C::Open, false},
          {"mnuEditCut", QT_TRANSLATE_NOOP("vantrel::MainMenus", "Cu&t"), "Ctrl+X", C::Cut, true},
          {"mnuEditCopy", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Copy"), "Ctrl+C", C::Copy, true},
          {"mnuEditPaste", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Paste"), "Ctrl+V", C::Paste, true},
          {"mnuEditDelete", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Delete"), nullptr, C::Delete, true}}},
        {"mnuDevice", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Device"),
         {{"mnuRead", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Read"), "Ctrl+R", C::Read, true},
          {"mnuWrite", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Write"), "Ctrl+W", C::Write, true},
          {"mnuFleet", QT_TRANSLATE_NOOP("vantrel::MainMenus", "Program &Several Radios..."), nullptr, C::Fleet, true}}},
        {"mnuPort", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Comm Port"), {}},
        {"mnuHelp", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Help"),
         {{"mnuContents", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&Help Topics"), nullptr, C::Help, true},
          {"mnuHelpBar2", nullptr, nullptr, C::Open, false},
          {"mnuHelpAbout", QT_TRANSLATE_NOOP("vantrel::MainMenus", "&About Vantrel CPS..."), nullptr, C::About, true}}},
    };
    return menus;
}

struct ToolButton {
    const char* key;   // the picture, and the tool tip in English; nullptr for a separator
    C command;
};

const ToolButton kToolButtons[9] = {
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Open"), C::Open},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Save"), C::Save},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Read"), C::Read},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Write"), C::Write},
    {nullptr, C::Open},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Print Preview"), C::PrintPreview},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Print"), C::Print},
    {nullptr, C::Open},
    {QT_TRANSLATE_NOOP("vantrel::MainMenus", "Help"), C::Help},
};

// The Edit menu's items, usable once their command has a handler.
const std::map<C, const char*> kEditItems = {{C::Undo, "mnuEditUndo"},   {C::Redo, "mnuEditRedo"},
                                              {C::Cut, "mnuEditCut"},     {C::Copy, "mnuEditCopy"},
                                              {C::Paste, "mnuEditPaste"}, {C::Delete, "mnuEditDelete"}};

constexpr int kPortCount = 8;

}  // namespace

QString CommandName(MainCommand c) {
    for (const MenuDef& m : menuTable())
        for (const MenuItem& item : m.items)
            if (item.command == c && item.caption)
                return MainMenus::tr(item.caption).remove(QLatin1Char('&')).remove(QLatin1Char('.'));
    return {};
}

bool BlockedByToolbar(MainCommand c) {
    return c == C::Open || c == C::Save || c == C::Print || c == C::Read || c == C::Write;
}

MainMenus::MainMenus(QMainWindow& window, AppState& state, Handlers handlers)
    : QObject(&window), window_(window), state_(state), handlers_(std::move(handlers)) {
    buildMenus(window);
    buildToolBar(window);
}

void MainMenus::buildMenus(QMainWindow& window) {
    for (const MenuDef& m : menuTable()) {
        QMenu* menu = window.menuBar()->addMenu(tr(m.caption));
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(QString(m.name));
        for (const MenuItem& item : m.items) {
            QAction* a = item.caption ? menu->addAction(tr(item.caption)) : menu->addSeparator();
            a->setObjectName(item.name);
            if (!item.caption) continue;
            if (item.shortcut) a->setShortcuts(QKeySequence::listFromString(item.shortcut));
            if (kEditItems.count(item.command)) a->setEnabled(false);
            connect(a, &QAction::triggered, this,
                    [this, c = item.command, commits = item.commits] { handlers_.menu(c, commits); });
        }
        if (qstrcmp(m.name, "mnuPort") == 0) {
            auto* group = new QActionGroup(menu);
            for (int n = 1; n <= kPortCount; ++n) {
                QAction* a = menu->addAction(QString("Com%1").arg(n));
                a->setObjectName(QString("mnuPortCom%1").arg(n));
                a->setCheckable(true);
                a->setChecked(n == 1);
                group->addAction(a);
            }
        }
    }
}

void MainMenus::buildToolBar(QMainWindow& window) {
    toolBar_ = window.addToolBar(tr("Toolbar"));
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    for (const ToolButton& b : kToolButtons) {
        if (!b.key) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(ToolbarIcon(QString::fromLatin1(b.key)), tr(b.key));
        a->setToolTip(tr(b.key));
        a->setProperty("key", QString(b.key));
        connect(a, &QAction::triggered, this, [this, c = b.command] { handlers_.toolbar(c); });
    }
    toolBar_->installEventFilter(this);
    for (QToolButton* b : toolBar_->findChildren<QToolButton*>()) b->installEventFilter(this);
}

QAction* MainMenus::action(const QString& name) const { return window_.findChild<QAction*>(name); }

QAction* MainMenus::toolbarButton(int position) const {
    const auto actions = toolBar_->actions();
    return position >= 1 && position <= actions.size() ? actions[position - 1] : nullptr;
}

void MainMenus::setImageCommandsEnabled(bool on) {
    for (const char* name : {"mnuFileSave", "mnuFilePrintPreview", "mnuFilePrint", "mnuDefault", "mnuWrite"})
        action(name)->setEnabled(on);
    for (int position : {2, 4, 6, 7}) toolbarButton(position)->setEnabled(on);
}

void MainMenus::setHandled(MainCommand c, bool handled) {
    const auto edit = kEditItems.find(c);
    if (edit != kEditItems.end()) action(edit->second)->setEnabled(handled);
}

bool MainMenus::eventFilter(QObject* watched, QEvent* e) {
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
        handlers_.pointedAt(action ? action->toolTip() : QString());
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
