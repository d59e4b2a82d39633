#include "LinkPort.h"

#include <QRegularExpression>
#include <QSettings>
#include <cstdio>
#include <unistd.h>

#include "cli/CommandLine.h"
#include "link/ProtocolBytes.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

LinkApplication::LinkApplication(char* program) : argv_{program, nullptr}, app_(argc_, argv_) {}

std::unique_ptr<QSettings> ProgramSettings() {
    QString problem;
    auto settings = vantrel::link::OpenProgramSettings(&problem);
    if (!problem.isEmpty()) std::fprintf(stderr, "%s: warning: %s\n", kProgram, problem.toLocal8Bit().constData());
    return settings;
}

QString PortDevice(const QString& port) {
    static const QRegularExpression comN(QStringLiteral("^[Cc][Oo][Mm]([1-8])$"));
    const auto match = comN.match(port);
    if (!match.hasMatch()) return port;
    // The program's own settings and VANTREL_COMn: Com3 is the same device here.
    return vantrel::link::ResolvePort(match.captured(1).toInt(), *ProgramSettings()).path;
}

bool OpenPort(vantrel::link::SerialDevice& device, const std::string& port) {
    const QString path = PortDevice(QString::fromLocal8Bit(port.c_str()));
    const std::string shown = path.toLocal8Bit().toStdString();
    // The program's message and, below it, the reason, after the usual first line.
    return vantrel::link::OpenCommPort(device, path, [&](const QString& text) {
        // A ComN is followed by its device, when one was found.
        Fail("cannot open port '" + port + "'" + (shown == port || shown.empty() ? "" : " (" + shown + ")"));
        const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(stderr, "%s\n", lines.toLocal8Bit().constData());
    });
}

bool StartTrace(std::unique_ptr<vantrel::link::TracingDevice>& trace,
                vantrel::link::ByteDevice& device, const std::string& path, const std::string& port,
                const std::string& dataFile) {
    if (path.empty()) return true;
    std::string error;
    trace = vantrel::link::TracingDevice::ToFile(device, path, error, {dataFile});
    if (!trace) {
        Fail("cannot write the trace: " + error);
        return false;
    }
    trace->note("port " + port + " = " +
                PortDevice(QString::fromLocal8Bit(port.c_str())).toLocal8Bit().toStdString());
    return true;
}

void ReportLostLine(const vantrel::link::Link& link) {
    if (link.lineLost()) Fail("the cable was disconnected (the serial device went away)");
}

TerminalObserver::TerminalObserver(const char* verb) : verb_(verb), tty_(::isatty(2)) {
    // A radio not in programming mode stays silent for seconds before the
    // exchange gives up; the terminal says what is being waited for.
    show(std::string(verb_) + ": waiting for the radio (in programming mode)...");
}

TerminalObserver::~TerminalObserver() { endLine(); }

void TerminalObserver::endLine() {
    if (!line_.empty()) std::fputc('\n', stderr);
    line_.clear();
}

void TerminalObserver::progress(int value) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char text[80];
    std::snprintf(text, sizeof text, "%s: block %2d of %d, %.1f s", verb_, value / vantrel::link::kBlockSize,
                  vantrel::link::kBlockCount, seconds);
    show(text);
}

void TerminalObserver::show(const std::string& text) {
    if (!tty_) return;
    // Blanks over what is left of a longer line before.
    const std::size_t blanks = line_.size() > text.size() ? line_.size() - text.size() : 0;
    std::fprintf(stderr, "\r%s %s", text.c_str(), std::string(blanks, ' ').c_str());
    std::fflush(stderr);
    line_ = text;
}

}  // namespace vantrelctl
