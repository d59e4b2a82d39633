#pragma once
// The 10-byte channel record and its companion bytes: the empty record and
// the clearing of channels.
#include <array>
#include <cstdint>

#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {

enum class Side { Rx, Tx };

// No receive and no transmit frequency, CSQ both sides, high power, mute
// mode 1, 25 kHz, every other option off.
inline constexpr std::array<std::uint8_t, bytemap::ChannelRecordSize> kEmptyChannelRecord = {
    0, 0, 252, 0, 0, 252, 0, 0, 129, 128};

// Byte 2 (receive) or 5 (transmit) of a record at this value or above: the
// channel has no such frequency.
inline constexpr std::uint8_t kNoFrequencyMark = 252;

// Image offsets of a channel's fields, n = 1..16.
std::size_t FreqCodeOffset(int n, Side side);
std::size_t SignalOffset(int n, Side side);
std::size_t RasterFlagOffset(int n, Side side);
inline std::size_t FlagsAOffset(int n) { return bytemap::channelRecord(n) + bytemap::RecChannelFlagsA; }
inline std::size_t FlagsBOffset(int n) { return bytemap::channelRecord(n) + bytemap::RecChannelFlagsB; }

void WriteEmptyRecord(CodeplugImage& image, int n);

// The empty record into all 16 channels, every tone-range flag set (238 := 21,
// 239 := 63) and the scan list mask cleared. Raster flags, scan slots and
// sub-band indexes keep their values.
void ClearChannels(CodeplugImage& image);

// The image side of trimming the grid to a radio's channel count: channels
// above it become empty records with both raster flags 0.
void ClearChannelsAbove(CodeplugImage& image, int channelCount);

}  // namespace vantrel
