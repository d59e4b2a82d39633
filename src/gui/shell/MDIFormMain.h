#pragma once
// The main window `MDIFormMain`: the MDI area holding the editor `frmMain`,
// the menus and toolbar (MainMenus), the windows opened beside it
// (Companions) and the start-up (MainStartUp). Commands are connected
// through setCommand; every menu command first commits a pending grid edit.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"
#include "gui/shell/Companions.h"
#include "gui/shell/MainCommand.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QSettings;
class QToolBar;

namespace vantrel {

class frmMain;
class EditorUndo;
class EmptyHint;
class GridClipboard;
class MainMenus;
class MainStartUp;

class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    using Command = MainCommand;
    using Companion = vantrel::Companion;

    MDIFormMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // The editor, built on first need: at the latest once the start-up's
    // window has been painted (it is hidden until something is loaded).
    frmMain* editor();
    EditorUndo& editorUndo();
    AppState& state() { return state_; }
    Prompts& prompts() { return prompts_; }
    QSettings& settings() { return settings_; }

    MainMenus& menus() { return *menus_; }
    // A menu item by its control name (`mnuFileOpen`, `mnuPortCom3`, ...).
    QAction* menuAction(const QString& name) const;
    // A toolbar button by its position, 1 to 9 (5 and 8 are separators).
    QAction* toolbarButton(int position) const;
    QToolBar* toolBar() const;
    void setImageCommandsEnabled(bool on);

    void setCompanion(Companion kind, QWidget* window) { companions_.set(kind, window); }
    QWidget* shownCompanion(Companion kind) const { return companions_.shown(kind); }

    // The action behind a command; the menu item runs the pending-edit commit
    // first, the toolbar dispatches as the menu does except Read and Write.
    // An Edit menu item is usable once its command has a handler.
    void setCommand(Command c, std::function<void()> handler);
    void runCommand(Command c);

    void startUp(const QString& commandLine);
    bool startedUp() const;
    void Load();

    // Hooks of later work.
    // The editor has just been built: the parts that work on it attach here.
    std::function<void()> editorBuilt = [] {};
    std::function<void()> registerFileType = [] {};
    std::function<void()> openCommPort = [] {};
    // The command-line file was loaded.
    std::function<void(const QString&)> fileLoaded = [](const QString&) {};

private:
    void commitPendingEdit();
    void menuTriggered(Command c);
    void buildEditor();

    AppState& state_;
    Prompts& prompts_;
    QSettings& settings_;
    QMdiArea* mdi_ = nullptr;
    EmptyHint* hint_ = nullptr;
    QMdiSubWindow* editorFrame_ = nullptr;
    frmMain* editor_ = nullptr;
    MainMenus* menus_ = nullptr;   // a child of the window
    std::unique_ptr<MainStartUp> startUp_;
    std::map<Command, std::function<void()>> commands_;
    Companions companions_;
    std::unique_ptr<GridClipboard> clipboard_;
    EditorUndo* undo_ = nullptr;   // owned by the editor
};

}  // namespace vantrel
