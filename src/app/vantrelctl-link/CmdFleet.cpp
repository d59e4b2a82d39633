// vantrelctl fleet write / fleet read: many radios at once, one cable each.
// The data file is opened, checked and prepared once, as for a single write;
// then every port works in a thread of its own. Ctrl+C stops every port at
// its next wait and still prints where each one stood.
#include <csignal>
#include <cstdio>
#include <ctime>
#include <set>
#include <string>
#include <vector>

#include "Commands.h"
#include "FleetPorts.h"
#include "FleetSummary.h"
#include "LinkPort.h"
#include "TransferArchive.h"
#include "cli/CpgFiles.h"
#include "cli/PathReportPrint.h"
#include "fleet/FleetJob.h"
#include "fleet/FleetTexts.h"
#include "fleet/RadioIdentity.h"
#include "model/ByteChanges.h"
#include "model/OpenForWrite.h"

namespace vantrelctl {

namespace {

using namespace vantrel::fleet;

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
// How often the waiting main thread looks for a stop signal.
constexpr long kSignalPollNs = 50'000'000;

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kStopSignals) sigaddset(&set, s);
    return set;
}

// Each transfer as it ends, on stderr, and into the radio archive (the
// recorder takes entries from every port's thread).
class TransferLines : public FleetObserver {
public:
    void transferDone(const TransferRecord& r) override {
        archive_.record(r.operation, r.port, r.completed, r.outcome, r.bytes ? &*r.bytes : nullptr);
        std::fprintf(stderr, "%s: %s: %s%s\n", r.port.c_str(), OperationName(r.operation), r.outcome.c_str(),
                     r.serialNumber.empty() ? "" : (" (serial " + r.serialNumber + ")").c_str());
    }

private:
    TransferArchive archive_;
};

// Runs the job to its end. The stop signals are blocked before any thread
// starts, so that they reach this thread's wait only. Returns the signal
// that stopped the job, or 0.
int RunJob(FleetJob& job) {
    const sigset_t stopSignals = StopSignals();
    job.start();
    int stoppedBy = 0;
    while (!job.finished()) {
        const timespec poll{0, kSignalPollNs};
        const int s = ::sigtimedwait(&stopSignals, nullptr, &poll);
        if (s > 0 && !stoppedBy) {
            stoppedBy = s;
            job.stop();
        }
    }
    job.wait(std::chrono::milliseconds(0));
    return stoppedBy;
}

// Prints the results; the exit code: 0 when every radio succeeded, 128 + the
// signal after a stop, else 1.
int Finish(const std::vector<FleetLine>& lines, bool json, int stoppedBy) {
    bool ok = !lines.empty();
    bool passwordMissing = false;
    for (const FleetLine& l : lines) {
        ok = ok && l.status.state == PortState::Succeeded;
        passwordMissing = passwordMissing || l.status.result == text::kPasswordNotGiven;
    }
    const std::string summary = json ? FleetSummaryJson(lines, ok, stoppedBy != 0) : FleetSummaryText(lines);
    std::fputs(summary.c_str(), stdout);
    if (passwordMissing) Fail("a radio asks for its password: give it with --password TEXT");
    if (stoppedBy) return 128 + stoppedBy;
    return ok ? 0 : kExitFailure;
}

std::vector<std::string> GivenPorts(const Args& args) {
    std::vector<std::string> out;
    for (const auto& [option, value] : args.options())
        if (option == "--port") out.push_back(value);
    return out;
}

// Blocks the stop signals for this thread and every thread started after.
void BlockStopSignals() {
    const sigset_t stopSignals = StopSignals();
    ::pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
}

}  // namespace

int CmdFleetWrite(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kFleetWriteCommand, argc, argv, args)) return *done;
    // Before Qt starts threads of its own: the stop signals are for RunJob.
    BlockStopSignals();
    LinkApplication app(argv[0]);
    std::vector<FleetPort> ports;
    if (std::string error; !FleetPorts(GivenPorts(args), ports, error)) return UsageError(kFleetWriteCommand, error);

    const std::string file = args.operands().front();
    vantrel::AppState state;
    vantrel::EditingModel model(state);
    const std::optional<vantrel::CodeplugImage> asFiled = OpenForWriteCommand("fleet write", model, file);
    if (!asFiled) return kExitFailure;
    for (const std::string& change : vantrel::ByteChanges(*asFiled, state.image))
        std::fprintf(stderr, "vantrelctl fleet write: warning: corrected %s\n", change.c_str());
    FleetWrite write{model.snapshot(), std::nullopt, args.has("--verify")};
    if (args.has("--password")) write.password = args.value("--password");
    if (const std::string refusal = FleetWriteRefusal(write.prepared, ports.size()); !refusal.empty())
        return Fail(refusal);

    TransferLines lines;
    FleetJob job(ports, std::move(write), &lines);
    const int stoppedBy = RunJob(job);
    std::vector<FleetLine> results;
    for (const PortStatus& s : job.statuses()) results.push_back({s, ""});
    return Finish(results, args.has("--json"), stoppedBy);
}

int CmdFleetRead(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kFleetReadCommand, argc, argv, args)) return *done;
    // Before Qt starts threads of its own: the stop signals are for RunJob.
    BlockStopSignals();
    LinkApplication app(argv[0]);
    std::vector<FleetPort> ports;
    if (std::string error; !FleetPorts(GivenPorts(args), ports, error)) return UsageError(kFleetReadCommand, error);
    const std::string folder = args.value("-o");
    if (folder.empty()) return UsageError(kFleetReadCommand, "-o needs a folder");
    // Reads that cannot be saved are lost: find out before the radios are asked.
    if (const std::string reason = CannotWrite(folder + "/.vantrel-fleet-read"); !reason.empty())
        return Fail("cannot write into '" + folder + "': " + reason);

    TransferLines observer;
    FleetJob job(ports, std::nullopt, &observer);
    const int stoppedBy = RunJob(job);

    std::vector<FleetLine> results;
    std::set<std::string> taken;
    for (PortStatus& s : job.statuses()) {
        FleetLine line{s, ""};
        if (s.state == PortState::Succeeded && s.read) {
            // Two radios of one serial number (or none, on ports of one name)
            // keep a file each.
            std::string name = ReadFileName(s.serialNumber, s.port);
            if (!taken.insert(name).second) {
                name = name.substr(0, name.size() - 4) + "-" + ReadFileName("", s.port);
                taken.insert(name);
            }
            vantrel::CodeplugImage image;
            image.replaceAll(*s.read);
            std::string error;
            line.file = folder + "/" + name;
            if (!SaveCpgExactly(image, line.file, error)) {
                line.status.state = PortState::Failed;
                line.status.result = error;
                line.file.clear();
            }
        }
        line.status.read.reset();
        results.push_back(line);
    }
    return Finish(results, args.has("--json"), stoppedBy);
}

}  // namespace vantrelctl
