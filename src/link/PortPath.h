#pragma once
// The device a port name stands for. A name with a slash is a path. A bare
// name is the file of that name in the current folder when there is one (a
// simulated radio's link made with --link L), else the device of that name
// under /dev (ttyUSB0 is /dev/ttyUSB0), which is where the serial layer
// looks. Checking a port and opening it both go through here, so they always
// mean the same device.
#include <string>

namespace vantrel::link {

std::string PortPath(const std::string& name);

}  // namespace vantrel::link
