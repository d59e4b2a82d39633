#pragma once
// The classes root of the platform's file-type registry: keys named by
// backslash-separated paths, each with a default (unnamed) string value.
// FileAss writes through this and nothing else.
#include <string>

namespace vantrel {

class ClassesRoot {
public:
    virtual ~ClassesRoot() = default;
    // Creates the key (and its parents) or opens it when it exists.
    virtual bool createKey(const std::string& subKey) = 0;
    // True when the key exists and may be written.
    virtual bool openKey(const std::string& subKey) = 0;
    // Stores the key's default value; the key must exist.
    virtual bool setDefaultValue(const std::string& subKey, const std::string& value) = 0;
};

}  // namespace vantrel
