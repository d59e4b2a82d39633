#ifdef _WIN32
#include "shell/WinClassesRoot.h"

#include <shlobj.h>
#include <windows.h>

namespace vantrel {

namespace {

// Query, set, create sub-key, enumerate, notify and create link.
constexpr REGSAM kAccess = 0x3F;

std::string classesPath(const std::string& subKey) { return "Software\\Classes\\" + subKey; }

}  // namespace

bool WinClassesRoot::createKey(const std::string& subKey) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, classesPath(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kAccess, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WinClassesRoot::openKey(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, classesPath(subKey).c_str(), 0, kAccess, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WinClassesRoot::setDefaultValue(const std::string& subKey, const std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, classesPath(subKey).c_str(), 0, kAccess, &key) != ERROR_SUCCESS)
        return false;
    // A string value is stored with its terminating NUL, counted in the length.
    const LONG rc = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void WinClassesRoot::refreshDatabases() const { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

}  // namespace vantrel
#endif
