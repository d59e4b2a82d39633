#include "channels/SubBand.h"

#include <iterator>

#include "codeplug/ByteMap.h"

namespace vantrel {
namespace {

constexpr long long kMHz = 1000000;

// A frequency below `upperMHz` (or at it, when `upperIncluded`) gets `index`;
// the rows of a band are tried in order and the last one takes the rest
// (intervals include their lower end).
struct Bound {
    int upperMHz;
    bool upperIncluded;
    int index;
};

struct BandRows {
    Bound rows[7];
    int count;
};

constexpr int kTop = 100000;  // beyond any band

constexpr BandRows kBands[] = {
    {{{408, false, 0}, {413, false, 1}, {418, false, 2}, {425, false, 3}, {kTop, false, 4}}, 5},
    {{{455, false, 0}, {460, false, 1}, {465, false, 2}, {470, false, 3}, {kTop, false, 4}}, 5},
    // Band 2 has no index 3; 150 itself still belongs to index 6.
    {{{136, false, 0}, {140, false, 1}, {143, false, 2}, {147, false, 4}, {150, true, 6}, {kTop, false, 7}}, 6},
    {{{150, false, 0}, {155, false, 1}, {160, false, 2}, {165, false, 3}, {170, false, 4}, {174, true, 6}, {kTop, false, 7}}, 7},
    {{{495, false, 0}, {500, false, 1}, {505, false, 2}, {512, false, 3}, {kTop, false, 4}}, 5},
};

}  // namespace

std::optional<int> SubBandIndexFor(int band, long long hz) {
    if (band < 0 || band >= static_cast<int>(std::size(kBands))) return std::nullopt;
    const BandRows& b = kBands[band];
    for (int i = 0; i < b.count; ++i) {
        const long long upper = b.rows[i].upperMHz * kMHz;
        if (hz < upper || (b.rows[i].upperIncluded && hz == upper)) return b.rows[i].index;
    }
    return b.rows[b.count - 1].index;
}

void SetSubBandIndex(CodeplugImage& image, int n, long long hz) {
    if (const auto index = SubBandIndexFor(image.byte(bytemap::RadioType) & 0x0F, hz))
        image.setByte(bytemap::subBandIndex(n), static_cast<std::uint8_t>(*index));
}

}  // namespace vantrel
