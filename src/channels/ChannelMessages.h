#pragma once
// Fixed texts of the messages the channel codecs ask the editor to show.
// Every one is a modal box with an OK button, no icon and this title.
#include <string_view>

namespace vantrel {

struct Notice {
    std::string_view text;
    std::string_view title = "Vantrel CPS";
};

inline constexpr Notice kInvalidFrequency{"Invalid Frequency"};
inline constexpr Notice kOutOfFrequencyRange{"Out of Frequency Range"};
inline constexpr Notice kFrequencyNotValid{"Frequency is not valid"};
// The two trailing blanks are part of the message.
inline constexpr Notice kPriorityFrequencyDelete{"Not Allowed To Delete Priority Channel Frequency  "};
// The scan list's refusals.
inline constexpr Notice kEmptyChannel{"Empty Channel  "};
inline constexpr Notice kRemovePriorityChannel{"Not Allowed To Remove Priority Channel  "};

}  // namespace vantrel
