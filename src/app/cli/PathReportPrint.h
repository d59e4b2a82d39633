#pragma once
// Prints what the editor would show on opening a file and on writing it: the
// messages of a load the editor takes are warnings, the others errors. The
// opening messages name the file, as their texts need not.
#include <cstdio>
#include <optional>
#include <string>

#include "codeplug/CodeplugFile.h"
#include "model/EditingModel.h"
#include "model/MessageLine.h"
#include "model/OpenForWrite.h"

namespace vantrelctl {

inline void PrintPathReport(const char* command, const std::string& file, const vantrel::PathReport& report,
                            bool loadFailed) {
    for (const vantrel::Message& m : report.opening)
        std::fprintf(stderr, "vantrelctl %s: %s%s: %s\n", command, loadFailed ? "" : "warning: ", file.c_str(),
                     vantrel::MessageLine(m).c_str());
    for (const vantrel::Message& m : report.writing)
        std::fprintf(stderr, "vantrelctl %s: %s\n", command, vantrel::MessageLine(m).c_str());
}

// Opens a data file into a freshly loaded editor as File > Open then Write
// would and prints what the editor shows. Returns the file's bytes as stored,
// to name the corrections against, or nothing when the write would be refused.
inline std::optional<vantrel::CodeplugImage> OpenForWriteCommand(const char* command, vantrel::EditingModel& model,
                                                                 const std::string& file) {
    model.LoadEditor();
    vantrel::CodeplugImage asFiled;
    vantrel::CopyToBox(asFiled, file);
    const vantrel::PathReport report = vantrel::OpenForWrite(model, file);
    PrintPathReport(command, file, report, model.state().loadFailed);
    if (report.refused) return std::nullopt;
    return asFiled;
}

}  // namespace vantrelctl
