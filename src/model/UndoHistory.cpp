#include "model/UndoHistory.h"

#include <algorithm>

#include "model/UndoState.h"

namespace vantrel {

UndoHistory::UndoHistory(std::size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

UndoHistory::Change UndoHistory::between(const Parts& a, const Parts& b) {
    Change out;
    for (std::size_t p = 0; p < a.size() && p < b.size(); ++p) {
        const std::string& x = a[p];
        const std::string& y = b[p];
        if (x == y) continue;
        const std::size_t shorter = std::min(x.size(), y.size());
        std::size_t head = 0;
        while (head < shorter && x[head] == y[head]) ++head;
        std::size_t tail = 0;
        while (tail < shorter - head && x[x.size() - 1 - tail] == y[y.size() - 1 - tail]) ++tail;
        out.pieces.push_back({p, head, x.substr(head, x.size() - head - tail), y.substr(head, y.size() - head - tail)});
    }
    return out;
}

void UndoHistory::back(Parts& parts, const Change& c) {
    for (const Piece& piece : c.pieces) parts[piece.part].replace(piece.offset, piece.newer.size(), piece.older);
}

void UndoHistory::forth(Parts& parts, const Change& c) {
    for (const Piece& piece : c.pieces) parts[piece.part].replace(piece.offset, piece.older.size(), piece.newer);
}

void UndoHistory::markClean(const EditingModel& model) {
    if (!model.state().dataChanged) clean_ = pos_;
}

void UndoHistory::reset(const EditingModel& model) {
    present_ = UndoStateBytes(model);
    changes_.clear();
    started_ = true;
    pos_ = 0;
    clean_ = kNone;
    markClean(model);
}

bool UndoHistory::differs(const EditingModel& model) const {
    return started_ && UndoStateBytes(model) != present_;
}

bool UndoHistory::record(const EditingModel& model, const std::string& name) {
    if (!started_) {
        reset(model);
        return false;
    }
    Parts now = UndoStateBytes(model);
    if (now == present_) return false;
    changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(pos_), changes_.end());
    if (clean_ != kNone && clean_ > pos_) clean_ = kNone;
    changes_.push_back(between(present_, now));
    changes_.back().name = name;
    present_ = std::move(now);
    ++pos_;
    if (changes_.size() > capacity_) {
        changes_.pop_front();
        --pos_;
        clean_ = clean_ == 0 || clean_ == kNone ? kNone : clean_ - 1;
    }
    return true;
}

void UndoHistory::amend(const EditingModel& model) {
    if (!started_) {
        reset(model);
        return;
    }
    Parts now = UndoStateBytes(model);
    // The neighbours' changes are taken anew against the amended step.
    if (pos_ > 0) {
        Parts before = present_;
        back(before, changes_[pos_ - 1]);
        std::string name = std::move(changes_[pos_ - 1].name);
        changes_[pos_ - 1] = between(before, now);
        changes_[pos_ - 1].name = std::move(name);
    }
    if (pos_ < changes_.size()) {
        Parts after = present_;
        forth(after, changes_[pos_]);
        std::string name = std::move(changes_[pos_].name);
        changes_[pos_] = between(now, after);
        changes_[pos_].name = std::move(name);
    }
    present_ = std::move(now);
    markClean(model);
}

void UndoHistory::apply(EditingModel& model) const {
    RestoreUndoState(model, present_);
    model.state().dataChanged = pos_ != clean_;
}

bool UndoHistory::undo(EditingModel& model) {
    if (!canUndo()) return false;
    back(present_, changes_[--pos_]);
    apply(model);
    return true;
}

bool UndoHistory::redo(EditingModel& model) {
    if (!canRedo()) return false;
    forth(present_, changes_[pos_++]);
    apply(model);
    return true;
}

}  // namespace vantrel
