#include "FleetPorts.h"

#include <QSettings>
#include <QString>

#include "LinkPort.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

bool FleetPorts(const std::vector<std::string>& given, std::vector<vantrel::fleet::FleetPort>& ports,
                std::string& error) {
    ports.clear();
    for (const std::string& name : given) {
        std::vector<vantrel::fleet::FleetPort> named;
        if (name == "all") {
            for (const auto& line : vantrel::link::ListPorts(*vantrel::link::OpenProgramSettings()))
                if (!line.resolved.path.isEmpty())
                    named.push_back({"Com" + std::to_string(line.port), line.resolved.path.toStdString()});
            if (named.empty()) {
                error = "--port all: no Com port has a device (see 'vantrelctl ports')";
                return false;
            }
        } else {
            named.push_back({name, PortDevice(QString::fromStdString(name)).toStdString()});
        }
        for (const auto& port : named) {
            for (const auto& earlier : ports)
                if (!port.device.empty() && earlier.device == port.device) {
                    error = "'" + earlier.name + "' and '" + port.name + "' are the same device (" + port.device +
                            "): a radio takes one cable";
                    return false;
                }
            ports.push_back(port);
        }
    }
    return true;
}

}  // namespace vantrelctl
