#include "link/widgets/PreWriteChecks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QVariant>

#include "channels/NumberText.h"
#include "channels/UserTplCodec.h"

namespace vantrel {

namespace {

Decimal ValueOf(const QString& text) { return LeadingNumber(text.toStdString()); }

bool SameValue(const Decimal& a, const Decimal& b) {
    return a.compare(b.scaledUnits(), Decimal::kScale) == 0;
}

QLineEdit* FindIndexedBox(QWidget* editor, const QString& name, int index) {
    if (auto* box = editor->findChild<QLineEdit*>(name + QStringLiteral("_%1").arg(index)))
        return box;
    const auto boxes = editor->findChildren<QLineEdit*>(name);
    for (QLineEdit* box : boxes)
        if (box->property("index").toInt() == index) return box;
    return nullptr;
}

const QString kPrioErrorText = QStringLiteral(
    "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ");

}  // namespace

PreWriteControls PreWriteControls::find(QWidget* editor) {
    PreWriteControls c;
    if (!editor) return c;
    for (int k = 0; k < 3; ++k) {
        c.tplRx[k] = FindIndexedBox(editor, QStringLiteral("txtTPL_RxFrequency"), k);
        c.tplTx[k] = FindIndexedBox(editor, QStringLiteral("txtTPL_TxFrequency"), k);
    }
    c.prioScanEnable = editor->findChild<QCheckBox*>(QStringLiteral("chkPrioScanEnable"));
    c.prioScanChNo = editor->findChild<QLineEdit*>(QStringLiteral("txtPrioScanChNo"));
    c.lstChannel = editor->findChild<QListWidget*>(QStringLiteral("LstChannel"));
    c.sstMain = editor->findChild<QTabWidget*>(QStringLiteral("sstMain"));
    return c;
}

bool CheckUserTplFrequencies(const PreWriteControls& c, Prompts& prompts) {
    for (int k = 0; k < 3; ++k) {
        for (QLineEdit* box : {c.tplRx[k], c.tplTx[k]}) {
            if (!box || ValueOf(box->text()).compare(kUserTplMinHz) >= 0) continue;
            prompts.tell(QStringLiteral("Invalid Frequency"));
            box->clear();
            return false;
        }
    }
    return true;
}

bool CheckPriorityChannel(const PreWriteControls& c, Prompts& prompts) {
    const Decimal p = ValueOf(c.prioScanChNo ? c.prioScanChNo->text() : QString());
    const int count = c.lstChannel ? c.lstChannel->count() : 0;
    for (int i = 0; i <= count; ++i) {
        const QString entry = i < count ? c.lstChannel->item(i)->text() : QString();
        if (!SameValue(p, ValueOf(entry))) continue;
        prompts.tell(kPrioErrorText);
        if (c.sstMain) c.sstMain->setCurrentIndex(0);
        return false;
    }
    return true;
}

bool PriorityScanEnabled(const PreWriteControls& c) {
    return c.prioScanEnable && c.prioScanEnable->isChecked();
}

}  // namespace vantrel
