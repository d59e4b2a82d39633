#pragma once
// What the editor form shows, read off its widgets as editing copies: the
// tests compare it with the model the form paints from.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QCheckBox>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ButtonFrame.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/codeplug/RadioSettings.h"
#include "gui/codeplug/TimingControl.h"
#include "gui/codeplug/UserTplFrame.h"
#include "gui/codeplug/frmMain.h"

namespace vantrel::testing {

inline EditingCopies ReadForm(const frmMain& editor) {
    const auto ownEnable = [](const QWidget* w) { return w->isEnabledTo(w->parentWidget()); };
    const auto text = [](const auto* w) { return w->text().toStdString(); };
    const auto listChannels = [](const QListWidget* list) {
        std::vector<int> out;
        for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().trimmed().toInt());
        return out;
    };
    EditingCopies e = editor.model().copies();  // what no widget shows (the reverse-burst steps' origin)
    const ChannelGrid& grid = *editor.grid();
    const ScanListPanel& scan = *editor.scanList();
    const int n = grid.table()->rowCount() - 1;
    e.locked = !ownEnable(grid.table());
    e.gridRows = n;
    e.gridChannels = grid.channelCount();
    for (int row = 1; row <= n; ++row) {
        e.revBurstStep[static_cast<std::size_t>(row - 1)] = grid.revBurstStep(row);
        for (int c = 1; c < kChannelColumnCount; ++c)
            e.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] = {grid.cellText(row, c).toStdString(),
                                                                                   grid.isCellGrey(row, c)};
    }
    e.channelList = listChannels(scan.channelList());
    e.scanList = listChannels(scan.scanList());
    e.priorityText = scan.priorityBox()->text().toStdString();
    e.priorityUpDown = scan.priorityUpDown()->value();
    e.priorityMax = scan.priorityUpDown()->maximum();

    const UserTplFrame& tpl = *editor.userTpl();
    for (std::size_t i = 0; i < 3; ++i) {
        e.tpl.rx[i] = text(tpl.box(false, static_cast<int>(i)));
        e.tpl.tx[i] = text(tpl.box(true, static_cast<int>(i)));
    }
    const RadioInfoFrame& info = *editor.radioInfo();
    e.password = text(info.passwordBox());
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
        std::vector<std::string> items;
        for (int k = 0; k < buttons.shortList(b)->count(); ++k)
            items.push_back(buttons.shortList(b)->itemText(k).toStdString());
        e.shortLists[i] = items;
        e.shortPosition[i] = buttons.shortList(b)->currentIndex();
        e.longPosition[i] = buttons.longList(b)->currentIndex();
        e.longBasis[i] = buttons.longBasis(b);
    }
    e.editorLoaded = editor.loaded();
    e.tab = editor.tabs()->currentIndex();
    return e;
}

}  // namespace vantrel::testing
