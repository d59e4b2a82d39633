#pragma once
// Radio-wide settings of the first tab: the scan frame `fraScan`, the
// time-out frame `fraTot`, the three feature switches and the five timing
// fields.
#include <QObject>
#include <array>
#include <functional>

#include "gui/codeplug/EditorContext.h"
#include "gui/codeplug/TimingControl.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace vantrel {

class ScanListPanel;

class RadioSettings : public QObject {
    Q_OBJECT
public:
    RadioSettings(EditorContext& ctx, ScanListPanel& scan, QWidget* parent);

    QGroupBox* scanFrame() const { return fraScan_; }
    QLabel* priorityLabel() const { return lblPrioScanChNo_; }
    QGroupBox* totFrame() const { return fraTot_; }
    QWidget* featureBox() const { return features_; }
    QCheckBox* check(const char* name) const;
    // The six feature boxes in the order of the model's Feature.
    QCheckBox* featureAt(std::size_t i) const { return checks_[i]; }
    TimingControl& timing(int index) const { return *timing_[static_cast<std::size_t>(index)]; }


    // LockEditor / UnlockEditor's part.
    void lock();
    void unlock();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void scanClicked(bool on);
    void prioScanClicked(bool on);
    void setScanTimes(bool on);      // speed and hang time
    void setPriorityControls(bool on);  // priority channel and scan interval
    void setTotControls(bool on);

    EditorContext& ctx_;
    ScanListPanel& scan_;
    QGroupBox* fraScan_;
    QGroupBox* fraTot_;
    QWidget* features_;
    QLabel* lblPrioScanChNo_;
    std::array<TimingControl*, 5> timing_{};
    std::array<QCheckBox*, 6> checks_{};
};

}  // namespace vantrel
