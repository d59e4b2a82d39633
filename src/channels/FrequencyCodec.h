#pragma once
// Receive and transmit frequencies of a channel record: the code is a count
// of 6.25 kHz or 5 kHz reference steps (the channel's raster flag says which),
// and a receive code also carries the band's 45.1 MHz IF offset.
#include <optional>
#include <string>
#include <string_view>

#include "channels/ChannelMessages.h"
#include "channels/ChannelRecord.h"
#include "codeplug/AppState.h"

namespace vantrel {

inline constexpr long long kStep625Hz = 12800000 / 2048;  // raster flag non-zero
inline constexpr long long kStep5Hz = 12800000 / 2560;    // raster flag 0

// The grid fill's refresh of IsUhfBand from the low four bits b of RadioType:
// false for bands 2 and 3, true for 0, 1 and 4, unchanged for any other b.
void RefreshUhfBand(AppState& state);

// The stored channel frequency in hertz (IF offset taken off), or empty when
// the channel has none on that side.
std::optional<long long> StoredFrequencyHz(const AppState& state, int n, Side side);

// The grid's text: "" for no frequency, otherwise MHz as "###.####0".
std::string DecodeFrequency(const AppState& state, int n, Side side);
inline std::string DecodeRxFrequency(const AppState& s, int n) { return DecodeFrequency(s, n, Side::Rx); }
inline std::string DecodeTxFrequency(const AppState& s, int n) { return DecodeFrequency(s, n, Side::Tx); }

enum class FrequencyStatus {
    Stored,      // written; cellText is the text to show
    Empty,       // empty text: nothing written, the caller deletes the frequency
    NotANumber,  // "Invalid Frequency"
    OutOfRange,  // "Out of Frequency Range"
    OffRaster,   // "Frequency is not valid"
};

struct FrequencyResult {
    FrequencyStatus status;
    std::string cellText;

    // The message of a refusal; empty for Stored and Empty.
    std::optional<Notice> notice() const;
    // After "Invalid Frequency" and "Out of Frequency Range" the in-cell
    // editor is hidden; after "Frequency is not valid" it stays.
    bool hidesEditor() const;
};

// Validates a frequency typed in MHz and, when acceptable, stores its code and
// raster flag (and, on the receive side, the sub-band index). A refusal leaves
// the image unchanged.
FrequencyResult EncodeFrequency(AppState& state, int n, Side side, std::string_view text);
inline FrequencyResult EncodeRxFrequency(AppState& s, int n, std::string_view t) { return EncodeFrequency(s, n, Side::Rx, t); }
inline FrequencyResult EncodeTxFrequency(AppState& s, int n, std::string_view t) { return EncodeFrequency(s, n, Side::Tx, t); }

// Removes a frequency (receive: sub-band index 0 as well; the raster flag is
// kept) and takes the channel out of the scan list's slot and mask. Moving it
// between the list boxes is the scan list panel's job.
void DeleteFrequency(CodeplugImage& image, int n, Side side);
inline void DeleteRxFrequency(CodeplugImage& image, int n) { DeleteFrequency(image, n, Side::Rx); }
inline void DeleteTxFrequency(CodeplugImage& image, int n) { DeleteFrequency(image, n, Side::Tx); }

}  // namespace vantrel
