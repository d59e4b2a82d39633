#pragma once
// Opening the radio port, and which device each of Com1..Com8 stands for.
#include <QString>
#include <functional>

class QSettings;

namespace vantrel::link {

class SerialDevice;

// "Comm. Port Unavailable !" and the advice, two line breaks between them.
extern const QString kPortUnavailableText;

// (Re)opens the device on the given path at 1200,N,8,2. On failure the port
// stays closed and `tell` is called once with kPortUnavailableText (the GUI
// shows it in an OK box titled "Vantrel CPS").
bool OpenCommPort(SerialDevice& device, const QString& devicePath,
                  const std::function<void(const QString&)>& tell);

// The serial devices of this machine in Com order: USB adapters first, then
// the others, each group in natural name order (ttyS2 before ttyS10).
QStringList SerialDevicesInOrder();

// The device of ComN (1..8): COMn on Windows. Elsewhere the per-user override
// "Ports/ComN" when set, else the n-th device of SerialDevicesInOrder(), else
// an empty path (which fails to open).
QString DeviceForPort(int port, const QSettings& settings);

}  // namespace vantrel::link
