#pragma once
// What a fleet shows of each radio it read: the serial number and the model
// number, as the editor's "Radio Information" frame would show them.
#include <string>

#include "codeplug/CodeplugImage.h"

namespace vantrel::fleet {

// Empty when the radio has no serial number (all ten bytes 0xFF).
std::string SerialNumberText(const CodeplugImage& image);

// The model number the editor shows; empty for an unknown model.
std::string ModelText(const CodeplugImage& image);

// The data file a fleet read stores a radio in: its serial number, or the
// port's name where it has none, made safe as one file name (letters,
// digits, '-', '_' and '.', not starting with '.'), then ".cpg".
std::string ReadFileName(const std::string& serialNumber, const std::string& port);

}  // namespace vantrel::fleet
