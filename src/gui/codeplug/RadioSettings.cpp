#include "gui/codeplug/RadioSettings.h"

#include <QCheckBox>
#include <algorithm>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/channels/ScanListPanel.h"

namespace vantrel {

namespace {

struct FeatureBox {
    const char* name;
    const char* caption;
};

// In the order of the model's Feature.
const std::array<FeatureBox, 6> kFeatures = {{
    {"chkTalkbakScan", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "Talkback Scan Enable")},
    {"chkPowerSaveEnable", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "Battery Save Mode Enable")},
    {"chkTotEnable", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "TOT Enable")},
    {"chkPrioScanEnable", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "Priority Scan Enable")},
    {"chkScanEnable", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "Normal Scan Enable")},
    {"chkQuickKey", QT_TRANSLATE_NOOP("vantrel::RadioSettings", "Quick Key Override Enable")},
}};
enum { fTalkback, fBattery, fTot, fPrio, fScan, fQuick };

}  // namespace

RadioSettings::RadioSettings(EditorContext& ctx, ScanListPanel& scan, QWidget* parent)
    : QObject(parent), ctx_(ctx), scan_(scan) {
    fraScan_ = new QGroupBox(tr("Scan"), parent);
    fraScan_->setObjectName("fraScan");
    fraTot_ = new QGroupBox(tr("Time Out Timer"), parent);
    fraTot_->setObjectName("fraTot");
    features_ = new QWidget(parent);

    for (std::size_t i = 0; i < kFeatures.size(); ++i) {
        auto* box = new QCheckBox(tr(kFeatures[i].caption), parent);
        box->setObjectName(QString::fromLatin1(kFeatures[i].name));
        box->installEventFilter(this);
        checks_[i] = box;
    }
    for (std::size_t i = 0; i < timing_.size(); ++i)
        timing_[i] = new TimingControl(ctx_, static_cast<int>(i), parent);
    lblPrioScanChNo_ = new QLabel(tr(" Prio. Scan Ch. No."), parent);
    lblPrioScanChNo_->setObjectName("lblPrioScanChNo");

    auto addField = [](QGridLayout* g, int row, TimingControl* t) {
        g->addWidget(t->label(), row, 0);
        g->addWidget(t->text(), row, 1);
        g->addWidget(t->upDown(), row, 2);
    };
    auto* gs = new QGridLayout(fraScan_);
    gs->addWidget(checks_[fScan], 0, 0, 1, 3);
    gs->addWidget(checks_[fPrio], 1, 0, 1, 3);
    addField(gs, 2, timing_[kScanSpeed]);
    addField(gs, 3, timing_[kScanDelay]);
    addField(gs, 4, timing_[kLookBack]);
    auto* gt = new QGridLayout(fraTot_);
    gt->addWidget(checks_[fTot], 0, 0, 1, 3);
    addField(gt, 1, timing_[kTot]);
    addField(gt, 2, timing_[kTotPenalty]);
    auto* vf = new QVBoxLayout(features_);
    vf->addWidget(checks_[fBattery]);
    vf->addWidget(checks_[fQuick]);
    vf->addWidget(checks_[fTalkback]);

    for (std::size_t i = 0; i < checks_.size(); ++i) {
        connect(checks_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (i == fScan) scanClicked(on);
            else if (i == fPrio) prioScanClicked(on);
            else if (i == fTot) setTotControls(on);
            // The model stores the switch and runs what it sets off; the
            // boxes then show what it holds.
            ctx_.forward([i, on](EditingModel& m) { return m.SetFeature(static_cast<Feature>(i), on); },
                         Gesture(Section::Features));
        });
    }
}

QCheckBox* RadioSettings::check(const char* name) const {
    for (std::size_t i = 0; i < kFeatures.size(); ++i)
        if (qstrcmp(kFeatures[i].name, name) == 0) return checks_[i];
    return nullptr;
}

void RadioSettings::setScanTimes(bool on) {
    timing_[kScanSpeed]->setEnabled(on);
    timing_[kScanDelay]->setEnabled(on);
}

void RadioSettings::setPriorityControls(bool on) {
    lblPrioScanChNo_->setEnabled(on);
    scan_.priorityBox()->setEnabled(on);
    scan_.priorityUpDown()->setEnabled(on);
    timing_[kLookBack]->setEnabled(on);
}

void RadioSettings::setTotControls(bool on) {
    timing_[kTot]->setEnabled(on);
    timing_[kTotPenalty]->setEnabled(on);
}

void RadioSettings::scanClicked(bool on) {
    setScanTimes(on);
    if (on) {
        checks_[fPrio]->setEnabled(false);
        scan_.priorityUpDown()->setEnabled(false);
        timing_[kLookBack]->upDown()->setEnabled(false);
    } else {
        checks_[fPrio]->setEnabled(true);
    }
}

void RadioSettings::prioScanClicked(bool on) {
    if (!on) {
        setPriorityControls(false);
        setScanTimes(false);
        checks_[fScan]->setEnabled(true);
        return;
    }
    setPriorityControls(true);
    checks_[fScan]->setEnabled(false);
    setScanTimes(true);
}

void RadioSettings::lock() {
    for (std::size_t i = 0; i < checks_.size(); ++i) checks_[i]->setEnabled(false);
    for (TimingControl* t : timing_) t->setEnabled(false);
    lblPrioScanChNo_->setEnabled(false);
}

void RadioSettings::unlock() {
    for (QCheckBox* c : checks_) c->setEnabled(true);
    const bool scan = checks_[fScan]->isChecked();
    const bool prio = checks_[fPrio]->isChecked();
    if (scan) checks_[fPrio]->setEnabled(false);
    if (prio) checks_[fScan]->setEnabled(false);
    setScanTimes(scan || prio);
    setPriorityControls(prio);
    setTotControls(checks_[fTot]->isChecked());
}

bool RadioSettings::eventFilter(QObject* watched, QEvent* e) {
    auto* box = qobject_cast<QCheckBox*>(watched);
    if (box && e->type() == QEvent::MouseButtonPress) ctx_.touch();
    if (box && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ctx_.touch();
            box->setChecked(!box->isChecked());
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
