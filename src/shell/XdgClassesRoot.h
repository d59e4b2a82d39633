#pragma once
// The file-type registry of freedesktop.org desktops, seen as a classes root.
// Keys are kept in memory; as soon as an extension, its class and the class's
// command are known, their equivalents are written under the user's data
// folder: a shared-mime-info package with the extension's glob, a desktop
// entry whose Exec line opens the file, and the icon in the user's theme.
// Nothing is written outside that folder.
#include <filesystem>
#include <map>
#include <string>

#include "shell/ClassesRoot.h"

namespace vantrel {

struct XdgDesktopNames {
    std::string appId = "vantrel-cps";             // desktop entry, icon and package name
    std::string appName = "Vantrel CPS";
    std::string comment = "Read, edit and write the codeplug of Vantrel radios";
    std::string mimeType = "application/x-vantrel-cps";
};

class XdgClassesRoot : public ClassesRoot {
public:
    explicit XdgClassesRoot(std::string dataHome, XdgDesktopNames names = {});

    // $XDG_DATA_HOME, else ~/.local/share; empty when neither can be found.
    static std::string userDataHome();

    bool createKey(const std::string& subKey) override;
    bool openKey(const std::string& subKey) override;
    bool setDefaultValue(const std::string& subKey, const std::string& value) override;

    // Lets the desktop see the new files: runs update-mime-database and
    // update-desktop-database on the user's folders when they are installed
    // and a file was written.
    void refreshDatabases() const;

    // The Exec line for a registry command such as `/opt/x/prog %1`.
    static std::string execLine(const std::string& command);

private:
    std::string value(const std::string& key) const;
    bool publish();
    bool writeFile(const std::filesystem::path& path, const std::string& contents);

    std::string dataHome_;
    XdgDesktopNames names_;
    std::map<std::string, std::string> keys_;  // lower-case path -> default value
    bool changed_ = false;                     // a desktop file was written
};

}  // namespace vantrel
