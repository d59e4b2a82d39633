#include "model/GridCells.h"

#include <algorithm>
#include <cctype>
#include "base/NumberText.h"
#include "base/Trimmed.h"
#include "channels/ChannelOptions.h"
#include "channels/SignalText.h"
#include "channels/Talkaround.h"
#include "channels/ToneTables.h"
#include "codeplug/Identity.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

namespace {

bool isFrequencyColumn(int c) { return c == kColRxFrequency || c == kColTxFrequency; }
Side sideOfColumn(int c) { return c == kColTxFrequency || c == kColTxSignal ? Side::Tx : Side::Rx; }
bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// A text without blanks, colons or " Hz", in capitals: how a typed signalling
// text is matched against the grid's texts.
std::string signalKey(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != ':') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (out.size() > 2 && out.compare(out.size() - 2, 2, "HZ") == 0) out.resize(out.size() - 2);
    return out;
}

}  // namespace

void GridCells::setCell(int row, int column, const std::string& text) {
    if (row < 1 || row > copies_.gridRows || column < 1 || column >= kChannelColumnCount) return;
    copies_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text = text;
}

void GridCells::setGrey(int row, int column, bool grey) {
    if (row < 1 || row > copies_.gridRows || column < 1 || column >= kChannelColumnCount) return;
    copies_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].grey = grey;
}

void GridCells::sizeRows() {
    const int n = ChannelCountFor(state_.image.byte(bm::ModelIndex));
    copies_.gridChannels = n;
    state_.image.setByte(bm::ChannelCount, static_cast<std::uint8_t>(n));
    // Rows the grid drops lose their cells; rows it adds start empty.
    for (int r = std::min(n, copies_.gridRows) + 1; r <= static_cast<int>(bm::MaxChannels); ++r)
        copies_.cells[static_cast<std::size_t>(r)] = {};
    copies_.gridRows = n;
}

void GridCells::sizeChannelGrid() {
    sizeRows();
    const int n = copies_.gridChannels;
    if (n >= copies_.priorityUpDown) return;
    priority_.setPriorityUpDown(1, true);
    // Stored first: with an empty TPL box the box's change undoes itself
    // back to the stored number.
    state_.image.setByte(bm::PrioScanChNo, 1);
    priority_.setPriorityBox(std::to_string(copies_.priorityUpDown));
}

void GridCells::TrimChannels() {
    sizeRows();
    ClearChannelsAbove(state_.image, copies_.gridChannels);
    showChannelGrid();
}

void GridCells::showChannelGrid() {
    RefreshUhfBand(state_);
    const int count = std::min<int>(state_.image.byte(bm::ChannelCount), copies_.gridRows);
    for (int n = 1; n <= count; ++n)
        for (int c = 1; c < kChannelColumnCount; ++c)
            // A signalling code without a text leaves its cell as it was.
            if (const auto text = ChannelCellText(state_, n, c)) setCell(n, c, *text);
}

void GridCells::shadeChannelGrid() {
    const auto& image = state_.image;
    const int count = std::min<int>(image.byte(bm::ChannelCount), copies_.gridRows);
    for (int n = 1; n <= count; ++n) {
        setGrey(n, kColMute, image.byte(SignalOffset(n, Side::Rx)) == 0);
        switch (KindOfSignal(image.byte(SignalOffset(n, Side::Tx)))) {
        case SignalKind::Csq:
            setGrey(n, kColTurnOffCode, true);
            setGrey(n, kColReverseBurst, true);
            break;
        case SignalKind::Tpl:
        case SignalKind::UserTpl:
            setGrey(n, kColTurnOffCode, true);
            setGrey(n, kColReverseBurst, false);
            break;
        case SignalKind::Dpl:
            setGrey(n, kColTurnOffCode, false);
            setGrey(n, kColReverseBurst, true);
            break;
        case SignalKind::None:
            break;
        }
        setGrey(n, kColTalkaround,
                cell(n, kColRxFrequency).text == cell(n, kColTxFrequency).text &&
                    cell(n, kColRxSignal).text == cell(n, kColTxSignal).text);
    }
}

void GridCells::greyChannelGrid() {
    const int count = std::min<int>(state_.image.byte(bm::ChannelCount), copies_.gridRows);
    for (int n = 1; n <= count; ++n)
        for (int c : {kColMute, kColTurnOffCode, kColReverseBurst, kColTalkaround}) setGrey(n, c, true);
}

bool GridCells::isPriorityRow(int row) const {
    return priorityScanTicked() && state_.image.byte(bm::PrioScanChNo) == row;
}

void GridCells::updateTalkaround(int row) {
    const std::string rxF = cell(row, kColRxFrequency).text, rxS = cell(row, kColRxSignal).text;
    const std::string txF = cell(row, kColTxFrequency).text, txS = cell(row, kColTxSignal).text;
    const TalkaroundCell ta = UpdateTalkaround(state_.image, row, ChannelPairTexts{rxF, rxS, txF, txS});
    setCell(row, kColTalkaround, ta.text);
    setGrey(row, kColTalkaround, ta.grey);
}

EditResult GridCells::CommitFrequency(int row, Side side, std::string_view text, FrequencyStatus* status) {
    EditResult r;
    if (row < 1 || row > copies_.gridRows) return {{}, false};
    const int column = side == Side::Rx ? kColRxFrequency : kColTxFrequency;
    setCell(row, column, std::string(text));
    const FrequencyResult result = EncodeFrequency(state_, row, side, text);
    if (status) *status = result.status;
    if (const auto notice = result.notice()) r.messages.push_back(Tell(*notice));
    switch (result.status) {
    case FrequencyStatus::Stored:
        setCell(row, column, result.cellText);
        state_.dataChanged = true;
        updateTalkaround(row);
        return r;
    case FrequencyStatus::Empty:
    case FrequencyStatus::NotANumber:
        if (isPriorityRow(row)) {
            if (!state_.prioChannelError) r.messages.push_back(Tell(kPriorityFrequencyDelete));
        } else if (result.status == FrequencyStatus::Empty) {
            DeleteFrequency(state_.image, row, side);
            state_.dataChanged = true;
            scan_.moveToChannelList(row);
        }
        break;
    case FrequencyStatus::OutOfRange:
    case FrequencyStatus::OffRaster:
        break;
    }
    setCell(row, column, DecodeFrequency(state_, row, side));
    r.ok = result.status == FrequencyStatus::Empty && cell(row, column).text.empty();
    return r;
}

EditResult GridCells::DeleteKey(int row, int column) {
    if (isPriorityRow(row)) return {{Tell(kPriorityFrequencyDelete)}, false};
    if (!isFrequencyColumn(column)) return {{}, false};
    return CommitFrequency(row, sideOfColumn(column), "");
}

EditResult GridCells::StepSwitch(int row, int column) {
    if (row < 1 || row > copies_.gridRows) return {{}, false};
    EditResult r;
    auto& image = state_.image;
    const std::string current = cell(row, column).text;
    // A two-state switch: `from` turns into `to`, any other text into `from`.
    auto toggle = [&](ChannelOption option, const char* from, const char* to) {
        const std::string next = current == from ? to : from;
        SetOptionText(image, row, option, next);
        setCell(row, column, next);
        state_.dataChanged = true;
    };
    switch (column) {
    case kColSquelch: toggle(ChannelOption::Squelch, "Normal", "Tight"); break;
    case kColRxOnly: toggle(ChannelOption::RxOnly, "Off", "On"); break;
    case kColBclo: toggle(ChannelOption::Bclo, "Off", "On"); break;
    case kColBandwidth: toggle(ChannelOption::Bandwidth, "12.5", "25"); break;
    case kColPower:
        if (HasFixedPower(image)) {
            setCell(row, column, kFixedPowerText);
            r.ok = false;
        } else {
            toggle(ChannelOption::Power, "L", "H");
        }
        break;
    case kColMute: {
        if (startsWith(cell(row, kColRxSignal).text, " CS")) {
            setGrey(row, column, true);
            return {{}, false};
        }
        setGrey(row, column, false);
        static const std::pair<const char*, const char*> kNext[] = {{"1", "2"}, {"2", "3"}, {"3", "1"}};
        r.ok = false;
        for (const auto& [from, to] : kNext) {
            if (current != from) continue;
            SetOptionText(image, row, ChannelOption::Mute, to);
            setCell(row, column, to);
            state_.dataChanged = true;
            r.ok = true;
        }
        break;
    }
    case kColTurnOffCode: {
        const std::string& tx = cell(row, kColTxSignal).text;
        if (!startsWith(tx, " DPL") && !startsWith(tx, " IDPL")) {
            setGrey(row, column, true);
            return {{}, false};
        }
        setGrey(row, column, false);
        toggle(ChannelOption::TurnOffCode, "Off", "On");
        break;
    }
    case kColTalkaround: {
        const bool simplex = cell(row, kColRxFrequency).text == cell(row, kColTxFrequency).text &&
                             cell(row, kColRxSignal).text == cell(row, kColTxSignal).text;
        if (simplex) {
            setGrey(row, column, true);
            return {{}, false};
        }
        setGrey(row, column, false);
        toggle(ChannelOption::Talkaround, "Off", "On");
        break;
    }
    case kColReverseBurst: {
        const int rxSignal = image.byte(SignalOffset(row, Side::Rx));
        const int k = (rxSignal >= kUserTpl1Code && rxSignal <= kLastUserTplCode) ? rxSignal - kUserTpl1Code : 0;
        if (LeadingNumber(copies_.tpl.rx[static_cast<std::size_t>(k)]).compare(0) == 0)
            return {{Tell(kInputTplFrequency)}, false};
        if (!startsWith(cell(row, kColTxSignal).text, " TPL")) {
            setGrey(row, column, true);
            return {{}, false};
        }
        setGrey(row, column, false);
        // 0 -> "180", 1 -> "240", anything else back to "None".
        static const char* const kSteps[] = {"180", "240", "None"};
        int& step = copies_.revBurstStep[static_cast<std::size_t>(row - 1)];
        const int index = (step == 0 || step == 1) ? step : 2;
        SetOptionText(image, row, ChannelOption::ReverseBurst, kSteps[index]);
        setCell(row, column, kSteps[index]);
        step = index == 2 ? 0 : index + 1;
        state_.dataChanged = true;
        break;
    }
    default:
        return {{}, false};
    }
    return r;
}

EditResult GridCells::ChooseSignal(int row, Side side, int code, bool inverted) {
    if (row < 1 || row > copies_.gridRows || code < 0 || code > kLastUserTplCode) return {{}, false};
    auto& image = state_.image;
    image.setByte(SignalOffset(row, side), static_cast<std::uint8_t>(code));
    SetOptionValue(image, row, InversionOption(side), inverted ? 1 : 0);
    state_.dataChanged = true;
    if (const auto text = SignalText(image, side, row))
        setCell(row, side == Side::Rx ? kColRxSignal : kColTxSignal, *text);
    const SignalKind kind = KindOfSignal(code);
    if (side == Side::Rx) {
        setGrey(row, kColMute, kind == SignalKind::Csq);
    } else {
        const bool dpl = kind == SignalKind::Dpl;
        setGrey(row, kColTurnOffCode, !dpl);
        if (!dpl) {
            SetOptionValue(image, row, ChannelOption::TurnOffCode, 0);
            setCell(row, kColTurnOffCode, "Off");
        }
        const bool tpl = kind == SignalKind::Tpl || kind == SignalKind::UserTpl;
        setGrey(row, kColReverseBurst, !tpl);
        if (!tpl) {
            SetOptionValue(image, row, ChannelOption::ReverseBurst, 0);
            copies_.revBurstStep[static_cast<std::size_t>(row - 1)] = 0;
            setCell(row, kColReverseBurst, "None");
        }
    }
    updateTalkaround(row);
    return {take(), true};
}

EditResult GridCells::SetCellText(int row, int column, std::string_view text) {
    if (row < 1 || row > copies_.gridRows) return {{}, false};
    if (isFrequencyColumn(column)) return CommitFrequency(row, sideOfColumn(column), Trimmed(text));
    if (column == kColRxSignal || column == kColTxSignal) {
        const std::string key = signalKey(text);
        for (int code = kCsqCode; code <= kLastUserTplCode; ++code)
            for (bool inverted : {false, true}) {
                if (inverted && KindOfSignal(code) != SignalKind::Dpl) continue;
                const auto shown = SignalTextFor(code, inverted);
                if (shown && signalKey(*shown) == key) return ChooseSignal(row, sideOfColumn(column), code, inverted);
            }
        return {{}, false};
    }
    // A switch steps until it shows the text; a text it never shows, or a
    // step that changes nothing (greyed), refuses and changes nothing.
    const AppState stateBefore = state_;
    const EditingCopies copiesBefore = copies_;
    EditResult r;
    const std::string want = Trimmed(text);
    for (int step = 0; step < 3 && cell(row, column).text != want; ++step) {
        const std::string shown = cell(row, column).text;
        EditResult s = StepSwitch(row, column);
        r.messages.insert(r.messages.end(), s.messages.begin(), s.messages.end());
        if (!s.ok || cell(row, column).text == shown) break;
    }
    r.ok = cell(row, column).text == want;
    if (!r.ok) {
        state_ = stateBefore;
        copies_ = copiesBefore;
    }
    return r;
}

}  // namespace vantrel
