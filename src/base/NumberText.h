#pragma once
// Numbers the user types, read without the desktop locale: digits and at most
// one decimal point, with an optional leading sign. A comma is never a decimal
// separator here, so a pasted "462,5625" is not a number rather than a
// different frequency. Values are kept as exact decimals so that 462.5625 or
// 150.005 turn into exact hertz and tenths without binary rounding.
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class Decimal {
public:
    // Digits kept after the point; further non-zero digits only mark the
    // value as a little larger in magnitude (enough for exact half-even
    // rounding to any coarser step).
    static constexpr int kScale = 9;

    Decimal() = default;

    bool isZero() const { return units_ == 0 && !inexact_ && !huge_; }

    // -1, 0 or +1 as this value compares with units / 10^scale.
    int compare(long long units, int scale = 0) const;

    // The value in steps of 10^-scale (0 <= scale <= 9), halves to even.
    // Empty when the value is too large to be represented.
    std::optional<long long> rounded(int scale) const;

    // The value as units of 10^-kScale (exact unless digits were dropped).
    long long scaledUnits() const { return negative_ ? -units_ : units_; }
    bool isHuge() const { return huge_; }

private:
    friend struct DecimalParser;
    bool negative_ = false;
    long long units_ = 0;   // magnitude in 10^-kScale, below 10^18
    bool inexact_ = false;  // non-zero digits dropped after kScale decimals
    bool huge_ = false;     // 10^9 or more in magnitude
};

// The whole text (blanks around it allowed) is a number: optional sign, then
// digits with at most one point and at least one digit.
std::optional<Decimal> ParseNumber(std::string_view text);

// The leading number of a text, as a box's numeric value is read: leading
// blanks skipped, then the longest number prefix; 0 when there is none (an
// empty box reads as 0).
Decimal LeadingNumber(std::string_view text);

// A box's whole-number value: its leading number rounded, 0 when there is
// none, held to the range of int.
int BoxNumber(std::string_view text);

// A whole number and nothing else (blanks around it allowed), as the
// editor's integer boxes read it; none for any other text or beyond int.
std::optional<int> StrictInt(std::string_view text);

// num / den rounded to a whole number, halves to even (den > 0).
long long RoundHalfEven(long long num, long long den);

// "###.####0": whole units without leading zeros, a point, five decimals;
// hertz in, MHz out (150000000 -> "150.00000").
std::string FormatMHz(long long hz);

// "#.0" of a value in tenths (1200 -> "120.0", 5 -> ".5").
std::string FormatTenths(long long tenths);

}  // namespace vantrel
