#include "fleet/FleetJob.h"

#include <QDeadlineTimer>

#include "codeplug/ByteMap.h"
#include "codeplug/FactoryFields.h"
#include "fleet/PortSlot.h"
#include "fleet/RadioIdentity.h"

namespace vantrel::fleet {

const char* StateName(PortState state) {
    constexpr const char* kNames[] = {"waiting", "running", "succeeded", "failed", "stopped"};
    return kNames[static_cast<int>(state)];
}

std::string FleetWriteRefusal(const EditingModel::Snapshot& prepared, std::size_t radios) {
    const CodeplugImage& image = prepared.state.image;
    if (radios < 2 || image.byte(bytemap::SerialWriteEnable) == 0 || serialNumberBlank(image)) return "";
    return "the codeplug would give every radio the serial number '" + SerialNumberText(image) +
           "' (its serial write enable is set): write one radio at a time";
}

FleetJob::FleetJob(std::vector<FleetPort> ports, std::optional<FleetWrite> write, FleetObserver* observer)
    : observer_(observer) {
    if (write) write_ = std::make_shared<const FleetWrite>(std::move(*write));
    for (std::size_t n = 0; n < ports.size(); ++n) {
        auto port = std::make_unique<Port>();
        port->index = n;
        port->status.port = ports[n].name;
        port->status.device = ports[n].device;
        port->port = std::move(ports[n]);
        ports_.push_back(std::move(port));
    }
}

FleetJob::~FleetJob() {
    stop();
    for (auto& port : ports_)
        if (port->thread) port->thread->wait();
}

void FleetJob::start() {
    for (auto& port : ports_) {
        Port* p = port.get();
        const FleetWrite* write = write_.get();
        FleetObserver* observer = observer_;
        port->thread.reset(QThread::create([p, write, observer] { RunPort(*p, write, observer); }));
        port->thread->start();
    }
}

void FleetJob::stop() {
    stopped_ = true;
    for (auto& port : ports_) {
        port->stop = true;
        const std::lock_guard<std::mutex> lock(port->mutex);
        // The abort runs on the port's own thread, inside its wait.
        if (link::Link* link = port->link)
            QMetaObject::invokeMethod(port->device, [link] { link->Abort(); }, Qt::QueuedConnection);
    }
}

bool FleetJob::wait(std::chrono::milliseconds timeout) {
    QDeadlineTimer deadline(timeout.count());
    for (auto& port : ports_)
        if (port->thread && !port->thread->wait(deadline)) return false;
    return true;
}

bool FleetJob::finished() const {
    for (const auto& port : ports_)
        if (!port->thread || !port->thread->isFinished()) return false;
    return true;
}

bool FleetJob::stopped() const { return stopped_; }

std::vector<PortStatus> FleetJob::statuses() const {
    std::vector<PortStatus> out;
    for (const auto& port : ports_) {
        const std::lock_guard<std::mutex> lock(port->mutex);
        out.push_back(port->status);
    }
    return out;
}

bool FleetJob::succeeded() const {
    for (const PortStatus& s : statuses())
        if (s.state != PortState::Succeeded) return false;
    return !ports_.empty();
}

}  // namespace vantrel::fleet
