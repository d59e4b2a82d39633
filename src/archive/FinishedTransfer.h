#pragma once
// What a program hands to the archive when a read, write or verify ends:
// the editor's Program window, vantrelctl, and a fleet job for each radio.
#include <QDateTime>

#include <optional>
#include <string>

#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel::archive {

struct FinishedTransfer {
    Operation operation = Operation::Read;
    bool completed = false;        // all 384 bytes went across
    std::string outcome;           // the status text the user saw
    std::string port;              // "Com1", or the device the user named
    std::string device;            // the device path behind it
    // Completed transfers: the bytes as read, as the radio received them, or
    // as read back by a verify.
    std::optional<CodeplugImage::Bytes> bytes;
    // Writes and verifies: the image the write started from, before the
    // write's own adjustments (which blank the serial number).
    std::optional<CodeplugImage::Bytes> written;
    QDateTime time = QDateTime::currentDateTimeUtc();  // when it ended
};

}  // namespace vantrel::archive
