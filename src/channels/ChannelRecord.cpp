#include "channels/ChannelRecord.h"

namespace vantrel {

namespace bm = bytemap;

std::size_t FreqCodeOffset(int n, Side side) {
    return bm::channelRecord(n) + (side == Side::Rx ? bm::RecRxFreqCode : bm::RecTxFreqCode);
}

std::size_t SignalOffset(int n, Side side) {
    return bm::channelRecord(n) + (side == Side::Rx ? bm::RecRxSignal : bm::RecTxSignal);
}

std::size_t RasterFlagOffset(int n, Side side) {
    return side == Side::Rx ? bm::rxRasterFlag(n) : bm::txRasterFlag(n);
}

void WriteEmptyRecord(CodeplugImage& image, int n) {
    const std::size_t r = bm::channelRecord(n);
    for (std::size_t i = 0; i < kEmptyChannelRecord.size(); ++i) image.setByte(r + i, kEmptyChannelRecord[i]);
}

void ClearChannels(CodeplugImage& image) {
    for (int n = 1; n <= static_cast<int>(bm::MaxChannels); ++n) WriteEmptyRecord(image, n);
    image.setByte(bm::RxToneRangeFlags, 21);
    image.setByte(bm::ToneRangeFlags, 63);
    image.setWord(bm::ScanMask, 0);
}

void ClearChannelsAbove(CodeplugImage& image, int channelCount) {
    for (int n = channelCount + 1; n <= static_cast<int>(bm::MaxChannels); ++n) {
        WriteEmptyRecord(image, n);
        image.setByte(bm::rxRasterFlag(n), 0);
        image.setByte(bm::txRasterFlag(n), 0);
    }
}

}  // namespace vantrel
