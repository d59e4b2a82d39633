#pragma once
// The editor's undo and redo: a bounded list of model states, one per user
// action. The widget side records a step after each edit it forwards to the
// model and re-displays the model after an undo or a redo.
//
// A state is the image, the band facts, the password-kept mark and the
// editing copies; the tab shown makes no step (the editor stays on the tab it
// shows when it puts a step back). Only the present state is kept whole;
// the others are kept as what changed from one step to the next. Program flags that belong to the shell, the link or a
// dialog (closing, a held toolbar button, password attempts) are never
// restored. `dataChanged` is false exactly at the state last saved (or loaded
// clean from the command line) and true elsewhere.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

class UndoHistory {
public:
    // Steps kept before the oldest is forgotten.
    static constexpr std::size_t kDefaultCapacity = 1000;

    explicit UndoHistory(std::size_t capacity = kDefaultCapacity);

    // Forgets every step; the model's present state is the only one.
    void reset(const EditingModel& model);
    // After a user action: a new step when the model differs from the present
    // state (the steps that could be redone are dropped). An action that
    // changed nothing makes no step. True when a step was made.
    bool record(const EditingModel& model, const std::string& name = {});
    // After a save or the write's preparation of the image: the present step
    // takes the model's state without a new step, so undo never takes back
    // the bytes a save or a write sets. Only this and reset mark a step as
    // the saved one: a load that leaves `dataChanged` clear (a super number)
    // is still not what was saved.
    void amend(const EditingModel& model);

    // Whether the model's state is not the present step's (an action not
    // recorded yet, or one that could not be).
    bool differs(const EditingModel& model) const;
    // Puts the model back to the present step.
    void revert(EditingModel& model) const { apply(model); }

    bool canUndo() const { return pos_ > 0; }
    bool canRedo() const { return pos_ < changes_.size(); }
    // Put the model back one step or forward one; false when there is none.
    bool undo(EditingModel& model);
    bool redo(EditingModel& model);

    // The name of the step undo would take back and of the one redo would
    // put back; empty when there is none or it has no name.
    std::string undoName() const { return canUndo() ? changes_[pos_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? changes_[pos_].name : std::string(); }

    // Whether the present step is the one last saved.
    bool atSaved() const { return pos_ == clean_; }

    std::size_t undoSteps() const { return pos_; }
    std::size_t redoSteps() const { return changes_.size() - pos_; }

private:
    // Two neighbouring steps, kept as the bytes where they differ: in each
    // differing part, at offset, older holds the earlier step's bytes and
    // newer the later step's.
    struct Piece {
        std::size_t part = 0;
        std::size_t offset = 0;
        std::string older;
        std::string newer;
    };
    struct Change {
        std::vector<Piece> pieces;
        std::string name;  // what the later step did
    };
    using Parts = std::vector<std::string>;
    static Change between(const Parts& a, const Parts& b);
    static void back(Parts& parts, const Change& c);
    static void forth(Parts& parts, const Change& c);
    void markClean(const EditingModel& model);
    void apply(EditingModel& model) const;

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t capacity_;
    // The present step whole; changes_[i] leads from step i to step i + 1.
    Parts present_;
    std::deque<Change> changes_;
    bool started_ = false;
    std::size_t pos_ = 0;       // the present step
    std::size_t clean_ = kNone; // the step last saved, if it is still kept
};

}  // namespace vantrel
