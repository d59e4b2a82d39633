#include "report/widgets/ReportFromForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "codeplug/ByteMap.h"
#include "codeplug/Identity.h"

namespace vantrel::report {

namespace {

namespace bm = vantrel::bytemap;

// The text a control shows, whatever kind of text control it is.
std::string TextOf(const QWidget* w) {
    if (!w) return {};
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text().toStdString();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text().toStdString();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text().toStdString();
    return {};
}

std::string Text(const QWidget& form, const char* name) {
    return TextOf(form.findChild<QWidget*>(name));
}

bool Ticked(const QWidget& form, const char* name) {
    const auto* box = form.findChild<QAbstractButton*>(name);
    return box && box->isChecked();
}

int Position(const QWidget& form, const char* name) {
    const auto* list = form.findChild<QComboBox*>(name);
    return list ? list->currentIndex() : -1;
}

// Element i of a control array: the control of that name whose "index"
// property is i.
std::string ArrayText(const QWidget& form, const char* name, int i) {
    for (const QWidget* w : form.findChildren<QWidget*>(name))
        if (w->property("index").toInt() == i) return TextOf(w);
    return {};
}

}  // namespace

ReportContent ReportContentFromForm(const QWidget& form, const CodeplugImage& image) {
    ReportContent c;
    c.modelNumber = Text(form, "lblModel");
    c.powerSaveEnable = Ticked(form, "chkPowerSaveEnable");
    c.quickKey = Ticked(form, "chkQuickKey");
    c.talkbackScan = Ticked(form, "chkTalkbakScan");
    c.scanEnable = Ticked(form, "chkScanEnable");
    c.prioScanEnable = Ticked(form, "chkPrioScanEnable");
    c.totEnable = Ticked(form, "chkTotEnable");
    c.scanSpeedTime = Text(form, "txtScanSpeedTime");
    c.prioScanChNo = Text(form, "txtPrioScanChNo");
    c.scanDelayTime = Text(form, "txtScanDelayTime");
    c.lookBackTime = Text(form, "txtLookBackTime");
    c.totTime = Text(form, "txtTotTime");
    c.totPenaltyTime = Text(form, "txtTotPenaltyTime");
    for (int i = 0; i < 3; ++i) {
        c.tplRxFrequency[i] = ArrayText(form, "txtTPL_RxFrequency", i);
        c.tplTxFrequency[i] = ArrayText(form, "txtTPL_TxFrequency", i);
    }
    c.shortPress1 = Position(form, "cmbButton_S1");
    c.shortPress2 = Position(form, "cmbButton_S2");
    c.longPressCode1 = image.byte(bm::ButtonCodeL1);
    c.longPressCode2 = image.byte(bm::ButtonCodeL2);

    c.imageChannelCount = image.byte(bm::ChannelCount);
    c.editorChannelCount = ChannelCountFor(image.byte(bm::ModelIndex));
    if (const auto* grid = form.findChild<QAbstractItemView*>("fgChannel"); grid && grid->model()) {
        const QAbstractItemModel& m = *grid->model();
        for (int i = 0; i < kReportMaxChannels && i + 1 < m.rowCount(); ++i)
            for (int col = 1; col <= kGridTextColumns && col < m.columnCount(); ++col)
                c.grid[i][col - 1] = m.index(i + 1, col).data().toString().toStdString();
    }
    for (int i = 0; i < kReportMaxChannels; ++i) c.inScanList[i] = image.byte(bm::scanSlot(i + 1)) != 0;
    return c;
}

}  // namespace vantrel::report
