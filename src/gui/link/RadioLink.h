#pragma once
// The program's radio link: the serial device on the Comm Port menu's port and
// the Read and Write commands, wired into the main window.
//
// ComN is resolved as vantrelctl resolves it (link/serial/PortResolver.h):
// VANTREL_COMn, else the per-user setting Ports/ComN, else the N-th serial
// device of the machine. Each Comm Port item shows the device behind it as
// its tool tip and, while hovered, in the editor's status bar.
//
// VANTREL_TRACE=FILE writes a trace of every byte on the line into FILE
// (TracingDevice), for a bug report.
//
// Every read, write and verify goes to the radio archive (VANTREL_ARCHIVE,
// else the setting Archive/Location), filed by port and device; what cannot
// be archived shows in the editor's status bar.
#include <QString>
#include <memory>

class QSettings;

namespace vantrel {

class MDIFormMain;
class ProgramCommands;

namespace archive {
class ArchiveRecorder;
}

namespace link {
class SerialDevice;
class TracingDevice;
}

class RadioLink {
public:
    RadioLink(MDIFormMain& main, QSettings& settings);
    ~RadioLink();

    ProgramCommands& commands() { return *commands_; }
    link::SerialDevice& device() { return *device_; }
    // The radio archive the program records into; none while it is off.
    archive::ArchiveRecorder* archive() { return archive_.get(); }

    // The port number of the Comm Port menu (first checked of Com1..Com7, else 8).
    int selectedPort() const;
    // The device path of ComN.
    QString devicePath(int port) const;
    // Refreshes the items' descriptions (done each time the menu opens).
    void describePorts();
    bool OpenCommPort();

private:
    MDIFormMain& main_;
    QSettings& settings_;
    std::unique_ptr<link::SerialDevice> device_;
    std::unique_ptr<link::TracingDevice> trace_;
    std::unique_ptr<ProgramCommands> commands_;
    std::unique_ptr<archive::ArchiveRecorder> archive_;
};

}  // namespace vantrel
