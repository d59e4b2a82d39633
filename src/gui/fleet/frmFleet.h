#pragma once
// `frmFleet`, "Program Several Radios": a row for each of Com1..Com8 with the
// device behind it (rows with a device start ticked), the radio's serial
// number and model once read, a progress bar, the status text and the time.
// Start takes the editor's data once through `prepare` (the Write command's
// checks and preparation) and writes it to every ticked port at once, with
// Verify as an option; Stop ends every transfer. At the end the summary can
// be saved as CSV.
//
// The job runs in threads of its own: the window, and the editor behind it,
// stay usable while it runs. Rows are repainted from the job's statuses on a
// short timer.
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "fleet/FleetJob.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vantrel {

class Prompts;

class frmFleet : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPorts = 8;

    struct Row {
        QCheckBox* chkPort;
        QLabel* lblDevice;
        QLabel* lblSerial;
        QLabel* lblModel;
        QProgressBar* pgrPort;
        QLabel* lblStatus;
        QLabel* lblTime;
    };

    // deviceOf(n): the device behind Com n, empty when none. prepare(): the
    // editor's checks and preparation, run once per Start; nothing when the
    // write is refused (the checks have told the user why).
    frmFleet(Prompts& prompts, std::function<QString(int)> deviceOf,
             std::function<std::optional<fleet::FleetWrite>()> prepare, QWidget* parent = nullptr);
    ~frmFleet() override;

    const Row& row(int port) const { return rows_[static_cast<std::size_t>(port - 1)]; }
    QCheckBox* chkVerify() const { return chkVerify_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QPushButton* cmdStart() const { return cmdStart_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QPushButton* cmdSaveSummary() const { return cmdSaveSummary_; }
    QLabel* lblSummary() const { return lblSummary_; }
    bool running() const { return job_ && !job_->finished(); }

    // Looks again at the device behind each port and ticks the rows with one.
    void refreshDevices();
    // Told of every transfer of the jobs started from here (the archive).
    void setObserver(fleet::FleetObserver* observer) { observer_ = observer; }
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdSaveSummary_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void repaintRows();

    Prompts& prompts_;
    std::function<QString(int)> deviceOf_;
    std::function<std::optional<fleet::FleetWrite>()> prepare_;
    std::array<Row, kPorts> rows_{};
    QCheckBox* chkVerify_;
    QLineEdit* txtPassword_;
    QPushButton* cmdStart_;
    QPushButton* cmdStop_;
    QPushButton* cmdSaveSummary_;
    QLabel* lblSummary_;
    QTimer refresh_;
    fleet::FleetObserver* observer_ = nullptr;
    std::unique_ptr<fleet::FleetJob> job_;
    std::vector<int> jobPorts_;  // the Com number of each port of the job
    std::vector<fleet::PortStatus> summary_;
};

}  // namespace vantrel
