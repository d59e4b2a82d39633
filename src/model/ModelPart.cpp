#include "model/ModelPart.h"

namespace vantrel {

Messages ModelPart::take() {
    Messages out;
    out.swap(pending_);
    return out;
}

const GridCell& ModelPart::cell(int channel, int column) const {
    static const GridCell kNone;
    if (channel < 1 || channel > copies_.gridRows || column < 1 || column >= kChannelColumnCount) return kNone;
    return copies_.cells[static_cast<std::size_t>(channel)][static_cast<std::size_t>(column)];
}

bool ModelPart::allTplFilled() const {
    for (int i = 0; i < 3; ++i)
        if (copies_.tpl.rx[static_cast<std::size_t>(i)].empty() || copies_.tpl.tx[static_cast<std::size_t>(i)].empty())
            return false;
    return true;
}

}  // namespace vantrel
