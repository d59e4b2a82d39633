#pragma once
// The five timing fields (box and up-down each): typed text, leaving the
// field, the up-down and the arrow keys, each storing its byte within the
// field's range.
#include <string>

#include "model/ModelPart.h"

namespace vantrel {

class TimingFields : public ModelPart {
public:
    using ModelPart::ModelPart;

    // A whole edit of a field (index in kTimingFields order): typed, then left.
    EditResult SetTimingText(int field, const std::string& text);
    // The field's gestures one by one, as the box and up-down receive them.
    EditResult TypeTimingText(int field, const std::string& text);
    EditResult LeaveTimingField(int field);
    EditResult MoveTimingUpDown(int field, int value);
    EditResult ArrowTimingKey(int field, bool up);

    // The image's timing bytes into the up-downs; a byte out of range resets
    // them all with "Time Option value is Invalid" in `out`.
    void loadTimeOptions(Messages& out);
    // The up-downs' values into the boxes.
    void showTimeOptions();
    // A byte outside its field's range goes to the nearest limit before the
    // image leaves the program.
    void keepTimingInRange();

private:
    bool loadTiming(int field);
    void setTimingText(int field, const std::string& text);
};

}  // namespace vantrel
