#pragma once
// A fleet job: one codeplug into many radios at once, or many radios read at
// once, each radio on a cable of its own.
//
// Every port runs in a thread of its own with its own serial device, link and
// event loop, so its pauses and time-outs are measured for it alone, as for a
// single radio; nothing waits on another port. Each radio gets:
//  1. a read, which identifies it (serial number, model) and is its backup;
//  2. for a write job, the write exactly as a single write sends it, through
//     a copy of the prepared editing model of its own (the serial-number
//     bytes travel as that write has them, so every radio keeps its own);
//  3. with verify, a read-back compared byte for byte with what the radio
//     must now hold.
// A radio that fails (another model or region, a pulled cable, a password
// not given or wrong, silence) ends with its status text; the others go on.
//
// stop() ends every transfer within one link tick: the abort reaches each
// port's wait through that port's own event loop.
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fleet/FleetReport.h"
#include "model/EditingModel.h"

namespace vantrel::fleet {

struct FleetPort {
    std::string name;    // as the user gave it: "Com3" or a device path
    std::string device;  // the device path to open; empty when none is behind the port
};

// The write of a job: the editor's state after the Write command's checks and
// preparation, taken once; every port writes through a copy of it.
struct FleetWrite {
    EditingModel::Snapshot prepared;
    // The answer to a radio that asks for its password; none: such a radio
    // fails with "Codeplug is protected."
    std::optional<std::string> password;
    bool verify = false;
};

// Why a prepared write must not go to several radios at once, or empty. A
// codeplug that carries a serial number with its serial write enable set
// would give every radio of the job that same number.
std::string FleetWriteRefusal(const EditingModel::Snapshot& prepared, std::size_t radios);

class FleetJob {
public:
    // A read job when write is empty. The observer, when given, must outlive
    // the job.
    FleetJob(std::vector<FleetPort> ports, std::optional<FleetWrite> write, FleetObserver* observer = nullptr);
    // Stops what still runs and waits for every port's thread.
    ~FleetJob();
    FleetJob(const FleetJob&) = delete;
    FleetJob& operator=(const FleetJob&) = delete;

    // Starts every port at once. Needs a running QCoreApplication (the serial
    // devices are Qt's), but not its event loop.
    void start();
    // From any thread: every port stops at its next wait, within a tick.
    void stop();
    // Waits up to `timeout` for every port to end; true when all have.
    bool wait(std::chrono::milliseconds timeout);
    bool finished() const;
    bool stopped() const;

    std::vector<PortStatus> statuses() const;
    // Every port succeeded.
    bool succeeded() const;

    struct Port;  // a port's thread, state and stop switch

private:
    std::vector<std::unique_ptr<Port>> ports_;
    std::shared_ptr<const FleetWrite> write_;
    FleetObserver* observer_;
    std::atomic<bool> stopped_{false};
};

}  // namespace vantrel::fleet
