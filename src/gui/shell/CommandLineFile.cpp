#include "gui/shell/CommandLineFile.h"

#include <QFileInfo>

#include "gui/codeplug/frmMain.h"
#include "gui/shell/MDIFormMain.h"

namespace vantrel {

QString CommandLinePath(const QString& commandLine) {
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

void LoadCommandLineFile(MDIFormMain& main, const QString& commandLine) {
    if (commandLine.isEmpty()) return;
    const QString path = CommandLinePath(commandLine);
    main.menuAction("mnuFileSave")->setEnabled(true);
    main.toolbarButton(2)->setEnabled(true);
    frmMain& editor = *main.editor();
    if (!editor.OpenDataFile(frmMain::LoadKind::CommandLine, path)) return;
    editor.setEditorVisible(true);
    main.fileLoaded(path);
}

}  // namespace vantrel
