#pragma once
// Writing the codeplug to the radio: "P" and identity, version request whose
// answer carries the radio's own password (the user must know it), target
// check "T" against the model and band of the image, switch (0x0B, "R"), then
// 48 blocks of 8 bytes, each byte followed by 0x00, with a checksum pair that
// the radio acknowledges (0x4F) or asks again for (at most three times).
//
// The image is adjusted on the way out and keeps the adjustments: the user
// tones are recomputed, bit 0 of the tenth byte of every channel record is
// cleared, a scan interval of 1 or 2 goes out as 3, the serial number goes out
// as 0xFF unless SerialWriteEnable is set, and SerialWriteEnable is cleared
// after a successful write.
#include <functional>

#include "codeplug/AppState.h"
#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TransferOutcome.h"

namespace vantrel::link {

// Steps that belong to the editor: storing its password box into the image
// (after the radio's password has been accepted) and re-encoding the
// user-defined TPL tones from their boxes (at the start of the data phase).
struct WriteSteps {
    std::function<void(AppState&)> storePassword;
    std::function<void(CodeplugImage&)> encodeUserTones;
};

// Runs the exchange. `sent`, when given, receives the 384 bytes as they went
// to the radio (complete only after a success).
TransferOutcome WriteCodeplug(Link& link, LinkObserver& observer, AppState& state,
                              const WriteSteps& steps, CodeplugImage::Bytes* sent = nullptr);

// The radio's password from the answer to the version request: bytes 1..8 up
// to the first 0x00, each byte taken as one character.
std::string RadioPassword(const Bytes& versionAnswer);
// A radio asks for its password unless the first password byte is 0x00 or 0xFF.
bool RadioAsksPassword(const Bytes& versionAnswer);
// (ModelIndex AND 0x0F) x 16 + RadioType, in 8 bits: what "T" must answer.
std::uint8_t ExpectedTarget(const CodeplugImage& image);

}  // namespace vantrel::link
