#pragma once
// The scan list and the list of the other channels: membership by slot and
// mask bit, both lists in channel order.
#include "model/ModelPart.h"

namespace vantrel {

class ScanMembership : public ModelPart {
public:
    using ModelPart::ModelPart;

    EditResult AddToScanList(int channel);       // "Add >>" with channel selected
    EditResult RemoveFromScanList(int channel);  // "<< Remove" with channel selected

    // Every channel of the model outside the scan list.
    void resetScanLists();
    // The lists as the image's slots have them.
    void showScanList();
    // A channel that lost a frequency leaves the scan list.
    void moveToChannelList(int channel);

private:
    void setMember(int channel, bool member);
};

}  // namespace vantrel
