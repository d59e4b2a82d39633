#pragma once
// Writes a whole file so that readers see either the old or the new contents,
// never a part: the data go to a temporary file beside the target, which then
// replaces it and the folder is synced. A failed write leaves an existing file
// as it was (with no temporary file beside it), and so does an existing file
// the caller may not write. A replaced file keeps its permission bits. The
// temporary files of a save that was killed are removed by the next save of
// the same target. Only a plain file (or nothing) is replaced: a folder, a
// pipe, a device or a symbolic link at path is refused with the reason.
#include <string>

namespace vantrel {

// False on failure, with the system's reason in *error when given.
bool WriteFileAtomically(const std::string& path, const std::string& contents,
                         std::string* error = nullptr);

}  // namespace vantrel
