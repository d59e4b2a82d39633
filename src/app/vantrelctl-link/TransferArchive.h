#pragma once
// The archive entries of read and write: every transfer, completed or not,
// goes to the archive the user chose, off the transfer's path; what cannot
// be archived is a warning on standard error, never a failed command.
#include <string>

#include "archive/ArchiveRecorder.h"
#include "link/TransferOutcome.h"

namespace vantrelctl {

class TransferArchive {
public:
    TransferArchive();
    // A transfer on --port `port` that ended with `outcome` and `status`;
    // `bytes` only for a completed one.
    void record(vantrel::archive::Operation operation, const std::string& port, bool completed,
                const std::string& status, const vantrel::CodeplugImage::Bytes* bytes,
                const vantrel::CodeplugImage::Bytes* written = nullptr);

private:
    vantrel::archive::ArchiveRecorder recorder_;
};

}  // namespace vantrelctl
