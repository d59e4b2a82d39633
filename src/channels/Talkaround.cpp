#include "channels/Talkaround.h"

#include "channels/ChannelOptions.h"

namespace vantrel {

bool IsSimplex(const ChannelPairTexts& t) {
    return t.rxFrequency == t.txFrequency && t.rxSignal == t.txSignal;
}

TalkaroundCell UpdateTalkaround(CodeplugImage& image, int n, const ChannelPairTexts& texts) {
    const bool simplex = IsSimplex(texts);
    SetOptionValue(image, n, ChannelOption::Talkaround, simplex ? 0 : 1);
    return simplex ? TalkaroundCell{"Off", true} : TalkaroundCell{"On", false};
}

}  // namespace vantrel
