#include "LinkPort.h"

#include <QRegularExpression>
#include <QSettings>
#include <cstdio>
#include <unistd.h>

#include "link/serial/OpenCommPort.h"

namespace vantrelctl {

QString PortDevice(const QString& port) {
    static const QRegularExpression comN(QStringLiteral("^[Cc][Oo][Mm]([1-8])$"));
    const auto match = comN.match(port);
    if (!match.hasMatch()) return port;
    QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel CPS"));
    return vantrel::link::DeviceForPort(match.captured(1).toInt(), settings);
}

bool OpenPort(vantrel::link::SerialDevice& device, const QString& port) {
    return vantrel::link::OpenCommPort(device, PortDevice(port), [&](const QString& text) {
        std::fprintf(stderr, "%s\n(%s)\n", qPrintable(QString(text).replace("\r\n", "\n")),
                     qPrintable(port));
    });
}

bool StartTrace(std::unique_ptr<vantrel::link::TracingDevice>& trace,
                vantrel::link::ByteDevice& device, const std::string& path,
                const QString& port, const char* command) {
    if (path.empty()) return true;
    std::string error;
    trace = vantrel::link::TracingDevice::ToFile(device, path, error);
    if (!trace) {
        std::fprintf(stderr, "vantrelctl %s: cannot write the trace: %s\n", command, error.c_str());
        return false;
    }
    trace->note("port " + port.toStdString() + " = " + PortDevice(port).toStdString());
    return true;
}

void ReportLostLine(const vantrel::link::Link& link, const char* command) {
    if (link.lineLost())
        std::fprintf(stderr, "vantrelctl %s: the cable was disconnected (the serial device went away)\n",
                     command);
}

TerminalObserver::TerminalObserver(const char* verb) : verb_(verb), tty_(::isatty(2)) {}

TerminalObserver::~TerminalObserver() {
    if (shown_) std::fputc('\n', stderr);
}

void TerminalObserver::progress(int value) {
    if (!tty_) return;
    shown_ = true;
    std::fprintf(stderr, "\r%s %3d / 384 bytes", verb_, value);
    std::fflush(stderr);
}

}  // namespace vantrelctl
