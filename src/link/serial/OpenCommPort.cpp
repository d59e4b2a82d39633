#include "link/serial/OpenCommPort.h"

#include <QCollator>
#include <QSerialPortInfo>
#include <QSettings>
#include <algorithm>

#include "link/serial/SerialDevice.h"

namespace vantrel::link {

const QString kPortUnavailableText =
    QStringLiteral("Comm. Port Unavailable !\r\n\r\nPlease Change the Port selection.");

bool OpenCommPort(SerialDevice& device, const QString& devicePath,
                  const std::function<void(const QString&)>& tell) {
    device.close();
    device.setPortName(devicePath);
    std::string error;
    if (device.open(error)) return true;
    if (tell) tell(kPortUnavailableText);
    return false;
}

QStringList SerialDevicesInOrder() {
    struct Found {
        bool usb;
        QString path;
    };
    std::vector<Found> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const bool usb = info.hasVendorIdentifier() || info.portName().startsWith("ttyUSB") ||
                         info.portName().startsWith("ttyACM");
        found.push_back({usb, info.systemLocation()});
    }
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
        if (a.usb != b.usb) return a.usb;
        return natural.compare(a.path, b.path) < 0;
    });
    QStringList paths;
    for (const Found& f : found) paths << f.path;
    return paths;
}

QString DeviceForPort(int port, const QSettings& settings) {
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return QStringLiteral("COM%1").arg(port);
#else
    const QString override = settings.value(QStringLiteral("Ports/Com%1").arg(port)).toString();
    if (!override.isEmpty()) return override;
    const QStringList devices = SerialDevicesInOrder();
    return port >= 1 && port <= devices.size() ? devices[port - 1] : QString();
#endif
}

}  // namespace vantrel::link
