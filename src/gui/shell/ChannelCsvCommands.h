#pragma once
// File > Export Channels.. and File > Import Channels..: the editor's
// channels as a CHIRP channel list (CSV) and back. An import is one step:
// every row goes through the same edits as typing it into the grid, the
// editor then shows the result, and the rows left out are listed in one
// message.
#include <QObject>

class QAction;

namespace vantrel {

class CurrentFile;
class MDIFormMain;

class ChannelCsvCommands : public QObject {
    Q_OBJECT
public:
    ChannelCsvCommands(MDIFormMain& main, CurrentFile& place);

    QAction* exportAction() const { return export_; }
    QAction* importAction() const { return import_; }

    void ExportChannels();
    void ImportChannels();

private:
    MDIFormMain& main_;
    CurrentFile& place_;
    QAction* export_;
    QAction* import_;
};

}  // namespace vantrel
