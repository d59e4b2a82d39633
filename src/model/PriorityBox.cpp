#include "model/PriorityBox.h"

#include <algorithm>
#include "base/NumberText.h"
#include "codeplug/ByteMap.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

void PriorityBox::setPriorityUpDown(int value, bool quiet) {
    const int clamped = std::clamp(value, 1, copies_.priorityMax);
    if (clamped == copies_.priorityUpDown) return;
    copies_.priorityUpDown = clamped;
    if (quiet) return;
    // The up-down steps its buddy box; the box's change does the rest.
    if (BoxNumber(copies_.priorityText) != clamped || copies_.priorityText.empty())
        setPriorityBox(std::to_string(clamped));
}

void PriorityBox::setPriorityMaximum(int max) {
    copies_.priorityMax = max;
    if (copies_.priorityUpDown > max) setPriorityUpDown(max, false);
}

void PriorityBox::setPriorityBox(const std::string& text) {
    if (text == copies_.priorityText) return;
    copies_.priorityText = text;
    priorityChanged();
}

void PriorityBox::showPriorityChannel() {
    const int stored = state_.image.byte(bm::PrioScanChNo);
    setPriorityUpDown(stored, true);
    setPriorityBox(std::to_string(stored));
}

void PriorityBox::priorityChanged() {
    if (allTplFilled()) {
        storePriorityText();
        return;
    }
    // While a TPL box is empty the edit is undone, back to the stored number.
    const int stored = state_.image.byte(bm::PrioScanChNo);
    if (BoxNumber(copies_.priorityText) != stored) {
        setPriorityBox(std::to_string(stored));
        return;
    }
    storePriorityText();
}

bool PriorityBox::storePriorityText() {
    const int v = BoxNumber(copies_.priorityText);
    bool outside = false;
    if (priorityScanTicked() && !state_.loadingImage) {
        // The position after the last item reads as an empty item, value 0.
        const std::size_t n = copies_.channelList.size();
        for (std::size_t i = 0; i <= n; ++i) {
            if ((i < n ? copies_.channelList[i] : 0) != v) continue;
            pending_.push_back(Tell(PriorityNotInScanList()));
            state_.prioChannelError = true;
            setPriorityUpDown(v, true);
            outside = true;
            break;
        }
    }
    const int count = state_.image.byte(bm::ChannelCount);
    if (v > count) {
        // Stored before the box changes, so that an undo running on that
        // change aims at the limit and not back above it.
        state_.image.setByte(bm::PrioScanChNo, static_cast<std::uint8_t>(count));
        setPriorityBox(std::to_string(count));
        return outside;
    }
    state_.image.setByte(bm::PrioScanChNo, static_cast<std::uint8_t>(std::clamp(v, 0, 255)));
    if (v >= 1 && v <= copies_.priorityMax) setPriorityUpDown(v, true);
    return outside;
}

EditResult PriorityBox::SetPriorityText(const std::string& text) {
    state_.dataChanged = true;
    setPriorityBox(text);
    EditResult r{take(), true};
    r.ok = state_.image.byte(bm::PrioScanChNo) == BoxNumber(text) && r.messages.empty();
    return r;
}

}  // namespace vantrel
