#include "base/NumberText.h"

#include <algorithm>
#include <climits>

namespace vantrel {
namespace {

constexpr long long kPow10[] = {1LL,         10LL,         100LL,         1000LL,
                                10000LL,     100000LL,     1000000LL,     10000000LL,
                                100000000LL, 1000000000LL, 10000000000LL, 100000000000LL};
constexpr int kMaxWholeDigits = 9;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

struct DecimalParser {
    // Reads a number at the start of `text`; returns the characters used, 0
    // when no digit was found.
    static std::size_t read(std::string_view text, Decimal& out) {
        Decimal d;
        std::size_t i = 0;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative_ = text[i++] == '-';
        int whole = 0;
        int decimals = 0;
        bool anyDigit = false;
        bool point = false;
        std::size_t used = 0;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '.' && !point) {
                point = true;
                if (anyDigit) used = i + 1;
                continue;
            }
            if (!isDigit(c)) break;
            anyDigit = true;
            used = i + 1;
            const int digit = c - '0';
            if (!point) {
                if (whole == 0 && digit == 0) continue;
                if (++whole > kMaxWholeDigits) {
                    d.huge_ = true;
                    continue;
                }
                d.units_ = d.units_ * 10 + digit * kPow10[Decimal::kScale];
            } else if (decimals < Decimal::kScale) {
                ++decimals;
                d.units_ += digit * kPow10[Decimal::kScale - decimals];
            } else if (digit != 0) {
                d.inexact_ = true;
            }
        }
        if (!anyDigit) return 0;
        out = d;
        return used;
    }
};

int Decimal::compare(long long units, int scale) const {
    if (huge_) return negative_ ? -1 : 1;
    const long long other = units * kPow10[kScale - scale];
    const long long self = scaledUnits();
    if (self != other) return self < other ? -1 : 1;
    if (inexact_) return negative_ ? -1 : 1;
    return 0;
}

std::optional<long long> Decimal::rounded(int scale) const {
    if (huge_) return std::nullopt;
    const long long step = kPow10[kScale - scale];
    long long q = units_ / step;
    const long long r = units_ % step;
    const long long half = step / 2;
    if (step > 1 && (r > half || (r == half && (inexact_ || q % 2 != 0)))) ++q;
    return negative_ ? -q : q;
}

std::optional<Decimal> ParseNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    text = text.substr(begin, end - begin);
    Decimal d;
    if (text.empty() || DecimalParser::read(text, d) != text.size()) return std::nullopt;
    return d;
}

Decimal LeadingNumber(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    Decimal d;
    DecimalParser::read(text.substr(begin), d);
    return d;
}

long long RoundHalfEven(long long num, long long den) {
    const bool negative = num < 0;
    const long long a = negative ? -num : num;
    long long q = a / den;
    const long long twice = 2 * (a % den);
    if (twice > den || (twice == den && q % 2 != 0)) ++q;
    return negative ? -q : q;
}

std::string FormatMHz(long long hz) {
    const long long tens = RoundHalfEven(hz, 10);
    const long long magnitude = tens < 0 ? -tens : tens;
    std::string decimals = std::to_string(magnitude % 100000);
    decimals.insert(0, 5 - decimals.size(), '0');
    const long long whole = magnitude / 100000;
    return std::string(tens < 0 ? "-" : "") + (whole ? std::to_string(whole) : "") + "." + decimals;
}

std::string FormatTenths(long long tenths) {
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    const long long whole = magnitude / 10;
    return std::string(tenths < 0 ? "-" : "") + (whole ? std::to_string(whole) : "") + "." +
           std::to_string(magnitude % 10);
}

std::optional<int> StrictInt(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const std::string_view t = text.substr(first, last - first + 1);
    const std::size_t k = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (k == t.size()) return std::nullopt;
    long long v = 0;
    for (std::size_t i = k; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = v * 10 + (t[i] - '0');
        if (v > INT_MAX) return std::nullopt;
    }
    return static_cast<int>(t[0] == '-' ? -v : v);
}

int BoxNumber(std::string_view text) {
    const auto v = LeadingNumber(text).rounded(0);
    if (!v) return 0;
    return static_cast<int>(std::clamp<long long>(*v, INT_MIN, INT_MAX));
}

}  // namespace vantrel
