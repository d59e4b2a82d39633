#include "shell/FileAssociation.h"

#include "base/Trimmed.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace {

constexpr const char* kIllegalExtensionChars = "\\/:*?<>|\"";


bool isFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void FileAss::report(const std::string& text) const {
    if (showRegistryErrors && showError_) showError_(text);
}

bool FileAss::CreateFileAssociation(const FileAssociationRequest& r) {
    showRegistryErrors = r.showErrors;
    std::string extension = r.extension;
    try {
        if (!isFile(r.applicationPath)) {
            report("The application path '" + r.applicationPath + "' cannot be found.");
            return false;
        }
        if (extension.empty() || extension.front() != '.') extension.insert(0, ".");
        if (extension.find_first_of(kIllegalExtensionChars) != std::string::npos) {
            report("The file extension '" + extension +
                   "' contains an illegal char (\\/:*?<>|\").");
            return false;
        }
        const std::string prefix = r.commandPrefix.empty() ? "" : Trimmed(r.commandPrefix) + " ";
        const std::string commandKey = r.className + "\\shell\\" + r.verb + "\\command";

        // Every step runs even after one fails, so that as much as possible
        // is registered; the result says whether all of it was.
        bool ok = CreateRegistryKey(root_, extension);
        ok = CreateRegistryKey(root_, commandKey) && ok;
        if (r.setIcon) {
            const std::string iconKey = r.className + "\\DefaultIcon";
            const std::string icon =
                r.iconPath.empty() ? Trimmed(r.applicationPath + ",0") : Trimmed(r.iconPath);
            ok = CreateRegistryKey(root_, iconKey) && ok;
            ok = SetKeyDefaultValue(root_, iconKey, icon) && ok;
        }
        ok = SetKeyDefaultValue(root_, extension, r.className) && ok;
        ok = SetKeyDefaultValue(root_, r.className, r.description) && ok;
        ok = SetKeyDefaultValue(root_, commandKey, prefix + r.applicationPath + " %1") && ok;
        return ok;
    } catch (...) {
        report("An error occured while attempting to create the file extension '" + extension + "'.");
        return false;
    }
}

bool FileAss::CreateRegistryKey(ClassesRoot& root, const std::string& subKey) {
    if (root.createKey(subKey)) return true;
    report("An error occured while attempting to to create a registery key.");
    return false;
}

bool FileAss::SetKeyDefaultValue(ClassesRoot& root, const std::string& subKey, const std::string& value) {
    if (!root.openKey(subKey)) {
        report("An error occured while attempting to access the registery.");
        return false;
    }
    if (root.setDefaultValue(subKey, value)) return true;
    report("An error occured while attempting to set key default value.");
    return false;
}

}  // namespace vantrel
