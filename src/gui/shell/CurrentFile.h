#pragma once
// Where the user is: the data file the editor shows, named in the main
// window's title with a `*` while `dataChanged` is set; the four most recent
// files at the end of the File menu; and the folder the file dialogs start
// in, the one last used. All of it is kept in the per-user settings.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QSettings;

namespace vantrel {

struct AppState;
class MDIFormMain;

class CurrentFile : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentCount = 4;

    CurrentFile(MDIFormMain& main, QSettings& settings);
    ~CurrentFile() override;

    // The file the editor shows; empty when its data came from elsewhere.
    QString path() const { return path_; }
    // A data file was opened or saved: it is now the current file, first in
    // the recent list, and its folder the one the dialogs start in.
    void setPath(const QString& path);
    // The editor's data no longer come from a file (read from the radio).
    void clear();
    // A file dialog chose path: its folder is where the next one starts.
    void rememberFolder(const QString& path);
    // The folder the dialogs start in; empty until one was used.
    QString startFolder() const;
    // The name a dialog proposes: the current file's base name with this
    // suffix (".cpg", ".csv") in the start folder; empty without a file.
    QString proposedName(const QString& suffix) const;

    QStringList recentFiles() const;
    QAction* recentAction(int i) const { return recent_[i]; }
    // Runs when a recent file's menu item is chosen.
    std::function<void(const QString&)> openRecent = [](const QString&) {};

private:
    void updateTitle();
    void updateRecentMenu();

    MDIFormMain& main_;
    AppState& state_;
    QSettings& settings_;
    QString path_;
    QAction* recentBar_ = nullptr;
    QAction* recent_[kRecentCount] = {};
};

}  // namespace vantrel
