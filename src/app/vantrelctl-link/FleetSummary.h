#pragma once
// The end of a fleet command: one line per port (port, serial number, model,
// result, time taken), or the same as JSON.
#include <string>
#include <vector>

#include "fleet/FleetReport.h"

namespace vantrelctl {

struct FleetLine {
    vantrel::fleet::PortStatus status;
    std::string file;  // a fleet read's data file; empty otherwise
};

std::string FleetSummaryText(const std::vector<FleetLine>& lines);
std::string FleetSummaryJson(const std::vector<FleetLine>& lines, bool ok, bool stopped);

}  // namespace vantrelctl
