// The switch cells of the grid: each reads its cell text, writes the option
// bits of the channel record and shows the next text. A grey cell marks a
// switch without effect in the channel's current signalling.
#include <QTableWidget>

#include "channels/ChannelOptions.h"
#include "channels/Talkaround.h"
#include "channels/widgets/ChannelGrid.h"
#include "channels/widgets/GridColumns.h"
#include "channels/widgets/GridTexts.h"

namespace vantrel {

namespace gc = gridcol;

namespace {

// A two-state switch: the `from` text turns into `to`, any other into `from`.
struct Toggle {
    int column;
    ChannelOption option;
    const char* from;
    const char* to;
};

constexpr Toggle kSquelch{gc::Squelch, ChannelOption::Squelch, "Normal", "Tight"};
constexpr Toggle kPower{gc::Power, ChannelOption::Power, "L", "H"};
constexpr Toggle kTurnOffCode{gc::TurnOffCode, ChannelOption::TurnOffCode, "Off", "On"};
constexpr Toggle kRxOnly{gc::RxOnly, ChannelOption::RxOnly, "Off", "On"};
constexpr Toggle kBclo{gc::Bclo, ChannelOption::Bclo, "Off", "On"};
constexpr Toggle kBandwidth{gc::Band, ChannelOption::Bandwidth, "12.5", "25"};
constexpr Toggle kTalkaround{gc::Talkaround, ChannelOption::Talkaround, "Off", "On"};

void toggle(ChannelGrid& grid, CodeplugImage& image, int row, const Toggle& t) {
    const QString next = grid.cellText(row, t.column) == QLatin1String(t.from) ? t.to : t.from;
    SetOptionText(image, row, t.option, next.toStdString());
    grid.setCellText(row, t.column, next);
}

}  // namespace

void ChannelGrid::runSwitch(int column, int row) {
    using Editor = void (ChannelGrid::*)(int);
    static const std::pair<int, Editor> kEditors[] = {
        {gc::Squelch, &ChannelGrid::ToggleSquelch},      {gc::Mute, &ChannelGrid::CycleMute},
        {gc::Power, &ChannelGrid::TogglePower},          {gc::TurnOffCode, &ChannelGrid::ToggleTurnOffCode},
        {gc::RxOnly, &ChannelGrid::ToggleRxOnly},        {gc::RevBurst, &ChannelGrid::CycleReverseBurst},
        {gc::Bclo, &ChannelGrid::ToggleBclo},            {gc::Band, &ChannelGrid::ToggleBandwidth},
        {gc::Talkaround, &ChannelGrid::ToggleTalkaround},
    };
    for (const auto& [c, editor] : kEditors)
        if (c == column) (this->*editor)(row);
}

void ChannelGrid::ToggleSquelch(int row) {
    toggle(*this, ctx_.state.image, row, kSquelch);
    touch();
}

void ChannelGrid::CycleMute(int row) {
    if (cellText(row, gc::RxPl).startsWith(QLatin1String(" CS"))) {
        setCellGrey(row, gc::Mute, true);
        return;
    }
    setCellGrey(row, gc::Mute, false);
    static const std::pair<const char*, const char*> kNext[] = {{"1", "2"}, {"2", "3"}, {"3", "1"}};
    const QString text = cellText(row, gc::Mute);
    for (const auto& [from, to] : kNext) {
        if (text != QLatin1String(from)) continue;
        SetOptionText(ctx_.state.image, row, ChannelOption::Mute, to);
        setCellText(row, gc::Mute, QString::fromLatin1(to));
        touch();
        return;
    }
}

void ChannelGrid::TogglePower(int row) {
    if (HasFixedPower(ctx_.state.image)) {
        setCellText(row, gc::Power, QString::fromLatin1(kFixedPowerText));
        return;
    }
    toggle(*this, ctx_.state.image, row, kPower);
    touch();
}

void ChannelGrid::ToggleTurnOffCode(int row) {
    const QString tx = cellText(row, gc::TxPl);
    if (!tx.startsWith(QLatin1String(" DPL")) && !tx.startsWith(QLatin1String(" IDPL"))) {
        setCellGrey(row, gc::TurnOffCode, true);
        return;
    }
    setCellGrey(row, gc::TurnOffCode, false);
    toggle(*this, ctx_.state.image, row, kTurnOffCode);
    touch();
}

void ChannelGrid::ToggleRxOnly(int row) {
    toggle(*this, ctx_.state.image, row, kRxOnly);
    touch();
}

void ChannelGrid::ToggleBclo(int row) {
    toggle(*this, ctx_.state.image, row, kBclo);
    touch();
}

void ChannelGrid::ToggleBandwidth(int row) {
    toggle(*this, ctx_.state.image, row, kBandwidth);
    touch();
}

void ChannelGrid::ToggleTalkaround(int row) {
    const bool simplex = cellText(row, gc::RxFreq) == cellText(row, gc::TxFreq) &&
                         cellText(row, gc::RxPl) == cellText(row, gc::TxPl);
    if (simplex) {
        setCellGrey(row, gc::Talkaround, true);
        return;
    }
    setCellGrey(row, gc::Talkaround, false);
    toggle(*this, ctx_.state.image, row, kTalkaround);
    touch();
}

void ChannelGrid::CycleReverseBurst(int row) {
    const int rxSignal = ctx_.state.image.byte(SignalOffset(row, Side::Rx));
    const int k = (rxSignal >= 128 && rxSignal <= 130) ? rxSignal - 128 : 0;
    if (!hooks.userTplRxValue || hooks.userTplRxValue(k) == 0) {
        ctx_.prompts.tell(gridtext::kInputTplFrequency);
        return;
    }
    if (!cellText(row, gc::TxPl).startsWith(QLatin1String(" TPL"))) {
        setCellGrey(row, gc::RevBurst, true);
        return;
    }
    setCellGrey(row, gc::RevBurst, false);
    // 0 -> "180", 1 -> "240", anything else back to "None".
    static const char* const kSteps[] = {"180", "240", "None"};
    int& step = revBurstStep_[row - 1];
    const int index = (step == 0 || step == 1) ? step : 2;
    SetOptionText(ctx_.state.image, row, ChannelOption::ReverseBurst, kSteps[index]);
    setCellText(row, gc::RevBurst, QString::fromLatin1(kSteps[index]));
    step = index == 2 ? 0 : index + 1;
    touch();
}

void ChannelGrid::UpdateTalkaround(int row) {
    const std::string rxFreq = cellText(row, gc::RxFreq).toStdString();
    const std::string rxSig = cellText(row, gc::RxPl).toStdString();
    const std::string txFreq = cellText(row, gc::TxFreq).toStdString();
    const std::string txSig = cellText(row, gc::TxPl).toStdString();
    const TalkaroundCell cell =
        vantrel::UpdateTalkaround(ctx_.state.image, row, ChannelPairTexts{rxFreq, rxSig, txFreq, txSig});
    setCellText(row, gc::Talkaround, QString::fromLatin1(cell.text));
    setCellGrey(row, gc::Talkaround, cell.grey);
}

}  // namespace vantrel
