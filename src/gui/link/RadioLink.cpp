#include "gui/link/RadioLink.h"

#include "gui/common/CoreTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSet>
#include <QSettings>
#include <array>

#include "archive/ArchiveRecorder.h"
#include "gui/codeplug/frmMain.h"
#include "gui/link/ProgramCommands.h"
#include "gui/link/frmProgram.h"
#include "gui/shell/MDIFormMain.h"
#include "link/PortFile.h"
#include "link/TracingDevice.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/PortResolver.h"
#include "link/serial/SerialDevice.h"

namespace vantrel {

namespace {

QAction* PortItem(const MDIFormMain& main, int port) {
    return main.menuAction(QStringLiteral("mnuPortCom%1").arg(port));
}

}  // namespace

RadioLink::RadioLink(MDIFormMain& main, QSettings& settings)
    : main_(main), settings_(settings), device_(std::make_unique<link::SerialDevice>()) {
    // The name byte for byte, whatever its encoding; a pipe with no reader
    // is refused at once rather than holding up the start.
    if (const QByteArray path = qgetenv("VANTREL_TRACE"); !path.isEmpty()) {
        std::string error;
        trace_ = link::TracingDevice::ToFile(*device_, path.toStdString(), error);
        if (!trace_) qWarning("VANTREL_TRACE: cannot write the trace: %s", error.c_str());
    }
    link::ByteDevice& line = trace_ ? static_cast<link::ByteDevice&>(*trace_) : *device_;
    commands_ = std::make_unique<ProgramCommands>(main, line, [this] { return OpenCommPort(); });
    // A device that went away since the dialog opened (cable pulled, adapter
    // unplugged, simulated radio gone) is opened again at the press of Read or
    // Write, and when that fails the user reads why instead of a transfer that
    // cannot work. A port still there is left alone: reopening it would drop
    // the modem lines of a cable whose radio is already in programming mode.
    commands_->dialog().portReady = [this] {
        const bool there = device_->isOpen() && QFileInfo::exists(device_->portName());
        return there || OpenCommPort();
    };

    // The recorder warns on its own thread; the status bar is told on ours.
    archive_ = std::make_unique<archive::ArchiveRecorder>(
        archive::ChooseLocation(settings_.value(archive::kLocationSetting).toString()),
        [main = &main_](const QString& warning) {
            QMetaObject::invokeMethod(main, [main, warning] {
                if (frmMain* editor = main->editor())
                    editor->setStatusText(
                        QCoreApplication::translate("vantrel::RadioLink", "Archive: %1").arg(warning));
            });
        });
    commands_->transferFinished = [this](archive::FinishedTransfer t) {
        const int port = selectedPort();
        t.port = QStringLiteral("Com%1").arg(port).toStdString();
        t.device = devicePath(port).toStdString();
        archive_->record(std::move(t));
    };

    QSet<QMenu*> menus;
    for (int n = 1; n <= link::kPortCount; ++n) {
        QAction* item = PortItem(main_, n);
        if (!item) continue;
        QObject::connect(item, &QAction::hovered, item, [this, item] {
            if (frmMain* editor = main_.editor()) editor->setStatusText(item->statusTip());
        });
        for (QObject* owner : item->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner)) menus.insert(menu);
    }
    for (QMenu* menu : menus) {
        menu->setToolTipsVisible(true);
        // Adapters come and go: look again whenever the menu opens.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { describePorts(); });
    }
}

RadioLink::~RadioLink() = default;

int RadioLink::selectedPort() const {
    std::array<bool, link::kPortCount> checked{};
    for (int n = 1; n <= link::kPortCount; ++n)
        if (QAction* a = PortItem(main_, n)) checked[static_cast<std::size_t>(n - 1)] = a->isChecked();
    return link::SelectedPort(checked);
}

QString RadioLink::devicePath(int port) const { return link::ResolvePort(port, settings_).path; }

void RadioLink::describePorts() {
    for (const link::PortListing& line : link::ListPorts(settings_))
        if (QAction* item = PortItem(main_, line.port)) {
            const QString text = link::PortItemText(line);
            item->setToolTip(text);
            item->setStatusTip(text);
        }
}

bool RadioLink::OpenCommPort() {
    const int port = selectedPort();
    const QString path = devicePath(port);
    const bool open = link::OpenCommPort(*device_, path,
                                         [this](const QString& text) { main_.prompts().tell(TrCoreText(text)); });
    if (trace_)
        trace_->note(QStringLiteral("Com%1 = %2: %3").arg(port).arg(path, open ? "open" : "cannot open")
                         .toStdString());
    return open;
}

}  // namespace vantrel
