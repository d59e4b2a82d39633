#include "channels/widgets/GridClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/ChannelsInModel.h"
#include "channels/widgets/ScanListPanel.h"
#include "model/ChannelPaste.h"
#include "model/ChannelRowsText.h"
#include "codeplug/widgets/ModelMessages.h"
#include "model/EditingModel.h"

namespace vantrel {

namespace {


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

void GridClipboard::paste() {
    if (!usable()) return;
    const std::vector<int> selected = selectedChannels();
    if (selected.empty()) return;
    EditingModel model(ctx_.state);
    takeFromEditor(model, grid_, scan_);
    const PasteOutcome outcome =
        PasteChannelRows(model, selected.front(), QApplication::clipboard()->text().toStdString());
    if (outcome.applied) {
        showInEditor(model, grid_, scan_);
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
    takeFromEditor(model, grid_, scan_);
    const EditResult r = ClearChannelRows(model, channels);
    ShowMessages(ctx_.prompts, r.messages);
    if (r.ok) showInEditor(model, grid_, scan_);
}

}  // namespace vantrel
