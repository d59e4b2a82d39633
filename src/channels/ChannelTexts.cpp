#include "channels/ChannelTexts.h"

#include "channels/FrequencyCodec.h"
#include "channels/SignalText.h"

namespace vantrel {
namespace {

struct SwitchColumn {
    int column;
    ChannelOption option;
};

constexpr SwitchColumn kSwitchColumns[] = {
    {kColSquelch, ChannelOption::Squelch},     {kColMute, ChannelOption::Mute},
    {kColPower, ChannelOption::Power},         {kColTurnOffCode, ChannelOption::TurnOffCode},
    {kColRxOnly, ChannelOption::RxOnly},       {kColReverseBurst, ChannelOption::ReverseBurst},
    {kColBclo, ChannelOption::Bclo},           {kColBandwidth, ChannelOption::Bandwidth},
    {kColTalkaround, ChannelOption::Talkaround},
};

}  // namespace

std::optional<ChannelOption> OptionOfColumn(int column) {
    for (const SwitchColumn& c : kSwitchColumns)
        if (c.column == column) return c.option;
    return std::nullopt;
}

std::optional<std::string> ChannelCellText(const AppState& state, int n, int column) {
    switch (column) {
        case kColChannelNo: return std::to_string(n);
        case kColRxFrequency: return DecodeRxFrequency(state, n);
        case kColTxFrequency: return DecodeTxFrequency(state, n);
        case kColRxSignal: return SignalText(state.image, Side::Rx, n);
        case kColTxSignal: return SignalText(state.image, Side::Tx, n);
        default: break;
    }
    if (const auto option = OptionOfColumn(column)) return OptionText(state.image, n, *option);
    return std::nullopt;
}

}  // namespace vantrel
