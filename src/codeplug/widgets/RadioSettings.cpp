#include "codeplug/widgets/RadioSettings.h"

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

#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ScanListPanel.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

struct FeatureBit {
    const char* name;
    const char* caption;
    bm::optionbit::Field bits;
};

// In the order ShowFeatureOptions sets them.
const std::array<FeatureBit, 6> kFeatures = {{
    {"chkTalkbakScan", "Talkback Scan Enable", bm::optionbit::TalkbackScan},
    {"chkPowerSaveEnable", "Battery Save Mode Enable", bm::optionbit::BatterySave},
    {"chkTotEnable", "TOT Enable", bm::optionbit::Tot},
    {"chkPrioScanEnable", "Priority Scan Enable", bm::optionbit::PriorityScan},
    {"chkScanEnable", "Normal Scan Enable", bm::optionbit::NormalScan},
    {"chkQuickKey", "Quick Key Override Enable", bm::optionbit::QuickKey},
}};
enum { fTalkback, fBattery, fTot, fPrio, fScan, fQuick };

// The box's own check centres "Error!" with two blanks more than the others.
const QString kPrioErrorText = QString::fromStdString(modeltext::PriorityNotInScanList(25));

}  // namespace

RadioSettings::RadioSettings(EditorContext& ctx, ChannelGrid& grid, ScanListPanel& scan,
                             std::function<bool()> tplFilled, QWidget* parent)
    : QObject(parent), ctx_(ctx), grid_(grid), scan_(scan) {
    fraScan_ = new QGroupBox("Scan", parent);
    fraScan_->setObjectName("fraScan");
    fraTot_ = new QGroupBox("Time Out Timer", parent);
    fraTot_->setObjectName("fraTot");
    features_ = new QWidget(parent);

    for (std::size_t i = 0; i < kFeatures.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(kFeatures[i].caption), parent);
        box->setObjectName(QString::fromLatin1(kFeatures[i].name));
        box->installEventFilter(this);
        checks_[i] = box;
    }
    for (std::size_t i = 0; i < timing_.size(); ++i)
        timing_[i] = new TimingControl(ctx_, kTimingFields[i], tplFilled, parent);
    lblPrioScanChNo_ = new QLabel(" Prio. Scan Ch. No.", parent);
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
        QCheckBox* box = checks_[i];
        connect(box, &QCheckBox::toggled, this, [this, i, box](bool on) {
            if (i == fScan) scanClicked(on);
            else if (i == fPrio) prioScanClicked(on);
            else if (i == fTot) totClicked(on);
            else featureClicked(box, on);
        });
    }
}

QCheckBox* RadioSettings::check(const char* name) const {
    for (std::size_t i = 0; i < kFeatures.size(); ++i)
        if (qstrcmp(kFeatures[i].name, name) == 0) return checks_[i];
    return nullptr;
}

void RadioSettings::featureClicked(QCheckBox* box, bool on) {
    const auto i = static_cast<std::size_t>(std::find(checks_.begin(), checks_.end(), box) - checks_.begin());
    auto& image = ctx_.state.image;
    const unsigned mask = kFeatures[i].bits.mask;
    const unsigned v = image.byte(bm::OptionFlags);
    image.setByte(bm::OptionFlags, static_cast<std::uint8_t>(on ? (v | mask) : (v & ~mask)));
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
    featureClicked(checks_[fScan], on);
}

bool RadioSettings::priorityChannelEmpty() const {
    bool ok = false;
    const int v = scan_.priorityBox()->text().trimmed().toInt(&ok);
    if (!ok) return false;
    const QListWidget* list = scan_.channelList();
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().toInt() != v) continue;
        return grid_.cellText(v, 1).isEmpty() || grid_.cellText(v, 5).isEmpty();
    }
    return false;
}

void RadioSettings::prioScanClicked(bool on) {
    if (!on) {
        setPriorityControls(false);
        setScanTimes(false);
        checks_[fScan]->setEnabled(true);
        featureClicked(checks_[fPrio], false);
        return;
    }
    setPriorityControls(true);
    checks_[fScan]->setEnabled(false);
    setScanTimes(true);
    checks_[fScan]->setChecked(false);
    featureClicked(checks_[fPrio], true);
    if (!ctx_.state.loadingImage && priorityChannelEmpty()) {
        ctx_.prompts.tell(kPrioErrorText);
        ctx_.state.prioChannelError = true;
        return;
    }
    scan_.priorityChanged();
}

void RadioSettings::totClicked(bool on) {
    setTotControls(on);
    featureClicked(checks_[fTot], on);
}

void RadioSettings::ShowFeatureOptions() {
    const auto& image = ctx_.state.image;
    for (std::size_t i = 0; i < kFeatures.size(); ++i)
        checks_[i]->setChecked(image.bit(bm::OptionFlags, kFeatures[i].bits.readBit));
    setTotControls(checks_[fTot]->isChecked());
    if (checks_[fPrio]->isChecked()) {
        checks_[fScan]->setEnabled(false);
        setPriorityControls(true);
    } else {
        setPriorityControls(false);
    }
    if (checks_[fScan]->isChecked()) {
        checks_[fPrio]->setEnabled(false);
        setScanTimes(true);
    }
}

void RadioSettings::ResetTimeOptions() { vantrel::ResetTimeOptions(ctx_.state.image); }

void RadioSettings::LoadTimeOptions() {
    for (TimingControl* t : timing_) {
        if (t->load()) continue;
        ctx_.prompts.tell("Time Option value is Invalid");
        ResetTimeOptions();
        // Every field shows what the image now holds, so display and bytes agree.
        for (TimingControl* r : timing_) r->load();
        return;
    }
}

void RadioSettings::ShowTimeOptions() {
    for (TimingControl* t : timing_) t->showText();
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
    if (box && e->type() == QEvent::MouseButtonPress) ctx_.state.dataChanged = true;
    if (box && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ctx_.state.dataChanged = true;
            box->setChecked(!box->isChecked());
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace vantrel
