#pragma once
// A text without the blanks around it.
#include <string>
#include <string_view>

namespace vantrel {

inline std::string Trimmed(std::string_view text, std::string_view blanks = " ") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

}  // namespace vantrel
