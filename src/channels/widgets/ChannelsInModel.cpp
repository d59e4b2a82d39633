#include "channels/widgets/ChannelsInModel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QString>
#include <QTableWidget>
#include <vector>

#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ScanListPanel.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {

std::vector<int> listChannels(const QListWidget* list) {
    std::vector<int> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().trimmed().toInt());
    return out;
}

}  // namespace

void takeFromEditor(EditingModel& model, const ChannelGrid& grid, const ScanListPanel& scan) {
    EditingCopies& e = model.copies();
    // The rows the grid shows (all 16 until a load sizes it) and the channel
    // count it was sized for (0 until then).
    const int n = grid.table()->rowCount() - 1;
    // The table's own enable is the lock (the whole window may be disabled
    // for a while by a dialog).
    e.locked = !grid.table()->isEnabledTo(grid.table()->parentWidget());
    e.gridRows = n;
    e.gridChannels = grid.channelCount();
    e.features[static_cast<std::size_t>(Feature::PriorityScan)] = grid.hooks.priorityScanTicked();
    for (int k = 0; k < 3; ++k) {
        const double hz = grid.hooks.userTplRxValue ? grid.hooks.userTplRxValue(k) : 0.0;
        e.tpl.rx[static_cast<std::size_t>(k)] = hz > 0 ? QString::number(hz, 'f', 1).toStdString() : "";
    }
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
}

void showCells(const EditingModel& model, ChannelGrid& grid) {
    const EditingCopies& e = model.copies();
    grid.showSize(e.gridRows, e.gridChannels);
    for (int row = 1; row <= e.gridRows; ++row) {
        grid.setRevBurstStep(row, e.revBurstStep[static_cast<std::size_t>(row - 1)]);
        for (int c = 1; c < kChannelColumnCount; ++c) {
            const GridCell& cell = e.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            const QString text = QString::fromStdString(cell.text);
            if (grid.cellText(row, c) != text) grid.setCellText(row, c, text);
            if (grid.isCellGrey(row, c) != cell.grey) grid.setCellGrey(row, c, cell.grey);
        }
    }
}

bool showScanLists(const EditingModel& model, ScanListPanel& scan) {
    const EditingCopies& e = model.copies();
    {
        QSpinBox* ud = scan.priorityUpDown();
        const QSignalBlocker block(ud);
        if (ud->maximum() != e.priorityMax) ud->setMaximum(e.priorityMax);
        if (ud->value() != e.priorityUpDown) ud->setValue(e.priorityUpDown);
    }
    const QString priority = QString::fromStdString(e.priorityText);
    if (scan.priorityBox()->text() != priority) {
        const QSignalBlocker block(scan.priorityBox());
        scan.priorityBox()->setText(priority);
    }
    if (listChannels(scan.channelList()) == e.channelList && listChannels(scan.scanList()) == e.scanList) return false;
    scan.showLists(e.channelList, e.scanList);
    return true;
}

void showInEditor(const EditingModel& model, ChannelGrid& grid, ScanListPanel& scan) {
    showCells(model, grid);
    showScanLists(model, scan);
    scan.updateButtons();
    emit grid.edited();
}

}  // namespace vantrel
