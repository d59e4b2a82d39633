#include "shell/DataFileRegistration.h"

#include <cstdlib>
#include <cstring>

#include "base/DataFolder.h"
#include "shell/FileAssociation.h"
#ifdef _WIN32
#include "shell/WinClassesRoot.h"
#else
#include "shell/XdgClassesRoot.h"
#endif

namespace vantrel {

bool RegisterDataFileType(const std::string& applicationPath, const std::string& iconPath) {
    try {
#ifdef _WIN32
        WinClassesRoot root;
#else
        XdgClassesRoot root(XdgClassesRoot::userDataHome());
#endif
        FileAss fileAss(root, nullptr);
        const bool ok = fileAss.CreateFileAssociation({".cpg", "Text File", "Vantrel CPS File", "Open",
                                                       applicationPath, "", true, iconPath, false});
        if (ok) root.refreshDatabases();
        return ok;
    } catch (...) {
        return false;
    }
}

bool RegistersAtStart() {
    const char* asked = std::getenv("VANTREL_REGISTER_FILE_TYPE");
    return !RunsFromBuildTree() || (asked && std::strcmp(asked, "1") == 0);
}

}  // namespace vantrel
