#pragma once
// The columns of the channel grid `fgChannel`: header, width, the status-bar
// help and tooltip shown while the pointer is over the column.
#include <array>

namespace vantrel::gridcol {

enum Column {
    ChNo = 0,
    RxFreq = 1,
    RxPl = 2,
    Squelch = 3,
    Mute = 4,
    TxFreq = 5,
    TxPl = 6,
    Power = 7,
    TurnOffCode = 8,
    RxOnly = 9,
    RevBurst = 10,
    Bclo = 11,
    Band = 12,
    Talkaround = 13,
};

constexpr int kColumns = 14;
constexpr int kRowHeightTwips = 315;
constexpr int kGridWidthTwips = 11660;
constexpr int kGridHeightTwips = 5400;

struct ColumnInfo {
    const char* header;
    int widthTwips;
    const char* status;
    // nullptr: the tooltip is computed (channel number, band, power).
    const char* tooltip;
};

extern const std::array<ColumnInfo, kColumns> kColumnInfo;

constexpr bool isFrequency(int c) { return c == RxFreq || c == TxFreq; }
constexpr bool isSignal(int c) { return c == RxPl || c == TxPl; }
// Columns whose cell steps to its next value on a double-click or Enter.
constexpr bool isSwitch(int c) { return c == Squelch || c == Mute || (c >= Power && c <= Talkaround); }

}  // namespace vantrel::gridcol
