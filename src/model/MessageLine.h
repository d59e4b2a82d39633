#pragma once
#include <string>

#include "model/Messages.h"

namespace vantrel {

// A message as one terminal line: the lines of its text trimmed and joined
// by a blank ("Error! Prio. Scan Ch. No. not in active scan list").
std::string MessageLine(const Message& m);

}  // namespace vantrel
