#pragma once
// A channel as the widely used CHIRP radio programmer describes it: receive
// frequency, the transmit side as duplex and offset, one tone mode over both
// signalling sides, bandwidth as FM / NFM, scan skip and power. The channel
// list files (ChirpCsv.h) are made of these.
#include <optional>
#include <string>

#include "codeplug/AppState.h"

namespace vantrel::chirp {

// One side's signalling: nothing, a CTCSS tone (TPL or a user TPL) or a DCS
// code (DPL, or IDPL when inverted).
struct Signal {
    enum class Kind { None, Tone, Dcs };
    Kind kind = Kind::None;
    int tenthsHz = 0;    // Tone
    std::string code;    // Dcs: three octal digits
    bool inverted = false;

    bool operator==(const Signal& o) const {
        if (kind != o.kind) return false;
        if (kind == Kind::Tone) return tenthsHz == o.tenthsHz;
        if (kind == Kind::Dcs) return code == o.code && inverted == o.inverted;
        return true;
    }
    bool operator!=(const Signal& o) const { return !(*this == o); }
};

// What a channel of the image holds, in the terms above.
struct Channel {
    std::optional<long long> rxHz;   // empty: no receive frequency
    std::optional<long long> txHz;   // empty: no transmit frequency
    bool rxOnly = false;
    Signal rx, tx;
    bool wide = true;       // 25 kHz
    bool scan = false;      // in the scan list
    bool highPower = true;
};

// Channel n. A user TPL tone is its stored frequency.
Channel ChannelOf(const AppState& state, int n);

// The signalling code (and inversion) a side takes for a signal: a tone
// from the TPL table or, failing that, a user TPL whose stored frequency of
// that side it is; a DCS code from the DPL table. Empty when the radio has
// no such tone or code.
struct SignalCode {
    int code;
    bool inverted;
};
std::optional<SignalCode> CodeOf(const CodeplugImage& image, bool transmit, const Signal& signal);

// The tone modes and their texts.
struct ToneColumns {
    std::string tone;        // "", "Tone", "TSQL", "DTCS", "Cross"
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// The columns that describe a transmit and a receive signal.
ToneColumns ToneColumnsOf(const Signal& tx, const Signal& rx);

// The transmit and receive signals the columns describe (TSQL-R and DTCS-R
// are taken as receive-only tone and code), or the reason they cannot be
// read.
struct SignalPair {
    Signal tx, rx;
};
struct SignalsRead {
    std::optional<SignalPair> signals;
    std::string error;
};
SignalsRead SignalsOf(const ToneColumns& columns);

// "67.0" for 670 tenths.
std::string ToneText(int tenthsHz);
// "462.562500" for 462 562 500 Hz.
std::string MHzText(long long hz);

}  // namespace vantrel::chirp
