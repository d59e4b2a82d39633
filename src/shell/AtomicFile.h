#pragma once
// Writes a whole file so that readers see either the old or the new contents,
// never a part: the data go to a temporary file beside the target, which then
// replaces it. A failed write leaves an existing file as it was, and so does
// an existing file the caller may not write.
#include <string>

namespace vantrel {

// False on failure, with the system's reason in *error when given.
bool WriteFileAtomically(const std::string& path, const std::string& contents,
                         std::string* error = nullptr);

}  // namespace vantrel
