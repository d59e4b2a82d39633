#pragma once
// The radio port of the read and write commands.
#include <QString>

#include <memory>
#include <string>

#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TracingDevice.h"
#include "link/serial/SerialDevice.h"

namespace vantrelctl {

// --port takes a device path, or Com1..Com8 mapped as the GUI maps them.
QString PortDevice(const QString& port);

// Opens the port; prints the unavailable message on stderr when it fails.
bool OpenPort(vantrel::link::SerialDevice& device, const QString& port);

// --trace FILE: a trace of the line through `device` into FILE (none for an
// empty path). False, with the reason on stderr, when FILE cannot be made.
bool StartTrace(std::unique_ptr<vantrel::link::TracingDevice>& trace,
                vantrel::link::ByteDevice& device, const std::string& path,
                const QString& port, const char* command);

// The line added to a failed transfer whose cable was pulled.
void ReportLostLine(const vantrel::link::Link& link, const char* command);

// Progress and status texts on stderr; progress only on a terminal.
class TerminalObserver : public vantrel::link::LinkObserver {
public:
    explicit TerminalObserver(const char* verb);
    ~TerminalObserver() override;
    void status(const std::string& text) override { last_ = text; }
    void progress(int value) override;
    const std::string& lastStatus() const { return last_; }

private:
    const char* verb_;
    bool tty_;
    bool shown_ = false;
    std::string last_;
};

}  // namespace vantrelctl
