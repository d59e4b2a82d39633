#include "gui/channels/ChannelsView.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QString>
#include <vector>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {

std::vector<int> listChannels(const QListWidget* list) {
    std::vector<int> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().trimmed().toInt());
    return out;
}

}  // namespace

void showCells(const EditingModel& model, ChannelGrid& grid, const std::bitset<bytemap::MaxChannels + 1>& rows) {
    const EditingCopies& e = model.copies();
    grid.showSize(e.gridRows, e.gridChannels);
    for (int row = 1; row <= e.gridRows; ++row) {
        if (!rows.test(static_cast<std::size_t>(row))) continue;
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

}  // namespace vantrel
