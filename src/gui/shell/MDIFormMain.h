#pragma once
// The main window `MDIFormMain`: menus, the toolbar `tbToolBar` and the MDI
// area holding the editor `frmMain`. Commands are connected through
// setCommand; every menu command first commits a pending grid edit.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"

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

class MDIFormMain : public QMainWindow {
    Q_OBJECT
public:
    enum class Command {
        Open, Save, PrintPreview, Print, Default, Exit, Read, Write, Help, About,
        Undo, Redo, Cut, Copy, Paste, Delete, Fleet, Archive
    };

    MDIFormMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // The editor, built on first need: at the latest once the start-up's
    // window has been painted (it is hidden until something is loaded).
    frmMain* editor();
    EditorUndo& editorUndo();
    AppState& state() { return state_; }
    Prompts& prompts() { return prompts_; }
    QSettings& settings() { return settings_; }

    // A menu item by its control name (`mnuFileOpen`, `mnuPortCom3`, ...).
    QAction* menuAction(const QString& name) const;
    // A toolbar button by its position, 1 to 9 (5 and 8 are separators).
    QAction* toolbarButton(int position) const;
    QToolBar* toolBar() const { return toolBar_; }

    // Windows the commands open beside the main window, known by reference:
    // the print preview, the about box, the read/write dialog.
    enum class Companion { Preview, About, ReadWrite };
    void setCompanion(Companion kind, QWidget* window);
    // The window while it is open and shown, else nullptr.
    QWidget* shownCompanion(Companion kind) const;

    // The action behind a command; the menu item runs the pending-edit commit
    // first, the toolbar dispatches as the menu does except Read and Write.
    // An Edit menu item is usable once its command has a handler.
    void setCommand(Command c, std::function<void()> handler);
    void runCommand(Command c);

    // The start-up after the splash: the window placed and shown, then, once
    // it has been painted, the editor loaded and locked, the serial port, the
    // editor enabled, the file-type registration and the command-line file
    // (may be empty).
    void startUp(const QString& commandLine);
    // Whether the start-up has run to its end.
    bool startedUp() const { return startedUp_; }
    // The main window's load in one go: placement, disabled commands, the
    // editor loaded and locked (the start-up shows the window between them).
    void Load();
    // The command-line file: the path without its enclosing quotes and with
    // ".cpg" as its extension.
    static QString commandLinePath(const QString& commandLine);
    void loadCommandLineFile(const QString& commandLine);

    // Hooks of later work.
    // The editor has just been built: the parts that work on it attach here.
    std::function<void()> editorBuilt = [] {};
    std::function<void()> registerFileType = [] {};
    std::function<void()> openCommPort = [] {};
    // The command-line file was loaded.
    std::function<void(const QString&)> fileLoaded = [](const QString&) {};

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildToolBar();
    void setImageCommandsEnabled(bool on);
    void commitPendingEdit();
    void menuTriggered(Command c);
    void buildEditor();
    void placeWindow();
    void finishStartUp(const QString& commandLine);

    AppState& state_;
    Prompts& prompts_;
    QSettings& settings_;
    QMdiArea* mdi_ = nullptr;
    EmptyHint* hint_ = nullptr;
    QMdiSubWindow* editorFrame_ = nullptr;
    frmMain* editor_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<Command, std::function<void()>> commands_;
    std::map<Companion, QPointer<QWidget>> companions_;
    std::unique_ptr<GridClipboard> clipboard_;
    EditorUndo* undo_ = nullptr;   // owned by the editor
    bool startedUp_ = false;
};

}  // namespace vantrel
