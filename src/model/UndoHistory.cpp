#include "model/UndoHistory.h"

#include <tuple>

namespace vantrel {

namespace {

bool sameCells(const EditingCopies& a, const EditingCopies& b) {
    for (std::size_t r = 0; r < a.cells.size(); ++r)
        for (std::size_t c = 0; c < a.cells[r].size(); ++c)
            if (a.cells[r][c].text != b.cells[r][c].text || a.cells[r][c].grey != b.cells[r][c].grey) return false;
    return true;
}

// Everything the editor shows or keeps beside the image, but the tab shown:
// looking at the other tab is no edit, and undo must not flip the page away
// from the field the user is looking at.
bool sameCopies(const EditingCopies& a, const EditingCopies& b) {
    auto fields = [](const EditingCopies& e) {
        return std::tie(e.tpl.rx, e.tpl.tx, e.password, e.serial, e.superNumber, e.passwordEnabled, e.serialEnabled,
                        e.superEnabled, e.priorityText, e.priorityUpDown, e.priorityMax, e.features, e.timingTexts,
                        e.timingUpDown, e.timingMin, e.shortLists, e.shortPosition, e.longPosition, e.channelList,
                        e.scanList, e.gridChannels, e.revBurstStep, e.locked, e.editorLoaded, e.gridRows,
                        e.longBasis, e.modelLabel, e.rangeLabel, e.firmwareLabel, e.codeplugLabel);
    };
    return fields(a) == fields(b) && sameCells(a, b);
}

}  // namespace

UndoHistory::UndoHistory(std::size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

UndoHistory::State UndoHistory::capture(const EditingModel& model) {
    return {model.image(), model.state().band, model.state().passwordKept, model.copies(), {}};
}

void UndoHistory::markClean(const EditingModel& model) {
    if (!model.state().dataChanged) clean_ = pos_;
}

void UndoHistory::reset(const EditingModel& model) {
    states_.clear();
    states_.push_back(capture(model));
    pos_ = 0;
    clean_ = kNone;
    markClean(model);
}

bool UndoHistory::differs(const EditingModel& model) const {
    if (states_.empty()) return false;
    const State& present = states_[pos_];
    return !(model.image() == present.image && model.state().passwordKept == present.passwordKept &&
             sameCopies(model.copies(), present.copies));
}

bool UndoHistory::record(const EditingModel& model, const std::string& name) {
    if (states_.empty()) {
        reset(model);
        return false;
    }
    if (!differs(model)) return false;
    State now = capture(model);
    now.name = name;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(pos_) + 1, states_.end());
    if (clean_ != kNone && clean_ > pos_) clean_ = kNone;
    states_.push_back(std::move(now));
    ++pos_;
    if (states_.size() > capacity_ + 1) {
        states_.pop_front();
        --pos_;
        clean_ = clean_ == 0 || clean_ == kNone ? kNone : clean_ - 1;
    }
    return true;
}

void UndoHistory::amend(const EditingModel& model) {
    if (states_.empty()) {
        reset(model);
        return;
    }
    std::string name = std::move(states_[pos_].name);
    states_[pos_] = capture(model);
    states_[pos_].name = std::move(name);
    markClean(model);
}

void UndoHistory::apply(EditingModel& model) const {
    const State& s = states_[pos_];
    AppState& state = model.state();
    state.image = s.image;
    state.band = s.band;
    state.passwordKept = s.passwordKept;
    state.dataChanged = pos_ != clean_;
    model.copies() = s.copies;
}

bool UndoHistory::undo(EditingModel& model) {
    if (!canUndo()) return false;
    --pos_;
    apply(model);
    return true;
}

bool UndoHistory::redo(EditingModel& model) {
    if (!canRedo()) return false;
    ++pos_;
    apply(model);
    return true;
}

}  // namespace vantrel
