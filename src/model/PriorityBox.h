#pragma once
// The priority channel box and its up-down: a new text stores the channel
// number (within the channel count) unless a user TPL box is empty, and with
// priority scan ticked refuses a channel outside the scan list.
#include <string>

#include "model/ModelPart.h"

namespace vantrel {

class PriorityBox : public ModelPart {
public:
    using ModelPart::ModelPart;

    // A new text in the box (typing, arrows, up-down).
    EditResult SetPriorityText(const std::string& text);

    // The box's text; its change handler runs when it differs.
    void setPriorityBox(const std::string& text);
    // The up-down, clamped to its range; `quiet` moves it without stepping
    // the box.
    void setPriorityUpDown(int value, bool quiet);
    void setPriorityMaximum(int max);
    // The stored channel number in the box and the up-down.
    void showPriorityChannel();
    // The box's change handler.
    void priorityChanged();

private:
    bool storePriorityText();
};

}  // namespace vantrel
