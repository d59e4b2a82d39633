#include "channels/widgets/GridClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ScanListPanel.h"
#include "model/ChannelPaste.h"
#include "model/ChannelRowsText.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {

std::vector<int> listChannels(const QListWidget* list) {
    std::vector<int> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().trimmed().toInt());
    return out;
}

void showMessages(Prompts& prompts, const Messages& messages) {
    for (const Message& m : messages) prompts.message({QString::fromStdString(m.text), QString::fromStdString(m.title)});
}

}  // namespace

GridClipboard::GridClipboard(EditorContext& ctx, ChannelGrid& grid, ScanListPanel& scan)
    : ctx_(ctx), grid_(grid), scan_(scan) {}

bool GridClipboard::usable() const { return grid_.isEnabled() && grid_.channelCount() > 0; }

std::vector<int> GridClipboard::selectedChannels() const {
    std::set<int> rows;
    for (const QModelIndex& i : grid_.table()->selectionModel()->selectedIndexes())
        if (i.row() >= 1 && i.row() <= grid_.channelCount()) rows.insert(i.row());
    const int current = grid_.table()->currentRow();
    if (rows.empty() && current >= 1 && current <= grid_.channelCount()) rows.insert(current);
    return {rows.begin(), rows.end()};
}

void GridClipboard::copy() const {
    const std::vector<int> channels = selectedChannels();
    if (!usable() || channels.empty()) return;
    const std::string text = FormatChannelRows(
        [this](int n, int c) { return grid_.cellText(n, c).toStdString(); }, channels);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void GridClipboard::cut() {
    copy();
    deleteRows();
}

void GridClipboard::takeFromEditor(EditingModel& model) const {
    EditingCopies& e = model.copies();
    const int n = grid_.channelCount();
    e.locked = !grid_.isEnabled();
    e.gridRows = e.gridChannels = n;
    e.features[static_cast<std::size_t>(Feature::PriorityScan)] = grid_.hooks.priorityScanTicked();
    for (int k = 0; k < 3; ++k) {
        const double hz = grid_.hooks.userTplRxValue ? grid_.hooks.userTplRxValue(k) : 0.0;
        e.tpl.rx[static_cast<std::size_t>(k)] = hz > 0 ? QString::number(hz, 'f', 1).toStdString() : "";
    }
    for (int row = 1; row <= n; ++row) {
        e.revBurstStep[static_cast<std::size_t>(row - 1)] = grid_.revBurstStep(row);
        for (int c = 1; c < kChannelColumnCount; ++c)
            e.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] = {
                grid_.cellText(row, c).toStdString(), grid_.isCellGrey(row, c)};
    }
    e.channelList = listChannels(scan_.channelList());
    e.scanList = listChannels(scan_.scanList());
}

void GridClipboard::showInEditor(const EditingModel& model) {
    const EditingCopies& e = model.copies();
    for (int row = 1; row <= grid_.channelCount(); ++row) {
        grid_.setRevBurstStep(row, e.revBurstStep[static_cast<std::size_t>(row - 1)]);
        for (int c = 1; c < kChannelColumnCount; ++c) {
            const GridCell& cell = e.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            grid_.setCellText(row, c, QString::fromStdString(cell.text));
            grid_.setCellGrey(row, c, cell.grey);
        }
    }
    scan_.ResetScanLists();
    scan_.ShowScanList();
    scan_.updateButtons();
    emit grid_.edited();
}

void GridClipboard::paste() {
    if (!usable()) return;
    const std::vector<int> selected = selectedChannels();
    if (selected.empty()) return;
    EditingModel model(ctx_.state);
    takeFromEditor(model);
    const PasteOutcome outcome =
        PasteChannelRows(model, selected.front(), QApplication::clipboard()->text().toStdString());
    if (outcome.applied) {
        showInEditor(model);
        return;
    }
    if (outcome.problems.empty()) return;
    QString text = QStringLiteral("Nothing was pasted:");
    for (const std::string& p : outcome.problems) text += "\n" + QString::fromStdString(p);
    ctx_.prompts.message({text, QStringLiteral("Paste"), Prompts::Icon::Exclamation});
}

void GridClipboard::deleteRows() {
    if (!usable()) return;
    const std::vector<int> channels = selectedChannels();
    if (channels.empty()) return;
    EditingModel model(ctx_.state);
    takeFromEditor(model);
    const EditResult r = ClearChannelRows(model, channels);
    showMessages(ctx_.prompts, r.messages);
    if (r.ok) showInEditor(model);
}

}  // namespace vantrel
