#pragma once
// One port of a fleet job as its thread and the job share it: the port's
// standing, its stop switch and, while the port is open, the link that a stop
// must reach. Everything here is read and written under `mutex`, except the
// stop switch, which is read without it.
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>

#include "fleet/FleetJob.h"
#include "link/Link.h"
#include "link/serial/SerialDevice.h"

namespace vantrel::fleet {

struct FleetJob::Port {
    std::size_t index = 0;
    FleetPort port;
    mutable std::mutex mutex;
    PortStatus status;
    std::atomic<bool> stop{false};
    // Set by the port's thread for as long as they exist.
    link::SerialDevice* device = nullptr;
    link::Link* link = nullptr;
    std::unique_ptr<QThread> thread;
};

// The whole work of one port, run on the port's own thread.
void RunPort(FleetJob::Port& port, const FleetWrite* write, FleetObserver* observer);

}  // namespace vantrel::fleet
