#include "gui/shell/UndoStepNames.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QObject>
#include <utility>

#include "codeplug/TimeOptions.h"
#include "gui/common/CoreTexts.h"

namespace vantrel {

namespace {

// Controls by name, with the setting they edit.
const std::pair<const char*, const char*> kControls[] = {
    {"fgChannel", QT_TRANSLATE_NOOP("UndoStepNames", "Channel Edit")},
    {"txtChannelInput", QT_TRANSLATE_NOOP("UndoStepNames", "Channel Edit")},
    {"frmChannelToneOption", QT_TRANSLATE_NOOP("UndoStepNames", "PL Option")},
    {"LstChannel", QT_TRANSLATE_NOOP("UndoStepNames", "Scan List")},
    {"LstScan", QT_TRANSLATE_NOOP("UndoStepNames", "Scan List")},
    {"CmdAdd", QT_TRANSLATE_NOOP("UndoStepNames", "Scan List")},
    {"CmdRemove", QT_TRANSLATE_NOOP("UndoStepNames", "Scan List")},
    {"txtPrioScanChNo", QT_TRANSLATE_NOOP("UndoStepNames", "Prio. Scan Ch. No.")},
    {"udPrioScanChNo", QT_TRANSLATE_NOOP("UndoStepNames", "Prio. Scan Ch. No.")},
    {"txtTPL_RxFrequency", QT_TRANSLATE_NOOP("UndoStepNames", "User TPL Frequency")},
    {"txtTPL_TxFrequency", QT_TRANSLATE_NOOP("UndoStepNames", "User TPL Frequency")},
    {"txtPassword", QT_TRANSLATE_NOOP("UndoStepNames", "Password")},
    {"txtSerial", QT_TRANSLATE_NOOP("UndoStepNames", "Serial Number")},
    {"txtSuper", QT_TRANSLATE_NOOP("UndoStepNames", "Super Number")},
    {"cmbButton_S1", QT_TRANSLATE_NOOP("UndoStepNames", "Button 1 Short Press")},
    {"cmbButton_L1", QT_TRANSLATE_NOOP("UndoStepNames", "Button 1 Long Press")},
    {"cmbButton_S2", QT_TRANSLATE_NOOP("UndoStepNames", "Button 2 Short Press")},
    {"cmbButton_L2", QT_TRANSLATE_NOOP("UndoStepNames", "Button 2 Long Press")},
};

const std::pair<LoadKind, const char*> kLoads[] = {
    {LoadKind::Read, QT_TRANSLATE_NOOP("UndoStepNames", "Read")},
    {LoadKind::FileOpen, QT_TRANSLATE_NOOP("UndoStepNames", "Open")},
    {LoadKind::CommandLine, QT_TRANSLATE_NOOP("UndoStepNames", "Open")},
    {LoadKind::SuperNumber, QT_TRANSLATE_NOOP("UndoStepNames", "Super Number")},
};

// A timing field's caption without its unit: " Scan Speed (msec)" is
// "Scan Speed".
QString timingName(const QString& objectName) {
    for (const TimingField& f : kTimingFields)
        if (objectName == QLatin1String(f.textBox) || objectName == QLatin1String(f.upDown)) {
            const QString caption = QString::fromLatin1(f.caption);
            return TrCoreText(caption.left(caption.indexOf(QLatin1String(" ("))).trimmed());
        }
    return {};
}

QString ownName(const QObject* o) {
    const QString name = o->objectName();
    for (const auto& [control, step] : kControls)
        if (name == QLatin1String(control)) return QCoreApplication::translate("UndoStepNames", step);
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
        if (k == kind) return QCoreApplication::translate("UndoStepNames", step);
    return {};
}

}  // namespace vantrel
