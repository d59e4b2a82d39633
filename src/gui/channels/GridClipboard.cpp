#include "gui/channels/GridClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "gui/channels/ChannelGrid.h"
#include "gui/channels/ScanListPanel.h"
#include "gui/codeplug/ModelMessages.h"
#include "gui/common/CoreTexts.h"
#include "model/ChannelPaste.h"
#include "model/ChannelRowsText.h"
#include "model/EditingModel.h"

namespace vantrel {

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
        [this](int n, int c) { return ctx_.model.cell(n, c).text; }, channels);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void GridClipboard::cut() {
    copy();
    deleteRows();
}

// A paste or a clear runs on the editor's model whole or not at all: a
// refused one puts the model back as it was.
void GridClipboard::paste() {
    if (!usable()) return;
    const std::vector<int> selected = selectedChannels();
    if (selected.empty()) return;
    const EditingModel::Snapshot before = ctx_.model.snapshot();
    const PasteOutcome outcome =
        PasteChannelRows(ctx_.model, selected.front(), QApplication::clipboard()->text().toStdString());
    if (outcome.applied) {
        showEdited();
        return;
    }
    ctx_.model.restore(before);
    if (outcome.problems.empty()) return;
    QString text = QCoreApplication::translate("vantrel::GridClipboard", "Nothing was pasted:");
    for (const std::string& p : outcome.problems) text += "\n" + TrCoreText(p);
    ctx_.prompts.message(
        {text, QCoreApplication::translate("vantrel::GridClipboard", "Paste"), Prompts::Icon::Exclamation});
}

void GridClipboard::deleteRows() {
    if (!usable()) return;
    const std::vector<int> channels = selectedChannels();
    if (channels.empty()) return;
    const EditingModel::Snapshot before = ctx_.model.snapshot();
    const EditResult r = ClearChannelRows(ctx_.model, channels);
    if (!r.ok) ctx_.model.restore(before);
    ShowMessages(ctx_.prompts, r.messages);
    if (r.ok) showEdited();
}

void GridClipboard::showEdited() {
    ctx_.forward([](EditingModel&) { return EditResult{}; }, {});
    scan_.updateButtons();
    emit grid_.edited();
}

}  // namespace vantrel
