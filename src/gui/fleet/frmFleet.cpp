#include "gui/fleet/frmFleet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AtomicFile.h"
#include "codeplug/CodeplugImage.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/Prompts.h"
#include "shell/Csv.h"

namespace vantrel {

namespace {

// How often the rows show the job's progress.
constexpr int kRefreshMs = 100;
// How long closing the window waits for stopped transfers: they end within a tick.
constexpr auto kCloseWait = std::chrono::seconds(2);

const char* const kHeaders[] = {QT_TRANSLATE_NOOP("vantrel::frmFleet", "Port"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Device"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Serial Number"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Model"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Progress"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Status"),
                                QT_TRANSLATE_NOOP("vantrel::frmFleet", "Time")};

QString Seconds(double s) { return QString::number(s, 'f', 1) + QStringLiteral(" s"); }

template <class W>
W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

frmFleet::frmFleet(Prompts& prompts, std::function<QString(int)> deviceOf,
                   std::function<std::optional<fleet::FleetWrite>()> prepare, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts), deviceOf_(std::move(deviceOf)), prepare_(std::move(prepare)) {
    setObjectName("frmFleet");
    setWindowTitle(tr("Program Several Radios"));
    auto* grid = new QGridLayout;
    for (int c = 0; c < 7; ++c) grid->addWidget(new QLabel(tr(kHeaders[c]), this), 0, c);
    for (int n = 1; n <= kPorts; ++n) {
        const QString k = QString::number(n);
        Row& r = rows_[static_cast<std::size_t>(n - 1)];
        r.chkPort = Named(new QCheckBox(QStringLiteral("Com") + k, this), "chkPort" + k);
        r.lblDevice = Named(new QLabel(this), "lblDevice" + k);
        r.lblSerial = Named(new QLabel(this), "lblSerial" + k);
        r.lblModel = Named(new QLabel(this), "lblModel" + k);
        r.pgrPort = Named(new QProgressBar(this), "pgrPort" + k);
        r.pgrPort->setRange(0, static_cast<int>(CodeplugImage::kSize));
        r.pgrPort->setValue(0);
        r.lblStatus = Named(new QLabel(this), "lblStatus" + k);
        r.lblTime = Named(new QLabel(this), "lblTime" + k);
        const QWidget* cells[] = {r.chkPort, r.lblDevice, r.lblSerial, r.lblModel, r.pgrPort, r.lblStatus, r.lblTime};
        for (int c = 0; c < 7; ++c) grid->addWidget(const_cast<QWidget*>(cells[c]), n, c);
    }
    chkVerify_ = Named(new QCheckBox(tr("Verify after write"), this), "chkVerify");
    chkVerify_->setChecked(true);
    txtPassword_ = Named(new QLineEdit(this), "txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setMaxLength(8);
    txtPassword_->setPlaceholderText(tr("Radio password, if the radios ask"));
    cmdStart_ = Named(new QPushButton(tr("&Start"), this), "cmdStart");
    cmdStop_ = Named(new QPushButton(tr("S&top"), this), "cmdStop");
    cmdStop_->setEnabled(false);
    cmdSaveSummary_ = Named(new QPushButton(tr("Save Summary..."), this), "cmdSaveSummary");
    cmdSaveSummary_->setEnabled(false);
    lblSummary_ = Named(new QLabel(this), "lblSummary");

    auto* options = new QHBoxLayout;
    options->addWidget(chkVerify_);
    options->addWidget(txtPassword_);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSummary_, 1);
    for (QPushButton* b : {cmdStart_, cmdStop_, cmdSaveSummary_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(cmdStart_, &QPushButton::clicked, this, &frmFleet::cmdStart_Click);
    connect(cmdStop_, &QPushButton::clicked, this, &frmFleet::cmdStop_Click);
    connect(cmdSaveSummary_, &QPushButton::clicked, this, &frmFleet::cmdSaveSummary_Click);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &frmFleet::repaintRows);
    refreshDevices();
}

frmFleet::~frmFleet() = default;  // the job stops and waits for its threads

void frmFleet::refreshDevices() {
    if (running()) return;
    for (int n = 1; n <= kPorts; ++n) {
        const Row& r = row(n);
        const QString device = deviceOf_(n);
        r.lblDevice->setText(device.isEmpty() ? tr("no serial device") : device);
        r.chkPort->setEnabled(!device.isEmpty());
        r.chkPort->setChecked(!device.isEmpty());
    }
}

void frmFleet::cmdStart_Click() {
    if (running()) return;
    std::vector<fleet::FleetPort> ports;
    std::vector<int> numbers;
    for (int n = 1; n <= kPorts; ++n)
        if (row(n).chkPort->isChecked()) {
            ports.push_back({"Com" + std::to_string(n), deviceOf_(n).toStdString()});
            numbers.push_back(n);
        }
    if (ports.empty()) {
        prompts_.tell(tr("Tick the ports of the radios to program."));
        return;
    }
    std::optional<fleet::FleetWrite> write = prepare_();
    if (!write) return;
    if (const std::string refusal = fleet::FleetWriteRefusal(write->prepared, ports.size()); !refusal.empty()) {
        prompts_.tell(TrCoreText(refusal));
        return;
    }
    write->verify = chkVerify_->isChecked();
    if (!txtPassword_->text().isEmpty()) write->password = txtPassword_->text().toStdString();

    job_.reset();
    jobPorts_ = numbers;
    summary_.clear();
    for (int n = 1; n <= kPorts; ++n) {
        const Row& r = row(n);
        r.chkPort->setEnabled(false);
        for (QLabel* l : {r.lblSerial, r.lblModel, r.lblStatus, r.lblTime}) l->clear();
        r.pgrPort->setValue(0);
    }
    lblSummary_->clear();
    cmdStart_->setEnabled(false);
    cmdStop_->setEnabled(true);
    cmdSaveSummary_->setEnabled(false);
    job_ = std::make_unique<fleet::FleetJob>(ports, std::move(write), observer_);
    job_->start();
    refresh_.start();
}

void frmFleet::cmdStop_Click() {
    if (job_) job_->stop();
}

void frmFleet::repaintRows() {
    if (!job_) return;
    const bool done = job_->finished();
    const std::vector<fleet::PortStatus> statuses = job_->statuses();
    for (std::size_t k = 0; k < statuses.size() && k < jobPorts_.size(); ++k) {
        const fleet::PortStatus& s = statuses[k];
        const Row& r = row(jobPorts_[k]);
        r.lblSerial->setText(QString::fromStdString(s.serialNumber));
        r.lblModel->setText(QString::fromStdString(s.model));
        r.pgrPort->setValue(s.progress);
        r.lblStatus->setText(TrCoreText(s.result));
        r.lblTime->setText(s.state == fleet::PortState::Waiting ? QString() : Seconds(s.seconds));
    }
    if (!done) return;
    refresh_.stop();
    summary_ = statuses;
    int succeeded = 0;
    for (const fleet::PortStatus& s : summary_) succeeded += s.state == fleet::PortState::Succeeded;
    lblSummary_->setText(tr("%1 of %2 radios programmed.").arg(succeeded).arg(summary_.size()));
    job_.reset();
    cmdStart_->setEnabled(true);
    cmdStop_->setEnabled(false);
    cmdSaveSummary_->setEnabled(true);
    for (int n = 1; n <= kPorts; ++n) row(n).chkPort->setEnabled(!deviceOf_(n).isEmpty());
}

void frmFleet::cmdSaveSummary_Click() {
    if (summary_.empty()) return;
    const QString path = prompts_.saveFileName(
        {tr("Save Summary"), QString(), QStringLiteral("fleet.csv"), tr("CSV Files") + QStringLiteral(" (*.csv)"),
         QStringLiteral("csv")});
    if (path.isEmpty()) return;
    std::string csv = FormatCsvRecord({"Port", "Device", "Serial Number", "Model", "State", "Result", "Seconds"});
    for (const fleet::PortStatus& s : summary_)
        csv += FormatCsvRecord({s.port, s.device, s.serialNumber, s.model, fleet::StateName(s.state), s.result,
                                QString::number(s.seconds, 'f', 1).toStdString()});
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), csv, &error))
        prompts_.tell(tr("Cannot save the summary: ") + TrCoreText(error));
}

void frmFleet::closeEvent(QCloseEvent* event) {
    // Closing ends the job: every transfer stops within a tick.
    if (job_) {
        job_->stop();
        job_->wait(std::chrono::duration_cast<std::chrono::milliseconds>(kCloseWait));
        repaintRows();
    }
    event->accept();
}

}  // namespace vantrel
