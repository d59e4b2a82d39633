#include "codeplug/DefaultSettings.h"

#include <array>
#include <cstdint>

namespace vantrel {

namespace bm = bytemap;

namespace {

struct DefaultChannel {
    std::array<std::uint8_t, 6> record;   // bytes 16 to 21
    std::uint8_t subBand;                 // byte 320
};

// By band (low four bits of RadioType): 403.000, 464.025, 142.000, 151.025 and
// 498.000 MHz for receive and transmit.
const std::array<DefaultChannel, 5> kDefaultChannels = {{
    {{176, 223, 0, 224, 251, 0}, 0},
    {{212, 5, 1, 4, 34, 1}, 2},
    {{240, 116, 0, 192, 88, 0}, 2},
    {{148, 122, 0, 100, 94, 0}, 1},
    {{16, 27, 1, 64, 55, 1}, 1},
}};

void setBytes(CodeplugImage& image, std::size_t offset, std::initializer_list<std::uint8_t> v) {
    for (std::uint8_t b : v) image.setByte(offset++, b);
}

}  // namespace

void ApplyDefaultSettings(CodeplugImage& image) {
    setBytes(image, bm::OptionFlags, {236, 6, 35, 6, 8, 10, bm::kFixed60Value, bm::kFixed20Value, bm::kFixed10Value});
}

void ApplyDefaultUserTpl(CodeplugImage& image) {
    setBytes(image, bm::UserTplWords, {176, 4, 208, 7, 246, 9, 176, 4, 208, 7, 246, 9});
}

void ApplyDefaultChannel(CodeplugImage& image) {
    image.setByte(bm::scanSlot(1), 1);
    for (int n = 2; n <= static_cast<int>(bm::MaxChannels); ++n) image.setByte(bm::scanSlot(n), 0);
    image.setWord(bm::ScanMask, 1);
    const unsigned band = image.byte(bm::RadioType) & 0x0F;
    if (band < kDefaultChannels.size()) {
        const auto& d = kDefaultChannels[band];
        for (std::size_t i = 0; i < d.record.size(); ++i)
            image.setByte(bm::channelRecord(1) + i, d.record[i]);
        image.setByte(bm::subBandIndex(1), d.subBand);
    }
    // TPL 103.5 Hz both ways, high power, 25 kHz, both frequencies in 6.25 kHz steps.
    setBytes(image, bm::channelRecord(1) + 6, {14, 14, 141, 128});
    image.setByte(bm::rxRasterFlag(1), 1);
    image.setByte(bm::txRasterFlag(1), 1);
}

}  // namespace vantrel
