#include "LinkPort.h"

#include <QRegularExpression>
#include <QSettings>
#include <cstdio>
#include <unistd.h>

#include "link/serial/OpenCommPort.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

QString PortDevice(const QString& port) {
    static const QRegularExpression comN(QStringLiteral("^[Cc][Oo][Mm]([1-8])$"));
    const auto match = comN.match(port);
    if (!match.hasMatch()) return port;
    // The program's own settings and VANTREL_COMn: Com3 is the same device here.
    return vantrel::link::ResolvePort(match.captured(1).toInt(), *vantrel::link::OpenProgramSettings()).path;
}

bool OpenPort(vantrel::link::SerialDevice& device, const QString& port) {
    return vantrel::link::OpenCommPort(device, PortDevice(port), [&](const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace("\r\n", "\n")));
    });
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
