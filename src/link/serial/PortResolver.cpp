#include "link/serial/PortResolver.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <algorithm>
#include <vector>

#include "base/RegularFile.h"
#include "link/PortFile.h"

namespace vantrel::link {

const char* const kSettingsOrganization = "Vantrel CPS";
const char* const kSettingsApplication = "Vantrel CPS";

std::unique_ptr<QSettings> OpenProgramSettings(QString* problem) {
    const QString organization = QString::fromLatin1(kSettingsOrganization);
    const QString application = QString::fromLatin1(kSettingsApplication);
    // Where QSettings keeps a user's settings on this platform.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                         organization + u'/' + application + QStringLiteral(".conf");
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return std::make_unique<QSettings>(organization, application);
    if (problem)
        *problem = QStringLiteral("the settings file '%1' is not used: %2")
                       .arg(path, QString::fromStdString(NotAFileReason(st.st_mode)));
    static QTemporaryDir standIn;
    return std::make_unique<QSettings>(standIn.filePath(application + QStringLiteral(".conf")),
                                       QSettings::IniFormat);
}

namespace {

QString EnvironmentName(int port) { return QStringLiteral("VANTREL_COM%1").arg(port); }
QString SettingKey(int port) { return QStringLiteral("Ports/Com%1").arg(port); }

bool IsUsb(const QSerialPortInfo& info) {
    return info.hasVendorIdentifier() || info.portName().startsWith(QLatin1String("ttyUSB")) ||
           info.portName().startsWith(QLatin1String("ttyACM"));
}

QStringList InOrder(const QList<QSerialPortInfo>& infos) {
    struct Found {
        bool usb;
        QString path;
    };
    std::vector<Found> found;
    for (const QSerialPortInfo& info : infos) found.push_back({IsUsb(info), info.systemLocation()});
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

// The device list is looked up only when no override names the device.
template <typename Devices>
ResolvedPort Resolve(int port, const QSettings& settings, Devices devices) {
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    Q_UNUSED(devices);
    return {QStringLiteral("COM%1").arg(port), PortSource::Discovered};
#else
    const QString env = qEnvironmentVariable(EnvironmentName(port).toLatin1().constData());
    if (!env.isEmpty()) return {env, PortSource::Environment};
    const QString setting = settings.value(SettingKey(port)).toString();
    if (!setting.isEmpty()) return {setting, PortSource::Setting};
    const QStringList found = devices();
    if (port >= 1 && port <= found.size()) return {found[port - 1], PortSource::Discovered};
    return {};
#endif
}

QString Usb(const QString& path, const QList<QSerialPortInfo>& infos) {
    // A link such as /dev/serial/by-id/... names the same device as its target.
    const QString target = QFileInfo(path).canonicalFilePath();
    for (const QSerialPortInfo& info : infos) {
        if (info.systemLocation() != path && info.systemLocation() != target) continue;
        if (!info.hasVendorIdentifier()) return {};
        QStringList parts{QStringLiteral("USB %1:%2")
                              .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                              .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))};
        if (!info.manufacturer().isEmpty()) parts << info.manufacturer();
        if (!info.description().isEmpty()) parts << info.description();
        if (!info.serialNumber().isEmpty()) parts << QStringLiteral("serial ") + info.serialNumber();
        return parts.join(QStringLiteral(", "));
    }
    return {};
}

}  // namespace

ResolvedPort ResolvePort(int port, const QSettings& settings) {
    return Resolve(port, settings, [] { return SerialDevicesInOrder(); });
}

QStringList SerialDevicesInOrder() { return InOrder(QSerialPortInfo::availablePorts()); }

std::vector<PortListing> ListPorts(const QSettings& settings) {
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    const QStringList devices = InOrder(infos);
    std::vector<PortListing> list;
    for (int port = 1; port <= kPortCount; ++port) {
        PortListing line;
        line.port = port;
        line.resolved = Resolve(port, settings, [&] { return devices; });
        if (!line.resolved.path.isEmpty()) line.usb = Usb(line.resolved.path, infos);
        list.push_back(line);
    }
    return list;
}

QString PortItemText(const PortListing& line) {
    const QString com = QStringLiteral("Com%1: ").arg(line.port);
    if (line.resolved.path.isEmpty()) return com + QStringLiteral("no serial device");
    return com + line.resolved.path + (line.usb.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(line.usb));
}

QString SourceText(int port, PortSource source) {
    switch (source) {
        case PortSource::Environment:
            return EnvironmentName(port);
        case PortSource::Setting:
            return QStringLiteral("setting ") + SettingKey(port);
        case PortSource::Discovered:
            return QStringLiteral("found");
        case PortSource::None:
            break;
    }
    return QStringLiteral("none");
}

}  // namespace vantrel::link
