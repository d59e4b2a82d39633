#pragma once
// Start-up's registration of the ".cpg" data file with the desktop, so that
// opening such a file starts this program with it. Silent: it never shows a
// message and never stops the start-up.
#include <string>

namespace vantrel {

// The call the program makes: ".cpg", class "Text File", "Vantrel CPS File",
// verb "Open", no command prefix, the given icon, errors not shown.
// True when everything was registered.
bool RegisterDataFileType(const std::string& applicationPath, const std::string& iconPath);

// Whether this start registers the data file type: the installed program
// does at every start; a program run from its build tree only when
// VANTREL_REGISTER_FILE_TYPE=1 asks, so that trying a build does not take
// the desktop's .cpg files away from the installed program.
bool RegistersAtStart();

}  // namespace vantrel
