#pragma once
// The application shell's commands on the main window: Open and Save, Help,
// About, Exit, the Comm Port menu, the closing of the editor and the main
// window, and the file-type registration of the start-up.
#include <QObject>
#include <QString>
#include <memory>

#include "gui/shell/FileCommands.h"

class QSettings;

namespace vantrel {

class ChannelCsvCommands;
class CommPortMenu;
class CurrentFile;
class HelpViewer;
class MDIFormMain;

class MainShell : public QObject {
    Q_OBJECT
public:
    explicit MainShell(MDIFormMain& main);
    ~MainShell() override;

    FileCommands& files() { return files_; }
    CommPortMenu& portMenu() { return *portMenu_; }
    CurrentFile& currentFile() { return *current_; }
    ChannelCsvCommands& channelCsv() { return *channelCsv_; }

    // Help Topics and the toolbar's Help: the help's contents page (or the
    // page given), or nothing when the help is not installed.
    void ShowHelp(const QString& page = QString());
    // F1's page: the one about the editor tab, or the scan list, that holds
    // the focused control; the contents page elsewhere.
    QString HelpPageForFocus() const;
    HelpViewer* helpViewer() const { return help_.get(); }
    // File > Exit.
    void Exit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The editor's closing sequence; false when the user cancelled it.
    bool closeEditor();
    void writePortFile();

    MDIFormMain& main_;
    FileCommands files_;
    std::unique_ptr<CommPortMenu> portMenu_;
    std::unique_ptr<HelpViewer> help_;
    CurrentFile* current_;             // owned by the main window
    ChannelCsvCommands* channelCsv_;   // owned by the main window
    QWidget* editorFrame_;
    bool editorClosed_ = false;
};

}  // namespace vantrel
