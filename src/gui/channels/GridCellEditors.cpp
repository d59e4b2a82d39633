// The switch cells of the grid: a double-click or Enter steps the cell's
// switch in the editing model, which writes the option bits and gives the
// next text. A grey cell marks a switch without effect in the channel's
// current signalling.
#include "gui/channels/ChannelGrid.h"

namespace vantrel {

void ChannelGrid::StepSwitch(int row, int column) {
    if (ctx_.forward([row, column](EditingModel& m) { return m.StepSwitch(row, column); }, GestureOnRow(row)).ok)
        touch();
}

}  // namespace vantrel
