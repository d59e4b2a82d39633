#pragma once
// Why a serial port cannot be opened, in words a user can act on: no such
// device, permission denied (with the fix for this system), busy (held by
// another program, named when its lock file says which), or not a serial
// device at all.
#include <string>

namespace vantrel::link {

enum class PortState {
    Usable,         // as far as can be told without opening it
    Missing,        // no device at that path (or no path at all)
    NoPermission,   // this user may not read and write it
    Busy,           // another program holds it
    NotSerial,      // a file, folder, pipe or a device that is no terminal
};

struct PortAccess {
    PortState state = PortState::Usable;
    std::string summary;   // a short phrase: "yes", "no such device", "busy (minicom, process 812)"
    std::string advice;    // the full explanation, lines separated by "\n"; empty when usable
};

// Looks at the device behind a port name (PortPath). Never blocks: a pipe or a device is at
// most opened without waiting and closed again. With probeOpen false nothing
// is opened at all (listing ports must not disturb a device); with it true a
// character device is opened once, which tells a device that refuses (busy
// or not a terminal) from a usable one.
PortAccess CheckPortAccess(const std::string& name, bool probeOpen);

// The program that holds the lock file of the device, as "name, process N",
// or empty when no live program holds one.
std::string PortLockHolder(const std::string& path);

}  // namespace vantrel::link
