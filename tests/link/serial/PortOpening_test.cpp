// Opening the radio port: which device ComN is, and the reason a port cannot
// be opened.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/Link.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/PortResolver.h"
#include "link/serial/SerialDevice.h"

namespace vantrel::link {
namespace {

// Every path that is no usable serial port fails at once with the fixed
// message and, below it, what is wrong.
TEST(PortOpening, UnusablePathsSayWhyAndNeverHang) {
    QTemporaryDir dir;
    const QString file = dir.filePath("plain-file");
    QFile(file).open(QIODevice::WriteOnly);
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {QStringLiteral("/dev/vantrel-no-such-port"), "/dev/vantrel-no-such-port: no such device."},
        {QString(), "No serial device was found for this port."},
        {file, " is a file, not a serial device."},
        {dir.path(), " is a folder, not a serial device."},
        {fifo, " is a pipe, not a serial device."},
        {QStringLiteral("/dev/null"), "/dev/null is a device, not a serial device."},
    };
    for (const auto& c : cases) {
        SerialDevice device;
        std::vector<QString> told;
        EXPECT_FALSE(OpenCommPort(device, c.path, [&](const QString& text) { told.push_back(text); }));
        EXPECT_FALSE(device.isOpen());
        ASSERT_EQ(told.size(), 1u) << c.path.toStdString();
        const QString fixed = QStringLiteral("Comm. Port Unavailable !\r\n\r\nPlease Change the Port selection.\r\n\r\n");
        EXPECT_TRUE(told[0].startsWith(fixed)) << told[0].toStdString();
        EXPECT_TRUE(told[0].contains(QLatin1String(c.reason))) << told[0].toStdString();
    }
    // Transfers on the closed port time out instead of hanging.
    SerialDevice device;
    Link link(device);
    link.SendByte(0x52);
    EXPECT_TRUE(link.linkError());
}

// One program per port: a second open of a held port is refused at once as
// busy, naming the holder from its lock file; the first keeps the port.
TEST(PortOpening, ASecondOpenIsBusyAndNamesTheHolder) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    const QString path = QString::fromLocal8Bit(::ptsname(master));

    SerialDevice first;
    ASSERT_TRUE(OpenCommPort(first, path, nullptr));
    SerialDevice second;
    QString told;
    EXPECT_FALSE(OpenCommPort(second, path, [&](const QString& text) { told = text; }));
    EXPECT_TRUE(told.contains(path + QStringLiteral(" is busy: "))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("process %1 is using it").arg(::getpid()))) << told.toStdString();
    EXPECT_TRUE(first.isOpen());

    first.close();
    EXPECT_TRUE(OpenCommPort(second, path, nullptr));   // free again
    second.close();
    ::close(master);
}

// ComN: VANTREL_COMn before the per-user setting before the n-th device.
TEST(PortOpening, ResolverOrderIsEnvironmentSettingDevice) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("Ports/Com3", "/tmp/simulated-radio");
    settings.setValue("Ports/Com4", "/dev/ttyUSB4");
    qputenv("VANTREL_COM4", "/tmp/from-environment");

    const QStringList devices = SerialDevicesInOrder();
    const std::vector<PortListing> list = ListPorts(settings);
    ASSERT_EQ(list.size(), 8u);
    for (const PortListing& line : list) {
        const ResolvedPort one = ResolvePort(line.port, settings);
        EXPECT_EQ(one.path, line.resolved.path) << line.port;
        EXPECT_EQ(one.source, line.resolved.source) << line.port;
    }
    EXPECT_EQ(list[2].resolved.path, "/tmp/simulated-radio");
    EXPECT_EQ(list[2].resolved.source, PortSource::Setting);
    EXPECT_EQ(list[3].resolved.path, "/tmp/from-environment");
    EXPECT_EQ(SourceText(4, list[3].resolved.source), "VANTREL_COM4");
    EXPECT_EQ(list[0].resolved.path, devices.value(0));
    EXPECT_EQ(list[7].resolved.path, devices.value(7));
    EXPECT_EQ(PortItemText(list[2]), "Com3: /tmp/simulated-radio");
    if (devices.size() < 8) {
        EXPECT_EQ(PortItemText(list[7]), "Com8: no serial device");
    }
    qunsetenv("VANTREL_COM4");
}

}  // namespace
}  // namespace vantrel::link
