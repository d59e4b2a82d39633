#pragma once
// Reading the radio's codeplug: "R", identity, version request answered with
// 0x4F and the first block, then 47 more blocks of 8 bytes plus checksum, each
// acknowledged (0x4F) or asked again (0x46, at most three times in a row).
// The bytes go to a staging buffer; the image is replaced only after the last
// block, so every failure leaves it untouched.
#include "codeplug/CodeplugImage.h"
#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TransferOutcome.h"

namespace vantrel::link {

// Runs the whole exchange on the given link. The caller opens the port before
// and, after a success or a data-phase failure, applies its own follow-up
// (editor population, data-changed mark, serial write enable cleared).
TransferOutcome ReadCodeplug(Link& link, LinkObserver& observer, CodeplugImage& image);

}  // namespace vantrel::link
