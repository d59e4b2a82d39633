#pragma once
#include <string>
#include <vector>

#include "codeplug/CodeplugImage.h"

namespace vantrel {

// One line per image byte that differs: "byte 14 (PrioScanChNo): 12 -> 8".
std::vector<std::string> ByteChanges(const CodeplugImage& before, const CodeplugImage& after);

}  // namespace vantrel
