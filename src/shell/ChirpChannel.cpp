#include "shell/ChirpChannel.h"

#include <cctype>
#include <cstdio>

#include "base/NumberText.h"
#include "channels/ChannelOptions.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneTables.h"

namespace vantrel::chirp {

namespace {

using Kind = Signal::Kind;

// Cross modes: transmit side "->" receive side.
struct CrossMode {
    const char* text;
    Kind tx;
    Kind rx;
};
constexpr CrossMode kCrossModes[] = {
    {"Tone->Tone", Kind::Tone, Kind::Tone}, {"Tone->DTCS", Kind::Tone, Kind::Dcs},
    {"DTCS->Tone", Kind::Dcs, Kind::Tone},  {"->Tone", Kind::None, Kind::Tone},
    {"->DTCS", Kind::None, Kind::Dcs},      {"DTCS->", Kind::Dcs, Kind::None},
    {"DTCS->DTCS", Kind::Dcs, Kind::Dcs},
};

std::size_t userTplWord(bool transmit, int i) {
    return transmit ? bytemap::userTplTxWord(i) : bytemap::userTplRxWord(i);
}

Signal signalOf(const CodeplugImage& image, Side side, int n) {
    const int code = image.byte(SignalOffset(n, side));
    Signal s;
    switch (KindOfSignal(code)) {
    case SignalKind::Tpl:
        s.kind = Kind::Tone;
        s.tenthsHz = TplFrequencyTable[static_cast<std::size_t>(code - kFirstTplCode)].tenthsHz;
        break;
    case SignalKind::UserTpl:
        s.kind = Kind::Tone;
        s.tenthsHz = image.word(userTplWord(side == Side::Tx, code - kUserTpl1Code));
        break;
    case SignalKind::Dpl:
        s.kind = Kind::Dcs;
        s.code = DplCodeTable[static_cast<std::size_t>(code - kFirstDplCode)];
        s.inverted = OptionValue(image, n, InversionOption(side)) != 0;
        break;
    case SignalKind::Csq:
    case SignalKind::None:  // a code the radio does not define counts as none
        break;
    }
    return s;
}

char polarity(bool inverted) { return inverted ? 'R' : 'N'; }

// A tone column's value in tenths of a hertz: a number with at most one
// decimal that is not zero.
std::optional<int> toneTenths(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    const auto tenths = value->rounded(1);
    if (!tenths || value->compare(*tenths, 1) != 0 || *tenths <= 0 || *tenths > 9999) return std::nullopt;
    return static_cast<int>(*tenths);
}

}  // namespace

std::string ToneText(int tenthsHz) {
    return std::to_string(tenthsHz / 10) + "." + std::to_string(tenthsHz % 10);
}

std::string MHzText(long long hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", hz / 1000000, hz % 1000000);
    return text;
}

Channel ChannelOf(const AppState& state, int n) {
    const CodeplugImage& image = state.image;
    Channel c;
    c.rxHz = StoredFrequencyHz(state, n, Side::Rx);
    c.txHz = StoredFrequencyHz(state, n, Side::Tx);
    c.rxOnly = OptionValue(image, n, ChannelOption::RxOnly) != 0;
    c.rx = signalOf(image, Side::Rx, n);
    c.tx = signalOf(image, Side::Tx, n);
    c.wide = OptionValue(image, n, ChannelOption::Bandwidth) != 0;
    // Membership is by slot, as the scan list shows it.
    c.scan = image.byte(bytemap::scanSlot(n)) != 0;
    c.highPower = OptionValue(image, n, ChannelOption::Power) != 0;
    return c;
}

std::optional<SignalCode> CodeOf(const CodeplugImage& image, bool transmit, const Signal& signal) {
    switch (signal.kind) {
    case Kind::None: return SignalCode{kCsqCode, false};
    case Kind::Tone:
        for (std::size_t i = 0; i < TplFrequencyTable.size(); ++i)
            if (TplFrequencyTable[i].tenthsHz == signal.tenthsHz) return SignalCode{kFirstTplCode + static_cast<int>(i), false};
        for (int i = 0; i < 3; ++i)
            if (image.word(userTplWord(transmit, i)) == signal.tenthsHz) return SignalCode{kUserTpl1Code + i, false};
        return std::nullopt;
    case Kind::Dcs:
        for (std::size_t i = 0; i < DplCodeTable.size(); ++i)
            if (signal.code == DplCodeTable[i]) return SignalCode{kFirstDplCode + static_cast<int>(i), signal.inverted};
        return std::nullopt;
    }
    return std::nullopt;
}

ToneColumns ToneColumnsOf(const Signal& tx, const Signal& rx) {
    ToneColumns t;
    if (tx.kind == Kind::None && rx.kind == Kind::None) return t;
    if (tx.kind == Kind::Tone && rx.kind == Kind::None) {
        t.tone = "Tone";
        t.rToneFreq = ToneText(tx.tenthsHz);
        return t;
    }
    if (tx.kind == Kind::Tone && tx == rx) {
        t.tone = "TSQL";
        t.rToneFreq = t.cToneFreq = ToneText(tx.tenthsHz);
        return t;
    }
    t.dtcsPolarity = {polarity(tx.inverted), polarity(rx.inverted)};
    if (tx.kind == Kind::Dcs && rx.kind == Kind::Dcs && tx.code == rx.code) {
        t.tone = "DTCS";
        t.dtcsCode = t.rxDtcsCode = tx.code;
        return t;
    }
    t.tone = "Cross";
    for (const CrossMode& m : kCrossModes)
        if (m.tx == tx.kind && m.rx == rx.kind) t.crossMode = m.text;
    if (tx.kind == Kind::Tone) t.rToneFreq = ToneText(tx.tenthsHz);
    if (tx.kind == Kind::Dcs) t.dtcsCode = tx.code;
    if (rx.kind == Kind::Tone) t.cToneFreq = ToneText(rx.tenthsHz);
    if (rx.kind == Kind::Dcs) t.rxDtcsCode = rx.code;
    return t;
}

SignalsRead SignalsOf(const ToneColumns& t) {
    // Tone modes other than Cross: the kinds of the two sides.
    struct ToneMode {
        const char* text;
        Kind tx;
        Kind rx;
    };
    static constexpr ToneMode kModes[] = {
        {"", Kind::None, Kind::None},   {"Tone", Kind::Tone, Kind::None}, {"TSQL", Kind::Tone, Kind::Tone},
        {"DTCS", Kind::Dcs, Kind::Dcs}, {"TSQL-R", Kind::None, Kind::Tone}, {"DTCS-R", Kind::None, Kind::Dcs},
    };
    Kind tx = Kind::None, rx = Kind::None;
    bool found = false;
    for (const ToneMode& m : kModes)
        if (t.tone == m.text) tx = m.tx, rx = m.rx, found = true;
    const bool cross = t.tone == "Cross";
    if (cross) {
        for (const CrossMode& m : kCrossModes)
            if (t.crossMode == m.text) tx = m.tx, rx = m.rx, found = true;
        if (!found) return {std::nullopt, "cross mode \"" + t.crossMode + "\" is unknown"};
    }
    if (!found) return {std::nullopt, "tone mode \"" + t.tone + "\" is unknown"};

    // TSQL sends and decodes the tone squelch; only Cross has a receive code
    // of its own.
    const std::string& txTone = t.tone == "TSQL" ? t.cToneFreq : t.rToneFreq;
    const std::string& rxCode = cross ? t.rxDtcsCode : t.dtcsCode;
    std::string polarityText = t.dtcsPolarity.empty() ? "NN" : t.dtcsPolarity;
    for (char& c : polarityText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool polarityKnown =
        polarityText.size() == 2 && polarityText.find_first_not_of("NR") == std::string::npos;

    std::string error;
    auto side = [&](Kind kind, const std::string& toneText, const std::string& codeText, int letter) {
        Signal s;
        s.kind = kind;
        if (kind == Kind::Tone) {
            if (const auto tenths = toneTenths(toneText)) s.tenthsHz = *tenths;
            else if (error.empty()) error = "tone \"" + toneText + "\" is not a tone frequency";
        } else if (kind == Kind::Dcs) {
            s.code = codeText;
            // CHIRP writes three digits; a spreadsheet may have dropped the zeros.
            if (!s.code.empty() && s.code.size() < 3) s.code.insert(0, 3 - s.code.size(), '0');
            if (!polarityKnown && error.empty()) error = "DTCS polarity \"" + t.dtcsPolarity + "\" is unknown";
            s.inverted = polarityKnown && polarityText[static_cast<std::size_t>(letter)] == 'R';
        }
        return s;
    };
    SignalPair pair{side(tx, txTone, t.dtcsCode, 0), side(rx, t.cToneFreq, rxCode, 1)};
    if (!error.empty()) return {std::nullopt, error};
    return {pair, {}};
}

}  // namespace vantrel::chirp
