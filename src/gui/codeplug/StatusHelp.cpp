#include "gui/codeplug/StatusHelp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <vector>

namespace vantrel {

const std::vector<StatusHelpEntry>& statusHelpTable() {
    static const std::vector<StatusHelpEntry> table = {
        {"Frame1", QT_TRANSLATE_NOOP("StatusHelp", "Scan List")},
        {"Label21", QT_TRANSLATE_NOOP("StatusHelp", "Scan List")},
        {"Frame2", QT_TRANSLATE_NOOP("StatusHelp", "User Defined TPL ")},
        {"Frame3", QT_TRANSLATE_NOOP("StatusHelp", "Programmable Button Selection")},
        {"fraScan", QT_TRANSLATE_NOOP("StatusHelp", "Scan Type Selection")},
        {"fraTot", QT_TRANSLATE_NOOP("StatusHelp", "Time Out Timer (TOT) Selection")},
        {"Label1", QT_TRANSLATE_NOOP("StatusHelp", "Channel")},
        {"Label10", QT_TRANSLATE_NOOP("StatusHelp", "Input Password 8 Characters")},
        {"lblPassWord", QT_TRANSLATE_NOOP("StatusHelp", "Input Password 8 Characters")},
        {"txtPassword", QT_TRANSLATE_NOOP("StatusHelp", "Input Password 8 Characters")},
        {"Label18", QT_TRANSLATE_NOOP("StatusHelp", "Codeplug Version (Read Only)")},
        {"lblCodeplug", QT_TRANSLATE_NOOP("StatusHelp", "Codeplug Version (Read Only)")},
        {"Label2", QT_TRANSLATE_NOOP("StatusHelp", "Programmable Button 1 Short Press")},
        {"Label3", QT_TRANSLATE_NOOP("StatusHelp", "Programmable Button 1 Long Press")},
        {"Label4", QT_TRANSLATE_NOOP("StatusHelp", "Programmable Button 2 Short Press")},
        {"Label5", QT_TRANSLATE_NOOP("StatusHelp", "Programmable Button 2 Long Press")},
        {"lblFirmware", QT_TRANSLATE_NOOP("StatusHelp", "Firmware Version (Read Only)")},
        {"lblVersion", QT_TRANSLATE_NOOP("StatusHelp", "Firmware Version (Read Only)")},
        {"lblFreqRange", QT_TRANSLATE_NOOP("StatusHelp", "Frequency Range [MHz] (Read Only)")},
        {"lblfrequency_range", QT_TRANSLATE_NOOP("StatusHelp", "Frequency Range [MHz] (Read Only)")},
        {"lblModel", QT_TRANSLATE_NOOP("StatusHelp", "Model Number (Read Only)")},
        {"lblModel_Num", QT_TRANSLATE_NOOP("StatusHelp", "Model Number (Read Only)")},
        {"lblSerial", QT_TRANSLATE_NOOP("StatusHelp", "Serial Number (Read Only)")},
        {"lblSerial_Num", QT_TRANSLATE_NOOP("StatusHelp", "Serial Number (Read Only)")},
        {"txtSerial", QT_TRANSLATE_NOOP("StatusHelp", "Serial Number (Read Only)")},
        {"lblSuper", QT_TRANSLATE_NOOP("StatusHelp", "Input Regional Super Velmar Number 16 Characters")},
        {"txtSuper", QT_TRANSLATE_NOOP("StatusHelp", "Input Regional Super Velmar Number 16 Characters")},
        {"lblLookBackTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Interval Time (msec)")},
        {"lblPrioScanChNo", QT_TRANSLATE_NOOP("StatusHelp", "Prio. Scan Ch. No.")},
        {"lblScanDelayTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Hang Time (msec)")},
        {"lblScanSpeedTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Speed (msec)")},
        {"lblTotPenaltyTime", QT_TRANSLATE_NOOP("StatusHelp", "TOT Warning Time (sec)")},
        {"lblTotTime", QT_TRANSLATE_NOOP("StatusHelp", "TX Time Out Time (sec)")},
        {"lblTPL1", QT_TRANSLATE_NOOP("StatusHelp", "TPL1 (Hz)")},
        {"lblTPL2", QT_TRANSLATE_NOOP("StatusHelp", "TPL2 (Hz)")},
        {"lblTPL3", QT_TRANSLATE_NOOP("StatusHelp", "TPL3 (Hz)")},
        {"LstChannel", QT_TRANSLATE_NOOP("StatusHelp", "Channel List")},
        {"LstScan", QT_TRANSLATE_NOOP("StatusHelp", "Scan List Channel")},
        {"CmdAdd", QT_TRANSLATE_NOOP("StatusHelp", "Scan List Add Button")},
        {"CmdRemove", QT_TRANSLATE_NOOP("StatusHelp", "Scan List Remove Button")},
        {"chkPowerSaveEnable", QT_TRANSLATE_NOOP("StatusHelp", "Battery Save Mode Enable Option")},
        {"chkPrioScanEnable", QT_TRANSLATE_NOOP("StatusHelp", "Priority Scan Enable Option")},
        {"chkQuickKey", QT_TRANSLATE_NOOP("StatusHelp", "Quick Key Override Enable Option")},
        {"chkScanEnable", QT_TRANSLATE_NOOP("StatusHelp", "Normal Scan Enable Option")},
        {"chkTotEnable", QT_TRANSLATE_NOOP("StatusHelp", "TOT (Time Out Timer) Enable Option")},
        {"chkTalkbakScan", QT_TRANSLATE_NOOP("StatusHelp", "Talkback Scan Enable Option ")},
        {"txtLookBackTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Interval Time : 250 to 5000msec")},
        {"udLookBackTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Interval Time : 250 to 5000msec")},
        {"txtScanDelayTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Hang Time : 500 to 9500msec")},
        {"udScanDelayTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Hang Time : 500 to 9500msec")},
        {"txtScanSpeedTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Speed Time : 50 to 500msec")},
        {"udScanSpeedTime", QT_TRANSLATE_NOOP("StatusHelp", "Scan Speed Time : 50 to 500msec")},
        {"txtTotPenaltyTime", QT_TRANSLATE_NOOP("StatusHelp", "TOT Warning Time : 1 to 10sec")},
        {"udTotPenaltyTime", QT_TRANSLATE_NOOP("StatusHelp", "TOT Warning Time : 1 to 10sec")},
        {"txtTotTime", QT_TRANSLATE_NOOP("StatusHelp", "TX Time Out Time : 10 to 600sec")},
        {"udTotTime", QT_TRANSLATE_NOOP("StatusHelp", "TX Time Out Time : 10 to 600sec")},
        {"txtTPL_RxFrequency", QT_TRANSLATE_NOOP("StatusHelp", "TPL Frequency : 67 to 255Hz")},
        {"txtTPL_TxFrequency", QT_TRANSLATE_NOOP("StatusHelp", "TPL Frequency : 67 to 255Hz")},
    };
    return table;
}

namespace {

class HoverHelp : public QObject {
public:
    HoverHelp(QObject* parent, std::function<void(const QString&)> setText,
              std::function<QString()> text)
        : QObject(parent), setText_(std::move(setText)), text_(std::move(text)) {}
    QString text() const { return text_(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove ||
            e->type() == QEvent::HoverMove)
            setText_(text_());
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void(const QString&)> setText_;
    std::function<QString()> text_;
};

void attach(QWidget* w, const std::function<void(const QString&)>& setText,
            std::function<QString()> text) {
    auto* filter = new HoverHelp(w, setText, std::move(text));
    w->setMouseTracking(true);
    w->installEventFilter(filter);
    // Children such as a spin box's line edit take the mouse themselves.
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->objectName().isEmpty()) child->installEventFilter(filter);
}

}  // namespace

QString statusHelpText(const QWidget& w) {
    for (QObject* child : w.children())
        if (auto* help = dynamic_cast<HoverHelp*>(child)) return help->text();
    return {};
}

void installStatusHelp(QWidget* form, std::function<void(const QString&)> setText,
                       std::function<QString()> priorityText) {
    for (const auto& entry : statusHelpTable()) {
        const QString text = QCoreApplication::translate("StatusHelp", entry.text);
        for (QWidget* w : form->findChildren<QWidget*>(QString::fromLatin1(entry.control)))
            attach(w, setText, [text] { return text; });
    }
    for (const char* name : {"txtPrioScanChNo", "udPrioScanChNo"})
        for (QWidget* w : form->findChildren<QWidget*>(QString::fromLatin1(name)))
            attach(w, setText, priorityText);
}

}  // namespace vantrel
