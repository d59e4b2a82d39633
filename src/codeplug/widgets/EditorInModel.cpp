#include "codeplug/widgets/EditorInModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ChannelsInModel.h"
#include "channels/widgets/ScanListPanel.h"
#include "codeplug/widgets/ButtonFrame.h"
#include "codeplug/widgets/RadioInfoFrame.h"
#include "codeplug/widgets/RadioSettings.h"
#include "codeplug/widgets/TimingControl.h"
#include "codeplug/widgets/UserTplFrame.h"
#include "codeplug/widgets/frmMain.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {

// Whether the widget itself takes input; a dialog that disables the whole
// main window for a while does not count.
bool ownEnable(const QWidget* w) { return w->isEnabledTo(w->parentWidget()); }

std::string text(const QLineEdit* box) { return box->text().toStdString(); }
std::string text(const QLabel* label) { return label->text().toStdString(); }

// Only what differs is set: setting a box's text moves its cursor and
// forgets its own undo.
void setQuietly(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    const QSignalBlocker block(box);
    box->setText(text);
}

void setQuietly(QLineEdit* box, const std::string& s) { setQuietly(box, QString::fromStdString(s)); }

void setLabel(QLabel* label, const std::string& s) {
    const QString text = QString::fromStdString(s);
    if (label->text() != text) label->setText(text);
}

std::vector<std::string> items(const QComboBox* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->itemText(i).toStdString());
    return out;
}

}  // namespace

void takeEditor(EditingModel& model, const frmMain& editor) {
    takeFromEditor(model, *editor.grid(), *editor.scanList());
    EditingCopies& e = model.copies();
    const UserTplFrame& tpl = *editor.userTpl();
    for (std::size_t i = 0; i < 3; ++i) {
        e.tpl.rx[i] = text(tpl.box(false, static_cast<int>(i)));
        e.tpl.tx[i] = text(tpl.box(true, static_cast<int>(i)));
    }
    const RadioInfoFrame& info = *editor.radioInfo();
    e.password = text(info.passwordBox());
    // The factory fields hold one byte per character, as the image does.
    e.serial = info.serialBox()->text().toLatin1().toStdString();
    e.superNumber = info.superBox()->text().toLatin1().toStdString();
    e.passwordEnabled = ownEnable(info.passwordBox());
    e.serialEnabled = ownEnable(info.serialBox());
    e.superEnabled = ownEnable(info.superBox());
    e.modelLabel = text(info.modelLabel());
    e.rangeLabel = text(info.rangeLabel());
    e.firmwareLabel = text(info.firmwareLabel());
    e.codeplugLabel = text(info.codeplugLabel());

    const RadioSettings& settings = *editor.settings();
    for (std::size_t i = 0; i < e.features.size(); ++i) e.features[i] = settings.featureAt(i)->isChecked();
    for (std::size_t i = 0; i < e.timingTexts.size(); ++i) {
        const TimingControl& t = settings.timing(static_cast<int>(i));
        e.timingTexts[i] = text(t.text());
        e.timingUpDown[i] = t.upDown()->value();
        e.timingMin[i] = t.upDown()->minimum();
    }
    const ButtonFrame& buttons = *editor.buttons();
    for (int b = 0; b < 2; ++b) {
        const auto i = static_cast<std::size_t>(b);
        e.shortLists[i] = items(buttons.shortList(b));
        e.shortPosition[i] = buttons.shortList(b)->currentIndex();
        e.longPosition[i] = buttons.longList(b)->currentIndex();
        e.longBasis[i] = buttons.longBasis(b);
    }
    e.locked = !ownEnable(editor.grid()->table());
    e.editorLoaded = editor.loaded();
    e.tab = editor.tabs()->currentIndex();
}

void refreshEditor(const EditingModel& model, frmMain& editor) {
    const EditingCopies& e = model.copies();
    editor.showTab(e.tab);
    UserTplFrame& tpl = *editor.userTpl();
    for (std::size_t i = 0; i < 3; ++i) {
        setQuietly(tpl.box(false, static_cast<int>(i)), e.tpl.rx[i]);
        setQuietly(tpl.box(true, static_cast<int>(i)), e.tpl.tx[i]);
    }
    RadioInfoFrame& info = *editor.radioInfo();
    setQuietly(info.passwordBox(), e.password);
    setQuietly(info.serialBox(), QString::fromLatin1(e.serial.c_str()));
    setQuietly(info.superBox(), QString::fromLatin1(e.superNumber.c_str()));
    setLabel(info.modelLabel(), e.modelLabel);
    setLabel(info.rangeLabel(), e.rangeLabel);
    setLabel(info.firmwareLabel(), e.firmwareLabel);
    setLabel(info.codeplugLabel(), e.codeplugLabel);

    RadioSettings& settings = *editor.settings();
    for (std::size_t i = 0; i < e.features.size(); ++i) {
        QCheckBox* box = settings.featureAt(i);
        if (box->isChecked() == e.features[i]) continue;
        const QSignalBlocker block(box);
        box->setChecked(e.features[i]);
    }
    for (std::size_t i = 0; i < e.timingTexts.size(); ++i)
        settings.timing(static_cast<int>(i))
            .showState(QString::fromStdString(e.timingTexts[i]), e.timingUpDown[i], e.timingMin[i]);
    ButtonFrame& buttons = *editor.buttons();
    for (int b = 0; b < 2; ++b) {
        const auto i = static_cast<std::size_t>(b);
        buttons.showButton(b, e.shortLists[i], e.shortPosition[i], e.longBasis[i], e.longPosition[i]);
    }
    showCells(model, *editor.grid());
    showScanLists(model, *editor.scanList());
}

void showEditor(const EditingModel& model, frmMain& editor) {
    // A copy: unlocking moves the focus, and the box that loses it takes the
    // half-shown form into this same model.
    const EditingCopies e = model.copies();
    // An open cell edit belongs to the state being left.
    editor.grid()->hideCellEditor();
    refreshEditor(model, editor);
    editor.scanList()->updateButtons();
    if (e.locked) {
        editor.LockEditor();
        return;
    }
    editor.UnlockEditor();
    RadioInfoFrame& info = *editor.radioInfo();
    info.passwordBox()->setEnabled(e.passwordEnabled);
    info.serialBox()->setEnabled(e.serialEnabled);
    info.superBox()->setEnabled(e.superEnabled);
}

}  // namespace vantrel
