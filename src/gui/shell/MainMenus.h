#pragma once
// The main window's menu bar and toolbar, built from two tables (control
// name, caption, shortcut, command). Items report the command they stand
// for; the window decides what runs. While a toolbar button is held down the
// shared state says so, and the button under the pointer names its command
// in the status panel.
#include <QObject>
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "gui/shell/MainCommand.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace vantrel {

class MainMenus : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // A menu item: `commits` when it runs the pending-edit commit first.
        std::function<void(MainCommand, bool commits)> menu;
        // A toolbar button.
        std::function<void(MainCommand)> toolbar;
        // The status text while the pointer is over the toolbar.
        std::function<void(const QString&)> pointedAt;
    };
    MainMenus(QMainWindow& window, AppState& state, Handlers handlers);

    // A menu item by its control name (`mnuFileOpen`, `mnuPortCom3`, ...).
    QAction* action(const QString& name) const;
    // A toolbar button by its position, 1 to 9 (5 and 8 are separators).
    QAction* toolbarButton(int position) const;
    QToolBar* toolBar() const { return toolBar_; }

    // Save, Print Preview, Print, Default and Write, in the menus and on the
    // toolbar: usable once there is an image.
    void setImageCommandsEnabled(bool on);
    // An Edit menu item is usable once its command has a handler.
    void setHandled(MainCommand c, bool handled);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus(QMainWindow& window);
    void buildToolBar(QMainWindow& window);

    QMainWindow& window_;
    AppState& state_;
    Handlers handlers_;
    QToolBar* toolBar_ = nullptr;
};

// A command's menu caption without its mnemonic and dots ("Paste").
QString CommandName(MainCommand c);
// Menu versions of these do nothing further while a toolbar button is held.
bool BlockedByToolbar(MainCommand c);

}  // namespace vantrel
