#pragma once
// The data file named on the command line (or handed over by the desktop).
#include <QString>

namespace vantrel {

class MDIFormMain;

// The path without its enclosing quotes and with ".cpg" as its extension.
QString CommandLinePath(const QString& commandLine);
// Loads it into the editor as the start-up's last step; nothing when the
// command line is empty.
void LoadCommandLineFile(MDIFormMain& main, const QString& commandLine);

}  // namespace vantrel
