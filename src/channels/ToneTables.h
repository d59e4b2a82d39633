#pragma once
// The fixed signalling tables: 42 TPL (CTCSS) tones and 85 DPL (DCS) codes,
// and the ranges of the one-byte signalling code that select them.
#include <array>

namespace vantrel {

struct TplTone {
    int tenthsHz;             // 670 = 67.0 Hz
    const char* text;         // as the grid and the dialog show it
    const char* numberLabel;  // two hexadecimal digits, left of the dialog box
    const char* designation;  // right of the dialog box
};

// Code = index + 1.
extern const std::array<TplTone, 42> TplFrequencyTable;
// Three octal digits each; code = index + 43. The dialog labels them "1" to "85".
extern const std::array<const char*, 85> DplCodeTable;

inline constexpr int kCsqCode = 0;
inline constexpr int kFirstTplCode = 1;
inline constexpr int kLastTplCode = 42;
inline constexpr int kFirstDplCode = 43;
inline constexpr int kLastDplCode = 127;
inline constexpr int kUserTpl1Code = 128;  // TPL1; TPL2 = 129, TPL3 = 130
inline constexpr int kLastUserTplCode = 130;

enum class SignalKind { Csq, Tpl, Dpl, UserTpl, None };
SignalKind KindOfSignal(int code);

}  // namespace vantrel
