#include "gui/codeplug/EditorView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/channels/ChannelsView.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/TimingControl.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/codeplug/frmMain.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {

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

void showUserTpl(const EditingCopies& e, UserTplFrame& tpl) {
    for (std::size_t i = 0; i < 3; ++i) {
        setQuietly(tpl.box(false, static_cast<int>(i)), e.tpl.rx[i]);
        setQuietly(tpl.box(true, static_cast<int>(i)), e.tpl.tx[i]);
    }
}

// The factory fields hold one byte per character, as the image does.
void showFactory(const EditingCopies& e, RadioInfoFrame& info) {
    setQuietly(info.passwordBox(), e.password);
    setQuietly(info.serialBox(), QString::fromLatin1(e.serial.c_str()));
    setQuietly(info.superBox(), QString::fromLatin1(e.superNumber.c_str()));
}

void showLabels(const EditingCopies& e, RadioInfoFrame& info) {
    setLabel(info.modelLabel(), e.modelLabel);
    setLabel(info.rangeLabel(), e.rangeLabel);
    setLabel(info.firmwareLabel(), e.firmwareLabel);
    setLabel(info.codeplugLabel(), e.codeplugLabel);
}

void showFeatures(const EditingCopies& e, RadioSettings& settings) {
    for (std::size_t i = 0; i < e.features.size(); ++i) {
        QCheckBox* box = settings.featureAt(i);
        if (box->isChecked() == e.features[i]) continue;
        const QSignalBlocker block(box);
        box->setChecked(e.features[i]);
    }
}

void showTiming(const EditingCopies& e, RadioSettings& settings) {
    for (std::size_t i = 0; i < e.timingTexts.size(); ++i)
        settings.timing(static_cast<int>(i))
            .showState(QString::fromStdString(e.timingTexts[i]), e.timingUpDown[i], e.timingMin[i]);
}

void showButtons(const EditingCopies& e, ButtonFrame& buttons) {
    for (int b = 0; b < 2; ++b) {
        const auto i = static_cast<std::size_t>(b);
        buttons.showButton(b, e.shortLists[i], e.shortPosition[i], e.longBasis[i], e.longPosition[i]);
    }
}

}  // namespace

void showChanges(const EditingModel& model, frmMain& editor, const ChangeNotice& n) {
    const EditingCopies& e = model.copies();
    if (n.has(Section::Tab)) editor.showTab(e.tab);
    if (n.has(Section::UserTpl)) showUserTpl(e, *editor.userTpl());
    if (n.has(Section::Factory)) showFactory(e, *editor.radioInfo());
    if (n.has(Section::Labels)) showLabels(e, *editor.radioInfo());
    if (n.has(Section::Features)) showFeatures(e, *editor.settings());
    if (n.has(Section::Timing)) showTiming(e, *editor.settings());
    if (n.has(Section::Buttons)) showButtons(e, *editor.buttons());
    if (n.has(Section::Grid)) showCells(model, *editor.grid(), n.rows);
    if (n.has(Section::ScanLists)) showScanLists(model, *editor.scanList());
}

}  // namespace vantrel
