// vantrelctl-link, run by vantrelctl for the commands that talk to a serial
// port (read, write, simulate, ports, fleet) with vantrelctl's own arguments. A
// program of its own so that the other commands never load Qt.
#include "Commands.h"

int main(int argc, char** argv) {
    using namespace vantrelctl;
    return RunCommandLine({{&kReadCommand, CmdRead},
                           {&kWriteCommand, CmdWrite},
                           {&kSimulateCommand, CmdSimulate},
                           {&kPortsCommand, CmdPorts},
                           {&kFleetWriteCommand, CmdFleetWrite},
                           {&kFleetReadCommand, CmdFleetRead}},
                          argc, argv);
}
