#pragma once
// Where the files that ship with the program (default data files, help) are:
// the build tree's data folder when the program runs from the build tree, the
// installed share folder otherwise. VANTREL_DATA_DIR overrides both.
#include <string>

namespace vantrel {

// The data folder, chosen in this order:
//   1. the environment variable VANTREL_DATA_DIR, when set and not empty;
//   2. the build tree's data folder, when the running program lies in that tree;
//   3. share/vantrel-cps beside the program's bin folder (a moved installation);
//   4. the configured installation folder, when it exists;
//   5. the build tree's data folder, when it exists.
// When none exists the configured installation folder is returned, so that
// messages name the place the files belong.
std::string DataFolder();

// True when the running program lies in the build tree it was built in.
bool RunsFromBuildTree();

// Path of a file in the data folder.
std::string DataFilePath(const std::string& name);

}  // namespace vantrel
