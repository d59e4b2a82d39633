#pragma once
// What every part of the editing model works on: the image (in AppState),
// the editing copies, and the messages a step deep in a sequence raises for
// the operation that set it off to return. Each part keeps one concern's
// rules; the model owns them all and runs the loads across them.
#include "codeplug/AppState.h"
#include "model/EditingCopies.h"

namespace vantrel {

class ModelPart {
public:
    ModelPart(AppState& state, EditingCopies& copies, Messages& pending)
        : state_(state), copies_(copies), pending_(pending) {}
    ModelPart(const ModelPart&) = delete;
    ModelPart& operator=(const ModelPart&) = delete;

    bool feature(Feature f) const { return copies_.features[static_cast<std::size_t>(f)]; }
    bool priorityScanTicked() const { return feature(Feature::PriorityScan); }
    // A grid cell; an empty one outside the grid's rows and columns.
    const GridCell& cell(int channel, int column) const;
    // Every user TPL box holds something: an empty one blocks priority and
    // timing edits.
    bool allTplFilled() const;

protected:
    // The messages raised so far, handed to the caller.
    Messages take();

    AppState& state_;
    EditingCopies& copies_;
    Messages& pending_;
};

}  // namespace vantrel
