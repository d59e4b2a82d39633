#include "channels/FrequencyCodec.h"

#include <cmath>

#include "base/NumberText.h"
#include "channels/SubBand.h"

namespace vantrel {
namespace {

namespace bm = bytemap;

constexpr long long kMHz = 1000000;
constexpr long long kIfOffsetHz = 45100000;
// Largest code that keeps the third byte below the no-frequency mark.
constexpr long long kMaxCode = (static_cast<long long>(kNoFrequencyMark) << 16) - 1;

// The band's IF offset as exact hertz (the band facts carry it in MHz).
long long ifOffsetHz(const BandFacts& band) { return std::llround(band.ifOffsetMHz * kMHz); }

FrequencyResult refusal(FrequencyStatus status) { return {status, {}}; }

}  // namespace

void RefreshUhfBand(AppState& state) {
    const int band = state.image.byte(bm::RadioType) & 0x0F;
    if (band <= 4) state.band.isUhf = band != 2 && band != 3;
}

std::optional<long long> StoredFrequencyHz(const AppState& state, int n, Side side) {
    const CodeplugImage& img = state.image;
    const std::size_t at = FreqCodeOffset(n, side);
    if (img.byte(at + 2) >= kNoFrequencyMark) return std::nullopt;
    const long long code = img.byte(at) + 256LL * img.byte(at + 1) + 65536LL * img.byte(at + 2);
    const long long step = img.byte(RasterFlagOffset(n, side)) != 0 ? kStep625Hz : kStep5Hz;
    long long hz = code * step;
    if (side == Side::Rx) hz += state.band.isUhf ? kIfOffsetHz : -kIfOffsetHz;
    return hz;
}

std::string DecodeFrequency(const AppState& state, int n, Side side) {
    const auto hz = StoredFrequencyHz(state, n, side);
    return hz ? FormatMHz(*hz) : std::string();
}

std::optional<Notice> FrequencyResult::notice() const {
    switch (status) {
        case FrequencyStatus::NotANumber: return kInvalidFrequency;
        case FrequencyStatus::OutOfRange: return kOutOfFrequencyRange;
        case FrequencyStatus::OffRaster: return kFrequencyNotValid;
        case FrequencyStatus::Stored:
        case FrequencyStatus::Empty: break;
    }
    return std::nullopt;
}

bool FrequencyResult::hidesEditor() const {
    return status == FrequencyStatus::NotANumber || status == FrequencyStatus::OutOfRange;
}

FrequencyResult EncodeFrequency(AppState& state, int n, Side side, std::string_view text) {
    const auto mhz = ParseNumber(text);
    if (!mhz) return refusal(text.empty() ? FrequencyStatus::Empty : FrequencyStatus::NotANumber);
    if (mhz->compare(state.band.lowMHz) < 0 || mhz->compare(state.band.highMHz) > 0)
        return refusal(FrequencyStatus::OutOfRange);

    // Whole hertz of the typed frequency; the IF offset is whole hertz too, so
    // adding it after rounding gives the same code as rounding the sum.
    const long long channelHz = *mhz->rounded(6);
    const long long codedHz = channelHz + (side == Side::Rx ? ifOffsetHz(state.band) : 0);

    long long step = 0;
    if (codedHz % kStep625Hz == 0) step = kStep625Hz;  // every multiple of 25 kHz lands here
    else if (codedHz % kStep5Hz == 0) step = kStep5Hz;
    else return refusal(FrequencyStatus::OffRaster);
    const long long code = codedHz / step;
    // Only band facts outside the radio's bands could get here.
    if (code < 0 || code > kMaxCode) return refusal(FrequencyStatus::OutOfRange);

    CodeplugImage& img = state.image;
    if (side == Side::Rx) SetSubBandIndex(img, n, channelHz);
    const std::size_t at = FreqCodeOffset(n, side);
    img.setByte(at, static_cast<std::uint8_t>(code & 0xFF));
    img.setByte(at + 1, static_cast<std::uint8_t>((code >> 8) & 0xFF));
    img.setByte(at + 2, static_cast<std::uint8_t>(code >> 16));
    img.setByte(RasterFlagOffset(n, side), step == kStep625Hz ? 1 : 0);
    return {FrequencyStatus::Stored, FormatMHz(channelHz)};
}

void DeleteFrequency(CodeplugImage& image, int n, Side side) {
    if (side == Side::Rx) SetSubBandIndex(image, n, 0);
    const std::size_t at = FreqCodeOffset(n, side);
    image.setByte(at, 0);
    image.setByte(at + 1, 0);
    image.setByte(at + 2, kNoFrequencyMark);
    image.setByte(bm::scanSlot(n), 0);
    image.setWord(bm::ScanMask, static_cast<std::uint16_t>(image.word(bm::ScanMask) & ~(1u << (n - 1))));
}

}  // namespace vantrel
