#pragma once
// The fixed texts of the editor's messages, each in one place. Blanks are
// part of them.
#include <string>

#include "channels/ChannelMessages.h"
#include "model/Messages.h"

namespace vantrel::modeltext {

inline const std::string kTimeOptionInvalid = "Time Option value is Invalid";
inline const std::string kInvalidPassword = "Invalid Password";
inline const std::string kInvalidSerial = "Invalid Serial Number";
inline const std::string kRegionCodeInvalid = "Region Code is not valid...";
inline const std::string kInputTplFrequency = "Input TPL Frequency";
inline const std::string kInvalidDataType = "Error! invalid data type     ";
inline const std::string kOpenFileTitle = "Open File";

// The priority channel names a channel outside the scan list. The scan list
// and the checks before a write or a save centre "Error!" with 23 blanks; the
// "Priority Scan Enable" box's own check with 25.
inline std::string PriorityNotInScanList(int leadingBlanks = 23) {
    return std::string(static_cast<std::size_t>(leadingBlanks), ' ') +
           "Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ";
}

inline Message Tell(const std::string& text) { return Message{text}; }
inline Message Tell(const Notice& n) { return Message{std::string(n.text), std::string(n.title)}; }

}  // namespace vantrel::modeltext
