#pragma once
// The ports of a fleet command: each --port as a device, or Com1..Com8, or
// "all" for every Com port with a device.
#include <string>
#include <vector>

#include "fleet/FleetJob.h"

namespace vantrelctl {

// The ports in the order given. False, with the reason in error, when a
// device is named twice (it can be opened once) or "all" finds none.
bool FleetPorts(const std::vector<std::string>& given, std::vector<vantrel::fleet::FleetPort>& ports,
                std::string& error);

}  // namespace vantrelctl
