#include "model/UndoHistory.h"

#include <algorithm>

#include "model/UndoState.h"

namespace vantrel {

UndoHistory::UndoHistory(std::size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

UndoHistory::Change UndoHistory::between(const std::string& a, const std::string& b) {
    const std::size_t shorter = std::min(a.size(), b.size());
    std::size_t head = 0;
    while (head < shorter && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
    return {head, a.substr(head, a.size() - head - tail), b.substr(head, b.size() - head - tail)};
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

bool UndoHistory::record(const EditingModel& model) {
    if (!started_) {
        reset(model);
        return false;
    }
    std::string now = UndoStateBytes(model);
    if (now == present_) return false;
    changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(pos_), changes_.end());
    if (clean_ != kNone && clean_ > pos_) clean_ = kNone;
    changes_.push_back(between(present_, now));
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
    std::string now = UndoStateBytes(model);
    // The neighbours' changes are taken anew against the amended step.
    if (pos_ > 0) {
        Change& back = changes_[pos_ - 1];
        std::string before = present_;
        before.replace(back.offset, back.newer.size(), back.older);
        back = between(before, now);
    }
    if (pos_ < changes_.size()) {
        Change& ahead = changes_[pos_];
        std::string after = present_;
        after.replace(ahead.offset, ahead.older.size(), ahead.newer);
        ahead = between(now, after);
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
    const Change& c = changes_[--pos_];
    present_.replace(c.offset, c.newer.size(), c.older);
    apply(model);
    return true;
}

bool UndoHistory::redo(EditingModel& model) {
    if (!canRedo()) return false;
    const Change& c = changes_[pos_++];
    present_.replace(c.offset, c.older.size(), c.newer);
    apply(model);
    return true;
}

}  // namespace vantrel
