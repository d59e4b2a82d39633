#include "gui/codeplug/StatusHelp.h"

#include <QEvent>
#include <QWidget>
#include <vector>

namespace vantrel {

const std::vector<StatusHelpEntry>& statusHelpTable() {
    static const std::vector<StatusHelpEntry> table = {
        {"Frame1", "Scan List"},
        {"Label21", "Scan List"},
        {"Frame2", "User Defined TPL "},
        {"Frame3", "Programmable Button Selection"},
        {"fraScan", "Scan Type Selection"},
        {"fraTot", "Time Out Timer (TOT) Selection"},
        {"Label1", "Channel"},
        {"Label10", "Input Password 8 Characters"},
        {"lblPassWord", "Input Password 8 Characters"},
        {"txtPassword", "Input Password 8 Characters"},
        {"Label18", "Codeplug Version (Read Only)"},
        {"lblCodeplug", "Codeplug Version (Read Only)"},
        {"Label2", "Programmable Button 1 Short Press"},
        {"Label3", "Programmable Button 1 Long Press"},
        {"Label4", "Programmable Button 2 Short Press"},
        {"Label5", "Programmable Button 2 Long Press"},
        {"lblFirmware", "Firmware Version (Read Only)"},
        {"lblVersion", "Firmware Version (Read Only)"},
        {"lblFreqRange", "Frequency Range [MHz] (Read Only)"},
        {"lblfrequency_range", "Frequency Range [MHz] (Read Only)"},
        {"lblModel", "Model Number (Read Only)"},
        {"lblModel_Num", "Model Number (Read Only)"},
        {"lblSerial", "Serial Number (Read Only)"},
        {"lblSerial_Num", "Serial Number (Read Only)"},
        {"txtSerial", "Serial Number (Read Only)"},
        {"lblSuper", "Input Regional Super Velmar Number 16 Characters"},
        {"txtSuper", "Input Regional Super Velmar Number 16 Characters"},
        {"lblLookBackTime", "Scan Interval Time (msec)"},
        {"lblPrioScanChNo", "Prio. Scan Ch. No."},
        {"lblScanDelayTime", "Scan Hang Time (msec)"},
        {"lblScanSpeedTime", "Scan Speed (msec)"},
        {"lblTotPenaltyTime", "TOT Warning Time (sec)"},
        {"lblTotTime", "TX Time Out Time (sec)"},
        {"lblTPL1", "TPL1 (Hz)"},
        {"lblTPL2", "TPL2 (Hz)"},
        {"lblTPL3", "TPL3 (Hz)"},
        {"LstChannel", "Channel List"},
        {"LstScan", "Scan List Channel"},
        {"CmdAdd", "Scan List Add Button"},
        {"CmdRemove", "Scan List Remove Button"},
        {"chkPowerSaveEnable", "Battery Save Mode Enable Option"},
        {"chkPrioScanEnable", "Priority Scan Enable Option"},
        {"chkQuickKey", "Quick Key Override Enable Option"},
        {"chkScanEnable", "Normal Scan Enable Option"},
        {"chkTotEnable", "TOT (Time Out Timer) Enable Option"},
        {"chkTalkbakScan", "Talkback Scan Enable Option "},
        {"txtLookBackTime", "Scan Interval Time : 250 to 5000msec"},
        {"udLookBackTime", "Scan Interval Time : 250 to 5000msec"},
        {"txtScanDelayTime", "Scan Hang Time : 500 to 9500msec"},
        {"udScanDelayTime", "Scan Hang Time : 500 to 9500msec"},
        {"txtScanSpeedTime", "Scan Speed Time : 50 to 500msec"},
        {"udScanSpeedTime", "Scan Speed Time : 50 to 500msec"},
        {"txtTotPenaltyTime", "TOT Warning Time : 1 to 10sec"},
        {"udTotPenaltyTime", "TOT Warning Time : 1 to 10sec"},
        {"txtTotTime", "TX Time Out Time : 10 to 600sec"},
        {"udTotTime", "TX Time Out Time : 10 to 600sec"},
        {"txtTPL_RxFrequency", "TPL Frequency : 67 to 255Hz"},
        {"txtTPL_TxFrequency", "TPL Frequency : 67 to 255Hz"},
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
        const QString text = QString::fromLatin1(entry.text);
        for (QWidget* w : form->findChildren<QWidget*>(QString::fromLatin1(entry.control)))
            attach(w, setText, [text] { return text; });
    }
    for (const char* name : {"txtPrioScanChNo", "udPrioScanChNo"})
        for (QWidget* w : form->findChildren<QWidget*>(QString::fromLatin1(name)))
            attach(w, setText, priorityText);
}

}  // namespace vantrel
