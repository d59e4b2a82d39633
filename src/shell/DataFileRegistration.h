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

}  // namespace vantrel
