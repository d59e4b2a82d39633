#pragma once
// The texts of the channel grid's 14 columns (0 = channel number, 1..13 the
// channel's fields) as the image gives them, for a grid that shows texts and
// commits typed texts.
#include <optional>
#include <string>

#include "channels/ChannelOptions.h"
#include "codeplug/AppState.h"

namespace vantrel {

enum ChannelColumn : int {
    kColChannelNo = 0,
    kColRxFrequency = 1,
    kColRxSignal = 2,
    kColSquelch = 3,
    kColMute = 4,
    kColTxFrequency = 5,
    kColTxSignal = 6,
    kColPower = 7,
    kColTurnOffCode = 8,
    kColRxOnly = 9,
    kColReverseBurst = 10,
    kColBclo = 11,
    kColBandwidth = 12,
    kColTalkaround = 13,
    kChannelColumnCount = 14,
};

// The option a switch column shows; empty for columns 0, 1, 2, 5 and 6.
std::optional<ChannelOption> OptionOfColumn(int column);

// Text of one cell of channel n. Empty (no value) where the cell keeps the
// text it had: a signalling code of 131 or above, or a column outside 0..13.
std::optional<std::string> ChannelCellText(const AppState& state, int n, int column);

}  // namespace vantrel
