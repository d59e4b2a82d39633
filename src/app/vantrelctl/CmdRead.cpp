// vantrelctl read: reads the radio's codeplug into a data file.
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "Commands.h"
#include "LinkCpgFile.h"
#include "LinkPort.h"
#include "link/Link.h"
#include "link/ReadProtocol.h"

namespace vantrelctl {

int CmdRead(int argc, char** argv) {
    QString port;
    std::string output, tracePath;
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string arg = argv[k];
        if (arg == "--port") port = QString::fromLocal8Bit(argv[k + 1]);
        else if (arg == "-o") output = argv[k + 1];
        else if (arg == "--trace") tracePath = argv[k + 1];
        else break;
    }
    if (port.isEmpty() || output.empty() || argc % 2 == 0) {
        std::fprintf(stderr, "usage: vantrelctl read --port DEVICE -o FILE.cpg [--trace FILE]\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    vantrel::link::SerialDevice device;
    std::unique_ptr<vantrel::link::TracingDevice> trace;
    if (!StartTrace(trace, device, tracePath, port, "read")) return 1;
    if (!OpenPort(device, port)) return 1;

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
    if (outcome != vantrel::link::TransferOutcome::Success) {
        std::fprintf(stderr, "%s\n", status.c_str());
        ReportLostLine(link, "read");
        return 1;
    }
    std::string error;
    if (!SaveCpgExactly(image, output, error)) {
        std::fprintf(stderr, "vantrelctl read: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "%s\n", status.c_str());
    return 0;
}

}  // namespace vantrelctl
