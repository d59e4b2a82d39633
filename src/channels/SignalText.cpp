#include "channels/SignalText.h"

#include "channels/ChannelOptions.h"
#include "channels/ToneTables.h"

namespace vantrel {

std::optional<std::string> SignalTextFor(int code, bool inverted) {
    switch (KindOfSignal(code)) {
        case SignalKind::Csq: return std::string(" CSQ");
        case SignalKind::Tpl:
            return std::string(" TPL: ") + TplFrequencyTable[code - kFirstTplCode].text + " Hz";
        case SignalKind::Dpl:
            return std::string(inverted ? " IDPL: " : " DPL: ") + DplCodeTable[code - kFirstDplCode];
        case SignalKind::UserTpl: return " TPL" + std::to_string(code - kUserTpl1Code + 1);
        case SignalKind::None: break;
    }
    return std::nullopt;
}

std::optional<std::string> SignalText(const CodeplugImage& image, Side side, int n) {
    return SignalTextFor(image.byte(SignalOffset(n, side)), OptionValue(image, n, InversionOption(side)) != 0);
}

}  // namespace vantrel
