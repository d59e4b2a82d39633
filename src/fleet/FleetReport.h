#pragma once
// What a fleet job tells its caller: each port's standing, and each transfer
// as it ends (the call point of the radio archive).
#include <cstddef>
#include <optional>
#include <string>

#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel::fleet {

// Read, write, verify: the archive's words for them.
using archive::Operation;
using archive::OperationName;

// One transfer of one radio, as it ended.
struct TransferRecord {
    std::string port;     // as given: "Com3" or a device path
    std::string device;   // the device opened for it
    Operation operation = Operation::Read;
    std::string outcome;  // the status text, one line
    bool completed = false;
    // When completed, the radio's 384 bytes: as read (read, verify), or as
    // the radio now holds them (write: the bytes sent, with the radio's own
    // serial number where the write sent none).
    std::optional<CodeplugImage::Bytes> bytes;
    // From the identity read that starts every radio's work; empty when the
    // radio has none or the read failed.
    std::string serialNumber;
};

enum class PortState {
    Waiting,    // the job has not reached it yet
    Running,
    Succeeded,
    Failed,
    Stopped,    // the job was stopped while the port was at work
};

// "waiting", "running", "succeeded", "failed", "stopped".
const char* StateName(PortState state);

struct PortStatus {
    std::string port;
    std::string device;
    std::string serialNumber;   // once read
    std::string model;          // the model number, once read
    PortState state = PortState::Waiting;
    Operation operation = Operation::Read;  // under way, or the last one
    int progress = 0;           // bytes of the operation so far, 0..384
    std::string result;         // the status text, one line
    double seconds = 0;         // since the port started
    // The radio as the identity read found it (a fleet read saves it).
    std::optional<CodeplugImage::Bytes> read;
};

// Both calls come on the port's own thread, while that port waits for the
// return: keep them short, and safe against the other ports' threads.
class FleetObserver {
public:
    virtual ~FleetObserver() = default;
    virtual void transferDone(const TransferRecord& /*record*/) {}
    virtual void portChanged(std::size_t /*index*/, const PortStatus& /*status*/) {}
};

}  // namespace vantrel::fleet
