#pragma once
// Band facts as a loaded radio of each band has them.
#include "codeplug/AppState.h"
#include "codeplug/ByteMap.h"

namespace vantrel::testing {

struct BandRow {
    int band;
    int lowMHz;
    int highMHz;
    bool isUhf;
};

inline constexpr BandRow kBandRows[] = {
    {0, 403, 425, true}, {1, 450, 470, true}, {2, 136, 150, false}, {3, 150, 174, false}, {4, 490, 512, true},
};

inline void LoadBand(AppState& state, int band) {
    const BandRow& row = kBandRows[band];
    state.image.setByte(bytemap::RadioType, static_cast<std::uint8_t>(band));
    state.band.lowMHz = row.lowMHz;
    state.band.highMHz = row.highMHz;
    state.band.isUhf = row.isUhf;
    state.band.ifOffsetMHz = row.isUhf ? -45.1 : 45.1;
    state.band.known = true;
}

}  // namespace vantrel::testing
