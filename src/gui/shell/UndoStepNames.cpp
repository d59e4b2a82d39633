#include "gui/shell/UndoStepNames.h"

#include <QCheckBox>
#include <QObject>
#include <utility>

#include "codeplug/TimeOptions.h"

namespace vantrel {

namespace {

// Controls by name, with the setting they edit.
const std::pair<const char*, const char*> kControls[] = {
    {"fgChannel", "Channel Edit"},
    {"txtChannelInput", "Channel Edit"},
    {"frmChannelToneOption", "PL Option"},
    {"LstChannel", "Scan List"},
    {"LstScan", "Scan List"},
    {"CmdAdd", "Scan List"},
    {"CmdRemove", "Scan List"},
    {"txtPrioScanChNo", "Prio. Scan Ch. No."},
    {"udPrioScanChNo", "Prio. Scan Ch. No."},
    {"txtTPL_RxFrequency", "User TPL Frequency"},
    {"txtTPL_TxFrequency", "User TPL Frequency"},
    {"txtPassword", "Password"},
    {"txtSerial", "Serial Number"},
    {"txtSuper", "Super Number"},
    {"cmbButton_S1", "Button 1 Short Press"},
    {"cmbButton_L1", "Button 1 Long Press"},
    {"cmbButton_S2", "Button 2 Short Press"},
    {"cmbButton_L2", "Button 2 Long Press"},
};

const std::pair<LoadKind, const char*> kLoads[] = {
    {LoadKind::Read, "Read"},
    {LoadKind::FileOpen, "Open"},
    {LoadKind::CommandLine, "Open"},
    {LoadKind::SuperNumber, "Super Number"},
};

// A timing field's caption without its unit: " Scan Speed (msec)" is
// "Scan Speed".
QString timingName(const QString& objectName) {
    for (const TimingField& f : kTimingFields)
        if (objectName == QLatin1String(f.textBox) || objectName == QLatin1String(f.upDown)) {
            const QString caption = QString::fromLatin1(f.caption);
            return caption.left(caption.indexOf(QLatin1String(" ("))).trimmed();
        }
    return {};
}

QString ownName(const QObject* o) {
    const QString name = o->objectName();
    for (const auto& [control, step] : kControls)
        if (name == QLatin1String(control)) return QString::fromLatin1(step);
    if (QString timing = timingName(name); !timing.isEmpty()) return timing;
    // The feature boxes are named by their captions.
    if (const auto* box = qobject_cast<const QCheckBox*>(o)) return box->text().remove(QLatin1Char('&')).trimmed();
    return {};
}

}  // namespace

QString StepNameOfControl(const QObject* control) {
    for (const QObject* o = control; o; o = o->parent())
        if (QString name = ownName(o); !name.isEmpty()) return name;
    return {};
}

QString StepNameOfLoad(LoadKind kind) {
    for (const auto& [k, step] : kLoads)
        if (k == kind) return QString::fromLatin1(step);
    return {};
}

}  // namespace vantrel
