#pragma once
// Small helpers for the link commands' option parsing.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace vantrelctl {

// A byte written as decimal or 0x hex.
inline std::optional<std::uint8_t> ParseByte(const std::string& text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

inline std::optional<int> ParseCount(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 1000000) return std::nullopt;
    return static_cast<int>(value);
}

// A time in milliseconds, fractions allowed, up to one minute.
inline std::optional<double> ParseMilliseconds(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value >= 0 && value <= 60000)) return std::nullopt;
    return value;
}

// "BLOCK:TIMES", block 0..47.
inline std::optional<std::pair<int, int>> ParseBlockTimes(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto block = ParseCount(text.substr(0, colon));
    const auto times = ParseCount(text.substr(colon + 1));
    if (!block || !times || *block > 47) return std::nullopt;
    return std::make_pair(*block, *times);
}

// "ANSWER:BYTE", answer 1 (the identity) or later.
inline std::optional<std::pair<int, std::uint8_t>> ParseAnswerByte(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto answer = ParseCount(text.substr(0, colon));
    const auto byte = ParseByte(text.substr(colon + 1));
    if (!answer || !byte || *answer < 1) return std::nullopt;
    return std::make_pair(*answer, *byte);
}

}  // namespace vantrelctl
