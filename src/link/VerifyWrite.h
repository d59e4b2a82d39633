#pragma once
// Verify after a write: the radio is read back and every byte is compared
// with what the write sent, so a byte the radio did not keep is found.
#include <cstdint>
#include <string>
#include <vector>

#include "codeplug/CodeplugImage.h"
#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TransferOutcome.h"

namespace vantrel::link {

struct ByteMismatch {
    std::size_t offset;
    std::uint8_t written;
    std::uint8_t readBack;
};

struct VerifyResult {
    TransferOutcome readOutcome = TransferOutcome::Aborted;  // of the read-back
    std::vector<ByteMismatch> mismatches;                    // after a successful read-back
    CodeplugImage::Bytes readBack{};                         // what the radio holds, after a successful read-back
    bool ok() const { return readOutcome == TransferOutcome::Success && mismatches.empty(); }
};

// Every byte of `back` that differs from `sent`, in offset order. A serial
// number sent as ten 0xFF bytes (none to write) leaves the radio's own in
// place, so those ten bytes are not compared.
std::vector<ByteMismatch> CompareWritten(const CodeplugImage::Bytes& sent, const CodeplugImage& back);

// True when the write sends no serial number: all ten bytes 0xFF.
bool SerialSentBlank(const CodeplugImage::Bytes& sent);

// What a radio holds after a write of `sent`: those bytes, with the radio's
// own serial number (from `before`, the radio as read before the write)
// where none was sent.
CodeplugImage::Bytes HeldAfterWrite(const CodeplugImage::Bytes& sent, const CodeplugImage::Bytes& before);

// Reads the radio on the link (reporting through observer) and compares.
VerifyResult VerifyWrite(Link& link, LinkObserver& observer, const CodeplugImage::Bytes& sent);

// "byte 17 written 5, read back 6".
std::string MismatchText(const ByteMismatch& m);
// "the radio holds every byte written" or "N bytes differ".
std::string VerifySummary(const VerifyResult& result);

}  // namespace vantrel::link
