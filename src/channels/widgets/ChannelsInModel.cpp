#include "channels/widgets/ChannelsInModel.h"

#include <QListWidget>
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
    const int n = grid.channelCount();
    // The table's own enable is the lock (the whole window may be disabled
    // for a while by a dialog).
    e.locked = !grid.table()->isEnabledTo(grid.table()->parentWidget());
    e.gridRows = e.gridChannels = n;
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
}

void showInEditor(const EditingModel& model, ChannelGrid& grid, ScanListPanel& scan) {
    const EditingCopies& e = model.copies();
    for (int row = 1; row <= grid.channelCount(); ++row) {
        grid.setRevBurstStep(row, e.revBurstStep[static_cast<std::size_t>(row - 1)]);
        for (int c = 1; c < kChannelColumnCount; ++c) {
            const GridCell& cell = e.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            grid.setCellText(row, c, QString::fromStdString(cell.text));
            grid.setCellGrey(row, c, cell.grey);
        }
    }
    scan.ResetScanLists();
    scan.ShowScanList();
    scan.updateButtons();
    emit grid.edited();
}

}  // namespace vantrel
