// vantrelctl ports: Com1..Com8 with the device behind each (as the program
// resolves them), its USB description and whether this user can open it.
#include <QSettings>
#include <cstdio>
#include <set>
#include <string>

#include "Commands.h"
#include "LinkPort.h"
#include "link/PortAccess.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

int CmdPorts(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kPortsCommand, argc, argv, args)) return *done;
    LinkApplication app(argv[0]);
    using vantrel::link::PortState;
    std::set<std::string> advice;   // each fix once, after the list
    for (const vantrel::link::PortListing& line : vantrel::link::ListPorts(*ProgramSettings())) {
        const QString& path = line.resolved.path;
        if (path.isEmpty()) {
            std::printf("Com%d  none\n", line.port);
            continue;
        }
        // Listing opens nothing: a device in use by another program stays undisturbed.
        const vantrel::link::PortAccess access = vantrel::link::CheckPortAccess(path.toStdString(), false);
        std::printf("Com%d  %s  (%s)  can open: %s\n", line.port, qPrintable(path),
                    qPrintable(vantrel::link::SourceText(line.port, line.resolved.source)), access.summary.c_str());
        if (!line.usb.isEmpty()) std::printf("      %s\n", qPrintable(line.usb));
        if (access.state == PortState::NoPermission) advice.insert(access.advice);
    }
    for (const std::string& text : advice) std::printf("\n%s\n", text.c_str());
    return 0;
}

}  // namespace vantrelctl
