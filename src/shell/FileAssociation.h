#pragma once
// Registers a data-file extension with the platform's file-type registry so
// that opening such a file from the desktop starts the program with the file.
#include <functional>
#include <string>

#include "shell/ClassesRoot.h"

namespace vantrel {

// Messages of FileAss appear with this title and the critical-error icon.
inline constexpr const char* kRegisterTitle = "DLL/OCX Register";

struct FileAssociationRequest {
    std::string extension;
    std::string className;
    std::string description;
    std::string verb;
    std::string applicationPath;
    std::string commandPrefix;
    bool setIcon = false;
    std::string iconPath;
    bool showErrors = false;
};

class FileAss {
public:
    using ErrorSink = std::function<void(const std::string& text)>;

    FileAss(ClassesRoot& root, ErrorSink showError) : root_(root), showError_(std::move(showError)) {}

    // True only when every key and value was written.
    bool CreateFileAssociation(const FileAssociationRequest& r);
    bool CreateRegistryKey(ClassesRoot& root, const std::string& subKey);
    bool SetKeyDefaultValue(ClassesRoot& root, const std::string& subKey, const std::string& value);

    bool showRegistryErrors = false;

private:
    void report(const std::string& text) const;

    ClassesRoot& root_;
    ErrorSink showError_;
};

}  // namespace vantrel
