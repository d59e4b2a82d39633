// vantrelctl read: reads the radio's codeplug into a data file.
#include <string>

#include "Commands.h"
#include "LinkPort.h"
#include "TransferArchive.h"
#include "cli/CpgFiles.h"
#include "link/Link.h"
#include "link/ReadProtocol.h"

namespace vantrelctl {

int CmdRead(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kReadCommand, argc, argv, args)) return *done;
    const std::string output = args.value("-o");
    // A read that cannot be saved is lost: find out before the radio is asked.
    if (const std::string reason = CannotWrite(output); !reason.empty())
        return Fail("cannot write '" + output + "': " + reason);

    LinkApplication app(argv[0]);
    TransferArchive archive;
    vantrel::link::SerialDevice device;
    std::unique_ptr<vantrel::link::TracingDevice> trace;
    if (!StartTrace(trace, device, args.value("--trace"), args.value("--port"), output)) return kExitFailure;
    if (!OpenPort(device, args.value("--port"))) return kExitFailure;

    vantrel::link::Link link(trace ? *trace : static_cast<vantrel::link::ByteDevice&>(device));
    vantrel::CodeplugImage image;
    vantrel::link::TransferOutcome outcome;
    std::string status;
    {
        TerminalObserver observer("Reading");
        outcome = vantrel::link::ReadCodeplug(link, observer, image);
        status = observer.lastStatus();
    }
    device.close();
    const bool completed = outcome == vantrel::link::TransferOutcome::Success;
    archive.record(vantrel::archive::Operation::Read, args.value("--port"), completed, status, &image.bytes());
    if (!completed) {
        Fail(status.empty() ? std::string("the read ended: ") + vantrel::link::OutcomeName(outcome) : status);
        ReportLostLine(link);
        return kExitFailure;
    }
    std::string error;
    if (!SaveCpgExactly(image, output, error)) return Fail(error);
    std::fprintf(stderr, "%s\n", status.c_str());
    return 0;
}

}  // namespace vantrelctl
