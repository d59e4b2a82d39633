#pragma once
// Opening the radio port, with the reason when it cannot be opened.
#include <QString>
#include <functional>

namespace vantrel::link {

class SerialDevice;

// "Comm. Port Unavailable !" and the advice, two line breaks between them.
extern const QString kPortUnavailableText;

// Why the device at path cannot be opened, in lines separated by CR LF: no
// such device, permission denied with the fix, busy (and by whom), not a
// serial device. `fallback` is used when none of these applies.
QString PortUnavailableReason(const QString& path, const QString& fallback);

// (Re)opens the device on the given path at 1200,N,8,2. Opening is exclusive:
// the port is locked (a lock file in the system's lock folder and TIOCEXCL),
// so a second program gets "busy" at once. On failure the port stays closed
// and `tell` is called once with kPortUnavailableText, two line breaks and
// the reason (the GUI shows it in an OK box titled "Vantrel CPS").
bool OpenCommPort(SerialDevice& device, const QString& devicePath,
                  const std::function<void(const QString&)>& tell);

}  // namespace vantrel::link
