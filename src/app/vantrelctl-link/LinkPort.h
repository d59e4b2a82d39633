#pragma once
// The radio port of the read and write commands.
#include <QCoreApplication>
#include <QSettings>
#include <QString>

#include <chrono>
#include <memory>
#include <string>

#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TracingDevice.h"
#include "link/serial/SerialDevice.h"

namespace vantrelctl {

// The Qt application the serial device waits in. It gets the program's name
// only: the command line is ours, not Qt's.
class LinkApplication {
public:
    explicit LinkApplication(char* program);

private:
    int argc_ = 1;
    char* argv_[2];
    QCoreApplication app_;
};

// The program's settings; a settings file that cannot be used is named on a
// warning line and left alone.
std::unique_ptr<QSettings> ProgramSettings();

// --port takes a device path, or Com1..Com8 mapped as the GUI maps them.
QString PortDevice(const QString& port);

// Opens the port; when it fails, says why on stderr.
bool OpenPort(vantrel::link::SerialDevice& device, const std::string& port);

// --trace FILE: a trace of the line through `device` into FILE (none for an
// empty path). False, with the reason on stderr, when FILE cannot be made
// or is the command's data file.
bool StartTrace(std::unique_ptr<vantrel::link::TracingDevice>& trace,
                vantrel::link::ByteDevice& device, const std::string& path, const std::string& port,
                const std::string& dataFile);

// The line added to a failed transfer whose cable was pulled.
void ReportLostLine(const vantrel::link::Link& link);

// Status texts kept for the caller; on stderr, only when it is a terminal,
// one line updated in place: the radio being waited for, then the blocks done
// and the time taken.
class TerminalObserver : public vantrel::link::LinkObserver {
public:
    explicit TerminalObserver(const char* verb);
    ~TerminalObserver() override;
    void status(const std::string& text) override { last_ = text; }
    void progress(int value) override;
    const std::string& lastStatus() const { return last_; }

protected:
    // Ends the line shown, so that what follows starts on a line of its own.
    void endLine();

private:
    // Puts `text` on the terminal's line in place of what was there.
    void show(const std::string& text);

    const char* verb_;
    bool tty_;
    std::string line_;  // on the terminal now; empty: nothing shown
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::string last_;
};

}  // namespace vantrelctl
