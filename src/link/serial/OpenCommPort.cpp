#include "link/serial/OpenCommPort.h"

#include "link/PortAccess.h"
#include "link/serial/SerialDevice.h"

namespace vantrel::link {

const QString kPortUnavailableText =
    QStringLiteral("Comm. Port Unavailable !\r\n\r\nPlease Change the Port selection.");

QString PortUnavailableReason(const QString& path, const QString& fallback) {
    const PortAccess access = CheckPortAccess(path.toStdString(), true);
    const QString advice = access.state == PortState::Usable ? path + QStringLiteral(": ") + fallback
                                                              : QString::fromStdString(access.advice);
    return QString(advice).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

bool OpenCommPort(SerialDevice& device, const QString& devicePath,
                  const std::function<void(const QString&)>& tell) {
    device.close();
    device.setPortName(devicePath);
    std::string error;
    if (device.open(error)) return true;
    if (tell)
        tell(kPortUnavailableText + QStringLiteral("\r\n\r\n") +
             PortUnavailableReason(devicePath, QString::fromStdString(error)));
    return false;
}

}  // namespace vantrel::link
