#pragma once
// Which device stands behind Com1..Com8, the same for the program and for
// vantrelctl: the environment variable VANTREL_COMn first (scripts and tests
// point a port at a simulated radio this way), then the per-user setting
// "Ports/ComN", then the n-th serial device of the machine, USB adapters
// first. On Windows ComN is COMn.
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSettings;

namespace vantrel::link {

// The per-user settings store of both programs (organisation, application).
// Its file is read when the store opens: a pipe in its place would block
// the program before any window, a folder or device would be replaced at the
// next save. Such a file is left alone, the reason goes to *problem, and the
// store is a private one that lasts as long as the process.
extern const char* const kSettingsOrganization;
extern const char* const kSettingsApplication;
std::unique_ptr<QSettings> OpenProgramSettings(QString* problem = nullptr);

enum class PortSource { Environment, Setting, Discovered, None };

struct ResolvedPort {
    QString path;   // empty when nothing stands behind the port
    PortSource source = PortSource::None;
};

ResolvedPort ResolvePort(int port, const QSettings& settings);

// The serial devices of this machine in Com order: USB adapters first, then
// the others, each group in natural name order (ttyS2 before ttyS10).
QStringList SerialDevicesInOrder();

// One line of the port list: ComN, its device and the device's USB
// description, "USB 0403:6001, FTDI, FT232R USB UART, serial A10KXYZ" (the
// parts the adapter reports; empty for other devices).
struct PortListing {
    int port = 0;
    ResolvedPort resolved;
    QString usb;
};

// Com1..Com8, looking at the machine's devices once.
std::vector<PortListing> ListPorts(const QSettings& settings);

// "Com3: /dev/ttyUSB0 (USB 0403:6001, FTDI, ...)" or "Com3: no serial device",
// as the Comm Port menu shows it.
QString PortItemText(const PortListing& line);

// How a port's device was chosen, in words: "VANTREL_COM3", "setting
// Ports/Com3", "found", "none".
QString SourceText(int port, PortSource source);

}  // namespace vantrel::link
