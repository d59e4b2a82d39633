#include "model/ChannelPaste.h"

#include "base/Trimmed.h"

#include <algorithm>

#include "model/ChannelRowsText.h"
#include "model/DisplayedFields.h"

namespace vantrel {

namespace {

// The order a row's values are applied in: the switches' greying and the
// talkaround rule depend on the frequencies and the signalling.
constexpr int kPasteOrder[] = {kColRxFrequency, kColTxFrequency, kColRxSignal,   kColTxSignal, kColSquelch,
                               kColMute,        kColPower,       kColTurnOffCode, kColRxOnly,  kColReverseBurst,
                               kColBclo,        kColBandwidth,   kColTalkaround};

bool isFrequency(int column) { return column == kColRxFrequency || column == kColTxFrequency; }


std::string reasonOf(const EditResult& r) {
    std::string out;
    for (const Message& m : r.messages) {
        const std::string text = Trimmed(m.text);
        if (!text.empty()) out += (out.empty() ? "" : "; ") + text;
    }
    return out.empty() ? "not a value this cell can take" : out;
}

// A scratch model holding a copy of the model's state and editing copies.
struct Trial {
    explicit Trial(const EditingModel& source) : state(source.state()), model(state) {
        model.copies() = source.copies();
    }
    AppState state;
    EditingModel model;
};

int usableChannels(const EditingModel& model) { return std::min(model.channelCount(), model.copies().gridRows); }

void pasteRow(EditingModel& model, int channel, const PastedRow& row, std::vector<std::string>& problems) {
    for (int column : kPasteOrder) {
        const auto& value = row.cells[static_cast<std::size_t>(column)];
        if (!value) continue;
        if (!isFrequency(column)) {
            const GridCell& cell = model.cell(channel, column);
            if (value->empty() || Trimmed(cell.text) == *value) continue;
            if (column != kColRxSignal && column != kColTxSignal && cell.grey) continue;
        }
        const EditResult r = model.SetCellText(channel, column, *value);
        if (!r.ok)
            problems.push_back("Channel " + std::to_string(channel) + ", " + ColumnName(column) + " \"" + *value +
                               "\": " + reasonOf(r));
    }
}

}  // namespace

PasteOutcome PasteChannelRows(EditingModel& model, int firstChannel, std::string_view text) {
    PasteOutcome out;
    const std::vector<PastedRow> rows = ParseChannelRows(text);
    out.rows = static_cast<int>(rows.size());
    if (rows.empty()) return out;
    if (model.copies().locked) {
        out.problems.push_back("The editor is locked.");
        return out;
    }
    const int channels = usableChannels(model);
    Trial trial(model);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int channel = firstChannel + static_cast<int>(i);
        if (channel < 1 || channel > channels) {
            out.problems.push_back("Channel " + std::to_string(channel) + ": this radio has " +
                                   std::to_string(channels) + " channels");
            continue;
        }
        pasteRow(trial.model, channel, rows[i], out.problems);
    }
    if (!out.problems.empty()) return out;
    model.restore(trial.model.snapshot());
    out.applied = true;
    return out;
}

EditResult ClearChannelRows(EditingModel& model, const std::vector<int>& channels) {
    if (model.copies().locked) return {{}, false};
    Trial trial(model);
    const int count = usableChannels(model);
    for (int channel : channels) {
        if (channel < 1 || channel > count) continue;
        for (int column : {kColRxFrequency, kColTxFrequency}) {
            EditResult r = trial.model.DeleteKey(channel, column);
            if (!r.ok) return r;
        }
    }
    model.restore(trial.model.snapshot());
    return {};
}

}  // namespace vantrel
