#pragma once
// The six feature check boxes and their bits of the option byte. Priority
// scan and normal scan exclude each other; ticking priority scan checks the
// priority channel.
#include "model/ModelPart.h"
#include "model/PriorityBox.h"

namespace vantrel {

class FeatureOptions : public ModelPart {
public:
    FeatureOptions(AppState& state, EditingCopies& copies, Messages& pending, PriorityBox& priority)
        : ModelPart(state, copies, pending), priority_(priority) {}

    EditResult SetFeature(Feature f, bool on);
    // The boxes as the image's option byte has them.
    void showFeatureOptions();

private:
    void setChecked(Feature f, bool on);
    void featureClicked(Feature f, bool on);
    void prioScanClicked(bool on);
    bool priorityChannelEmpty() const;

    PriorityBox& priority_;
};

}  // namespace vantrel
