#pragma once
// Prints what the editor would show on opening a file and on writing it: the
// messages of a load the editor takes are warnings, the others errors.
#include <cstdio>

#include "model/EditorPaths.h"

namespace vantrelctl {

inline void PrintPathReport(const char* command, const vantrel::PathReport& report, bool loadFailed) {
    for (const vantrel::Message& m : report.opening)
        std::fprintf(stderr, "vantrelctl %s: %s%s\n", command, loadFailed ? "" : "warning: ",
                     vantrel::MessageLine(m).c_str());
    for (const vantrel::Message& m : report.writing)
        std::fprintf(stderr, "vantrelctl %s: %s\n", command, vantrel::MessageLine(m).c_str());
}

}  // namespace vantrelctl
