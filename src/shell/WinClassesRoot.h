#pragma once
// The registry's classes root of the current user (HKCU\Software\Classes),
// which needs no administrator rights and which Windows merges into
// HKEY_CLASSES_ROOT.
#ifdef _WIN32
#include "shell/ClassesRoot.h"

namespace vantrel {

class WinClassesRoot : public ClassesRoot {
public:
    bool createKey(const std::string& subKey) override;
    bool openKey(const std::string& subKey) override;
    bool setDefaultValue(const std::string& subKey, const std::string& value) override;
    // Tells Explorer that the associations changed.
    void refreshDatabases() const;
};

}  // namespace vantrel
#endif
