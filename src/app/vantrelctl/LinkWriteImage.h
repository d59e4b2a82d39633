#pragma once
// The image changes the program makes between opening a data file and the
// write exchange, when the user chooses Write with no other edit.
#include <string>

#include "channels/UserTplCodec.h"
#include "codeplug/AppState.h"

namespace vantrelctl {

// Population after opening (channel count byte, codeplug version byte, the
// user-TPL boxes filled from the stored frequencies, the password length copy
// of a protected image), then the Write command (bytes 11 and 12). Returns the
// user-TPL boxes, which the write re-encodes at the start of its data phase.
vantrel::UserTplBoxes PrepareImageForWrite(vantrel::AppState& state);

// The Write command's frequency check: the first box below 67 Hz, in the order
// receive 1, transmit 1, receive 2, ...; empty when all pass.
std::string FirstInvalidUserTpl(const vantrel::UserTplBoxes& boxes);

}  // namespace vantrelctl
