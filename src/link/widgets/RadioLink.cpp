#include "link/widgets/RadioLink.h"

#include <QAction>
#include <QSettings>
#include <array>

#include "link/PortFile.h"
#include "link/TracingDevice.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/SerialDevice.h"
#include "link/widgets/ProgramCommands.h"
#include "shell/widgets/MDIFormMain.h"

namespace vantrel {

namespace {

QAction* PortItem(const MDIFormMain& main, int port) {
    return main.menuAction(QStringLiteral("mnuPortCom%1").arg(port));
}

}  // namespace

RadioLink::RadioLink(MDIFormMain& main, QSettings& settings)
    : main_(main), settings_(settings), device_(std::make_unique<link::SerialDevice>()) {
    if (const QString path = qEnvironmentVariable("VANTREL_TRACE"); !path.isEmpty()) {
        std::string error;
        trace_ = link::TracingDevice::ToFile(*device_, path.toStdString(), error);
        if (!trace_) qWarning("VANTREL_TRACE: cannot write the trace: %s", error.c_str());
    }
    link::ByteDevice& line = trace_ ? static_cast<link::ByteDevice&>(*trace_) : *device_;
    commands_ = std::make_unique<ProgramCommands>(main, line, [this] { return OpenCommPort(); });
}

RadioLink::~RadioLink() = default;

int RadioLink::selectedPort() const {
    std::array<bool, link::kPortCount> checked{};
    for (int n = 1; n <= link::kPortCount; ++n)
        if (QAction* a = PortItem(main_, n)) checked[static_cast<std::size_t>(n - 1)] = a->isChecked();
    return link::SelectedPort(checked);
}

QString RadioLink::devicePath(int port) const {
    const QString override = qEnvironmentVariable(QStringLiteral("VANTREL_COM%1").arg(port).toLatin1().constData());
    return override.isEmpty() ? link::DeviceForPort(port, settings_) : override;
}

bool RadioLink::OpenCommPort() {
    const int port = selectedPort();
    const QString path = devicePath(port);
    const bool open = link::OpenCommPort(*device_, path,
                                         [this](const QString& text) { main_.prompts().tell(text); });
    if (trace_)
        trace_->note(QStringLiteral("Com%1 = %2: %3").arg(port).arg(path, open ? "open" : "cannot open")
                         .toStdString());
    return open;
}

}  // namespace vantrel
