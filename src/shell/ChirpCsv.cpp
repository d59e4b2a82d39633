#include "shell/ChirpCsv.h"

#include "base/Trimmed.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

#include "base/NumberText.h"
#include "channels/ChannelMessages.h"
#include "channels/ChannelOptions.h"
#include "codeplug/Identity.h"
#include "model/MessageLine.h"
#include "shell/ChirpChannel.h"
#include "shell/Csv.h"

namespace vantrel {

const std::vector<std::string> kChirpColumns = {
    "Location", "Name",     "Frequency", "Duplex", "Offset", "Tone",    "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",     "Power",    "Comment",   "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};

namespace {

using chirp::Channel;

int channelCount(const AppState& state) { return ChannelCountFor(state.image.byte(bytemap::ModelIndex)); }

// Fields lose blanks and tabs around them.
std::string trimmed(std::string_view s) { return Trimmed(s, " \t"); }

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string noticeText(const Notice& n) { return trimmed(n.text); }

// A value in units of 10^-9 as the shortest decimal text ("462.5625").
std::string unitsText(long long units) {
    std::string sign = units < 0 ? "-" : "";
    const unsigned long long u = units < 0 ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    std::string frac = std::to_string(u % 1000000000ULL);
    frac.insert(0, 9 - frac.size(), '0');
    frac.erase(frac.find_last_not_of('0') + 1);
    return sign + std::to_string(u / 1000000000ULL) + (frac.empty() ? "" : "." + frac);
}

// ---- Export --------------------------------------------------------------------

// The row of a channel that has a receive frequency.
CsvRecord rowOf(const AppState& state, int n, const Channel& c) {
    const long long rxHz = *c.rxHz;
    std::string duplex, offset = "0.000000";
    if (c.rxOnly || !c.txHz) {
        duplex = "off";
    } else if (*c.txHz != rxHz) {
        duplex = *c.txHz > rxHz ? "+" : "-";
        offset = chirp::MHzText(std::llabs(*c.txHz - rxHz));
    }
    const chirp::ToneColumns t = chirp::ToneColumnsOf(c.tx, c.rx);
    const bool raster625 = state.image.byte(bytemap::rxRasterFlag(n)) != 0;
    const std::string power = HasFixedPower(state.image) ? "2.0W" : c.highPower ? "High" : "Low";
    return {std::to_string(n),
            "",
            chirp::MHzText(rxHz),
            duplex,
            offset,
            t.tone,
            t.rToneFreq,
            t.cToneFreq,
            t.dtcsCode,
            t.dtcsPolarity,
            t.rxDtcsCode,
            t.crossMode,
            c.wide ? "FM" : "NFM",
            raster625 ? "6.25" : "5.00",
            c.scan ? "" : "S",
            power,
            "", "", "", "", ""};
}

// ---- Import --------------------------------------------------------------------

// What stands where the header should name the Location and Frequency columns.
std::string whyNoColumns(const std::vector<CsvRecord>& records) {
    if (records.empty()) return "the file is empty";
    // Spreadsheets where the comma is the decimal mark separate fields with semicolons.
    if (records[0].size() == 1 && records[0][0].find(';') != std::string::npos)
        return "its fields are separated by semicolons; save it with commas between the fields";
    return "it has no Location and Frequency columns";
}

// One row's fields by column name; a column the file lacks reads as empty.
class RowFields {
public:
    RowFields(const std::map<std::string, std::size_t>& columns, const CsvRecord& record)
        : columns_(columns), record_(record) {}
    bool has(const std::string& name) const { return columns_.count(lower(name)) != 0; }
    std::string operator[](const std::string& name) const {
        const auto it = columns_.find(lower(name));
        if (it == columns_.end() || it->second >= record_.size()) return {};
        return trimmed(record_[it->second]);
    }

private:
    const std::map<std::string, std::size_t>& columns_;
    const CsvRecord& record_;
};

// A power column in watts ("5.0W", "0.5 W"), in units of 10^-9 W.
std::optional<long long> watts(const std::string& text) {
    if (text.empty() || std::toupper(static_cast<unsigned char>(text.back())) != 'W') return std::nullopt;
    const auto value = ParseNumber(std::string_view(text).substr(0, text.size() - 1));
    if (!value || value->isHuge()) return std::nullopt;
    return value->scaledUnits();
}

// One edit; empty when accepted, else the reason the row is left out.
using Edit = std::function<std::optional<std::string>(EditingModel&)>;

// The refusal of an edit as "what: the editor's messages".
std::optional<std::string> because(const std::string& what, const EditResult& result) {
    if (result.ok) return std::nullopt;
    std::string reason;
    for (const Message& m : result.messages) {
        const std::string text = MessageLine(m);
        if (!text.empty()) reason += (reason.empty() ? "" : "; ") + text;
    }
    return what + ": " + (reason.empty() ? "refused" : reason);
}

// The edits that make channel n what the row says, or the reason it cannot.
struct RowEdits {
    std::vector<Edit> edits;
    std::string error;
};

RowEdits editsFor(const AppState& state, int n, const RowFields& f, std::optional<long long> highWatts) {
    const Channel current = chirp::ChannelOf(state, n);
    RowEdits out;
    auto fail = [&out](std::string reason) {
        out.error = std::move(reason);
        out.edits.clear();
        return out;
    };

    // Frequencies: what would be typed into the two cells.
    const std::string rxText = f["Frequency"];
    const auto rx = ParseNumber(rxText);
    if (!rx) return fail("receive frequency \"" + rxText + "\": " + noticeText(kInvalidFrequency));
    const std::string duplex = lower(f["Duplex"]);
    const std::string offsetText = f["Offset"];
    std::string txText;
    bool rxOnly = current.rxOnly;
    if (duplex.empty()) {
        txText = rxText;
        rxOnly = false;
    } else if (duplex == "off") {
        // No transmit. A channel that has a receive but no transmit frequency
        // cannot transmit already and stays as it is; otherwise it becomes
        // Rx Only, keeping its transmit frequency, or, new, taking the
        // receive one (the scan list wants both).
        if (current.txHz) txText = chirp::MHzText(*current.txHz);
        else if (!current.rxHz) txText = rxText;
        rxOnly = current.rxOnly || !txText.empty();
    } else if (duplex == "split") {
        txText = offsetText;
        rxOnly = false;
    } else if (duplex == "+" || duplex == "-") {
        rxOnly = false;
        const auto offset = ParseNumber(offsetText);
        if (!offset) return fail("offset \"" + offsetText + "\" is not a number");
        txText = unitsText(rx->scaledUnits() + (duplex == "+" ? 1 : -1) * offset->scaledUnits());
    } else {
        return fail("duplex \"" + f["Duplex"] + "\" is unknown");
    }
    // No transmit text only for "off" on a channel without a transmit frequency.
    const auto tx = ParseNumber(txText);
    if (!tx && !(duplex == "off" && txText.empty()))
        return fail("transmit frequency \"" + txText + "\": " + noticeText(kInvalidFrequency));

    chirp::ToneColumns columns;
    columns.tone = f["Tone"];
    columns.rToneFreq = f["rToneFreq"];
    columns.cToneFreq = f["cToneFreq"];
    columns.dtcsCode = f["DtcsCode"];
    columns.dtcsPolarity = f["DtcsPolarity"];
    columns.rxDtcsCode = f["RxDtcsCode"];
    columns.crossMode = f["CrossMode"];
    const chirp::SignalsRead signals = chirp::SignalsOf(columns);
    if (!signals.signals) return fail(signals.error);

    std::optional<bool> wide;
    const std::string mode = f["Mode"];
    if (mode == "FM") wide = true;
    else if (mode == "NFM") wide = false;
    else if (!mode.empty()) return fail("mode \"" + mode + "\" is not one the radio has");

    std::optional<bool> high;
    const std::string power = lower(f["Power"]);
    if (power == "high" || power == "hi" || power == "h") high = true;
    else if (power == "low" || power == "lo" || power == "l") high = false;
    else if (const auto w = watts(power)) high = highWatts && *w >= *highWatts;
    else if (!power.empty()) return fail("power \"" + f["Power"] + "\" is unknown");

    // A list without the column leaves the scan list alone.
    const bool scanGiven = f.has("Skip");
    const bool scan = lower(f["Skip"]) != "s";

    // The edits, in the order a user would make them, only where the row
    // differs from the channel.
    const auto rxHz = rx->rounded(6);
    const auto txHz = tx ? tx->rounded(6) : current.txHz;
    if (!rxHz || current.rxHz != rxHz)
        out.edits.push_back([n, rxText](EditingModel& m) {
            return because("receive frequency " + rxText, m.CommitFrequency(n, Side::Rx, rxText));
        });
    if (tx && (!txHz || current.txHz != txHz))
        out.edits.push_back([n, txText](EditingModel& m) {
            return because("transmit frequency " + txText, m.CommitFrequency(n, Side::Tx, txText));
        });
    if (current.rxOnly != rxOnly)
        out.edits.push_back([n, rxOnly](EditingModel& m) {
            return because("Rx Only", m.SetCellText(n, kColRxOnly, rxOnly ? "On" : "Off"));
        });
    const std::pair<Side, const chirp::Signal*> sides[] = {{Side::Rx, &signals.signals->rx},
                                                           {Side::Tx, &signals.signals->tx}};
    for (const auto& [side, wanted] : sides) {
        const chirp::Signal& now = side == Side::Rx ? current.rx : current.tx;
        if (*wanted == now) continue;
        const auto code = chirp::CodeOf(state.image, side == Side::Tx, *wanted);
        if (!code) {
            if (wanted->kind == chirp::Signal::Kind::Tone)
                return fail("tone " + chirp::ToneText(wanted->tenthsHz) + " Hz is not in the radio's tone table");
            return fail("DTCS code \"" + wanted->code + "\" is not in the radio's code table");
        }
        out.edits.push_back([n, side = side, code = *code](EditingModel& m) {
            return because("signalling", m.ChooseSignal(n, side, code.code, code.inverted));
        });
    }
    if (wide && current.wide != *wide)
        out.edits.push_back([n, w = *wide](EditingModel& m) {
            return because("bandwidth", m.SetCellText(n, kColBandwidth, w ? "25" : "12.5"));
        });
    if (high && !HasFixedPower(state.image) && current.highPower != *high)
        out.edits.push_back([n, h = *high](EditingModel& m) {
            return because("power", m.SetCellText(n, kColPower, h ? "H" : "L"));
        });
    if (scanGiven && current.scan != scan)
        out.edits.push_back([n, scan](EditingModel& m) {
            return because("scan list", scan ? m.AddToScanList(n) : m.RemoveFromScanList(n));
        });
    return out;
}

// The first refusal of the edits, or empty when all were accepted; a
// refused row leaves the model as it was before the row.
std::optional<std::string> applyRow(const std::vector<Edit>& edits, EditingModel& model) {
    const EditingModel::Snapshot before = model.snapshot();
    for (const Edit& edit : edits)
        if (const auto refusal = edit(model)) {
            model.restore(before);
            return refusal;
        }
    return std::nullopt;
}

std::string channelRange(int count) { return "the radio has channels 1 to " + std::to_string(count); }

// The channel a row's Location names, or why it names none the radio has.
std::optional<int> listedChannel(const std::string& location, int count, std::string& reason) {
    const auto number = ParseNumber(location);
    const auto n = number ? number->rounded(0) : std::nullopt;
    if (!n || number->compare(*n) != 0) reason = "not a channel number";
    else if (*n < 1 || *n > count) reason = channelRange(count);
    else return static_cast<int>(*n);
    return std::nullopt;
}

struct ImportRequest {
    const std::vector<CsvRecord>& records;   // the header first
    const std::map<std::string, std::size_t>& columns;
    std::optional<int> firstChannel;         // empty: the rows' own Locations
    std::optional<long long> highWatts;      // the power in watts that counts as high
};

struct Pass {
    ChirpImport result;
    std::optional<long long> maxTakenWatts;  // the highest power in watts of the rows taken
};

// One pass over the rows, applying those the radio can take.
Pass importRows(const ImportRequest& request, EditingModel& model) {
    const AppState& state = model.state();
    const int count = channelCount(state);
    Pass pass;
    ChirpImport& result = pass.result;
    int next = request.firstChannel.value_or(0);
    // The row each channel was taken from: a later row for the same channel
    // would replace it unseen while both counted as imported.
    std::map<int, int> takenFrom;
    for (std::size_t r = 1; r < request.records.size(); ++r) {
        const RowFields fields(request.columns, request.records[r]);
        SkippedRow skipped{static_cast<int>(r + 1), fields["Location"], {}};
        std::string& reason = skipped.reason;
        std::optional<int> n;
        if (!request.firstChannel) n = listedChannel(skipped.location, count, reason);
        else if (next <= count) n = next;
        else reason = "no channel left: " + channelRange(count);
        if (n) {
            const RowEdits row = editsFor(state, *n, fields, request.highWatts);
            reason = row.error;
            const auto taken = takenFrom.find(*n);
            if (reason.empty() && taken != takenFrom.end())
                reason = "channel " + std::to_string(*n) + " is already taken from row " + std::to_string(taken->second);
            if (reason.empty())
                if (const auto refusal = applyRow(row.edits, model)) reason = *refusal;
        }
        if (!reason.empty()) {
            result.skipped.push_back(std::move(skipped));
            continue;
        }
        takenFrom.emplace(*n, skipped.row);
        ++result.imported;
        result.firstChannel = result.firstChannel ? std::min(result.firstChannel, *n) : *n;
        result.lastChannel = std::max(result.lastChannel, *n);
        if (!fields["Name"].empty()) result.namesDropped = true;
        if (const auto w = watts(lower(fields["Power"])))
            pass.maxTakenWatts = std::max(pass.maxTakenWatts.value_or(*w), *w);
        if (request.firstChannel) ++next;
    }
    return pass;
}

}  // namespace

// U+2013 in UTF-8, between the first and the last channel.
constexpr const char* kEnDash = "\xE2\x80\x93";

const char* const kNamesNotKept = "channel names are not kept: the radio has no channel names";

std::string ImportSummary(const ChirpImport& r) {
    std::string text = "imported " + std::to_string(r.imported) + (r.imported == 1 ? " row" : " rows");
    if (r.firstChannel == r.lastChannel && r.imported > 0)
        text += " into channel " + std::to_string(r.firstChannel);
    else if (r.imported > 0)
        text += " into channels " + std::to_string(r.firstChannel) + kEnDash + std::to_string(r.lastChannel);
    return text + "; " + std::to_string(r.skipped.size()) + " left out";
}

std::string ExportChirpCsv(const AppState& state) {
    std::string out = FormatCsvRecord(kChirpColumns);
    for (int n = 1; n <= channelCount(state); ++n) {
        const Channel c = chirp::ChannelOf(state, n);
        if (c.rxHz) out += FormatCsvRecord(rowOf(state, n, c));
    }
    return out;
}

std::string SkippedRowText(const SkippedRow& s) {
    return (s.location.empty() ? "row " + std::to_string(s.row) : "location " + s.location) + ": " + s.reason;
}

ChirpImport ImportChirpCsv(std::string_view text, EditingModel& model, std::optional<int> firstChannel) {
    ChirpImport result;
    // Spreadsheets that save UTF-8 put a byte-order mark before the header.
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    const std::vector<CsvRecord> records = ParseCsv(text);
    std::map<std::string, std::size_t> columns;
    if (!records.empty())
        for (std::size_t i = 0; i < records[0].size(); ++i) columns.emplace(lower(trimmed(records[0][i])), i);
    if (!columns.count("location") || !columns.count("frequency")) {
        result.error = "not a CHIRP channel list: " + whyNoColumns(records);
        return result;
    }
    const int count = channelCount(model.state());
    if (firstChannel && (*firstChannel < 1 || *firstChannel > count)) {
        result.error = "there is no channel " + std::to_string(*firstChannel) + ": " + channelRange(count);
        return result;
    }

    // Powers in watts are relative: the highest among the rows taken is the
    // radio's high power. Which rows are taken is known only after a pass, so
    // a list with watts goes in a second time with that power.
    const EditingModel::Snapshot before = model.snapshot();
    Pass pass = importRows({records, columns, firstChannel, std::nullopt}, model);
    if (pass.maxTakenWatts) {
        model.restore(before);
        pass = importRows({records, columns, firstChannel, pass.maxTakenWatts}, model);
    }
    return pass.result;
}

}  // namespace vantrel
